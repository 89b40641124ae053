#include "cli/Datos.h"

#include <optional>
#include <ostream>
#include <string_view>

#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "reports/CalcularInforme.h"
#include "reports/Informes.h"

namespace tarvelon {

namespace {

// Wrong arguments: carries the Spanish reason shown above the usage text.
struct ErrorUso {
    std::string motivo;
};

// Message boxes raised by the core become lines on the error stream; there
// is nobody to answer them, so every box is taken as accepted.
class AvisadorConsola : public Avisador {
public:
    explicit AvisadorConsola(std::ostream& err) : err_(err) {}

    Respuesta Mostrar(const Aviso& aviso) override
    {
        err_ << aviso.texto << '\n';
        ++mostrados_;
        return aviso.botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }

    int Mostrados() const noexcept { return mostrados_; }

private:
    std::ostream& err_;
    int mostrados_ = 0;
};

void EscribirLineas(std::ostream& out, const std::vector<std::string>& lineas)
{
    for (const auto& l : lineas) out << l << '\n';
}

// Plain UTF-8 lines of a text file (LF or CR LF ends, an initial byte-order
// mark dropped), for `cifrar`.
std::vector<std::string> LeerLineasPlanas(const std::string& ruta)
{
    std::string todo = LeerFicheroEntero(ruta);
    if (todo.rfind("\xEF\xBB\xBF", 0) == 0) todo.erase(0, 3);

    std::vector<std::string> lineas;
    size_t inicio = 0;
    while (inicio < todo.size()) {
        size_t fin = todo.find('\n', inicio);
        if (fin == std::string::npos) fin = todo.size();
        std::string linea = todo.substr(inicio, fin - inicio);
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        lineas.push_back(std::move(linea));
        inicio = fin + 1;
    }
    return lineas;
}

// Where the record of `informe` and `presupuesto` comes from.
struct Origen {
    std::optional<std::string> fichero;  // personalised data file
    std::optional<std::string> tipo;     // reference block of this type
    std::optional<std::string> config;   // reference data file for --tipo
};

struct Argumentos {
    std::vector<std::string> posicionales;
    Origen origen;
    bool detallado = false;
    bool resumen = false;
};

// Splits the arguments after the command into options and positionals.
// `conFormato` allows --detallado and --resumen (the annual report only).
Argumentos Analizar(const std::vector<std::string>& args, bool conFormato)
{
    Argumentos a;
    bool soloPosicionales = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& x = args[i];
        if (soloPosicionales || x.size() < 2 || x.compare(0, 2, "--") != 0) {
            a.posicionales.push_back(x);
        } else if (x == "--") {
            soloPosicionales = true;
        } else if (conFormato && x == "--detallado") {
            a.detallado = true;
        } else if (conFormato && x == "--resumen") {
            a.resumen = true;
        } else if (x == "--tipo" || x == "--config") {
            if (i + 1 >= args.size()) throw ErrorUso{"Falta el valor de la opción " + x + "."};
            auto& destino = x == "--tipo" ? a.origen.tipo : a.origen.config;
            if (destino) throw ErrorUso{"La opción " + x + " aparece dos veces."};
            destino = args[++i];
        } else {
            throw ErrorUso{"Opción desconocida: " + x + "."};
        }
    }
    if (a.detallado && a.resumen) throw ErrorUso{"Elija --detallado o --resumen, no los dos."};
    if (a.origen.config && !a.origen.tipo) throw ErrorUso{"La opción --config solo vale junto con --tipo."};
    if (a.origen.tipo && a.origen.tipo->empty()) throw ErrorUso{"El nombre del tipo de vehículo está vacío."};
    if (a.origen.config && a.origen.config->empty()) throw ErrorUso{"El nombre del fichero de --config está vacío."};
    return a;
}

// Takes the last positional as the data file unless --tipo names the source.
void FijarOrigen(Argumentos& a, size_t fijos)
{
    const size_t esperados = fijos + (a.origen.tipo ? 0 : 1);
    if (a.posicionales.size() != esperados) {
        if (a.origen.tipo && a.posicionales.size() == esperados + 1)
            throw ErrorUso{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
        throw ErrorUso{"Número de argumentos incorrecto."};
    }
    if (!a.origen.tipo) {
        a.origen.fichero = a.posicionales.back();
        a.posicionales.pop_back();
    }
}

std::string RutaConfigPorDefecto(const std::string& carpetaPrograma)
{
    return BuscarFichero(carpetaPrograma, "Config.txt");
}

// The record as the result windows would build it: the personalised file, or
// the reference block of a type.
Simulacion CargarRegistro(const Origen& origen, const std::string& carpetaPrograma, Avisador& avisos)
{
    std::string ruta;
    std::string tipo;
    if (origen.tipo) {
        ruta = origen.config ? *origen.config : RutaConfigPorDefecto(carpetaPrograma);
        tipo = *origen.tipo;
    } else {
        ruta = *origen.fichero;
    }
    const TablaLineas tabla = LeerBloque(ruta, tipo, avisos);
    Simulacion s;
    s.FromArray(tabla);
    return s;
}

// The sequence of the result windows: the report, or the validation messages.
int Informar(Simulacion& s, std::ostream& out, const EscritorInforme& escribir)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir);
    // The lines written before a failing step stay, as in the result list.
    EscribirLineas(out, r.lineas);
    if (r.error) throw *r.error;
    return r.noValido ? kSalidaValidacion : kSalidaBien;
}

int ComandoTipos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                 AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, false);
    if (a.origen.tipo) throw ErrorUso{"La orden tipos no admite --tipo."};
    if (a.posicionales.size() > 1) throw ErrorUso{"Número de argumentos incorrecto."};
    const std::string ruta = a.posicionales.empty() ? RutaConfigPorDefecto(carpetaPrograma) : a.posicionales[0];
    const auto tipos = LeerTipos(ruta, avisos);
    EscribirLineas(out, tipos);
    // LeerTipos shows its failure and answers an empty list: still a failure here.
    return avisos.Mostrados() > 0 ? kSalidaError : kSalidaBien;
}

int ComandoDescifrar(const std::vector<std::string>& args, std::ostream& out)
{
    Argumentos a = Analizar(args, false);
    if (a.origen.tipo || a.posicionales.size() != 1) throw ErrorUso{"Número de argumentos incorrecto."};
    EscribirLineas(out, LeerLineasDescifradas(a.posicionales[0]));
    return kSalidaBien;
}

int ComandoCifrar(const std::vector<std::string>& args)
{
    Argumentos a = Analizar(args, false);
    if (a.origen.tipo || a.posicionales.size() != 2) throw ErrorUso{"Número de argumentos incorrecto."};
    const auto lineas = LeerLineasPlanas(a.posicionales[0]);
    GrabarLineasCifradas(a.posicionales[1], lineas);
    return kSalidaBien;
}

int ComandoInforme(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                   AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, true);
    FijarOrigen(a, 0);
    Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
    if (a.detallado)
        return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeDetallado(r, l); });
    return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeResumen(r, l); });
}

int ComandoPresupuesto(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                       AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, false);
    FijarOrigen(a, 2);
    const std::string km = a.posicionales[0];
    const std::string horas = a.posicionales[1];
    // The result mode window refuses only an empty text; so does the tool.
    if (km.empty() || horas.empty()) throw ErrorUso{"Los kilómetros y las horas del servicio no pueden estar vacíos."};
    Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
    return Informar(s, out,
                    [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); });
}

}  // namespace

std::string TextoUsoDatos()
{
    return "Uso:\n"
           "  tarvelon-datos tipos [FICHERO]\n"
           "  tarvelon-datos descifrar FICHERO\n"
           "  tarvelon-datos cifrar ENTRADA SALIDA\n"
           "  tarvelon-datos informe [--detallado|--resumen] FICHERO\n"
           "  tarvelon-datos presupuesto KM HORAS FICHERO\n"
           "En informe y presupuesto, --tipo NOMBRE [--config FICHERO] en lugar de FICHERO\n"
           "toma los datos de referencia de ese tipo de vehículo (por defecto, de Config.txt\n"
           "en la carpeta del programa).\n"
           "Salida: 0 informe, 1 datos no válidos, 2 error, 64 argumentos incorrectos.\n";
}

int EjecutarDatos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err)
{
    AvisadorConsola avisos(err);
    try {
        try {
            if (args.empty()) throw ErrorUso{"Falta la orden."};
            const std::string& orden = args[0];
            if (orden == "--ayuda" || orden == "-h" || orden == "--help" || orden == "ayuda") {
                out << TextoUsoDatos();
                return kSalidaBien;
            }
            int codigo;
            if (orden == "tipos") codigo = ComandoTipos(args, carpetaPrograma, out, avisos);
            else if (orden == "descifrar") codigo = ComandoDescifrar(args, out);
            else if (orden == "cifrar") codigo = ComandoCifrar(args);
            else if (orden == "informe") codigo = ComandoInforme(args, carpetaPrograma, out, avisos);
            else if (orden == "presupuesto") codigo = ComandoPresupuesto(args, carpetaPrograma, out, avisos);
            else throw ErrorUso{"Orden desconocida: " + orden + "."};
            out.flush();
            return codigo;
        } catch (const ErrorUso& e) {
            err << e.motivo << '\n' << TextoUsoDatos();
            return kSalidaUso;
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
