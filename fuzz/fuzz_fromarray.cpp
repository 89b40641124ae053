// FromArray on arbitrary line tables, then the record's own round trip and,
// when it validates, Calcular and the three reports.
//
// Input: lines separated by '\n'. A line that starts with byte 0x01 names a
// field by the next byte (its index modulo 86) and carries the rest as its
// value, so that the fuzzer reaches every field quickly; any other line is
// split at its first '=' as a file line is; a line without '=' is an empty
// row. An empty input is a table that was never dimensioned.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ApoyoFuzz.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

// The lines of ToArray read back as a file reader would split them.
TablaLineas ComoLeida(const TablaLineas& t)
{
    TablaLineas r;
    for (int f = 1; f <= t.UltimaFila(); ++f) {
        const std::string linea = t.Linea(f);
        const size_t igual = linea.find('=');
        r.AnadirFila(linea.substr(0, igual), linea.substr(igual + 1));
    }
    return r;
}

std::vector<std::string> Lineas(const TablaLineas& t)
{
    std::vector<std::string> v;
    for (int f = 1; f <= t.UltimaFila(); ++f) v.push_back(t.Linea(f));
    return v;
}

bool ResultadosFinitos(const Simulacion& s)
{
    const double r[] = {s.CosteAnualAmortizacion, s.CosteAnualDeFinanciacion, s.CosteAnualDePersonal,
                        s.CostesFijosAnuales,     s.CostesVariablesAnuales,   s.CostesDirectosAnuales,
                        s.CostesDirectosporKm,    s.CostesFijosPorDia,        s.CostesFijosPorHora};
    for (double v : r)
        if (!std::isfinite(v)) return false;
    return true;
}

template <typename F>
void InformeConLineas(F escribir, size_t esperadas, const char* que)
{
    std::vector<std::string> lineas;
    try {
        escribir(lineas);
    } catch (const ErrorEjecucion&) {
        if (lineas.size() >= esperadas) Fallo(que, "error después de la última línea");
        return;
    }
    if (lineas.size() != esperadas) Fallo(que, "número de líneas distinto");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TablaLineas tabla = TablaDesdeEntrada(std::string_view(reinterpret_cast<const char*>(data), size));
    Simulacion s;
    try {
        s.FromArray(tabla);
    } catch (const ErrorEjecucion& e) {
        if (e.Numero() != kTiposNoCoinciden && e.Numero() != kDesbordamiento && e.Numero() != kSubindice)
            Fallo("FromArray: error inesperado", e.what());
        if (!tabla.Dimensionada() && e.Numero() != kSubindice) Fallo("tabla vacía sin error 9");
        return 0;
    }
    if (!tabla.Dimensionada()) Fallo("tabla vacía aceptada");

    // What is saved must load again into the very same lines.
    const TablaLineas guardada = s.ToArray();
    if (guardada.UltimaFila() != kNumeroCampos) Fallo("ToArray no da 86 filas");
    Simulacion otra;
    try {
        otra.FromArray(ComoLeida(guardada));
    } catch (const ErrorEjecucion& e) {
        Fallo("un registro grabado no se vuelve a leer", e.what(), guardada.Linea(1));
    }
    if (Lineas(otra.ToArray()) != Lineas(guardada)) Fallo("ida y vuelta de ToArray/FromArray");

    try {
        if (!s.Validar()) {
            if (s.ErrorMsg.empty()) Fallo("Validar falla sin mensajes");
            return 0;
        }
    } catch (const ErrorEjecucion& e) {
        // Days, hours and tyres are taken as 16-bit whole numbers: beyond that, overflow.
        if (e.Numero() != kDesbordamiento) Fallo("Validar: error inesperado", e.what());
        return 0;
    }
    try {
        s.Calcular(SeguroDesdeRegistro(s));
    } catch (const ErrorEjecucion& e) {
        if (e.Numero() != kTiposNoCoinciden && e.Numero() != kDesbordamiento && e.Numero() != kDivisionPorCero)
            Fallo("Calcular: error inesperado", e.what());
        return 0;
    }
    if (!ResultadosFinitos(s)) Fallo("Calcular dejó un resultado no finito");
    InformeConLineas([&](auto& l) { InformeDetallado(s, l); }, 35, "InformeDetallado");
    InformeConLineas([&](auto& l) { InformeResumen(s, l); }, 20, "InformeResumen");
    InformeConLineas([&](auto& l) { InformePresupuesto(s, "350", "6,5", l); }, 29, "InformePresupuesto");
    return 0;
}
