#include "reports/InformesTecnologias.h"

#include <cmath>
#include <functional>

#include <nlohmann/json.hpp>

#include "data/Texto.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/Csv.h"

namespace tarvelon {

namespace {

using json = nlohmann::ordered_json;

double C(double v) { return RedondearCentimos(v); }

template <typename T>
json Nulo(const std::optional<T>& v, int decimales)
{
    return v ? json(RedondearDecimales(static_cast<double>(*v), decimales)) : json(nullptr);
}

json Objeto(const CosteVidaTecnologias& c)
{
    json t = json::array();
    for (const auto& r : c.tecnologias) {
        json anios = json::array();
        for (const auto& a : r.anios)
            anios.push_back({{"anio", a.anio},
                             {"energia", C(a.energia)},
                             {"carbono", C(a.carbono)},
                             {"mantenimiento", C(a.mantenimiento)},
                             {"peajes", C(a.peajes)},
                             {"comunes", C(a.comunes)},
                             {"total", C(a.total)},
                             {"acumulado", C(a.acumulado)}});
        t.push_back({{"nombre", r.nombre},
                     {"capital_inicial", C(r.capitalInicial)},
                     {"valor_residual", C(r.valorResidual)},
                     {"anios", anios},
                     {"valor_presente", C(r.valorPresente)},
                     {"coste_km", RedondearDecimales(r.costeKm, 4)},
                     {"anio_equilibrio", r.anioEquilibrio ? json(*r.anioEquilibrio) : json(nullptr)},
                     {"recuperacion_anios", Nulo(r.recuperacionAnios, 2)},
                     {"km_equilibrio", Nulo(r.kmEquilibrio, 0)},
                     {"co2_ttw_g_km", RedondearDecimales(r.ttwGKm, 1)},
                     {"co2_wtw_g_km", RedondearDecimales(r.wtwGKm, 1)},
                     {"co2_ttw_t_anio", RedondearDecimales(r.ttwTAnio, 3)},
                     {"co2_wtw_t_anio", RedondearDecimales(r.wtwTAnio, 3)}});
    }
    return {{"horizonte", c.horizonte},
            {"primer_anio", c.primerAnio},
            {"tasa", c.tasa},
            {"kilometros", c.kilometros},
            {"tecnologias", t}};
}

std::string Celda(std::string texto, int ancho) { return RellenarIzquierda(texto, static_cast<int16_t>(ancho)); }

}  // namespace

void InformeTecnologias(const CosteVidaTecnologias& c, std::vector<std::string>& lineas)
{
    lineas.emplace_back("COSTE DE VIDA DEL VEHÍCULO POR TECNOLOGÍA");
    lineas.emplace_back();
    lineas.push_back("Horizonte: " + std::to_string(c.horizonte) + " años desde " + std::to_string(c.primerAnio) +
                     "; tasa de descuento " + FormatoDosDecimales(c.tasa) + " %; " + FormatoMiles(c.kilometros) +
                     " km al año.");
    lineas.emplace_back();
    const auto fila = [&](std::string etiqueta, auto cifra) {
        std::string l = RellenarDerecha(etiqueta, 30);
        for (const auto& r : c.tecnologias) l += Celda(cifra(r), 22);
        lineas.push_back(l);
    };
    const auto nada = [](bool hay, const std::string& s) { return hay ? s : std::string("—"); };
    fila("", [](const ResultadoTecnologia& r) { return r.nombre; });
    fila("Capital inicial (€)", [](const auto& r) { return FormatoDosDecimales(C(r.capitalInicial)); });
    fila("Valor residual (€)", [](const auto& r) { return FormatoDosDecimales(C(r.valorResidual)); });
    fila("Valor presente (€)", [](const auto& r) { return FormatoDosDecimales(C(r.valorPresente)); });
    fila("Coste por km (€/km)", [](const auto& r) { return FormatoCuatroDecimales(r.costeKm); });
    fila("Año de equilibrio", [&](const auto& r) {
        return nada(r.anioEquilibrio.has_value(), r.anioEquilibrio ? std::to_string(*r.anioEquilibrio) : "");
    });
    fila("Recuperación (años)", [&](const auto& r) {
        return nada(r.recuperacionAnios.has_value(), FormatoDosDecimales(r.recuperacionAnios.value_or(0)));
    });
    fila("Km de equilibrio (km/año)",
         [&](const auto& r) { return nada(r.kmEquilibrio.has_value(), FormatoMiles(r.kmEquilibrio.value_or(0))); });
    fila("CO2 del depósito a la rueda", [](const auto&) { return std::string(); });
    fila("  g/km", [](const auto& r) { return FormatoDosDecimales(r.ttwGKm); });
    fila("  t/año", [](const auto& r) { return FormatoDosDecimales(r.ttwTAnio); });
    fila("  t en el horizonte", [](const auto& r) { return FormatoDosDecimales(r.ttwTTotal); });
    fila("  kg por servicio", [](const auto& r) { return FormatoDosDecimales(r.ttwKgServicio); });
    fila("CO2 del pozo a la rueda", [](const auto&) { return std::string(); });
    fila("  g/km", [](const auto& r) { return FormatoDosDecimales(r.wtwGKm); });
    fila("  t/año", [](const auto& r) { return FormatoDosDecimales(r.wtwTAnio); });
    fila("  t en el horizonte", [](const auto& r) { return FormatoDosDecimales(r.wtwTTotal); });
    fila("  kg por servicio", [](const auto& r) { return FormatoDosDecimales(r.wtwKgServicio); });
    const char* columnas[] = {"Energía", "Carbono", "Mantenim.", "Peajes", "Comunes", "Total", "Acumulado"};
    for (const auto& r : c.tecnologias) {
        lineas.emplace_back();
        lineas.push_back(r.nombre + " (€; año 0: " + FormatoDosDecimales(C(r.capitalInicial)) + ")");
        std::string cab = Celda("Año", 5);
        for (const char* k : columnas) cab += Celda(k, 14);
        lineas.push_back(cab);
        for (const auto& a : r.anios) {
            std::string l = Celda(std::to_string(c.primerAnio + a.anio - 1), 5);
            for (double v : {a.energia, a.carbono, a.mantenimiento, a.peajes, a.comunes, a.total, a.acumulado})
                l += Celda(FormatoDosDecimales(C(v)), 14);
            lineas.push_back(l);
        }
    }
}

std::vector<std::vector<std::string>> TablaResultadosTecnologias(const CosteVidaTecnologias& c)
{
    using F = std::function<std::string(const ResultadoTecnologia&)>;
    const auto euros = [](double v) { return FormatoDosDecimales(C(v)); };
    const std::string n = std::to_string(c.horizonte);
    const std::pair<const char*, F> filas[] = {
        {"Capital inicial (€)", [&](const auto& t) { return euros(t.capitalInicial); }},
        {"Coste del año 1 (€)", [&](const auto& t) { return t.anios.empty() ? "—" : euros(t.anios[0].total); }},
        {"Valor presente (€)", [&](const auto& t) { return euros(t.valorPresente); }},
        {"Coste por km (€/km)", [](const auto& t) { return FormatoCuatroDecimales(t.costeKm); }},
        {"Año de equilibrio",
         [&](const auto& t) {
             return t.anioEquilibrio ? std::to_string(*t.anioEquilibrio) + " (" +
                                           std::to_string(c.primerAnio + *t.anioEquilibrio - 1) + ")"
                                     : "ninguno en " + n + " años";
         }},
        {"Recuperación (años)",
         [](const auto& t) {
             return t.recuperacionAnios ? FormatoDosDecimales(*t.recuperacionAnios) : std::string("no se recupera");
         }},
        {"Km de equilibrio (km/año)",
         [](const auto& t) { return t.kmEquilibrio ? FormatoMiles(*t.kmEquilibrio) : std::string("no se cruzan"); }},
        {"CO2 del depósito a la rueda (t/año)", [](const auto& t) { return FormatoDosDecimales(t.ttwTAnio); }},
        {"CO2 del depósito a la rueda (g/km)", [](const auto& t) { return FormatoDosDecimales(t.ttwGKm); }},
        {"CO2 del pozo a la rueda (t/año)", [](const auto& t) { return FormatoDosDecimales(t.wtwTAnio); }},
        {"CO2 del pozo a la rueda (g/km)", [](const auto& t) { return FormatoDosDecimales(t.wtwGKm); }}};
    std::vector<std::vector<std::string>> tabla;
    for (size_t f = 0; f < std::size(filas); ++f) {
        std::vector<std::string> fila{filas[f].first};
        // Break-even and payback are against diesel: none for diesel itself.
        for (size_t t = 0; t < c.tecnologias.size(); ++t)
            fila.push_back(t == 0 && f >= 4 && f <= 6 ? "—" : filas[f].second(c.tecnologias[t]));
        tabla.push_back(std::move(fila));
    }
    return tabla;
}

std::string JsonTecnologias(const CosteVidaTecnologias& c) { return Objeto(c).dump(2) + "\n"; }

std::string CsvTecnologias(const CosteVidaTecnologias& c)
{
    std::string s =
        "\xEF\xBB\xBF"
        "Tecnología;Capital inicial (€);Valor residual (€);Valor presente (€);Coste por km (€/km);"
        "Año de equilibrio;Recuperación (años);Km de equilibrio (km/año);CO2 TTW (g/km);"
        "CO2 WTW (g/km);CO2 TTW (t/año);CO2 WTW (t/año)\r\n";
    const auto opcional = [](const json& v) { return v.is_null() ? std::string() : NumeroCsv(v.get<double>()); };
    const json o = Objeto(c);
    for (const auto& t : o["tecnologias"]) {
        s += TextoCsv(t["nombre"].get<std::string>());
        for (const char* k : {"capital_inicial", "valor_residual", "valor_presente", "coste_km"})
            s += ";" + NumeroCsv(t[k].get<double>());
        for (const char* k : {"anio_equilibrio", "recuperacion_anios", "km_equilibrio"}) s += ";" + opcional(t[k]);
        for (const char* k : {"co2_ttw_g_km", "co2_wtw_g_km", "co2_ttw_t_anio", "co2_wtw_t_anio"})
            s += ";" + NumeroCsv(t[k].get<double>());
        s += "\r\n";
    }
    s += "\r\nTecnología;Año;Energía (€);Carbono (€);Mantenimiento (€);Peajes (€);Comunes (€);Total (€);"
         "Acumulado (€)\r\n";
    for (const auto& t : o["tecnologias"])
        for (const auto& a : t["anios"]) {
            s += TextoCsv(t["nombre"].get<std::string>()) + ";" +
                 std::to_string(c.primerAnio + a["anio"].get<int>() - 1);
            for (const char* k : {"energia", "carbono", "mantenimiento", "peajes", "comunes", "total", "acumulado"})
                s += ";" + NumeroCsv(a[k].get<double>());
            s += "\r\n";
        }
    return s;
}

void LeerEscenarioTecnologias(std::string_view texto, EscenarioTecnologias& base)
{
    const json j = json::parse(texto, nullptr, false);
    if (j.is_discarded() || !j.is_object()) throw ErrorEscenario("El escenario no es un objeto JSON válido.");
    EscenarioTecnologias e = base;
    const auto mal = [](const std::string& clave, const std::string& que) {
        return ErrorEscenario("Escenario, clave «" + clave + "»: " + que + ".");
    };
    const auto numero = [&](const json& v, const std::string& clave) {
        if (!v.is_number()) throw mal(clave, "no es un número");
        return v.get<double>();
    };
    const auto entero = [&](const json& v, const std::string& clave, int minimo, int maximo) {
        const double d = numero(v, clave);
        // The range first: a cast of a value beyond int is undefined.
        if (!(d >= minimo && d <= maximo) || d != std::floor(d))
            throw mal(clave, "debe ser un entero de " + std::to_string(minimo) + " a " + std::to_string(maximo));
        return static_cast<int>(d);
    };
    if (!j.contains("version")) throw mal("version", "falta");
    for (const auto& [clave, v] : j.items()) {
        if (clave == "version") {
            if (!v.is_number_integer() || v.get<long long>() != kVersionEscenario)
                throw mal(clave, "versión no admitida (se admite la " + std::to_string(kVersionEscenario) + ")");
        } else if (clave == "horizonte") {
            e.horizonte = entero(v, clave, 1, 50);
        } else if (clave == "primer_anio") {
            e.primerAnio = entero(v, clave, 1900, 2200);
        } else if (clave == "tasa") {
            const double t = numero(v, clave);
            if (!(t > -100 && t < 1000)) throw mal(clave, "debe estar entre −100 y 1.000 sin llegar a ellos");
            e.tasa = t;
        } else if (clave == "precio_co2") {
            if (!v.is_object()) throw mal(clave, "no es un objeto «año»: €/t");
            e.precioCo2.clear();
            for (const auto& [anio, precio] : v.items()) {
                const std::string k = "precio_co2." + anio;
                int a = 0;
                try {
                    size_t fin = 0;
                    a = std::stoi(anio, &fin);
                    if (fin != anio.size()) throw std::invalid_argument(anio);
                } catch (const std::exception&) {
                    throw mal(k, "el año no es un número");
                }
                const double p = numero(precio, k);
                if (!(p >= 0 && p <= 1e5)) throw mal(k, "el precio debe estar entre 0 y 100.000 €/t");
                e.precioCo2[a] = p;
            }
        } else if (clave == "tecnologias") {
            if (!v.is_array()) throw mal(clave, "no es una lista");
            for (const auto& t : v) {
                if (!t.is_object() || !t.contains("nombre") || !t["nombre"].is_string())
                    throw mal("tecnologias.nombre", "cada tecnología necesita su nombre");
                const std::string nombre = t["nombre"].get<std::string>();
                EntradaTecnologia* destino = nullptr;
                for (auto& x : e.tecnologias)
                    if (x.nombre == nombre) destino = &x;
                if (!destino) throw mal("tecnologias.nombre", "tecnología desconocida: «" + nombre + "»");
                for (const auto& [k, valor] : t.items()) {
                    if (k == "nombre") continue;
                    std::string campo = nombre;
                    campo += '.';
                    campo += k;
                    const std::string motivo = AsignarCampoTecnologia(*destino, k, numero(valor, campo));
                    if (!motivo.empty()) throw mal(campo, motivo);
                }
            }
        } else {
            throw mal(clave, "clave desconocida");
        }
    }
    base = std::move(e);
}

std::string EscenarioAJson(const EscenarioTecnologias& e)
{
    json j{{"version", kVersionEscenario}};
    if (e.horizonte) j["horizonte"] = *e.horizonte;
    if (e.primerAnio) j["primer_anio"] = *e.primerAnio;
    if (e.tasa) j["tasa"] = *e.tasa;
    json co2 = json::object();
    for (const auto& [anio, precio] : e.precioCo2) co2[std::to_string(anio)] = precio;
    j["precio_co2"] = co2;
    json t = json::array();
    for (const auto& x : e.tecnologias) {
        json o{{"nombre", x.nombre}};
        // Diesel's own figures are the record's: a scenario never carries them
        // over to another record.
        for (auto clave : ClavesTecnologia())
            if (x.nombre != kDiesel || !ClaveDelRegistro(clave)) o[std::string(clave)] = ValorCampoTecnologia(x, clave);
        t.push_back(o);
    }
    j["tecnologias"] = t;
    return j.dump(2) + "\n";
}

}  // namespace tarvelon
