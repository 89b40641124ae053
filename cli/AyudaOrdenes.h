#pragma once
// The help of tarvelon-datos: the general help and each command's.
#include <string>

namespace tarvelon {

// The words that ask for help: as the command ("ayuda", "--help"...), or,
// after a command, as an option ("informe --help"). Letter case does not matter.
bool EsAyuda(std::string a, bool comoOrden);

// The help of a command; the general help for none (or a help word); empty
// for a command it does not know.
std::string TextoAyuda(const std::string& orden);

}  // namespace tarvelon
