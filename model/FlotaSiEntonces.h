#pragma once
// «¿Y si…?» on a fleet: each record recalculated on a copy with the diesel
// price, wages, tolls, maintenance and annual km moved by a percentage and a
// price put on the CO2 emitted, against the record as it is.
#include <array>
#include <optional>
#include <string>

#include "model/Analisis.h"
#include "model/Simulacion.h"

namespace tarvelon {

// Tank-to-wheel CO2 of a litre of diesel, kg/l: the IPCC 2006 default for
// gas/diesel oil (74,1 t CO2/TJ) times its legal energy content (36 MJ/l), as
// the diesel line of the technologies reference file (tecnologias.txt) gives
// it. One factor for every vehicle of the fleet.
inline constexpr double kCo2GasoleoKgPorLitro = 2.67;

// The changes, in % of each value (−100 at least), and the CO2 price in €/t.
//  gasoleo:       gross and net diesel price (the discount % stays as it is)
//  salarios:      driver's ordinary pay and attendance bonus (social
//                 security follows the pay)
//  peajes:        cost of a motorway km
//  mantenimiento: maintenance and repair per km
//  km:            annual km (services a year stay as they are)
struct CambiosFlota {
    double gasoleo = 0, salarios = 0, peajes = 0, mantenimiento = 0, km = 0;
    double precioCo2 = 0;
};

// The figures of one vehicle in a fleet table. The costs are the direct plus
// the overheads, and the CO2 price when there is one.
struct CifrasVehiculo {
    double km = 0;             // KilometrajeAnual
    double servicios = 0;      // NumeroServiciosAnuales
    double costeKm = 0;        // €/km
    double costeServicio = 0;  // €/service
    double costeAnual = 0;     // €/year
    double litros = 0;         // CVConsumoMedio × km / 100
    double co2 = 0;            // t/year, litres × kCo2GasoleoKgPorLitro / 1000
    // Where the €/year go: the twelve components of Estructura (€/year), and
    // the CO2 price paid, which costeAnual includes.
    std::array<double, kComponentesCoste> componentes{};
    double costeCo2 = 0;
};

// The figures of a calculated record, with `precioCo2` €/t on its CO2.
CifrasVehiculo Cifras(const Simulacion& calculada, double precioCo2 = 0);

// The record with the changes' inputs moved; not calculated.
Simulacion ConCambios(const Simulacion& registro, const CambiosFlota& cambios);

// A record (valid, not calculated) before and after the changes. A copy
// whose calculation fails (annual km to 0 with −100 %) keeps its error and
// no figures.
struct SiEntoncesVehiculo {
    std::optional<CifrasVehiculo> antes, despues;
    std::optional<FalloCalculo> error;
};
SiEntoncesVehiculo SiEntonces(const Simulacion& registro, const CambiosFlota& cambios);

// Totals of km, services, €/year, litres, CO2 and the cost components, and the km-weighted
// averages of €/km and €/service over the vehicles added, a row at a time.
class TotalesFlota {
public:
    void Sumar(const CifrasVehiculo& c);
    CifrasVehiculo Total() const;  // averages 0 while no km was added
    long vehiculos() const { return n_; }

private:
    CifrasVehiculo suma_;  // costeKm and costeServicio hold Σ value × km
    long n_ = 0;
};

// A percentage option's text as a change: the program's number form, at
// least −100; none otherwise.
std::optional<double> CambioPorcentaje(const std::string& texto);

// The six texts of the changes as the fleet window takes them, in
// CambiosFlota's order (diesel, wages, tolls, maintenance, km in %, CO2 in
// €/t); an empty text is no change. The first text that is no valid change
// is named by its place and why.
struct LecturaCambios {
    std::optional<CambiosFlota> cambios;
    int mal = -1;  // 0..5
    std::string motivo;
};
LecturaCambios LeerCambios(const std::array<std::string, 6>& textos);

}  // namespace tarvelon
