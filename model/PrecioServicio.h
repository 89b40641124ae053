#pragma once
// The offered price of one service against its cost: the margin in euros and
// as a share of the price, price and cost per km, and the least price that
// keeps a target margin. The cost is the service budget's total
// (CalcularCostesServicio), never a formula of its own.
#include <optional>
#include <string>
#include <string_view>

#include "model/Simulacion.h"

namespace tarvelon {

// `valor` rounded to `decimales` places, halves away from zero. The figures
// come out of products of decimal texts, so a half that the binary form
// places a hair below is still taken as a half (as the display patterns do).
double RedondearDecimales(double valor, int decimales);
// "#,##0.0" with the same rounding: the percentages of the verdicts.
std::string FormatoUnDecimal(double valor);
inline double RedondearCentimos(double euros) { return RedondearDecimales(euros, 2); }

// A typed amount in the Spanish form, as TextoANumero reads it, except that a
// point must group three digits: "1259.50" would otherwise read as 125.950 €.
// Raises error 13 for a text that is not such a number.
double LeerImporte(std::string_view texto);

inline constexpr double kMargenMaximo = 100;  // the target margin must stay below it

struct PrecioServicio {
    double kilometros = 0;
    double horas = 0;
    double coste = 0;                        // C, the budget's total (direct + indirect)
    std::optional<double> costeKm;           // C / km; none for 0 km
    double precio = 0;                       // P, without VAT
    std::optional<double> precioKm;          // P / km; none for 0 km
    double margen = 0;                       // P − C
    std::optional<double> margenPorcentaje;  // (P − C) / P × 100; none for P = 0
    // P covers C when the margin, rounded to the cent as it is shown, is not
    // negative: a shortfall of a fraction of a cent is no shortfall.
    bool cubre = false;
    std::optional<double> margenObjetivo;  // m, in %
    std::optional<double> precioMinimo;    // C / (1 − m / 100)
};

// C / (1 − m / 100). An m outside 0 to under 100 raises error 5.
double PrecioMinimo(double coste, double margen);

// The figures from a cost already known.
PrecioServicio EvaluarPrecio(double kilometros, double horas, double coste, double precio,
                             std::optional<double> margen = std::nullopt);

// The figures of a record on which Calcular has run; `km` and `horas` are the
// texts as typed, read as the budget reads them. A failing step raises its
// ErrorEjecucion.
PrecioServicio CalcularPrecioServicio(const Simulacion& calculada, std::string_view km, std::string_view horas,
                                      double precio, std::optional<double> margen = std::nullopt);

// «El precio cubre el coste del servicio con un margen de 112,40 € (9,8 %)» or
// «El precio no cubre el coste: faltan 85,10 €».
std::string VeredictoPrecio(const PrecioServicio& p);

}  // namespace tarvelon
