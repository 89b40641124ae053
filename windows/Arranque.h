#pragma once
// Start-up: the program's folders, the splash window, the decimal-comma
// notice and the main window, in that order.
#include <functional>
#include <memory>
#include <string>

namespace tarvelon {

class Inicio;
class Plataforma;

struct OpcionesArranque {
    int intervaloSplash = 5000;  // ms the splash stays when left alone
    // The program folder as the platform reports it; the executable's folder by default.
    std::function<std::string()> carpetaPrograma;
};

inline constexpr const char* kAvisoComaDecimal =
    "Para el correcto funcionamiento del programa, \r\n"
    "las cantidades deberán introducirse utilizando la coma como separador decimal";

// Runs the start-up and answers the main window, already shown.
std::unique_ptr<Inicio> Main(Plataforma& plataforma, const OpcionesArranque& opciones = {});

// Qt's own texts (file dialog, standard buttons) in Spanish, from the Qt
// translations of the system; answers whether they were found. Once per run.
bool CargarTraduccionesQt();

// The executable's folder.
std::string CarpetaEjecutable();

}  // namespace tarvelon
