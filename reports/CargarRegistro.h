#pragma once
// A record as the result windows would build it, read from a personalised
// data file or from the reference block of a vehicle type: one loader for
// tarvelon-datos and the fleet window alike, each failure raised once with
// the file (and the field or the type) it is about.
#include <optional>
#include <string>

#include "data/Avisador.h"
#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon {

struct Origen {
    std::optional<std::string> fichero;  // personalised data file
    std::optional<std::string> tipo;     // reference block of this type
    std::optional<std::string> config;   // reference data file for --tipo
};

// Every failure names its file and is raised as ErrorEjecucion: a file that
// cannot be read, is no data file, lacks the type, or holds a value that
// does not convert (the field named by its label and key).
Simulacion CargarRegistro(const Origen& origen, const std::string& carpetaPrograma);

// The reference data file of the program folder.
std::string RutaConfigPorDefecto(const std::string& carpetaPrograma);

// "Se ha producido el error nº N ( DESC) " back into its number and description.
std::optional<ErrorEjecucion> ErrorDeMensaje(const std::string& texto);

// The same error, naming the file it happened on.
ErrorEjecucion EnFichero(const ErrorEjecucion& e, const std::string& ruta);

// Why a file that holds nothing usable is no data file, for the message:
// empty, or a plain text never scrambled; empty when neither.
std::string PorQueNoEsDeDatos(const std::string& ruta);

// The core's readers show a failure as a message box and answer an empty
// result; here the failure is kept, silently, to be raised once with the
// file's name.
class AvisadorFallo : public Avisador {
public:
    Respuesta Mostrar(const Aviso& aviso) override
    {
        if (!error_) error_ = ErrorDeMensaje(aviso.texto).value_or(ErrorEjecucion(kErrorInterno, aviso.texto));
        return Respuesta::Aceptar;
    }
    const std::optional<ErrorEjecucion>& Error() const noexcept { return error_; }

private:
    std::optional<ErrorEjecucion> error_;
};

// Runs a core reader; its failure is raised naming the file.
template <typename F>
auto LeerNombrando(const std::string& ruta, F&& leer)
{
    AvisadorFallo fallo;
    auto r = leer(fallo);
    if (fallo.Error()) throw EnFichero(*fallo.Error(), ruta);
    return r;
}

}  // namespace tarvelon
