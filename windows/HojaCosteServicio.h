#pragma once
// The one-page sheet «Coste del servicio» that a haulier files with the
// contract: the vehicle and its data file, the service, the budget's
// breakdown, the offered price, the margin and the verdict. A4, drawn as
// vectors with its text as text.
#include <string>

#include "model/PrecioServicio.h"
#include "model/Simulacion.h"

namespace tarvelon {

struct DatosHoja {
    const Simulacion* calculada = nullptr;  // the record the cost comes from
    std::string kmTexto;                    // as typed: the breakdown reads them again
    std::string horasTexto;
    PrecioServicio precio;
    std::string fichero;       // the data file of the vehicle
    std::string fechaFichero;  // its date, "dd/mm/aaaa"; empty when unknown
    std::string referencia;    // free texts typed by the user, may be empty
    std::string cliente;
};

// The document's bytes; a failure raises ErrorEjecucion.
std::string GenerarHojaCosteServicio(const DatosHoja& datos);

}  // namespace tarvelon
