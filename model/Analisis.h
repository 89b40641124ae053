#pragma once
// Analysis of a vehicle's costs: where the money goes (structure), how two
// records differ (comparison), which inputs move the cost per km most
// (sensitivity) and how the cost per km follows the annual kilometres.
// Every figure comes from Simulacion::Calcular, run on copies of the record
// with the insurance the record itself carries (SeguroDesdeRegistro), as
// tarvelon-datos calculates a personalised file or a reference type; this
// file only forms shares, differences and percentages of its results.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon {

// A run-time error kept as data, for an entry whose copy failed to calculate.
struct FalloCalculo {
    int numero = 0;
    std::string descripcion;
};

// ---------------------------------------------------------------- structure

enum class GrupoCoste { Fijo, Variable, Indirecto };

// One annual cost component of a calculated record.
struct ComponenteCoste {
    std::string_view campo;       // result field, e.g. "CosteAnualAmortizacion"
    std::string_view componente;  // Spanish label, e.g. "Amortización"
    GrupoCoste grupo = GrupoCoste::Fijo;
    double anual = 0;                  // €/year (the field's value)
    double porKm = 0;                  // €/km: anual / KilometrajeAnual
    std::optional<double> porcentaje;  // share of totalAnual in % (0-100); none when totalAnual is 0
};

struct EstructuraCostes {
    // Twelve entries in this order: amortisation, financing, personnel, taxes,
    // insurance, other fixed (Fijo); fuel, allowances, tyres, maintenance,
    // tolls (Variable); the overheads CostesInDirectosAnuales (Indirecto).
    std::vector<ComponenteCoste> componentes;
    double totalAnual = 0;        // CostesDirectosAnuales + CostesInDirectosAnuales
    double totalPorKm = 0;        // CostesDirectosporKm + CostesInDirectosporKm
    double totalPorServicio = 0;  // CostesDirectosporServicio + CostesInDirectosporServicio
};

inline constexpr size_t kComponentesCoste = 12;

// The twelve components' Spanish labels, in the structure's order.
const std::array<std::string_view, kComponentesCoste>& NombresComponentes();

// The structure of a record on which Calcular has run. An overflow in a sum
// or a zero KilometrajeAnual raises ErrorEjecucion (6 or 11).
EstructuraCostes Estructura(const Simulacion& calculada);

// Total cost per km of a calculated record: CostesDirectosporKm + CostesInDirectosporKm.
double CosteTotalPorKm(const Simulacion& calculada);

// A copy of `registro` with Calcular run on it (insurance from the record).
// The first failing step raises its ErrorEjecucion.
Simulacion Calculada(const Simulacion& registro);

// ---------------------------------------------------------------- comparison

struct FilaComparacion {
    std::string_view campo;  // result field name (storage order, fields 59 to 85)
    double a = 0;
    double b = 0;
    double diferencia = 0;             // a − b
    std::optional<double> porcentaje;  // (a − b) / b × 100; none when b is 0 (or the ratio overflows)
};

struct Comparacion {
    std::string tipoA;  // Tipo of each side
    std::string tipoB;
    // The name the user gave each side (its file name); empty for a side
    // named by its type. Comparar leaves them empty.
    std::string nombreA;
    std::string nombreB;
    std::vector<FilaComparacion> filas;  // every result field, 27 rows
};

// Side by side of two calculated records, `b` being the reference (the
// reference column, or the second file). A difference beyond the Double
// range raises error 6.
Comparacion Comparar(const Simulacion& a, const Simulacion& b);

// Index range of the result fields in CamposSimulacion (fields 59 to 85).
inline constexpr int kPrimerCampoResultado = 58;
inline constexpr int kUltimoCampoResultado = 84;

// ---------------------------------------------------------------- sensitivity

inline constexpr double kVariacionPorDefecto = 10;
inline constexpr double kVariacionMinima = 1;
inline constexpr double kVariacionMaxima = 50;

struct EntradaSensibilidad {
    std::string_view campo;  // input field name
    double valor = 0;        // its value in the record
    // Total cost per km with the input at valor × (1 − p/100) and at
    // valor × (1 + p/100); meaningful only without `error`.
    double menos = 0;
    double mas = 0;
    double efecto = 0;                  // max(|menos − base|, |mas − base|), the sort key
    std::optional<FalloCalculo> error;  // the first failing copy's error
};

struct PuntoCurvaKm {
    double km = 0;       // KilometrajeAnual of this point
    double costeKm = 0;  // total cost per km there; meaningful only without `error`
    std::optional<FalloCalculo> error;
};

struct Sensibilidad {
    double variacion = kVariacionPorDefecto;  // p, in %
    double costeKm = 0;                       // total cost per km of the record itself
    // Inputs that are not 0, largest effect first; ties in storage order,
    // entries whose copy failed last.
    std::vector<EntradaSensibilidad> entradas;
    // 21 points, KilometrajeAnual × 50 %, 55 %, ... 150 %.
    std::vector<PuntoCurvaKm> curvaKm;
};

// The Double inputs that Calcular reads from the record, in storage order
// (the insurance amounts, which reach it as texts, and whole numbers left out).
const std::vector<std::string_view>& CamposSensibles();

// Sensitivity of `registro` (its inputs; its results are ignored) at ±p %.
// p outside 1..50, or a record that does not calculate itself, raises
// ErrorEjecucion (p: error 5 "Llamada a procedimiento o argumento no válidos").
Sensibilidad AnalizarSensibilidad(const Simulacion& registro, double variacion = kVariacionPorDefecto);

// The curve alone (the same 21 points as above).
std::vector<PuntoCurvaKm> CurvaKm(const Simulacion& registro);

}  // namespace tarvelon
