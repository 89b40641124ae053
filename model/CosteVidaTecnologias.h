#pragma once
// Whole-life cost of the record's vehicle with four drive technologies
// (diesel as the record has it, HVO, LNG and battery-electric): yearly costs,
// present cost, break-even against diesel and CO2, with the carbon price.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Simulacion.h"

namespace tarvelon {

inline const char* const kDiesel = "Diésel";
inline const char* const kHvo = "HVO";
inline const char* const kGnl = "GNL";
inline const char* const kElectrico = "Eléctrico de batería";

// One technology's inputs. Consumption and prices are in its own unit (l, kg
// or kWh); for battery-electric `precioEnergia` is the depot price, blended
// with the public one by the share charged in public.
struct EntradaTecnologia {
    std::string nombre;
    double precio = 0, ayuda = 0, instalacion = 0;
    double residual = 0;  // % of the price at year N
    double consumo = 0;   // unit per 100 km
    double precioEnergia = 0, precioPublico = 0, cuotaPublica = 0;
    double variacionPrecio = 0;  // % a year
    double mantenimientoKm = 0;
    double reduccionPeajes = 0;           // %
    double factorTtw = 0, factorWtw = 0;  // kg CO2e per unit
    bool pagaCarbono = false;
    bool devolucion = false;  // professional-diesel partial refund
    double devolucionPor1000 = 49, topeLitros = 50000;
};

// What the user may change: the alternatives, the horizon and the CO2 path.
// Empty optionals take the record's figures.
struct EscenarioTecnologias {
    std::optional<int> horizonte, primerAnio;
    std::optional<double> tasa;
    std::vector<EntradaTecnologia> tecnologias;     // the diesel column first
    std::map<int, double> precioCo2{{2028, 45.0}};  // €/t from that year on
};

// The CO2 price of a calendar year: the entry of the latest year not after it; 0 before the first.
double PrecioCo2(const std::map<int, double>& camino, int anio);

struct AnioTecnologia {
    int anio = 0;  // 1..N
    double energia = 0, carbono = 0, mantenimiento = 0, peajes = 0, comunes = 0, total = 0, acumulado = 0;
};

struct ResultadoTecnologia {
    std::string nombre;
    double capitalInicial = 0, valorResidual = 0;
    std::vector<AnioTecnologia> anios;
    double valorPresente = 0, costeKm = 0;
    std::optional<int> anioEquilibrio;
    std::optional<double> recuperacionAnios, kmEquilibrio;
    double ttwGKm = 0, wtwGKm = 0, ttwTAnio = 0, wtwTAnio = 0, ttwTTotal = 0, wtwTTotal = 0;
    double ttwKgServicio = 0, wtwKgServicio = 0;
};

struct CosteVidaTecnologias {
    int horizonte = 0, primerAnio = 0;
    double tasa = 0, kilometros = 0;
    std::vector<ResultadoTecnologia> tecnologias;
};

// The diesel column as the record has it (the record calculated), with the
// emission factors and refund figures taken from `referencia`.
EntradaTecnologia DieselDelRegistro(const Simulacion& calculada, const EntradaTecnologia& referencia);

// The four columns for a calculated record: diesel as above, HVO taking
// diesel's tractor price, residual value, consumption and maintenance where
// the reference leaves them at 0 (the same vehicle), the others as given.
std::vector<EntradaTecnologia> ColumnasDelRegistro(const Simulacion& calculada,
                                                   const std::vector<EntradaTecnologia>& referencia);

// The annual costs of the record that do not depend on the technology.
double CostesComunes(const Simulacion& calculada);

// The whole model. `registro` need not be calculated; `anioActual` sets the
// default first year (the next one). A horizon outside 1..50, a rate at or
// below −100 % or a diesel column missing raise ErrorEjecucion 5.
CosteVidaTecnologias CalcularTecnologias(const Simulacion& registro, const EscenarioTecnologias& escenario,
                                         int anioActual);

// One annual-km figure of the cost-per-km chart: each technology's cost per
// km, empty where the record cannot be calculated at that km.
struct PuntoKmTecnologias {
    double km = 0;
    std::vector<std::optional<double>> costeKm;
};

// The cost per km of every technology from half to twice the record's km,
// widened to take in each break-even km of `resultado` (so the lines cross
// there): `puntos` evenly spaced and the break-even kms themselves, in order.
std::vector<PuntoKmTecnologias> CurvaKmTecnologias(const Simulacion& registro, const EscenarioTecnologias& escenario,
                                                   const CosteVidaTecnologias& resultado, int anioActual,
                                                   int puntos = 24);

// The CO2 price path as the user writes it: "2028: 45; 2030: 60,5" (year,
// €/t from that year on). Reading raises ErrorEjecucion 0 saying what is
// wrong; an empty text is no carbon price at all.
std::string CaminoCo2ATexto(const std::map<int, double>& camino);
std::map<int, double> LeerCaminoCo2(std::string_view texto);

}  // namespace tarvelon
