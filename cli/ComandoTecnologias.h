#pragma once
// The command `tecnologias`: the vehicle's whole-life cost with diesel, HVO,
// LNG and battery-electric drive, against the reference file beside the program.
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvelon {

// As ComandoPrecio.
int ComandoTecnologias(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                       std::ostream& err);

}  // namespace tarvelon
