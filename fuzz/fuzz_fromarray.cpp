// Any record from an arbitrary line table: FromArray, the save and load round
// trip, Validar and Calcular (finite results); for any record that calculates,
// even one half loaded, the analysis and its JSON and CSV writers. Input: lines
// split at the first '=' as in a file (none: an empty row; byte 0x01 and a byte:
// that field by number, to reach every field fast); empty: a table never
// dimensioned. The length chooses the sensitivity's variation (1 to 50 %).
#include <charconv>
#include <nlohmann/json.hpp>

#include "ApoyoFuzz.h"
#include "model/Analisis.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"
#include "reports/Csv.h"
#include "reports/Json.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;
using nlohmann::json;

namespace {

TablaLineas TablaDesdeEntrada(std::string_view s)
{
    TablaLineas t;
    for (size_t inicio = 0; !s.empty() && inicio <= s.size();) {
        const size_t fin = std::min(s.find('\n', inicio), s.size());
        const std::string_view l = s.substr(inicio, fin - inicio);
        const size_t igual = l.find('=');
        if (l.size() >= 2 && l[0] == '\x01')
            t.AnadirFila(std::string(CamposSimulacion()[static_cast<unsigned char>(l[1]) % kNumeroCampos].nombre),
                         std::string(l.substr(2)));
        else if (igual == std::string_view::npos) t.AnadirFila({}, {});
        else t.AnadirFila(std::string(l.substr(0, igual)), std::string(l.substr(igual + 1)));
        inicio = fin + 1;
    }
    return t;
}

std::vector<std::string> Lineas(const TablaLineas& t)
{
    std::vector<std::string> v;
    for (int f = 1; f <= t.UltimaFila(); ++f) v.push_back(t.Linea(f));
    return v;
}

// Only the run-time errors listed may stop `f`; false when one did.
template <typename F>
bool Sin(F f, const std::vector<int>& permitidos, const char* que)
{
    try {
        f();
        return true;
    } catch (const ErrorEjecucion& e) {
        if (std::find(permitidos.begin(), permitidos.end(), e.Numero()) == permitidos.end()) Fallo(que, e.what());
        return false;
    }
}

void Analizar(const Simulacion& s, double variacion)
{
    Simulacion c;
    Sensibilidad r;
    try {
        c = Calculada(s);
        r = AnalizarSensibilidad(s, variacion);
    } catch (const ErrorEjecucion&) {
        return;  // the record itself does not calculate
    }
    // Compared with itself: every difference 0, no percentage against 0.
    const Comparacion cmp = Comparar(c, c);
    for (const auto& f : cmp.filas)
        if (f.diferencia != 0 || f.porcentaje.has_value() != (f.b != 0) || f.porcentaje.value_or(0) != 0)
            Fallo("un registro comparado consigo mismo difiere", f.campo);
    Estructura(c);
    // Valid JSON, and every result in the JSON and the CSV reads back as the
    // same Double rounded to 15 significant digits (as the saved files).
    const json j = json::parse(JsonInforme(c, {}), nullptr, false);
    if (j.is_discarded() || json::parse(JsonComparacion(cmp), nullptr, false)["filas"].size() != 27) Fallo("JSON");
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        const double v = TextoANumero(NumeroATexto(*DoubleDeCampo(c, i)));
        std::string t = NumeroCsv(v);
        for (char& ch : t) ch = ch == ',' ? '.' : ch == '.' ? 'x' : ch;
        double leido = 0;
        std::from_chars(t.data(), t.data() + t.size(), leido);
        if (leido != v || j["registro"][std::string(CamposSimulacion()[size_t(i)].nombre)].get<double>() != v)
            Fallo("CSV o JSON con otro número", t);
    }
    // Sensitivity: finite figures, largest effect first, failing copies last.
    if (!std::isfinite(r.costeKm) || r.curvaKm.size() != 21) Fallo("sensibilidad sin base o sin curva");
    auto antes = [](const auto& a, const auto& b) { return !a.error && (b.error || a.efecto > b.efecto); };
    if (!std::is_sorted(r.entradas.begin(), r.entradas.end(), antes)) Fallo("sensibilidad desordenada");
    for (const auto& e : r.entradas)
        if (!e.error && !(std::isfinite(e.menos) && std::isfinite(e.mas))) Fallo("sensibilidad no finita", e.campo);
    if (json::parse(JsonSensibilidad(r), nullptr, false).is_discarded() || CsvSensibilidad(r).empty())
        Fallo("JSON o CSV de sensibilidad");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TablaLineas tabla = TablaDesdeEntrada(std::string_view(reinterpret_cast<const char*>(data), size));
    Simulacion s;
    // A table never dimensioned gives error 9 and nothing else.
    const bool cargado = Sin([&] { s.FromArray(tabla); },
                             tabla.Dimensionada() ? std::vector<int>{kTiposNoCoinciden, kDesbordamiento, kSubindice}
                                                  : std::vector<int>{kSubindice},
                             "FromArray");
    if (cargado && !tabla.Dimensionada()) Fallo("tabla vacía aceptada");
    Analizar(s, 1 + static_cast<double>(size % 50));
    if (!cargado) return 0;

    // What is saved must load again, read back as a file reader splits it, into the very same lines.
    const std::vector<std::string> guardadas = Lineas(s.ToArray());
    TablaLineas leida;
    for (const auto& l : guardadas) leida.AnadirFila(l.substr(0, l.find('=')), l.substr(l.find('=') + 1));
    Simulacion otra;
    otra.FromArray(leida);  // an error here escapes: a finding
    if (Lineas(otra.ToArray()) != guardadas) Fallo("ida y vuelta de ToArray/FromArray");

    // Days, hours and tyres are taken as 16-bit whole numbers: beyond that, overflow.
    bool valido = false;
    if (!Sin([&] { valido = s.Validar(); }, {kDesbordamiento}, "Validar")) return 0;
    if (!valido && s.ErrorMsg.empty()) Fallo("Validar falla sin mensajes");
    if (!valido || !Sin([&] { s.Calcular(SeguroDesdeRegistro(s)); },
                        {kTiposNoCoinciden, kDesbordamiento, kDivisionPorCero}, "Calcular"))
        return 0;
    for (double v : {s.CosteAnualAmortizacion, s.CosteAnualDeFinanciacion, s.CosteAnualDePersonal, s.CostesFijosAnuales,
                     s.CostesVariablesAnuales, s.CostesDirectosAnuales, s.CostesDirectosporKm, s.CostesFijosPorDia,
                     s.CostesFijosPorHora})
        if (!std::isfinite(v)) Fallo("Calcular dejó un resultado no finito");

    return 0;
}
