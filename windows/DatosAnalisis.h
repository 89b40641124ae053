#pragma once
// The analysis of the two columns as they stand in the windows: each column
// read silently from its boxes and handed to the core's analysis sequence
// (SecuenciaAnalisis). When a column cannot be read, the reason names the
// box that stops it.
#include <string>

#include "reports/SecuenciaAnalisis.h"

namespace tarvelon {

class Columnas;
struct FalloLectura;

// Both columns and their comparison. Shows no message box.
DatosAnalisis LeerDatosAnalisis(Columnas& columnas);

// The text that names a failed read: the box's label and window, then the error.
std::string DescribirFallo(const FalloLectura& fallo);

}  // namespace tarvelon
