// The report path of tarvelon-datos, in-process, on any personalised file:
// exit codes and output shape. First byte: 0 summary, 1 detailed, 2 budget
// (then the first line holds "KM HORAS"). The rest are plain lines, scrambled
// and ended with CR LF here as the program writes them.
#include <sstream>

#include "ApoyoFuzz.h"
#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/Numeros.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

// Kilometres and hours that are no numbers are a usage error.
static bool EsNumero(const std::string& texto)
{
    try {
        TextoANumero(texto);
        return true;
    } catch (const ErrorEjecucion&) {
        return false;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const int modo = data[0] % 3;
    std::string resto(reinterpret_cast<const char*>(data + 1), size - 1), km = "350", horas = "6,5";
    if (modo == 2) {
        const std::string primera = resto.substr(0, resto.find('\n'));
        const size_t blanco = primera.find(' ');
        km = primera.substr(0, blanco);
        horas = blanco == std::string::npos ? "" : primera.substr(blanco + 1);
        resto.erase(0, std::min(resto.size(), primera.size() + 1));
    }
    std::string contenido;
    for (size_t inicio = 0; inicio < resto.size();) {
        const size_t fin = std::min(resto.find('\n', inicio), resto.size());
        contenido += CodificarLinea(std::string_view(resto).substr(inicio, fin - inicio)) + "\r\n";
        inicio = fin + 1;
    }
    const std::string& ruta = FicheroTemporal(contenido);
    // "--" first: a kilometre text such as "-5" is data, not an option.
    const auto args = modo == 2 ? std::vector<std::string>{"presupuesto", "--", km, horas, ruta}
                                : std::vector<std::string>{"informe", modo ? "--detallado" : "--resumen", ruta};
    std::ostringstream out, err;
    const int codigo = EjecutarDatos(args, "/nonexistent", out, err);
    const std::string o = out.str(), e = err.str();
    const long lineas = std::count(o.begin(), o.end(), '\n');
    bool bien = false;
    switch (codigo) {
    case kSalidaBien: bien = e.empty() && lineas == (modo == 2 ? 29 : modo == 1 ? 35 : 20); break;
    case kSalidaValidacion: bien = e.empty() && o.find("Error en ") != std::string::npos; break;
    // A run-time error has its message; 51 and 7 would be failures of the tool itself, not of the data.
    case kSalidaError:
        bien = e.starts_with("Se ha producido el error nº ") && e.find("nº 51 ") == std::string::npos &&
               e.find("nº 7 ") == std::string::npos;
        break;
    case kSalidaUso: bien = modo == 2 && (!EsNumero(km) || !EsNumero(horas)); break;
    }
    if (!bien) Fallo("salida de tarvelon-datos", std::to_string(codigo) + "\n" + o, e);
    return 0;
}
