#include "cli/FicherosNombrados.h"

#include <algorithm>
#include <string_view>

#include "cli/AvisadorConsola.h"
#include "data/Ficheros.h"
#include "model/Simulacion.h"

namespace tarvelon {

std::string RutaConfigPorDefecto(const std::string& carpetaPrograma)
{
    return BuscarFichero(carpetaPrograma, "Config.txt");
}

Respuesta AvisadorFallo::Mostrar(const Aviso& aviso)
{
    if (!error_) error_ = ErrorDeMensaje(aviso.texto).value_or(ErrorEjecucion(kErrorInterno, aviso.texto));
    return Respuesta::Aceptar;
}

ErrorEjecucion EnFichero(const ErrorEjecucion& e, const std::string& ruta)
{
    return ErrorEjecucion(e.Numero(), e.Descripcion() + ": «" + ruta + "»");
}

std::string PorQueNoEsDeDatos(const std::string& ruta)
{
    std::string bytes;
    try {
        bytes = LeerFicheroEntero(ruta);
    } catch (const ErrorEjecucion&) {
        return {};
    }
    if (bytes.empty()) return "está vacío";
    const std::string_view d(bytes);
    for (size_t i = d.starts_with("\xEF\xBB\xBF") ? 3 : 0; i < d.size();) {
        const size_t fin = std::min(d.find('\n', i), d.size());
        const std::string_view linea = d.substr(i, fin - i);
        const size_t igual = linea.find('=');
        if (igual != std::string_view::npos && IndiceCampo(linea.substr(0, igual)) >= 0)
            return "parece un texto sin cifrar; conviértalo con «tarvelon-datos cifrar»";
        i = fin + 1;
    }
    return {};
}

}  // namespace tarvelon
