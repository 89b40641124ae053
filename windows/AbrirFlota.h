#pragma once
// The fleet window opened from the main window's menu.
#include <string>

#include "windows/VentanaFlota.h"

class QMdiArea;

namespace tarvelon {

class Plataforma;
class Sesion;

// «Archivo → Abrir flota…»: asks for a folder and opens it in a new window
// of the work area; null when the user cancelled.
VentanaFlota* AbrirFlota(Plataforma& plataforma, QMdiArea& area, const std::string& carpetaInicial,
                         const std::string& carpetaPrograma);

// The same for the session's windows: a row chosen (double-click or Enter)
// loads into the steps as «Cargar» does, after the unsaved-changes question.
VentanaFlota* AbrirFlota(Sesion& sesion, QMdiArea& area);

}  // namespace tarvelon
