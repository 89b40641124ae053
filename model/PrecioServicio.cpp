#include "model/PrecioServicio.h"

#include <cmath>
#include <cstdint>

#include "model/Aritmetica.h"
#include "model/CostesServicio.h"
#include "model/Numeros.h"

namespace tarvelon {

double RedondearDecimales(double valor, int decimales)
{
    if (!std::isfinite(valor)) throw ErrorEjecucion(kDesbordamiento);
    static constexpr double kPotencias[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double escala = decimales >= 0 && decimales <= 6 ? kPotencias[decimales] : std::pow(10.0, decimales);
    const double a = std::fabs(valor) * escala;
    // Beyond 2^53 every Double is whole; below, the cast is the floor (and
    // cheaper than the library's floor on the baseline instruction set).
    const double entero = a < 9e15 ? static_cast<double>(static_cast<int64_t>(a)) : a;
    // A few units in the last place of tolerance: 1,005 × 100 is 100,4999…
    // in binary and is still the half of 100,5.
    const double tolerancia = a * 1e-14;
    const double r = (a - entero + tolerancia >= 0.5 ? entero + 1 : entero) / escala;
    const double con = std::copysign(r, valor);
    return con == 0 ? 0.0 : con;  // no "-0,00"
}

namespace {

// The plain forms ("1.259,50", "-300", "0,3") read without the general
// conversion: at most 15 digits make an exact whole number, and one division
// by an exact power of ten rounds as the conversion does. Anything else
// (blanks, exponents, longer figures, faults) answers nothing.
std::optional<double> ImporteSencillo(std::string_view t)
{
    static constexpr double kPotencias[] = {1,   10,  100,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = 0;
    const bool negativo = !t.empty() && t[0] == '-';
    if (negativo) ++i;
    int64_t cifras = 0;
    int n = 0, decimales = 0;
    bool coma = false, digito = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            if (++n > 15) return std::nullopt;
            cifras = cifras * 10 + (c - '0');
            decimales += coma;
            digito = true;
        } else if (c == '.' && digito && !coma) {
            continue;  // a thousands mark, where the caller has checked its groups
        } else if (c == ',' && !coma) {
            coma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digito) return std::nullopt;
    const double v = static_cast<double>(cifras) / kPotencias[decimales];
    return negativo ? -v : v;
}

}  // namespace

double LeerImporte(std::string_view texto)
{
    // The quick path reads plain digits and a comma; a grouped amount takes
    // the general conversion, which checks where its points stand.
    if (texto.find('.') == std::string_view::npos)
        if (const auto v = ImporteSencillo(texto)) return *v;
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
