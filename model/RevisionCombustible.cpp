#include "model/RevisionCombustible.h"

#include <cmath>

#include "model/Aritmetica.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"

namespace tarvelon {

namespace {

constexpr int kArgumentoNoValido = 5;

void Exigir(bool condicion, const char* texto)
{
    if (!condicion) throw ErrorEjecucion(kArgumentoNoValido, texto);
}

}  // namespace

double CoeficienteDeClase(ClaseVehiculo clase)
{
    switch (clase) {
    case ClaseVehiculo::Ligero: return 0.1;
    case ClaseVehiculo::Medio: return 0.2;
    case ClaseVehiculo::Pesado: return 0.3;
    }
    return 0.3;
}

ClaseVehiculo ClaseDeMasa(double masa)
{
    Exigir(masa > 0 && std::isfinite(masa), "La masa máxima autorizada debe ser mayor que cero");
    if (masa >= 1000) masa /= 1000;
    if (masa <= kMasaLigera) return ClaseVehiculo::Ligero;
    if (masa < kMasaPesada) return ClaseVehiculo::Medio;
    return ClaseVehiculo::Pesado;
}

double VariacionGasoleo(double p0, double p1)
{
    Exigir(p0 > 0 && p1 > 0, "Los precios del gasóleo deben ser mayores que cero");
    using namespace aritmetica;
    return RedondearDecimales(Producto(Cociente(Resta(p1, p0), p0), 100), 2);
}

RevisionCombustible CalcularRevision(double precio, double variacion, double coeficiente, double umbral)
{
    Exigir(precio > 0 && std::isfinite(precio), "El precio debe ser mayor que cero");
    Exigir(std::isfinite(variacion), "La variación del precio del gasóleo no es válida");
    Exigir(coeficiente > 0 && coeficiente <= 1, "El coeficiente debe ser mayor que 0 y no mayor que 1");
    Exigir(umbral >= 0 && umbral <= kUmbralRevision, "El umbral debe estar entre 0 y 5 %");
    using namespace aritmetica;
    RevisionCombustible r;
    r.precio = precio;
    r.variacion = RedondearDecimales(variacion, 2);
    r.coeficiente = coeficiente;
    r.umbral = umbral;
    r.aplica = std::fabs(r.variacion) >= umbral;
    if (r.aplica) r.revision = RedondearCentimos(Producto(Producto(precio, r.variacion), coeficiente) / 100);
    r.precioRevisado = RedondearCentimos(Suma(precio, r.revision));
    return r;
}

std::string LineaFactura(const RevisionCombustible& r)
{
    const std::string g = FormatoDosDecimales(r.variacion);
    if (!r.aplica)
        return "Sin revisión por el precio del gasóleo: la variación (G = " + g + " %) no alcanza el umbral del " +
               FormatoDosDecimales(r.umbral) + " %";
    return "Revisión por variación del precio del gasóleo (G = " + g + " %; k = " + NumeroATexto(r.coeficiente) +
           "): " + (r.revision >= 0 ? "+" : "") + FormatoDosDecimales(r.revision) + " €";
}

std::string LineaPesoCombustible(double porcentaje, double coeficiente)
{
    return "En este vehículo el combustible supone el " + FormatoUnDecimal(porcentaje) +
           " % del coste total; coeficiente aplicado: " + NumeroATexto(coeficiente);
}

}  // namespace tarvelon
