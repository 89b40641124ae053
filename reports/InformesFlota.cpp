#include "reports/InformesFlota.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "data/Texto.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "reports/Csv.h"

namespace tarvelon {

namespace {

// cppcheck does not follow the members through the loops over kDatos.
struct Dato {
    double CifrasVehiculo::*miembro;
    // cppcheck-suppress unusedStructMember
    std::string etiqueta;  // text and CSV
    // cppcheck-suppress unusedStructMember
    const char* clave;  // JSON
};

const std::array<Dato, 7> kDatos = {{
    {&CifrasVehiculo::km, "Kilómetros anuales", "km_anuales"},
    {&CifrasVehiculo::servicios, EtiquetaCampo("NumeroServiciosAnuales"), "servicios_anuales"},
    {&CifrasVehiculo::costeKm, "Coste por km (€/km)", "coste_km"},
    {&CifrasVehiculo::costeServicio, "Coste por servicio (€/servicio)", "coste_servicio"},
    {&CifrasVehiculo::costeAnual, "Coste anual (€)", "coste_anual"},
    {&CifrasVehiculo::litros, "Gasóleo anual (litros)", "litros_anuales"},
    {&CifrasVehiculo::co2, "CO2 anual del depósito a la rueda (t)", "co2_t_anuales"},
}};

std::string Texto(const std::string& t) { return nlohmann::json(TextoExportable(t)).dump(); }

std::string Numero(double v)
{
    std::string t = std::isfinite(v) ? NumeroATexto(v) : "null";
    for (char& c : t) c = c == ',' ? '.' : c == 'E' ? 'e' : c;
    return t;
}

std::string Objeto(const CifrasVehiculo& c)
{
    std::string r = "{";
    for (const auto& d : kDatos)
        r += (r.size() > 1 ? ", \"" : "\"") + std::string(d.clave) + "\": " + Numero(c.*d.miembro);
    return r + "}";
}

std::string Lineas(const CifrasVehiculo& antes, const CifrasVehiculo& despues)
{
    std::string r;
    for (const auto& d : kDatos) {
        const double a = antes.*d.miembro, b = despues.*d.miembro, dif = DiferenciaSiEntonces(a, b);
        // €/km as the reports give it, to the fourth decimal.
        auto texto = d.miembro == &CifrasVehiculo::costeKm ? FormatoCuatroDecimales : FormatoDosDecimales;
        r += std::string("  ") + d.etiqueta + ": " + texto(a) + " → " + texto(b) + " (" + (dif > 0 ? "+" : "") +
             texto(dif) + ")\n";
    }
    return r;
}

std::string Csv(const std::string& fichero, const std::string& tipo, const CifrasVehiculo* antes,
                const CifrasVehiculo* despues, const std::string& error)
{
    std::string r = TextoCsv(fichero) + ";" + TextoCsv(tipo);
    for (const auto& d : kDatos) {
        if (antes && despues) {
            const double a = (*antes).*d.miembro, b = (*despues).*d.miembro;
            r += ";" + NumeroCsv(a) + ";" + NumeroCsv(b) + ";" + NumeroCsv(DiferenciaSiEntonces(a, b));
        } else {
            r += ";;;";
        }
    }
    return r + ";" + TextoCsv(error) + "\r\n";
}

}  // namespace

double DiferenciaSiEntonces(double a, double b)
{
    const double mayor = std::max(std::fabs(a), std::fabs(b));
    if (mayor == 0 || !std::isfinite(b - a)) return b - a;
    const double escala = std::pow(10.0, 14 - std::floor(std::log10(mayor)));
    const double d = std::round((b - a) * escala) / escala;
    return std::isfinite(d) ? d : b - a;
}

std::string TextoSiEntonces(const FilaSiEntonces& f)
{
    std::string r = f.fichero + (f.tipo.empty() ? "" : " (" + f.tipo + ")") + "\n";
    if (!f.error.empty()) return r + "  Error: " + f.error + "\n";
    return r + Lineas(*f.cifras.antes, *f.cifras.despues);
}

std::string TextoTotalesSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues, long vehiculos)
{
    return "Totales de " + EnteroATexto(vehiculos) + (vehiculos == 1 ? " vehículo" : " vehículos") +
           " (€/km y €/servicio: medias ponderadas por los km)\n" + Lineas(antes, despues);
}

std::string JsonInicioSiEntonces() { return "{\"vehiculos\": ["; }

std::string JsonSiEntonces(const FilaSiEntonces& f, bool primera)
{
    std::string r = primera ? "\n  {" : ",\n  {";
    r += "\"fichero\": " + Texto(f.fichero) + ", \"tipo\": " + Texto(f.tipo);
    if (f.error.empty()) r += ", \"antes\": " + Objeto(*f.cifras.antes) + ", \"despues\": " + Objeto(*f.cifras.despues);
    else r += R"(, "antes": null, "despues": null)";
    return r + ", \"error\": " + (f.error.empty() ? "null" : Texto(f.error)) + "}";
}

std::string JsonFinSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues)
{
    return "\n],\n\"totales\": {\"antes\": " + Objeto(antes) + ", \"despues\": " + Objeto(despues) + "}}\n";
}

std::string CabeceraCsvSiEntonces()
{
    std::string r =
        "\xEF\xBB\xBF"
        "Fichero;Tipo";
    for (const auto& d : kDatos)
        for (const char* lado : {" antes", " después", " diferencia"})
            r += ";" + TextoCsv(std::string(d.etiqueta) + lado);
    return r + ";Error\r\n";
}

std::string CsvSiEntonces(const FilaSiEntonces& f)
{
    const bool bien = f.error.empty();
    return Csv(f.fichero, f.tipo, bien ? &*f.cifras.antes : nullptr, bien ? &*f.cifras.despues : nullptr, f.error);
}

std::string CsvTotalesSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues)
{
    return Csv("", "Totales", &antes, &despues, "");
}

}  // namespace tarvelon
