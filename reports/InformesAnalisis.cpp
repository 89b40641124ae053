#include "reports/InformesAnalisis.h"

#include <cmath>

#include "data/Texto.h"
#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "reports/Csv.h"
#include "reports/Informes.h"
#include "reports/InformesTecnologias.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

const std::string kSangria(10, ' ');

std::string Izq(std::string t, int16_t ancho) { return RellenarDerecha(t, ancho); }
std::string Der(std::string t, int16_t ancho) { return RellenarIzquierda(t, ancho); }

std::string Titulo(std::string_view t, std::vector<std::string>& lineas)
{
    lineas.push_back(kSangria + std::string(t));
    return kSangria + RepetirTexto("=", static_cast<int32_t>(LongitudTexto(t)));
}

std::string Fallo(const FalloCalculo& f) { return MensajeError(ErrorEjecucion(f.numero, f.descripcion)); }

}  // namespace

std::string NombreLado(const std::string& nombre, const std::string& tipo)
{
    return nombre.empty() ? tipo : nombre + " (" + tipo + ")";
}

void InformeComparacion(const Comparacion& c, std::vector<std::string>& lineas)
{
    lineas.push_back(Titulo("Comparación de costes", lineas));
    lineas.push_back(kSangria + "A: " + NombreLado(c.nombreA, c.tipoA));
    lineas.push_back(kSangria + "B: " + NombreLado(c.nombreB, c.tipoB));
    lineas.emplace_back();
    lineas.push_back(Izq("Campo", 40) + Der("A", 16) + Der("B", 16) + Der("Diferencia", 16) + Der("%", 10));
    for (const auto& f : c.filas) {
        auto fmt = [&](double v) { return CifraCampo(f.campo, v); };
        lineas.push_back(Izq(std::string(f.campo), 40) + Der(fmt(f.a), 16) + Der(fmt(f.b), 16) +
                         Der(fmt(f.diferencia), 16) +
                         Der(f.porcentaje ? FormatoDosDecimales(*f.porcentaje) + " %" : "—", 10));
    }
}

void InformeSensibilidad(const Simulacion& registro, const Sensibilidad& s, std::vector<std::string>& lineas)
{
    const std::string p = NumeroATexto(s.variacion);
    lineas.push_back(Titulo(registro.Tipo, lineas));
    lineas.push_back(kSangria + "Sensibilidad del coste total por km a una variación de ±" + p + " %");
    lineas.push_back(kSangria + "Coste total por km: " + FormatoCuatroDecimales(s.costeKm) + " €/Km");
    lineas.emplace_back();
    lineas.push_back(Izq("Campo", 42) + Der("Valor", 16) + Der("−" + p + " %", 12) + Der("+" + p + " %", 12));
    for (const auto& e : s.entradas) {
        // Whole amounts grouped, fractions (prices, rates) with four decimals.
        const bool entero = e.valor == std::trunc(e.valor) && std::fabs(e.valor) < 1e15;
        std::string l =
            Izq(std::string(e.campo), 42) + Der(entero ? FormatoMiles(e.valor) : FormatoCuatroDecimales(e.valor), 16);
        if (e.error) l += "  " + Fallo(*e.error);
        else l += Der(FormatoCuatroDecimales(e.menos), 12) + Der(FormatoCuatroDecimales(e.mas), 12);
        lineas.push_back(l);
    }
    lineas.emplace_back();
    lineas.push_back(kSangria + "Coste total por km según los kilómetros anuales");
    lineas.push_back(Izq("Kilómetros anuales", 42) + Der("€/Km", 16));
    for (const auto& c : s.curvaKm) {
        std::string km = FormatoMiles(c.km);
        if (km.empty()) km = "0";
        lineas.push_back(Izq(km, 42) + (c.error ? "  " + Fallo(*c.error) : Der(FormatoCuatroDecimales(c.costeKm), 16)));
    }
}

namespace {

std::string InformeJson(const Simulacion& s)
{
    std::vector<std::string> lineas;
    InformeDetallado(s, lineas);
    return JsonInforme(s, lineas);
}

}  // namespace

std::string JsonAnalisis(const DatosAnalisis& d)
{
    std::string j = "{\n\"simulacion\": " + InformeJson(*d.simulacion.calculada);
    j += ",\n\"referencia\": " + (d.referencia.calculada ? InformeJson(*d.referencia.calculada) : "null");
    j += ",\n\"comparacion\": " + (d.comparacion ? JsonComparacion(*d.comparacion) : "null");
    j += ",\n\"sensibilidad\": " + (d.sensibilidad ? JsonSensibilidad(*d.sensibilidad) : "null");
    // Only the window works out the technologies; the tool's export stays as it was.
    if (d.tecnologias) j += ",\n\"tecnologias\": " + JsonTecnologias(*d.tecnologias);
    return j + "}\n";
}

std::string CsvAnalisis(const DatosAnalisis& d)
{
    static const std::string kBom = "\xEF\xBB\xBF";
    auto sinBom = [](const std::string& t) { return t.rfind(kBom, 0) == 0 ? t.substr(kBom.size()) : t; };
    std::string csv = kBom;
    if (d.comparacion) csv += sinBom(CsvComparacion(*d.comparacion)) + "\r\n";
    if (d.sensibilidad) csv += sinBom(CsvSensibilidad(*d.sensibilidad));
    if (d.tecnologias) csv += "\r\n" + sinBom(CsvTecnologias(*d.tecnologias));
    return csv;
}

}  // namespace tarvelon
