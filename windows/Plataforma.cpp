#include "windows/Plataforma.h"

#include <cctype>
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

std::optional<std::string> Plataforma::ElegirDondeGrabar(const PeticionFichero& peticion, QWidget* padre)
{
    std::optional<std::string> ruta = ElegirFichero(peticion, padre);
    if (!ruta || ruta->empty()) return std::nullopt;
    const std::string fin = "." + peticion.extensionPorDefecto;
    bool tiene = ruta->size() >= fin.size();
    for (size_t i = 0; tiene && i < fin.size(); ++i)
        tiene = std::tolower(static_cast<unsigned char>((*ruta)[ruta->size() - fin.size() + i])) ==
                std::tolower(static_cast<unsigned char>(fin[i]));
    if (tiene || peticion.extensionPorDefecto.empty()) return ruta;
    *ruta += fin;
    if (!ConfirmarReemplazo(*ruta)) return std::nullopt;
    return ruta;
}

}  // namespace tarvelon
