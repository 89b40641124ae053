#pragma once
// The price of a service against its cost and the fuel-price revision, as
// report lines, JSON (one object, keys as in the README) and CSV (a header
// and one row, the JSON keys as column names). Money is rounded to the cent
// and per-km figures to four decimals when written; percentages to two.
#include <string>
#include <vector>

#include "model/PrecioServicio.h"
#include "model/RevisionCombustible.h"

namespace tarvelon {

void InformePrecio(const PrecioServicio& p, std::vector<std::string>& lineas);
std::string JsonPrecio(const PrecioServicio& p);
std::string CsvPrecio(const PrecioServicio& p);

void InformeRevision(const RevisionCombustible& r, std::vector<std::string>& lineas);
std::string JsonRevision(const RevisionCombustible& r);
std::string CsvRevision(const RevisionCombustible& r);

}  // namespace tarvelon
