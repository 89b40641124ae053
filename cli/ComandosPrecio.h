#pragma once
// The commands `precio` (the offered price of a service against its cost) and
// `revision` (the fuel-price revision of a haulage price, one or a list).
#include <iosfwd>
#include <string>
#include <vector>

#include "data/Avisador.h"

namespace tarvelon {

// As EjecutarDatos: exit code; wrong arguments are written to `err` with the
// usage text (64); run-time errors are thrown as ErrorEjecucion after the
// JSON error object, when asked for, has been written to `out`.
int ComandoPrecio(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err);
int ComandoRevision(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The usage lines of both commands, for the tool's usage text.
std::string TextoUsoPrecio();

}  // namespace tarvelon
