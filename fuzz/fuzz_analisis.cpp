// The analysis and its exports on any record: structure, comparison of the
// record with itself, sensitivity and km curve, and the JSON and CSV writers.
//
// Input: the first byte chooses the variation (1 to 50 %); the rest is a line
// table as in fuzz_fromarray.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "ApoyoFuzz.h"
#include "model/Analisis.h"
#include "reports/Csv.h"
#include "reports/Json.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

void ComprobarComparacion(const Simulacion& c)
{
    const Comparacion cmp = Comparar(c, c);
    if (cmp.filas.size() != 27) Fallo("comparación sin 27 filas");
    for (const auto& f : cmp.filas)
        if (f.diferencia != 0 || f.porcentaje.has_value() != (f.b != 0) || f.porcentaje.value_or(0) != 0)
            Fallo("un registro comparado consigo mismo difiere", f.campo);
    const auto j = nlohmann::json::parse(JsonComparacion(cmp), nullptr, false);
    if (j.is_discarded() || j["filas"].size() != 27) Fallo("JSON de comparación no válido");
}

void ComprobarExportes(const Simulacion& c)
{
    const auto j = nlohmann::json::parse(JsonInforme(c, {}), nullptr, false);
    if (j.is_discarded()) Fallo("JSON de informe no válido");
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        const double v = *DoubleDeCampo(c, i);
        if (j["registro"][std::string(CamposSimulacion()[static_cast<size_t>(i)].nombre)].get<double>() != v)
            Fallo("JSON con otro número");
        std::string t = NumeroCsv(v);
        if (t.find('.') != std::string::npos) Fallo("CSV con punto decimal", t);
        for (char& ch : t)
            if (ch == ',') ch = '.';
        double leido = 0;
        std::from_chars(t.data(), t.data() + t.size(), leido);
        if (leido != v) Fallo("CSV con otro número", t);
    }
    const std::string csv = CsvFlota({{"f", c.Tipo, c, ""}});
    if (csv.rfind("\xEF\xBB\xBF"
                  "Fichero;Tipo;",
                  0) != 0 ||
        csv.size() < 4 || csv.substr(csv.size() - 2) != "\r\n")
        Fallo("CSV de flota mal formado");
}

void ComprobarSensibilidad(const Simulacion& s, double p)
{
    Sensibilidad r;
    try {
        r = AnalizarSensibilidad(s, p);
    } catch (const ErrorEjecucion&) {
        return;  // the record itself does not calculate
    }
    if (!std::isfinite(r.costeKm) || r.curvaKm.size() != 21) Fallo("sensibilidad sin base o sin curva");
    for (size_t i = 0; i < r.entradas.size(); ++i) {
        const auto& e = r.entradas[i];
        if (!e.error && !(std::isfinite(e.menos) && std::isfinite(e.mas))) Fallo("cifra no finita", e.campo);
        if (i > 0 && !e.error && (r.entradas[i - 1].error || r.entradas[i - 1].efecto < e.efecto))
            Fallo("sensibilidad mal ordenada", e.campo);
    }
    const auto j = nlohmann::json::parse(JsonSensibilidad(r), nullptr, false);
    if (j.is_discarded() || j["entradas"].size() != r.entradas.size()) Fallo("JSON de sensibilidad no válido");
    if (CsvSensibilidad(r).empty()) Fallo("CSV de sensibilidad vacío");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const double p = 1 + data[0] % 50;
    Simulacion s;
    try {
        s.FromArray(TablaDesdeEntrada(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1)));
    } catch (const ErrorEjecucion&) {
        // A record half loaded is still a record to analyse.
    }
    try {
        const Simulacion c = Calculada(s);
        ComprobarComparacion(c);
        Estructura(c);
        ComprobarExportes(c);
    } catch (const ErrorEjecucion&) {
    }
    ComprobarSensibilidad(s, p);
    return 0;
}
