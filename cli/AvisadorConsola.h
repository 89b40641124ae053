#pragma once
// Message boxes raised by the core become lines on the error stream; there
// is nobody to answer them, so every box is taken as accepted.
#include <iosfwd>
#include <optional>
#include <string>

#include "data/Avisador.h"
#include "model/Errores.h"

namespace tarvelon {

// "Se ha producido el error nº N ( DESC) " back into its number and description.
std::optional<ErrorEjecucion> ErrorDeMensaje(const std::string& texto);

class AvisadorConsola : public Avisador {
public:
    explicit AvisadorConsola(std::ostream& err) : err_(err) {}

    Respuesta Mostrar(const Aviso& aviso) override;

    int Mostrados() const noexcept { return mostrados_; }
    // The first run-time error shown (a file that could not be read), so that
    // the JSON output and a fleet row name the cause rather than its consequence.
    const std::optional<ErrorEjecucion>& PrimerError() const noexcept { return primerError_; }
    // While set, boxes are taken as accepted without a word (optional lookups).
    void Callar(bool callado) noexcept { callado_ = callado; }
    void OlvidarError() noexcept { primerError_.reset(); }

private:
    std::ostream& err_;
    int mostrados_ = 0;
    bool callado_ = false;
    std::optional<ErrorEjecucion> primerError_;
};

}  // namespace tarvelon
