// tarvelon-datos tipos, descifrar and cifrar: the data files themselves.
#include <filesystem>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "cli/LeerLineasPlanas.h"
#include "data/Ficheros.h"
#include "reports/CargarRegistro.h"

namespace tarvelon {

int ComandoTipos(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    const Argumentos a = LeerArgumentos(argumentos, 0);
    if (a.posicionales.size() > 1) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    const std::string ruta = a.posicionales.empty() ? RutaConfigPorDefecto(entorno.carpetaPrograma) : a.posicionales[0];
    const auto tipos = LeerNombrando(ruta, [&](Avisador& fallo) { return LeerTipos(ruta, fallo); });
    // A file read without a single type is no reference file: said, not left as an empty list.
    if (tipos.empty()) {
        const std::string motivo = PorQueNoEsDeDatos(ruta);
        entorno.err << "El fichero «" << ruta << "» no tiene ningún tipo de vehículo (ninguna línea «Tipo=»"
                    << (motivo.empty() ? "" : "; " + motivo) << ").\n";
        return kSalidaValidacion;
    }
    EscribirLineas(entorno.out, tipos);
    return kSalidaBien;
}

int ComandoDescifrar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    const Argumentos a = LeerArgumentos(argumentos, 0);
    if (a.posicionales.size() != 1) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    try {
        EscribirLineas(entorno.out, LeerLineasDescifradas(a.posicionales[0]));
    } catch (const ErrorEjecucion& e) {
        throw EnFichero(e, a.posicionales[0]);
    }
    return kSalidaBien;
}

int ComandoCifrar(const ArgumentosOrden& argumentos, const EntornoOrden&)
{
    const Argumentos a = LeerArgumentos(argumentos, 0);
    if (a.posicionales.size() != 2) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    // The same file under another name, through a link or a hard link too.
    std::error_code ec;
    if (std::filesystem::equivalent(a.posicionales[0], a.posicionales[1], ec))
        throw UsoIncorrecto{"El fichero de salida no puede ser el de entrada."};
    const auto lineas = LeerLineasPlanas(a.posicionales[0]);
    GrabarLineasCifradas(a.posicionales[1], lineas);
    return kSalidaBien;
}

}  // namespace tarvelon
