#include "reports/Json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "data/Texto.h"
#include "model/Numeros.h"

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

// The library's dump with two-space indent, but its numbers in the general
// form of the saved files and its texts made exportable.
void Escribir(const json& j, int nivel, std::string& r)
{
    const std::string dentro(static_cast<size_t>(2 * (nivel + 1)), ' ');
    const bool objeto = j.is_object();
    if ((objeto || j.is_array()) && !j.empty()) {
        r += objeto ? "{\n" : "[\n";
        bool primero = true;
        for (auto it = j.begin(); it != j.end(); ++it) {
            r += primero ? dentro : ",\n" + dentro;
            primero = false;
            if (objeto) r += json(TextoExportable(it.key())).dump() + ": ";
            Escribir(*it, nivel + 1, r);
        }
        r += "\n" + dentro.substr(2) + (objeto ? "}" : "]");
    } else if (j.is_number_float()) {
        const double v = j.get<double>();
        std::string t = std::isfinite(v) ? NumeroATexto(v) : "null";
        for (char& c : t) c = c == ',' ? '.' : c == 'E' ? 'e' : c;
        // A whole Double keeps its ".0", as the library writes it.
        r += t.find_first_of(".en") == std::string::npos ? t + ".0" : t;
    } else if (j.is_string()) {
        r += json(TextoExportable(j.get_ref<const std::string&>())).dump();
    } else {
        r += j.dump();
    }
}

std::string Texto(const json& j)
{
    std::string r;
    Escribir(j, 0, r);
    return r + "\n";
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
    return Texto(json{{"a", {{"nombre", c.nombreA.empty() ? c.tipoA : c.nombreA}, {"Tipo", c.tipoA}}},
                      {"b", {{"nombre", c.nombreB.empty() ? c.tipoB : c.nombreB}, {"Tipo", c.tipoB}}},
                      {"filas", std::move(filas)}});
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
