#pragma once
// A vehicle type with no block in the reference file: the message names the
// type and the file and offers the closest names.
#include <string>

#include "model/Errores.h"

namespace tarvelon {

// A name that differs only in letter case or surrounding blanks is still
// refused (the block is found by its exact line), but named; otherwise the
// closest names are offered.
ErrorEjecucion TipoDesconocido(const std::string& tipo, const std::string& ruta);

}  // namespace tarvelon
