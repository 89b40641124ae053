#pragma once
// The sequence behind every report request, in the result windows and in
// tarvelon-datos alike: validate the record, calculate it, write the report.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/CostesServicio.h"
#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon {

// A report writer of Informes.h: appends the lines of a calculated record.
using EscritorInforme = std::function<void(const Simulacion&, std::vector<std::string>&)>;

struct ResultadoInforme {
    // Validar answered false: `lineas` are its messages, one per "\r\n" piece.
    bool noValido = false;
    // Calcular ran and the writer started: `lineas` are the report lines.
    bool informe = false;
    std::vector<std::string> lineas;
    // The run-time error that ended the sequence; the lines written before
    // it are kept in `lineas`.
    std::optional<ErrorEjecucion> error;
};

// Validar, and for a service budget (`servicio`) ValidarServicio after it;
// when either fails, their messages and nothing else. Otherwise Calcular with
// `seguro` (the insurance window as it stands) and `escribir`. A failure of
// any step is returned as the numbered error the user is shown
// (ComoErrorEjecucion), not thrown.
ResultadoInforme CalcularInforme(Simulacion& s, const EntradaSeguro& seguro, const EscritorInforme& escribir,
                                 const TextosServicio* servicio = nullptr);

}  // namespace tarvelon
