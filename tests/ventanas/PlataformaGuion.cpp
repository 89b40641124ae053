#include "PlataformaGuion.h"

#include "model/Errores.h"

namespace tarvelon {

Respuesta PlataformaGuion::Mostrar(const Aviso& aviso)
{
    avisos.push_back(aviso);
    if (alMostrar) alMostrar(aviso);
    if (aviso.botones == Botones::Aceptar) return Respuesta::Aceptar;
    const Respuesta r = respuestas.empty() ? Respuesta::No : respuestas.front();
    if (!respuestas.empty()) respuestas.pop_front();
    return r;
}

std::optional<std::string> PlataformaGuion::ElegirFichero(const PeticionFichero& peticion, QWidget*)
{
    peticiones.push_back(peticion);
    const auto r = ficheros.empty() ? std::nullopt : ficheros.front();
    if (!ficheros.empty()) ficheros.pop_front();
    return r;
}

std::vector<std::string> PlataformaGuion::ElegirVarios(const PeticionFichero& peticion, QWidget*)
{
    peticiones.push_back(peticion);
    std::vector<std::string> r;
    if (!varios.empty()) r = std::move(varios.front()), varios.pop_front();
    return r;
}

void PlataformaGuion::ImprimirVentana(QWidget*)
{
    if (errorImpresion) throw ErrorEjecucion(errorImpresion, "La impresora no ha aceptado el trabajo");
}

}  // namespace tarvelon
