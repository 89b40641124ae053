#include "model/PrecioServicio.h"

#include <cmath>

#include "model/Aritmetica.h"
#include "model/CostesServicio.h"
#include "model/Numeros.h"

namespace tarvelon {

double RedondearDecimales(double valor, int decimales)
{
    if (!std::isfinite(valor)) throw ErrorEjecucion(kDesbordamiento);
    const double escala = std::pow(10.0, decimales);
    const double a = std::fabs(valor) * escala;
    const double entero = std::floor(a);
    // A few units in the last place of tolerance: 1,005 × 100 is 100,4999…
    // in binary and is still the half of 100,5.
    const double tolerancia = a * 1e-14;
    const double r = (a - entero + tolerancia >= 0.5 ? entero + 1 : entero) / escala;
    const double con = std::copysign(r, valor);
    return con == 0 ? 0.0 : con;  // no "-0,00"
}

double LeerImporte(std::string_view texto)
{
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == ',') break;
        if (texto[i] != '.') continue;
        size_t cifras = 0;
        while (i + 1 + cifras < texto.size() && texto[i + 1 + cifras] >= '0' && texto[i + 1 + cifras] <= '9') ++cifras;
        if (cifras != 3) throw ErrorEjecucion(kTiposNoCoinciden);
    }
    return TextoANumero(texto);
}

std::string FormatoUnDecimal(double valor)
{
    std::string s = FormatoDosDecimales(RedondearDecimales(valor, 1));
    s.pop_back();
    return s;
}

double PrecioMinimo(double coste, double margen)
{
    if (!(margen >= 0 && margen < kMargenMaximo))
        throw ErrorEjecucion(5, "El margen objetivo debe estar entre 0 y menos de 100 %");
    return aritmetica::Cociente(coste, 1 - margen / 100);
}

PrecioServicio EvaluarPrecio(double kilometros, double horas, double coste, double precio, std::optional<double> margen)
{
    using namespace aritmetica;
    PrecioServicio p;
    p.kilometros = kilometros;
    p.horas = horas;
    p.coste = coste;
    p.precio = precio;
    if (kilometros != 0) {
        p.costeKm = Cociente(coste, kilometros);
        p.precioKm = Cociente(precio, kilometros);
    }
    p.margen = Resta(precio, coste);
    if (precio != 0) p.margenPorcentaje = Producto(Cociente(p.margen, precio), 100);
    p.cubre = RedondearCentimos(p.margen) >= 0;
    if (margen) {
        p.margenObjetivo = *margen;
        p.precioMinimo = PrecioMinimo(coste, *margen);
    }
    return p;
}

PrecioServicio CalcularPrecioServicio(const Simulacion& calculada, std::string_view km, std::string_view horas,
                                      double precio, std::optional<double> margen)
{
    const CostesServicio c = CalcularCostesServicio(calculada, km, horas);
    if (c.error) std::rethrow_exception(c.error);
    return EvaluarPrecio(TextoANumero(km), TextoANumero(horas), *c.totales, precio, margen);
}

std::string VeredictoPrecio(const PrecioServicio& p)
{
    const double margen = RedondearCentimos(p.margen);
    if (!p.cubre) return "El precio no cubre el coste: faltan " + FormatoDosDecimales(-margen) + " €";
    std::string r = "El precio cubre el coste del servicio con un margen de " + FormatoDosDecimales(margen) + " €";
    if (p.margenPorcentaje) r += " (" + FormatoUnDecimal(*p.margenPorcentaje) + " %)";
    return r;
}

}  // namespace tarvelon
