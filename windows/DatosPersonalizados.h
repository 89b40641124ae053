#pragma once
// Saving and loading the user's own figures (the simulation column of the
// input windows) as a file of key=value lines, run from the main window's menu.
#include <string>

namespace tarvelon {

class Sesion;

// "Guardar Datos Personalizados": asks for a file name and writes the
// simulation column there as figures of vehicle type `tipo`. Every failure
// ends in a message box. Answers whether the file was written.
bool GuardarDatosPersonalizados(Sesion& sesion, const std::string& tipo);

// "Cargar Datos Personalizados": asks for a file, puts its figures into the
// simulation column and the reference values of its vehicle type into the
// reference column. Every failure ends in a message box.
void CargarDatosPersonalizados(Sesion& sesion);

// The same load of the file at `ruta`, without the dialog (a fleet row chosen).
void CargarDatosPersonalizados(Sesion& sesion, const std::string& ruta);

}  // namespace tarvelon
