// The command-line tool's report path on arbitrary personalised data files,
// run in-process through its command function.
//
// First byte: 0 the summary report, 1 the detailed one, 2 the budget (then the
// first line holds "KM HORAS"). The rest are plain lines separated by '\n',
// each scrambled and ended with CR LF as the program writes them, so that the
// fuzzer works on readable key=value text.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ApoyoFuzz.h"
#include "cli/Datos.h"
#include "data/Ficheros.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

size_t ContarLineas(const std::string& s)
{
    size_t n = 0;
    for (char c : s)
        if (c == '\n') ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FicheroTemporal fichero;
    if (size == 0) return 0;
    const int modo = data[0] % 3;
    std::string_view resto(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string km = "350";
    std::string horas = "6,5";
    if (modo == 2) {
        const size_t fin = resto.find('\n');
        const std::string_view primera = resto.substr(0, fin);
        const size_t blanco = primera.find(' ');
        km = std::string(primera.substr(0, blanco));
        horas = blanco == std::string_view::npos ? std::string() : std::string(primera.substr(blanco + 1));
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
    }

    std::string contenido;
    for (size_t inicio = 0; inicio < resto.size();) {
        size_t fin = resto.find('\n', inicio);
        if (fin == std::string_view::npos) fin = resto.size();
        contenido += CodificarLinea(resto.substr(inicio, fin - inicio));
        contenido += "\r\n";
        inicio = fin + 1;
    }
    fichero.Escribir(contenido);

    std::vector<std::string> args;
    size_t esperadas;
    if (modo == 2) {
        // "--" first: a kilometre text such as "-5" is data, not an option.
        args = {"presupuesto", "--", km, horas, fichero.Ruta()};
        esperadas = 29;
    } else {
        args = {"informe", modo == 1 ? "--detallado" : "--resumen", fichero.Ruta()};
        esperadas = modo == 1 ? 35 : 20;
    }
    std::ostringstream out, err;
    const int codigo = EjecutarDatos(args, "/nonexistent", out, err);
    const std::string o = out.str(), e = err.str();
    switch (codigo) {
    case kSalidaBien:
        if (ContarLineas(o) != esperadas || !e.empty()) Fallo("informe con líneas o avisos de más", o, e);
        break;
    case kSalidaValidacion:
        if (o.empty() || !e.empty() || o.find("Error en ") == std::string::npos)
            Fallo("mensajes de validación mal escritos", o, e);
        break;
    case kSalidaError:
        if (e.rfind("Se ha producido el error nº ", 0) != 0) Fallo("error sin su mensaje", e);
        // A failure of the tool itself, not of the data.
        if (e.find("nº 51 ") != std::string::npos || e.find("nº 7 ") != std::string::npos) Fallo("error interno", e);
        break;
    case kSalidaUso:
        if (!(modo == 2 && (km.empty() || horas.empty()))) Fallo("uso incorrecto con argumentos válidos", e);
        break;
    default: Fallo("código de salida desconocido", std::to_string(codigo));
    }
    return 0;
}
