#pragma once
// The whole-life cost by technology as report lines, JSON (keys as in the
// README), CSV; and the scenario file (JSON with a schema version).
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/CosteVidaTecnologias.h"

namespace tarvelon {

void InformeTecnologias(const CosteVidaTecnologias& c, std::vector<std::string>& lineas);
std::string JsonTecnologias(const CosteVidaTecnologias& c);
// The results table as the window and the PDF show it: a row per figure, its
// label first, then one text per technology ("—" or a word where there is none).
std::vector<std::vector<std::string>> TablaResultadosTecnologias(const CosteVidaTecnologias& c);
std::string CsvTecnologias(const CosteVidaTecnologias& c);

inline constexpr int kVersionEscenario = 1;

// A scenario that cannot be read; the message names the key.
class ErrorEscenario : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The scenario's text applied over `base` (the columns matched by "nombre");
// on any error `base` is left as it was.
void LeerEscenarioTecnologias(std::string_view texto, EscenarioTecnologias& base);
std::string EscenarioAJson(const EscenarioTecnologias& e);

}  // namespace tarvelon
