#include "model/FlotaSiEntonces.h"

#include <cmath>

#include "model/Aritmetica.h"
#include "model/Numeros.h"

namespace tarvelon {

using namespace aritmetica;

namespace {

void Mover(double& valor, double porcentaje)
{
    if (porcentaje != 0) valor = Producto(valor, Suma(1.0, porcentaje / 100.0));
}

}  // namespace

CifrasVehiculo Cifras(const Simulacion& calculada, double precioCo2)
{
    CifrasVehiculo c;
    c.km = calculada.KilometrajeAnual;
    c.servicios = calculada.NumeroServiciosAnuales;
    c.litros = Cociente(Producto(calculada.CVConsumoMedio, c.km), 100.0);
    c.co2 = Cociente(Producto(c.litros, kCo2GasoleoKgPorLitro), 1000.0);
    const double costeCo2 = Producto(c.co2, precioCo2);
    c.costeAnual = Suma(Suma(calculada.CostesDirectosAnuales, calculada.CostesInDirectosAnuales), costeCo2);
    c.costeKm = CosteTotalPorKm(calculada);
    c.costeServicio = Suma(calculada.CostesDirectosporServicio, calculada.CostesInDirectosporServicio);
    // The CO2 spread as the calculation spreads every annual cost.
    if (costeCo2 != 0) {
        c.costeKm = Suma(c.costeKm, Cociente(costeCo2, c.km));
        c.costeServicio = Suma(c.costeServicio, Cociente(costeCo2, c.servicios));
    }
    return c;
}

Simulacion ConCambios(const Simulacion& registro, const CambiosFlota& cambios)
{
    Simulacion s = registro;
    Mover(s.CVPrecioBrutoDelGasoleo, cambios.gasoleo);
    Mover(s.CVPrecioDelGasoleo, cambios.gasoleo);
    Mover(s.CFRetribucionOrdinaria1ConductorMecanico, cambios.salarios);
    Mover(s.CFPlusDeAsistencia, cambios.salarios);
    Mover(s.CVCosteMedioDelKMEnAutopista, cambios.peajes);
    Mover(s.CVMantenimientoYReparacion, cambios.mantenimiento);
    Mover(s.KilometrajeAnual, cambios.km);
    return s;
}

SiEntoncesVehiculo SiEntonces(const Simulacion& registro, const CambiosFlota& cambios)
{
    SiEntoncesVehiculo v;
    try {
        v.antes = Cifras(Calculada(registro));
        v.despues = Cifras(Calculada(ConCambios(registro, cambios)), cambios.precioCo2);
    } catch (const ErrorEjecucion& e) {
        v.antes.reset();
        v.despues.reset();
        v.error = FalloCalculo{e.Numero(), e.Descripcion()};
    }
    return v;
}

void TotalesFlota::Sumar(const CifrasVehiculo& c)
{
    ++n_;
    suma_.km += c.km;
    suma_.servicios += c.servicios;
    suma_.costeKm += c.costeKm * c.km;
    suma_.costeServicio += c.costeServicio * c.km;
    suma_.costeAnual += c.costeAnual;
    suma_.litros += c.litros;
    suma_.co2 += c.co2;
}

CifrasVehiculo TotalesFlota::Total() const
{
    CifrasVehiculo t = suma_;
    t.costeKm = suma_.km != 0 ? suma_.costeKm / suma_.km : 0;
    t.costeServicio = suma_.km != 0 ? suma_.costeServicio / suma_.km : 0;
    return t;
}

std::optional<double> CambioPorcentaje(const std::string& texto)
{
    try {
        const double p = TextoANumero(texto);
        if (p >= -100.0 && std::isfinite(p)) return p;
    } catch (const ErrorEjecucion&) {
    }
    return std::nullopt;
}

}  // namespace tarvelon
