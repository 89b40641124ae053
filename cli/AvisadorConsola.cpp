#include "cli/AvisadorConsola.h"

#include <ostream>

namespace tarvelon {

Respuesta AvisadorConsola::Mostrar(const Aviso& aviso)
{
    if (callado_) return Respuesta::Aceptar;
    err_ << aviso.texto << '\n';
    ++mostrados_;
    if (!primerError_) primerError_ = ErrorDeMensaje(aviso.texto);
    return aviso.botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
}

}  // namespace tarvelon
