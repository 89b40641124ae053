#pragma once
// The text of the result reports, line by line, as the result lists show them.
// Each writer appends to `lineas`; when a step fails the lines written before
// it stay and the error propagates.
#include <string>
#include <string_view>
#include <vector>

#include "model/Simulacion.h"

namespace tarvelon {

void InformeDetallado(const Simulacion& s, std::vector<std::string>& lineas);  // 35 lines
void InformeResumen(const Simulacion& s, std::vector<std::string>& lineas);    // 20 lines
// Budget of one service of `km` kilometres and `horas` hours, texts as typed;
// the figures are those of CalcularCostesServicio (model/CostesServicio.h).
void InformePresupuesto(const Simulacion& s, std::string_view km, std::string_view horas,
                        std::vector<std::string>& lineas);  // 29 lines

// The budget's figures in report order, each with its section title and its
// label without the colon: what InformePresupuesto shows, as numbers.
struct ConceptoPresupuesto {
    std::string seccion;
    std::string concepto;
    double importe = 0;
};
std::vector<ConceptoPresupuesto> ConceptosPresupuesto(const Simulacion& s, std::string_view km, std::string_view horas);

// A message text cut into list lines at each "\r\n" (validation messages).
std::vector<std::string> LineasDeMensajes(std::string_view texto);

}  // namespace tarvelon
