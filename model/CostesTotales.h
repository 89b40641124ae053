#pragma once
// The whole cost of a calculated record (direct plus overheads) in the four
// units the analysis window shows side by side.
#include "model/Simulacion.h"

namespace tarvelon {

struct CostesTotales {
    double anual = 0;        // €/year: CostesDirectosAnuales + CostesInDirectosAnuales
    double porKm = 0;        // €/km
    double porServicio = 0;  // €/service
    double porHora = 0;      // €/working hour: anual / CFHorasAnualesTrabajadas
};

// The totals of a record on which Calcular has run. Zero working hours is
// error 11 (0 / 0 error 6), an overflow error 6, as in Calcular itself.
CostesTotales CostesTotalesDe(const Simulacion& calculada);

}  // namespace tarvelon
