// The command runner of tarvelon-datos: help, the command's arguments parsed
// by the table's options, the command run, and every failure turned into its
// message and exit code.
#include <algorithm>
#include <ostream>

#include "cli/AyudaOrdenes.h"
#include "cli/Datos.h"
#include "cli/LeerLineasPlanas.h"
#include "cli/Ordenes.h"
#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon {

namespace {

int MostrarAyuda(const std::string& ayuda, std::ostream& out)
{
    out << ayuda;
    ComprobarSalida(out);
    return kSalidaBien;
}

// Help asked for, or the command run; the output checked at the end.
int Despachar(const std::vector<std::string>& args, const EntornoOrden& entorno)
{
    if (args.empty()) throw UsoIncorrecto{"Falta la orden."};
    const std::string& nombre = args[0];
    if (EsAyuda(nombre, true)) {
        if (args.size() > 2) throw UsoIncorrecto{"Número de argumentos incorrecto."};
        const std::string ayuda = TextoAyuda(args.size() == 2 ? args[1] : "");
        if (ayuda.empty()) throw UsoIncorrecto{"Orden desconocida: " + args[1] + "."};
        return MostrarAyuda(ayuda, entorno.out);
    }
    // "ORDEN --help" anywhere before "--": the help of that command, whatever else was given.
    const auto finOpciones = std::find(args.begin() + 1, args.end(), "--");
    if (std::any_of(args.begin() + 1, finOpciones, [](const std::string& x) { return EsAyuda(x, false); })) {
        const std::string ayuda = TextoAyuda(nombre);
        if (!ayuda.empty()) return MostrarAyuda(ayuda, entorno.out);
    }
    const Orden* orden = BuscarOrden(nombre);
    if (!orden) throw UsoIncorrecto{"Orden desconocida: " + nombre + "."};
    const int codigo = orden->ejecutar(ArgumentosOrden(args, orden->opciones, orden->estilo), entorno);
    ComprobarSalida(entorno.out);
    return codigo;
}

}  // namespace

int EjecutarDatos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err)
{
    AvisadorConsola avisos(err);
    try {
        try {
            return Despachar(args, EntornoOrden{carpetaPrograma, out, err, avisos});
        } catch (const UsoIncorrecto& e) {
            err << e.motivo << '\n' << TextoUsoDatos();
            return kSalidaUso;
        } catch (const ErrorCampo& e) {
            // A file edited by hand: the message says which line to mend, and how.
            out.flush();
            err << MensajeError(e) << '\n' << ExplicacionErrorCampo(e) << '\n';
            return kSalidaError;
        } catch (const ErrorTexto& e) {
            err << e.motivo << '\n';
            return kSalidaError;
        } catch (...) {
            out.flush();
            err << MensajeError(ComoErrorEjecucion(std::current_exception())) << '\n';
            return kSalidaError;
        }
    } catch (...) {
        // Even writing the message failed; the exit code still tells.
        return kSalidaError;
    }
}

}  // namespace tarvelon
