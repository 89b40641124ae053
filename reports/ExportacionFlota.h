#pragma once
// The fleet window's exports: the workbook (sheets «Flota», «Estructura» and
// «¿Y si…?») and the CSV of the command `flota`, of the vehicles given and
// their totals.
#include <string>
#include <vector>

#include "reports/VehiculoFlota.h"

namespace tarvelon {

// «Flota»: a row per vehicle with its figures as it is, or its reason, and
// the totals; «Estructura»: the twelve components summed (and the CO2 price)
// before and after the changes, with a bar chart; «¿Y si…?»: the changes and
// each vehicle before, after and the difference. Written atomically: a
// failure raises ErrorEjecucion and leaves no file.
void GrabarXlsxFlota(const std::string& ruta, const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma,
                     const CambiosFlota& cambios);

// The CSV of `tarvelon-datos flota --formato csv`: header, a row per vehicle, totals.
std::string CsvFlota(const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma);

}  // namespace tarvelon
