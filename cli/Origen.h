#pragma once
// Where a command takes its record from: a personalised data file, or the
// reference block of a vehicle type.
#include <optional>
#include <string>

#include "model/Simulacion.h"

namespace tarvelon {

struct Origen {
    std::optional<std::string> fichero;  // personalised data file
    std::optional<std::string> tipo;     // reference block of this type
    std::optional<std::string> config;   // reference data file for --tipo
};

// The record as the result windows would build it. Every failure names its
// file (and the field or the type) and is raised once as ErrorEjecucion.
Simulacion CargarRegistro(const Origen& origen, const std::string& carpetaPrograma);

}  // namespace tarvelon
