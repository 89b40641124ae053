#include "cli/AvisadorConsola.h"

#include <ostream>

namespace tarvelon {

std::optional<ErrorEjecucion> ErrorDeMensaje(const std::string& texto)
{
    static const std::string prefijo = "Se ha producido el error nº ";
    if (texto.rfind(prefijo, 0) != 0) return std::nullopt;
    const size_t abre = texto.find(" ( ", prefijo.size());
    const size_t cierra = texto.rfind(") ");
    if (abre == std::string::npos || cierra == std::string::npos || cierra < abre) return std::nullopt;
    try {
        return ErrorEjecucion(std::stoi(texto.substr(prefijo.size(), abre - prefijo.size())),
                              texto.substr(abre + 3, cierra - abre - 3));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

Respuesta AvisadorConsola::Mostrar(const Aviso& aviso)
{
    if (callado_) return Respuesta::Aceptar;
    err_ << aviso.texto << '\n';
    ++mostrados_;
    if (!primerError_) primerError_ = ErrorDeMensaje(aviso.texto);
    return aviso.botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
}

}  // namespace tarvelon
