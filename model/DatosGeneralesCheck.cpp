#include "model/DatosGeneralesCheck.h"

#include "model/Numeros.h"

namespace tarvelon {

std::string ComprobarDatosGenerales(std::string_view kilometrajeAnual, std::string_view serviciosDiarios,
                                    std::string_view kilometrajeAnualEnVacio)
{
    std::string mensajes;
    auto anadir = [&mensajes](const char* m) {
        if (!mensajes.empty()) mensajes += "\r\n";
        mensajes += m;
    };
    if (kilometrajeAnual.empty() || NumeroInicial(kilometrajeAnual) <= 0.0)
        anadir("El campo Kilometraje anual debe tener un valor mayor que 0");
    if (serviciosDiarios.empty() || NumeroInicial(serviciosDiarios) <= 0.0)
        anadir("El campo Servicios Diarios debe tener un valor mayor que 0");
    if (kilometrajeAnualEnVacio.empty()) anadir("El campo Kilometraje anual en vacio debe estar relleno");
    return mensajes;
}

std::string PreguntaDatosGenerales(std::string_view mensajes)
{
    return "Se ha producido el siguiente(s) error(es): \r\n" + std::string(mensajes) +
           "\r\n¿Desea corregir los errores?";
}

}  // namespace tarvelon
