#pragma once
// The command `flota`: the «¿Y si…?» of a folder or a list of data files,
// a row per vehicle before and after the changes, and the totals.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/Errores.h"

namespace tarvelon {

// The run-time errors that the tool's message boxes showed, so that a row
// names the cause (the file that could not be read) rather than its consequence.
class ErroresMostrados {
public:
    virtual const std::optional<ErrorEjecucion>& PrimerError() const noexcept = 0;
    virtual void OlvidarError() noexcept = 0;

protected:
    ~ErroresMostrados() = default;
};

// As EjecutarDatos: exit code (the worst file's); wrong arguments are written
// to `err` with the usage text (64).
int ComandoFlota(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                 std::ostream& err, ErroresMostrados& avisos);

// Its usage lines, for the tool's usage text.
std::string TextoUsoFlota();

}  // namespace tarvelon
