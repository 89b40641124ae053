#pragma once
// The command-line tool tarvelon-datos: a thin front over the core that lists
// vehicle types, scrambles and unscrambles data files, prints the reports (as
// text, JSON or CSV), compares records, analyses sensitivity and exports workbooks.
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/SalidaDescriptor.h"

namespace tarvelon {

// Exit codes of the tool.
inline constexpr int kSalidaBien = 0;
inline constexpr int kSalidaValidacion = 1;  // the record did not pass Validar; `tipos` found no type
inline constexpr int kSalidaError = 2;       // a run-time error (file, number, calculation)
inline constexpr int kSalidaUso = 64;        // wrong arguments

// Runs one command. `args` are the arguments without the program name;
// `carpetaPrograma` is the folder where Config.txt is looked for by default.
// Report lines and type names go to `out`, messages to `err`. Never throws.
// With a SalidaDescriptor under `out`, its write failure is the command's error.
int EjecutarDatos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err);

// The short usage text printed for wrong arguments (the general help adds to it).
std::string TextoUsoDatos();

}  // namespace tarvelon
