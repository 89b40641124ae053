#include "model/Errores.h"

#include <new>

namespace tarvelon {

std::string DescripcionError(int numero)
{
    switch (numero) {
    case kDesbordamiento: return "Desbordamiento";
    case kMemoria: return "Memoria insuficiente";
    case kSubindice: return "El subíndice está fuera del intervalo";
    case kDivisionPorCero: return "División por cero";
    case kTiposNoCoinciden: return "No coinciden los tipos";
    case kErrorInterno: return "Error interno";
    case kFicheroNoEncontrado: return "No se ha encontrado el archivo";
    case kErrorES: return "Error de E/S en el dispositivo";
    case kDiscoLleno: return "Disco lleno";
    case kPermisoDenegado: return "Permiso denegado";
    case kErrorAcceso: return "Error de acceso a la ruta o el archivo";
    case kRutaNoEncontrada: return "No se ha encontrado la ruta de acceso";
    case kCancelado: return "Se ha cancelado la selección";
    default: return "Error definido por la aplicación o por el objeto";
    }
}

ErrorEjecucion::ErrorEjecucion(int numero) : ErrorEjecucion(numero, DescripcionError(numero)) {}

ErrorEjecucion::ErrorEjecucion(int numero, std::string descripcion)
    : std::runtime_error(descripcion), numero_(numero), descripcion_(std::move(descripcion))
{
}

ErrorEjecucion ComoErrorEjecucion(const std::exception_ptr& excepcion)
{
    if (!excepcion) return ErrorEjecucion(kErrorInterno);
    try {
        std::rethrow_exception(excepcion);
    } catch (const ErrorEjecucion& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return ErrorEjecucion(kMemoria);
    } catch (const std::length_error&) {
        return ErrorEjecucion(kMemoria);
    } catch (...) {
        return ErrorEjecucion(kErrorInterno);
    }
}

std::string MensajeError(const ErrorEjecucion& e)
{
    return "Se ha producido el error nº " + std::to_string(e.Numero()) + " ( " + e.Descripcion() + ") ";
}

std::string MensajeErrorFichero(const ErrorEjecucion& e)
{
    return "Se ha producido el error nº " + std::to_string(e.Numero()) + " (" + e.Descripcion() + ") ";
}

std::string MensajeErrorImpresion(const ErrorEjecucion& e)
{
    return "Se ha producido un error al imprimir. Error nº " + std::to_string(e.Numero()) + " (" + e.Descripcion() +
           ")";
}

}  // namespace tarvelon
