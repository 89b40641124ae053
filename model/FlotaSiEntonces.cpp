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
    const EstructuraCostes e = Estructura(calculada);
    for (size_t i = 0; i < c.componentes.size(); ++i) c.componentes[i] = e.componentes[i].anual;
    c.costeCo2 = costeCo2;
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
    for (size_t i = 0; i < c.componentes.size(); ++i) suma_.componentes[i] += c.componentes[i];
    suma_.costeCo2 += c.costeCo2;
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

LecturaCambios LeerCambios(const std::array<std::string, 6>& textos)
{
    double CambiosFlota::*const miembros[] = {&CambiosFlota::gasoleo, &CambiosFlota::salarios,
                                              &CambiosFlota::peajes,  &CambiosFlota::mantenimiento,
                                              &CambiosFlota::km,      &CambiosFlota::precioCo2};
    CambiosFlota c;
    for (size_t i = 0; i < textos.size(); ++i) {
        const auto fallo = [&](const char* motivo) {
            return LecturaCambios{std::nullopt, static_cast<int>(i), motivo};
        };
        if (textos[i].find_first_not_of(' ') == std::string::npos) continue;
        const std::optional<double> v = CambioPorcentaje(textos[i]);
        if (i == 5) {
            if (!v || *v < 0) return fallo("El precio del CO2 (€/t) debe ser un número de 0 en adelante.");
        } else if (!v) {
            return fallo("Cada cambio debe ser un número en %, de -100 en adelante.");
        } else if (i == 4 && *v == -100) {
            // With no km left there is no cost per km: every row would fail alike.
            return fallo("El cambio de los km anuales debe ser mayor que -100 %.");
        }
        c.*miembros[i] = *v;
    }
    return {c, -1, {}};
}

}  // namespace tarvelon
