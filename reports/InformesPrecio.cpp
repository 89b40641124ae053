#include "reports/InformesPrecio.h"

#include <nlohmann/json.hpp>

#include "data/Texto.h"
#include "model/Numeros.h"
#include "reports/Csv.h"

namespace tarvelon {

namespace {

using json = nlohmann::ordered_json;

json Opcional(const std::optional<double>& v, int decimales)
{
    return v ? json(RedondearDecimales(*v, decimales)) : json(nullptr);
}

// "Etiqueta:" on the left, the figure on the right of a 52-column line.
std::string Linea(std::string etiqueta, std::string cifra)
{
    return RellenarDerecha(etiqueta, 32) + RellenarIzquierda(cifra, 20);
}

std::string Euros(double v) { return FormatoDosDecimales(RedondearCentimos(v)) + " €"; }

std::string PorKm(const std::optional<double>& v) { return v ? FormatoCuatroDecimales(*v) + " €/km" : "—"; }

json ObjetoPrecio(const PrecioServicio& p)
{
    return json{{"kilometros", p.kilometros},
                {"horas", p.horas},
                {"coste_servicio", RedondearCentimos(p.coste)},
                {"coste_km", Opcional(p.costeKm, 4)},
                {"precio", RedondearCentimos(p.precio)},
                {"precio_km", Opcional(p.precioKm, 4)},
                {"margen", RedondearCentimos(p.margen)},
                {"margen_porcentaje", Opcional(p.margenPorcentaje, 2)},
                {"cubre_coste", p.cubre},
                {"margen_objetivo", Opcional(p.margenObjetivo, 2)},
                {"precio_minimo", Opcional(p.precioMinimo, 2)}};
}

json ObjetoRevision(const RevisionCombustible& r)
{
    return json{{"precio", RedondearCentimos(r.precio)},
                {"variacion", r.variacion},
                {"coeficiente", r.coeficiente},
                {"umbral", r.umbral},
                {"aplica", r.aplica},
                {"revision", r.revision},
                {"precio_revisado", r.precioRevisado}};
}

std::string Csv(const json& objeto)
{
    std::string cabecera, fila;
    for (const auto& [clave, valor] : objeto.items()) {
        if (!cabecera.empty()) cabecera += ';', fila += ';';
        cabecera += clave;
        if (valor.is_boolean()) fila += valor.get<bool>() ? "sí" : "no";
        else if (valor.is_number()) fila += NumeroCsv(valor.get<double>());
    }
    return "\xEF\xBB\xBF" + cabecera + "\r\n" + fila + "\r\n";
}

}  // namespace

void InformePrecio(const PrecioServicio& p, std::vector<std::string>& lineas)
{
    lineas.emplace_back("PRECIO DEL SERVICIO FRENTE A SU COSTE");
    lineas.emplace_back();
    lineas.push_back(Linea("Kilómetros del servicio:", FormatoDosDecimales(p.kilometros)));
    lineas.push_back(Linea("Horas del servicio:", FormatoDosDecimales(p.horas)));
    lineas.push_back(Linea("Coste del servicio:", Euros(p.coste)));
    lineas.push_back(Linea("Coste por km:", PorKm(p.costeKm)));
    lineas.push_back(Linea("Precio ofrecido (sin IVA):", Euros(p.precio)));
    lineas.push_back(Linea("Precio por km:", PorKm(p.precioKm)));
    lineas.push_back(Linea("Margen:", Euros(p.margen)));
    lineas.push_back(
        Linea("Margen sobre el precio:", p.margenPorcentaje ? FormatoDosDecimales(*p.margenPorcentaje) + " %" : "—"));
    if (p.margenObjetivo) {
        lineas.push_back(Linea("Margen objetivo:", FormatoDosDecimales(*p.margenObjetivo) + " %"));
        lineas.push_back(Linea("Precio mínimo para ese margen:", Euros(*p.precioMinimo)));
    }
    lineas.emplace_back();
    lineas.push_back(VeredictoPrecio(p));
}

std::string JsonPrecio(const PrecioServicio& p) { return ObjetoPrecio(p).dump(2) + "\n"; }
std::string CsvPrecio(const PrecioServicio& p) { return Csv(ObjetoPrecio(p)); }

void InformeRevision(const RevisionCombustible& r, std::vector<std::string>& lineas)
{
    lineas.emplace_back("REVISIÓN DEL PRECIO POR EL GASÓLEO");
    lineas.emplace_back();
    lineas.push_back(Linea("Precio pactado:", Euros(r.precio)));
    lineas.push_back(Linea("Variación del gasóleo (G):", FormatoDosDecimales(r.variacion) + " %"));
    lineas.push_back(Linea("Coeficiente (k):", NumeroATexto(r.coeficiente)));
    lineas.push_back(Linea("Umbral:", FormatoDosDecimales(r.umbral) + " %"));
    lineas.push_back(Linea("¿Se revisa?:", r.aplica ? "sí" : "no"));
    lineas.push_back(Linea("Revisión:", Euros(r.revision)));
    lineas.push_back(Linea("Precio revisado:", Euros(r.precioRevisado)));
    lineas.emplace_back();
    lineas.push_back(LineaFactura(r));
}

std::string JsonRevision(const RevisionCombustible& r) { return ObjetoRevision(r).dump(2) + "\n"; }
std::string CsvRevision(const RevisionCombustible& r) { return Csv(ObjetoRevision(r)); }

}  // namespace tarvelon
