#pragma once
// The revision of an agreed haulage price for the change of the diesel price
// between the day the contract was made and the day of the carriage:
// ΔP = P × G × k / 100, when |G| reaches the threshold (5 % unless the
// parties agreed a lower one). k depends on the vehicle's maximum authorised
// mass: 0,3 from 20 t, 0,2 above 3,5 t (and works vehicles above 3,5 t),
// 0,1 up to 3,5 t.
#include <string>

namespace tarvelon {

inline constexpr double kUmbralRevision = 5;  // % of change of the diesel price
inline constexpr double kMasaLigera = 3.5;    // t: up to it, k = 0,1
inline constexpr double kMasaPesada = 20;     // t: from it, k = 0,3

enum class ClaseVehiculo {
    Ligero,  // up to 3,5 t
    Medio,   // above 3,5 t and under 20 t; works vehicles above 3,5 t
    Pesado,  // 20 t or more (vehicle or combination), not a works vehicle
};

double CoeficienteDeClase(ClaseVehiculo clase);

// The class of a vehicle of `masa` maximum authorised mass in tonnes. The
// record holds tonnes; a figure of 1.000 or more can only be kilograms and is
// read as such. A mass that is not above 0 raises error 5.
ClaseVehiculo ClaseDeMasa(double masa);

// G = (p1 − p0) / p0 × 100, rounded to two decimals as the published index
// is. Prices that are not above 0 raise error 5.
double VariacionGasoleo(double p0, double p1);

struct RevisionCombustible {
    double precio = 0;       // P, as agreed
    double variacion = 0;    // G, %, two decimals
    double coeficiente = 0;  // k
    double umbral = kUmbralRevision;
    bool aplica = false;        // |G| ≥ umbral
    double revision = 0;        // ΔP, to the cent; 0 when it does not apply
    double precioRevisado = 0;  // P + ΔP, to the cent
};

// Checks the inputs (P above 0, k above 0 and up to 1, threshold from 0 to
// 5 %; error 5 naming the figure otherwise) and computes the revision. G is
// taken to two decimals, as it is published.
RevisionCombustible CalcularRevision(double precio, double variacion, double coeficiente,
                                     double umbral = kUmbralRevision);

// The line for the invoice: «Revisión por variación del precio del gasóleo
// (G = 7,45 %; k = 0,3): +22,35 €», or why there is none.
std::string LineaFactura(const RevisionCombustible& r);

// «En este vehículo el combustible supone el 31,2 % del coste total;
// coeficiente aplicado: 0,3».
std::string LineaPesoCombustible(double porcentaje, double coeficiente);

}  // namespace tarvelon
