#pragma once
// Run-time errors of the program: a number and a Spanish description, as the
// user sees them in the error message boxes.
#include <exception>
#include <stdexcept>
#include <string>

namespace tarvelon {

enum CodigoError : int {
    kDesbordamiento = 6,  // overflow, also 0 / 0
    kMemoria = 7,         // out of memory
    kSubindice = 9,       // table that was never dimensioned
    kDivisionPorCero = 11,
    kTiposNoCoinciden = 13,  // text that is not a number
    kErrorInterno = 51,      // a failure the program did not expect
    kFicheroNoEncontrado = 53,
    kErrorES = 57,
    kDiscoLleno = 61,
    kPermisoDenegado = 70,
    kErrorAcceso = 75,
    kRutaNoEncontrada = 76,
    kCancelado = 32755,  // the file dialog was cancelled
};

// Description shown after the number; unknown numbers get a generic text.
std::string DescripcionError(int numero);

class ErrorEjecucion : public std::runtime_error {
public:
    explicit ErrorEjecucion(int numero);
    ErrorEjecucion(int numero, std::string descripcion);
    int Numero() const noexcept { return numero_; }
    const std::string& Descripcion() const noexcept { return descripcion_; }

private:
    int numero_;
    std::string descripcion_;
};

// Any failure as the numbered run-time error the user is shown: a run-time
// error as it is; running out of memory (also a container that would exceed
// its maximum size) error 7; anything else the internal error 51, never with
// the standard library's own text.
ErrorEjecucion ComoErrorEjecucion(const std::exception_ptr& excepcion);

// "Se ha producido el error nº N ( DESC) " — the usual run-time error message.
std::string MensajeError(const ErrorEjecucion& e);
// "Se ha producido el error nº N (DESC) " — the wording of the save and load commands.
std::string MensajeErrorFichero(const ErrorEjecucion& e);
// "Se ha producido un error al imprimir. Error nº N (DESC)" — the annual window's print failure.
std::string MensajeErrorImpresion(const ErrorEjecucion& e);

}  // namespace tarvelon
