#include "PlataformaGuion.h"

#include "model/Errores.h"

namespace tarvelon {

Respuesta PlataformaGuion::Mostrar(const Aviso& aviso)
{
    avisos.push_back(aviso);
    if (alMostrar) alMostrar(aviso);
    if (aviso.botones == Botones::Aceptar) return Respuesta::Aceptar;
    if (respuestas.empty()) return Respuesta::No;
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

std::optional<std::string> PlataformaGuion::ElegirFichero(const PeticionFichero& peticion, QWidget*)
{
    peticiones.push_back(peticion);
    if (ficheros.empty()) return std::nullopt;
    auto r = ficheros.front();
    ficheros.pop_front();
    return r;
}

void PlataformaGuion::ImprimirVentana(QWidget* ventana)
{
    if (alImprimir) alImprimir(ventana);
    if (falloImpresion) throw ErrorEjecucion(falloImpresion->first, falloImpresion->second);
    impresas.push_back(ventana);
}

}  // namespace tarvelon
