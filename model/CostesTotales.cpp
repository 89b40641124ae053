#include "model/CostesTotales.h"

#include "model/Analisis.h"
#include "model/Aritmetica.h"

namespace tarvelon {

CostesTotales CostesTotalesDe(const Simulacion& calculada)
{
    using namespace aritmetica;
    const EstructuraCostes e = Estructura(calculada);
    CostesTotales t;
    t.anual = e.totalAnual;
    t.porKm = e.totalPorKm;
    t.porServicio = e.totalPorServicio;
    t.porHora = Cociente(e.totalAnual, calculada.CFHorasAnualesTrabajadas);
    return t;
}

}  // namespace tarvelon
