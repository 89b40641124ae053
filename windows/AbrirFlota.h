#pragma once
// The fleet window opened from the main window's menu.
#include <string>

#include "windows/VentanaFlota.h"

class QMdiArea;

namespace tarvelon {

class Plataforma;

// «Archivo → Abrir flota…»: asks for a folder and opens it in a new window
// of the work area; null when the user cancelled.
VentanaFlota* AbrirFlota(Plataforma& plataforma, QMdiArea& area, const std::string& carpetaInicial,
                         const std::string& carpetaPrograma);

}  // namespace tarvelon
