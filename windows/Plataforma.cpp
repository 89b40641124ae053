#include "windows/Plataforma.h"

#include <filesystem>
#include <system_error>

namespace tarvelon {

bool Plataforma::ConfirmarReemplazo(const std::string& ruta)
{
    std::error_code ec;
    if (!std::filesystem::exists(ruta, ec)) return true;
    Aviso pregunta;
    pregunta.texto = "El fichero " + ruta + " ya existe. ¿Desea reemplazarlo?";
    pregunta.icono = Icono::Exclamacion;
    pregunta.botones = Botones::SiNo;
    return Mostrar(pregunta) == Respuesta::Si;
}

}  // namespace tarvelon
