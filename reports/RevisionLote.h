#pragma once
// The fuel-price revision of a list of services, read and written line by
// line so that the memory used does not grow with the list. Input: the line
// "referencia;fecha_contrato;fecha_servicio;precio;masa_t", then one service
// per line (dates AAAA-MM-DD, price with decimal comma, mass in tonnes).
// Output: the CSV of the other exports (";" , decimal comma, byte-order mark,
// CR LF) with the input lines as they were and the columns
// "variacion;coeficiente;aplica;revision;precio_revisado" added, then a
// "Total" line over the services that could be revised.
#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "model/RevisionCombustible.h"
#include "model/SerieGasoleo.h"

namespace tarvelon {

struct ResumenLote {
    int64_t revisados = 0;
    int64_t erroneos = 0;  // lines reported and left out
};

inline constexpr std::string_view kCabeceraServicios = "referencia;fecha_contrato;fecha_servicio;precio;masa_t";

// A line that cannot be revised is reported on `errores` as "Línea N: motivo"
// and left out of the output and of the totals. A first line that is not the
// header raises ErrorSerie with nothing written.
ResumenLote RevisarServicios(std::istream& entrada, std::ostream& salida, std::ostream& errores,
                             const SerieGasoleo& serie, double umbral = kUmbralRevision);

}  // namespace tarvelon
