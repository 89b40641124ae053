// The analysis and its exports on any record: the record compared with
// itself, its structure, sensitivity and km curve, and the JSON and CSV writers.
// Input: the first byte chooses the variation (1 to 50 %); the rest is a line
// table as in fuzz_fromarray.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "ApoyoFuzz.h"
#include "model/Analisis.h"
#include "reports/Csv.h"
#include "reports/Json.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;
using nlohmann::json;

namespace {

void ComprobarCalculada(const Simulacion& c)
{
    const Comparacion cmp = Comparar(c, c);
    for (const auto& f : cmp.filas)
        if (f.diferencia != 0 || f.porcentaje.has_value() != (f.b != 0) || f.porcentaje.value_or(0) != 0)
            Fallo("un registro comparado consigo mismo difiere", f.campo);
    const json j = json::parse(JsonInforme(c, {}), nullptr, false);
    if (json::parse(JsonComparacion(cmp), nullptr, false)["filas"].size() != 27 || j.is_discarded())
        Fallo("JSON no válido");
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        const double v = *DoubleDeCampo(c, i);
        std::string t = NumeroCsv(v);
        for (char& ch : t) ch = ch == ',' ? '.' : ch == '.' ? 'x' : ch;
        double leido = 0;
        std::from_chars(t.data(), t.data() + t.size(), leido);
        if (leido != v || j["registro"][std::string(CamposSimulacion()[size_t(i)].nombre)].get<double>() != v)
            Fallo("CSV o JSON con otro número", t);
    }
    Estructura(c);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    Simulacion s;
    try {
        s.FromArray(TablaDesdeEntrada(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1)));
    } catch (const ErrorEjecucion&) {
        // A record half loaded is still a record to analyse.
    }
    Sensibilidad r;
    try {
        ComprobarCalculada(Calculada(s));
        r = AnalizarSensibilidad(s, 1 + data[0] % 50);
    } catch (const ErrorEjecucion&) {
        return 0;  // the record itself does not calculate
    }
    if (!std::isfinite(r.costeKm) || r.curvaKm.size() != 21) Fallo("sensibilidad sin base o sin curva");
    for (size_t i = 0; i < r.entradas.size(); ++i) {
        const auto& e = r.entradas[i];
        const bool desordenada = i > 0 && !e.error && (r.entradas[i - 1].error || r.entradas[i - 1].efecto < e.efecto);
        if (desordenada || (!e.error && !(std::isfinite(e.menos) && std::isfinite(e.mas)))) Fallo("entrada", e.campo);
    }
    if (json::parse(JsonSensibilidad(r), nullptr, false).is_discarded() || CsvSensibilidad(r).empty())
        Fallo("JSON o CSV de sensibilidad no válido");
    return 0;
}
