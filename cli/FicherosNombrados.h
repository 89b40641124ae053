#pragma once
// Reading the tool's files so that every failure names its file: the core's
// readers show a failure as a message box and answer an empty result; here
// the failure is kept, silently, to be raised once with the file's name.
#include <optional>
#include <string>

#include "data/Avisador.h"
#include "model/Errores.h"

namespace tarvelon {

// Config.txt in the program's folder, the reference file by default.
std::string RutaConfigPorDefecto(const std::string& carpetaPrograma);

class AvisadorFallo : public Avisador {
public:
    Respuesta Mostrar(const Aviso& aviso) override;
    const std::optional<ErrorEjecucion>& Error() const noexcept { return error_; }

private:
    std::optional<ErrorEjecucion> error_;
};

// The same error, naming the file it happened on.
ErrorEjecucion EnFichero(const ErrorEjecucion& e, const std::string& ruta);

// Runs a core reader; its failure is raised naming the file.
template <typename F>
auto LeerNombrando(const std::string& ruta, F&& leer)
{
    AvisadorFallo fallo;
    auto r = leer(fallo);
    if (fallo.Error()) throw EnFichero(*fallo.Error(), ruta);
    return r;
}

// Why a file that holds nothing usable is no data file, for the message:
// empty, or a plain text never scrambled (a line of the record's readable as
// it stands); empty when neither.
std::string PorQueNoEsDeDatos(const std::string& ruta);

}  // namespace tarvelon
