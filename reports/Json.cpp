#include "reports/Json.h"

#include <nlohmann/json.hpp>

namespace tarvelon {

namespace {

using json = nlohmann::ordered_json;

json Porcentaje(const std::optional<double>& p) { return p ? json(*p) : json(nullptr); }

json Fallo(int numero, const std::string& descripcion)
{
    return json{{"numero", numero}, {"descripcion", descripcion}};
}

json Registro(const Simulacion& s)
{
    json r = json::object();
    const auto& campos = CamposSimulacion();
    for (int i = 0; i < kNumeroCampos; ++i) {
        const auto& c = campos[static_cast<size_t>(i)];
        const std::string nombre(c.nombre);
        if (const double* d = DoubleDeCampo(s, i)) r[nombre] = *d;
        else if (c.tipo == TipoCampo::Texto) r[nombre] = TextoDeCampo(s, i);
        else r[nombre] = std::stoll(TextoDeCampo(s, i));  // whole numbers are written as plain digits
    }
    return r;
}

std::string Texto(const json& j)
{
    // Records may carry any bytes in their texts; a broken character must
    // not lose the whole export.
    return j.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace

std::string JsonInforme(const Simulacion& calculada, const std::vector<std::string>& lineas,
                        const std::vector<ConceptoPresupuesto>* presupuesto)
{
    json j;
    j["registro"] = Registro(calculada);
    j["informe"] = lineas;
    json estructura = json::array();
    for (const auto& c : Estructura(calculada).componentes)
        estructura.push_back({{"campo", c.campo},
                              {"componente", c.componente},
                              {"anual", c.anual},
                              {"por_km", c.porKm},
                              {"porcentaje", Porcentaje(c.porcentaje)}});
    j["estructura"] = std::move(estructura);
    if (presupuesto) {
        json p = json::array();
        for (const auto& c : *presupuesto)
            p.push_back({{"seccion", c.seccion}, {"concepto", c.concepto}, {"importe", c.importe}});
        j["presupuesto"] = std::move(p);
    }
    return Texto(j);
}

std::string JsonErrores(const std::vector<std::string>& mensajes) { return Texto(json{{"errores", mensajes}}); }

std::string JsonError(const ErrorEjecucion& e) { return Texto(json{{"error", Fallo(e.Numero(), e.Descripcion())}}); }

std::string JsonComparacion(const Comparacion& c)
{
    json filas = json::array();
    for (const auto& f : c.filas)
        filas.push_back({{"campo", f.campo},
                         {"a", f.a},
                         {"b", f.b},
                         {"diferencia", f.diferencia},
                         {"porcentaje", Porcentaje(f.porcentaje)}});
    return Texto(json{{"a", {{"Tipo", c.tipoA}}}, {"b", {{"Tipo", c.tipoB}}}, {"filas", std::move(filas)}});
}

std::string JsonSensibilidad(const Sensibilidad& s)
{
    json entradas = json::array();
    for (const auto& e : s.entradas) {
        json x{{"campo", e.campo}, {"valor", e.valor}};
        if (e.error) x["error"] = Fallo(e.error->numero, e.error->descripcion);
        else x["menos"] = e.menos, x["mas"] = e.mas;
        entradas.push_back(std::move(x));
    }
    json curva = json::array();
    for (const auto& p : s.curvaKm) {
        json x{{"km", p.km}};
        if (p.error) x["error"] = Fallo(p.error->numero, p.error->descripcion);
        else x["coste_km"] = p.costeKm;
        curva.push_back(std::move(x));
    }
    return Texto(json{{"variacion", s.variacion},
                      {"coste_km", s.costeKm},
                      {"entradas", std::move(entradas)},
                      {"curva_km", std::move(curva)}});
}

}  // namespace tarvelon
