#pragma once
// What the record commands write to the console: report lines, the report
// sequence of the result windows as text, JSON or CSV, and the JSON error
// object of a command that fails.
#include <ostream>
#include <string>
#include <vector>

#include "cli/AvisadorConsola.h"
#include "cli/Datos.h"
#include "model/Errores.h"
#include "reports/CalcularInforme.h"
#include "reports/Json.h"

namespace tarvelon {

// The output format of a command.
enum class Formato { Texto, Json, Csv };

void EscribirLineas(std::ostream& out, const std::vector<std::string>& lineas);

// The sequence of the result windows: the report, or the validation messages.
// Exit code; a run-time error is raised after the lines written before it.
int Informar(Simulacion& s, std::ostream& out, const EscritorInforme& escribir,
             const TextosServicio* servicio = nullptr);

// Validar, Calcular and the report as JSON (numbers and lines) or CSV; a
// failing run-time step raises its error with nothing written.
template <typename Exportar>
int InformarExportado(Simulacion& s, Formato formato, std::ostream& out, const EscritorInforme& escribir,
                      Exportar exportar, const TextosServicio* servicio = nullptr)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir, servicio);
    if (r.noValido) {
        if (formato == Formato::Json) out << JsonErrores(r.lineas);
        else EscribirLineas(out, r.lineas);
        return kSalidaValidacion;
    }
    if (r.error) throw *r.error;
    out << exportar(s, r.lineas);
    return kSalidaBien;
}

// Runs a command; with JSON output a run-time error also goes to stdout as
// {"error": ...}, naming the first error shown (the file that failed).
template <typename F>
int ConErrorJson(Formato formato, std::ostream& out, const AvisadorConsola& avisos, F&& f)
{
    try {
        return f();
    } catch (const ErrorEjecucion& e) {
        if (formato == Formato::Json) out << JsonError(avisos.PrimerError() ? *avisos.PrimerError() : e);
        throw;
    }
}

}  // namespace tarvelon
