#include "model/CostesServicio.h"

#include "model/Aritmetica.h"
#include "model/Errores.h"
#include "model/Numeros.h"

namespace tarvelon {

std::string ValidarServicio(const TextosServicio& servicio)
{
    std::string mensajes;
    auto regla = [&mensajes](std::string_view texto, const char* mensaje) {
        try {
            if (TextoANumero(texto) <= 0.0) mensajes += std::string("\r\n") + mensaje;
        } catch (const ErrorEjecucion&) {
            // Not a number: the budget fails on it where it is first used.
        }
    };
    regla(servicio.km, "Error en Kilómetros del servicio: debe ser mayor que 0");
    regla(servicio.horas, "Error en Horas del servicio: debe ser mayor que 0");
    return mensajes;
}

CostesServicio CalcularCostesServicio(const Simulacion& s, std::string_view km, std::string_view horas)
{
    using namespace aritmetica;
    CostesServicio c;
    c.indirectos = s.CostesInDirectosporServicio;
    // Each quotient is formed first, then multiplied by the text as a number.
    auto escalar = [](double anual, double divisor, std::string_view texto) {
        const double cociente = Cociente(anual, divisor);
        return Producto(cociente, TextoANumero(texto));
    };
    try {
        CostesFijosServicio f;
        const double h = s.CFHorasAnualesTrabajadas;
        f.amortizacion = escalar(s.CosteAnualAmortizacion, h, horas);
        f.financiacion = escalar(s.CosteAnualDeFinanciacion, h, horas);
        f.personal = escalar(s.CosteAnualDePersonal, h, horas);
        f.cargasFiscales = escalar(s.CosteAnualCargasFiscales, h, horas);
        f.seguros = escalar(s.CosteAnualSegurosDelVehiculo, h, horas);
        f.otros = escalar(s.CosteAnualOtrosGastosFijos, h, horas);
        f.total = Suma(f.financiacion, f.amortizacion);
        f.total = Suma(f.total, f.personal);
        f.total = Suma(f.total, f.cargasFiscales);
        f.total = Suma(f.total, f.seguros);
        f.total = Suma(f.total, f.otros);
        c.fijos = f;

        CostesVariablesServicio v;
        const double k = s.KilometrajeAnual;
        v.combustible = escalar(s.CosteAnualCombustible, k, km);
        v.dietas = escalar(s.CosteAnualDietas, k, km);
        v.neumaticos = escalar(s.CosteAnualNeumaticos, k, km);
        v.mantenimiento = escalar(s.CosteAnualMantenimiento, k, km);
        v.peajes = escalar(s.CosteAnualPeajes, k, km);
        v.total = Suma(v.dietas, v.combustible);
        v.total = Suma(v.total, v.neumaticos);
        v.total = Suma(v.total, v.mantenimiento);
        v.total = Suma(v.total, v.peajes);
        c.variables = v;

        c.directos = Suma(v.total, f.total);
        c.totales = Suma(Suma(v.total, f.total), c.indirectos);
    } catch (...) {
        c.error = std::current_exception();
    }
    return c;
}

}  // namespace tarvelon
