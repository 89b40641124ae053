#include "cli/Datos.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <optional>
#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/ComandosPrecio.h"
#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Analisis.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"
#include "reports/CalcularInforme.h"
#include "reports/Csv.h"
#include "reports/Informes.h"
#include "reports/InformesAnalisis.h"
#include "reports/Json.h"
#include "reports/Xlsx.h"

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
        if (callado_) return Respuesta::Aceptar;
        err_ << aviso.texto << '\n';
        ++mostrados_;
        if (!primerError_) primerError_ = ErrorDeMensaje(aviso.texto);
        return aviso.botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }

    int Mostrados() const noexcept { return mostrados_; }
    // The first run-time error shown (a file that could not be read), so that
    // the JSON output names the cause rather than its consequence.
    const std::optional<ErrorEjecucion>& PrimerError() const noexcept { return primerError_; }
    // While set, boxes are taken as accepted without a word (optional lookups).
    void Callar(bool callado) noexcept { callado_ = callado; }
    void OlvidarError() noexcept { primerError_.reset(); }

private:
    // "Se ha producido el error nº N ( DESC) " back into its number and description.
    static std::optional<ErrorEjecucion> ErrorDeMensaje(const std::string& texto)
    {
        static const std::string prefijo = "Se ha producido el error nº ";
        if (texto.rfind(prefijo, 0) != 0) return std::nullopt;
        const size_t abre = texto.find(" ( ", prefijo.size());
        const size_t cierra = texto.rfind(") ");
        if (abre == std::string::npos || cierra == std::string::npos || cierra < abre) return std::nullopt;
        try {
            return ErrorEjecucion(std::stoi(texto.substr(prefijo.size(), abre - prefijo.size())),
                                  texto.substr(abre + 3, cierra - abre - 3));
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }

    std::ostream& err_;
    int mostrados_ = 0;
    bool callado_ = false;
    std::optional<ErrorEjecucion> primerError_;
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

// Where a record comes from.
struct Origen {
    std::optional<std::string> fichero;  // personalised data file
    std::optional<std::string> tipo;     // reference block of this type
    std::optional<std::string> config;   // reference data file for --tipo
};

enum class Formato { Texto, Json, Csv };

// The options a command accepts.
enum Opcion : unsigned {
    kOrigen = 1,       // --tipo, --config
    kInforme = 2,      // --detallado, --resumen
    kFormato = 4,      // --formato
    kVariacion = 8,    // --variacion
    kXlsx = 16,        // --xlsx (required)
    kDosTipos = 32,    // --tipo may appear twice (comparar)
    kFormatoCsv = 64,  // csv allowed as --formato
};

struct Argumentos {
    std::vector<std::string> posicionales;
    Origen origen;
    // comparar: each side in the order given, a file or (true) a type name.
    std::vector<std::pair<bool, std::string>> lados;
    bool detallado = false;
    bool resumen = false;
    Formato formato = Formato::Texto;
    double variacion = kVariacionPorDefecto;
    std::string xlsx;
};

// Arguments that begin with a single "-" are data to this tool (a negative
// kilometre figure, a file named "-x"); the parser would take them for short
// options, so they travel behind a marker that is taken off afterwards.
constexpr char kMarca = '\x1F';

std::string Marcar(const std::string& a)
{
    const bool guion = !a.empty() && a[0] == '-' && a.compare(0, 2, "--") != 0;
    return guion || (!a.empty() && a[0] == kMarca) ? kMarca + a : a;
}

std::string Desmarcar(std::string a)
{
    if (!a.empty() && a[0] == kMarca) a.erase(0, 1);
    return a;
}

// The first "--name" that the command does not know, for the message.
std::string OpcionDesconocida(const std::vector<std::string>& args, const CLI::App& app)
{
    for (size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
        const std::string& x = args[i];
        if (x.compare(0, 2, "--") != 0) continue;
        const std::string nombre = x.substr(0, x.find('='));
        bool conocida = false;
        for (const CLI::Option* o : app.get_options()) conocida = conocida || o->check_lname(nombre.substr(2));
        if (!conocida) return x;
    }
    return {};
}

// Splits the arguments after the command. The parser's own messages are in
// English; each of its errors becomes a Spanish reason above the usage text.
Argumentos Analizar(const std::vector<std::string>& args, unsigned opciones)
{
    Argumentos a;
    CLI::App app;
    app.set_help_flag();
    app.allow_extras(false);
    std::vector<std::string> posicionales, tipos, configs, formatos, variaciones, xlsx;
    auto valor = [&](const std::string& nombre, std::vector<std::string>& destino) {
        app.add_option(nombre, destino)->expected(1)->allow_extra_args(false)->take_all();
    };
    app.add_option("posicionales", posicionales)->take_all();
    if (opciones & kOrigen) {
        valor("--tipo", tipos);
        valor("--config", configs);
    }
    if (opciones & kInforme) {
        app.add_flag("--detallado", a.detallado)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        app.add_flag("--resumen", a.resumen)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    }
    if (opciones & kFormato) valor("--formato", formatos);
    if (opciones & kVariacion) valor("--variacion", variaciones);
    if (opciones & kXlsx) valor("--xlsx", xlsx);

    std::vector<std::string> invertidos;
    for (size_t i = args.size(); i-- > 1;) invertidos.push_back(Marcar(args[i]));
    try {
        app.parse(invertidos);
    } catch (const CLI::ExtrasError&) {
        const std::string x = OpcionDesconocida(args, app);
        throw ErrorUso{x.empty() ? std::string("Número de argumentos incorrecto.") : "Opción desconocida: " + x + "."};
    } catch (const CLI::ParseError&) {
        throw ErrorUso{"Falta el valor de una opción o sobra un argumento."};
    }

    for (const auto& p : posicionales) a.posicionales.push_back(Desmarcar(p));
    auto unica = [](const std::vector<std::string>& v, const char* nombre) -> std::optional<std::string> {
        if (v.size() > 1) throw ErrorUso{std::string("La opción ") + nombre + " aparece dos veces."};
        if (v.empty()) return std::nullopt;
        return Desmarcar(v[0]);
    };
    if ((opciones & kDosTipos) && tipos.size() <= 2) {
        // The sides in the order given: the parser records every value it takes.
        size_t p = 0, t = 0;
        for (const CLI::Option* o : app.parse_order()) {
            if (o->get_name() == "--tipo" && t < tipos.size()) a.lados.emplace_back(true, Desmarcar(tipos[t++]));
            else if (o->get_name() == "posicionales" && p < a.posicionales.size())
                a.lados.emplace_back(false, a.posicionales[p++]);
        }
        for (const auto& [esTipo, nombre] : a.lados)
            if (esTipo && nombre.empty()) throw ErrorUso{"El nombre del tipo de vehículo está vacío."};
    } else {
        a.origen.tipo = unica(tipos, "--tipo");
    }
    a.origen.config = unica(configs, "--config");
    if (auto f = unica(formatos, "--formato")) {
        if (*f == "texto") a.formato = Formato::Texto;
        else if (*f == "json") a.formato = Formato::Json;
        else if (*f == "csv" && (opciones & kFormatoCsv)) a.formato = Formato::Csv;
        else throw ErrorUso{"Formato desconocido: " + *f + "."};
    }
    if (auto v = unica(variaciones, "--variacion")) {
        try {
            a.variacion = TextoANumero(*v);
        } catch (const ErrorEjecucion&) {
            a.variacion = 0;
        }
        if (!(a.variacion >= kVariacionMinima && a.variacion <= kVariacionMaxima))
            throw ErrorUso{"La variación debe estar entre 1 y 50."};
    }
    if (opciones & kXlsx) {
        auto x = unica(xlsx, "--xlsx");
        if (!x || x->empty()) throw ErrorUso{"Falta el fichero de salida de --xlsx."};
        a.xlsx = *x;
    }
    if (a.detallado && a.resumen) throw ErrorUso{"Elija --detallado o --resumen, no los dos."};
    const bool hayTipo =
        a.origen.tipo || std::any_of(a.lados.begin(), a.lados.end(), [](const auto& l) { return l.first; });
    if (a.origen.config && !hayTipo) throw ErrorUso{"La opción --config solo vale junto con --tipo."};
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

// Validar, Calcular and the report as JSON (numbers and lines) or CSV; a
// failing run-time step raises its error with nothing written.
template <typename Escritor, typename Exportar>
int InformarExportado(Simulacion& s, Formato formato, std::ostream& out, Escritor escribir, Exportar exportar)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir);
    if (r.noValido) {
        if (formato == Formato::Json) out << JsonErrores(r.lineas);
        else EscribirLineas(out, r.lineas);
        return kSalidaValidacion;
    }
    if (r.error) throw *r.error;
    out << exportar(s, r.lineas);
    return kSalidaBien;
}

// Runs a command; with JSON output a run-time error also goes to stdout as
// {"error": ...}, naming the first error shown (the file that failed).
template <typename F>
int ConErrorJson(Formato formato, std::ostream& out, AvisadorConsola& avisos, F&& f)
{
    try {
        return f();
    } catch (const ErrorEjecucion& e) {
        if (formato == Formato::Json) out << JsonError(avisos.PrimerError() ? *avisos.PrimerError() : e);
        throw;
    }
}

std::string Fuente(const Origen& o) { return o.tipo ? "--tipo " + *o.tipo : *o.fichero; }

int ComandoTipos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                 AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() > 1) throw ErrorUso{"Número de argumentos incorrecto."};
    const std::string ruta = a.posicionales.empty() ? RutaConfigPorDefecto(carpetaPrograma) : a.posicionales[0];
    const auto tipos = LeerTipos(ruta, avisos);
    EscribirLineas(out, tipos);
    // LeerTipos shows its failure and answers an empty list: still a failure here.
    return avisos.Mostrados() > 0 ? kSalidaError : kSalidaBien;
}

int ComandoDescifrar(const std::vector<std::string>& args, std::ostream& out)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() != 1) throw ErrorUso{"Número de argumentos incorrecto."};
    EscribirLineas(out, LeerLineasDescifradas(a.posicionales[0]));
    return kSalidaBien;
}

int ComandoCifrar(const std::vector<std::string>& args)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() != 2) throw ErrorUso{"Número de argumentos incorrecto."};
    const auto lineas = LeerLineasPlanas(a.posicionales[0]);
    GrabarLineasCifradas(a.posicionales[1], lineas);
    return kSalidaBien;
}

// The fleet table: one row per file (or the --tipo record); a failing file
// keeps its row with the reason, and the exit code is the worst file's.
int InformeFlota(const Argumentos& a, const std::string& carpetaPrograma, std::ostream& out, std::ostream& err,
                 AvisadorConsola& avisos)
{
    std::vector<Origen> origenes;
    if (a.origen.tipo) {
        if (!a.posicionales.empty()) throw ErrorUso{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
        origenes.push_back(a.origen);
    } else {
        if (a.posicionales.empty()) throw ErrorUso{"Número de argumentos incorrecto."};
        for (const auto& f : a.posicionales) origenes.push_back(Origen{f, std::nullopt, std::nullopt});
    }
    int peor = kSalidaBien;
    std::vector<FilaFlota> filas;
    filas.reserve(origenes.size());
    for (const auto& o : origenes) {
        FilaFlota fila;
        fila.fichero = o.tipo ? (o.config ? *o.config : RutaConfigPorDefecto(carpetaPrograma)) : *o.fichero;
        avisos.OlvidarError();
        try {
            Simulacion s = CargarRegistro(o, carpetaPrograma, avisos);
            fila.tipo = s.Tipo;
            // The report sequence without a report: only the figures go to the table.
            const ResultadoInforme r =
                CalcularInforme(s, SeguroDesdeRegistro(s), [](const Simulacion&, std::vector<std::string>&) {});
            if (r.error) throw *r.error;
            if (r.noValido) {
                for (const auto& m : r.lineas)
                    if (!m.empty()) fila.error += (fila.error.empty() ? "" : " | ") + m;
                peor = std::max(peor, kSalidaValidacion);
            } else {
                fila.calculada = std::move(s);
            }
        } catch (const ErrorEjecucion& e) {
            const ErrorEjecucion& causa = avisos.PrimerError() ? *avisos.PrimerError() : e;
            if (!avisos.PrimerError()) err << MensajeError(e) << '\n';
            fila.error = MensajeError(causa);
            peor = kSalidaError;
        }
        filas.push_back(std::move(fila));
    }
    out << CsvFlota(filas);
    return peor;
}

int ComandoInforme(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                   std::ostream& err, AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kInforme | kFormato | kFormatoCsv);
    if (a.formato == Formato::Csv) return InformeFlota(a, carpetaPrograma, out, err, avisos);
    FijarOrigen(a, 0);
    const bool detallado = a.detallado;
    auto escribir = [detallado](const Simulacion& r, std::vector<std::string>& l) {
        if (detallado) InformeDetallado(r, l);
        else InformeResumen(r, l);
    };
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
        if (a.detallado)
            return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeDetallado(r, l); });
        return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeResumen(r, l); });
    }
    return ConErrorJson(a.formato, out, avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
        return InformarExportado(s, a.formato, out, escribir,
                                 [](const Simulacion& r, const auto& lineas) { return JsonInforme(r, lineas); });
    });
}

int ComandoPresupuesto(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                       AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kFormato | kFormatoCsv);
    FijarOrigen(a, 2);
    const std::string km = a.posicionales[0];
    const std::string horas = a.posicionales[1];
    // The result mode window refuses only an empty text; so does the tool.
    if (km.empty() || horas.empty()) throw ErrorUso{"Los kilómetros y las horas del servicio no pueden estar vacíos."};
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
        return Informar(s, out,
                        [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); });
    }
    return ConErrorJson(a.formato, out, avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma, avisos);
        return InformarExportado(
            s, a.formato, out,
            [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); },
            [&](const Simulacion& r, const std::vector<std::string>& lineas) {
                const auto conceptos = ConceptosPresupuesto(r, km, horas);
                return a.formato == Formato::Json ? JsonInforme(r, lineas, &conceptos) : CsvPresupuesto(conceptos);
            });
    });
}

// Loads and validates the record of each source; the messages of those that
// fail are written (text: under the source's name) and answered as false.
bool CargarValidos(const std::vector<Origen>& origenes, Formato formato, const std::string& carpetaPrograma,
                   std::ostream& out, AvisadorConsola& avisos, std::vector<Simulacion>& registros)
{
    std::vector<std::string> mensajes;
    for (const auto& o : origenes) {
        registros.push_back(CargarRegistro(o, carpetaPrograma, avisos));
        Simulacion& s = registros.back();
        if (s.Validar()) continue;
        if (origenes.size() > 1 && formato == Formato::Texto) mensajes.push_back(Fuente(o) + ":");
        for (auto& m : LineasDeMensajes(s.ErrorMsg))
            if (formato == Formato::Texto || !m.empty()) mensajes.push_back(std::move(m));
    }
    if (mensajes.empty()) return true;
    if (formato == Formato::Json) out << JsonErrores(mensajes);
    else EscribirLineas(out, mensajes);
    return false;
}

int ComandoComparar(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                    AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kDosTipos | kFormato | kFormatoCsv);
    if (a.lados.size() != 2) throw ErrorUso{"Indique dos registros, cada uno FICHERO o --tipo NOMBRE."};
    std::vector<Origen> origenes;
    for (const auto& [esTipo, valor] : a.lados)
        origenes.push_back(esTipo ? Origen{std::nullopt, valor, a.origen.config} : Origen{valor, {}, {}});
    return ConErrorJson(a.formato, out, avisos, [&] {
        std::vector<Simulacion> r;
        if (!CargarValidos(origenes, a.formato, carpetaPrograma, out, avisos, r)) return kSalidaValidacion;
        const Comparacion c = Comparar(Calculada(r[0]), Calculada(r[1]));
        if (a.formato == Formato::Json) out << JsonComparacion(c);
        else if (a.formato == Formato::Csv) out << CsvComparacion(c);
        else {
            std::vector<std::string> lineas;
            InformeComparacion(c, lineas);
            EscribirLineas(out, lineas);
        }
        return kSalidaBien;
    });
}

int ComandoSensibilidad(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                        AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kVariacion | kFormato | kFormatoCsv);
    FijarOrigen(a, 0);
    return ConErrorJson(a.formato, out, avisos, [&] {
        std::vector<Simulacion> r;
        if (!CargarValidos({a.origen}, a.formato, carpetaPrograma, out, avisos, r)) return kSalidaValidacion;
        const Sensibilidad sens = AnalizarSensibilidad(r[0], a.variacion);
        if (a.formato == Formato::Json) out << JsonSensibilidad(sens);
        else if (a.formato == Formato::Csv) out << CsvSensibilidad(sens);
        else {
            std::vector<std::string> lineas;
            InformeSensibilidad(r[0], sens, lineas);
            EscribirLineas(out, lineas);
        }
        return kSalidaBien;
    });
}

// The workbook of one record; its comparison is against the reference block
// of its own type when the reference file has one that calculates.
int ComandoExportar(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                    AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kVariacion | kXlsx);
    FijarOrigen(a, 0);
    // A slip of the pen must not replace a data file (the record's or the
    // reference file) with the workbook.
    const std::string referencia = a.origen.config ? *a.origen.config : RutaConfigPorDefecto(carpetaPrograma);
    for (const std::string& datos : {a.origen.fichero.value_or(referencia), referencia}) {
        std::error_code ec;
        if (std::filesystem::equivalent(a.xlsx, datos, ec))
            throw ErrorUso{"El fichero de salida no puede ser el de los datos."};
    }
    std::vector<Simulacion> r;
    if (!CargarValidos({a.origen}, Formato::Texto, carpetaPrograma, out, avisos, r)) return kSalidaValidacion;
    const Simulacion calculada = Calculada(r[0]);
    std::optional<Comparacion> comparacion;
    avisos.Callar(true);
    try {
        Simulacion referencia =
            CargarRegistro(Origen{std::nullopt, calculada.Tipo, a.origen.config}, carpetaPrograma, avisos);
        if (referencia.Validar()) comparacion = Comparar(calculada, Calculada(referencia));
    } catch (const ErrorEjecucion&) {
        // No usable reference: the sheet says so.
    }
    avisos.Callar(false);
    const Sensibilidad sens = AnalizarSensibilidad(r[0], a.variacion);
    GrabarXlsx(a.xlsx, calculada, comparacion ? &*comparacion : nullptr, sens);
    return kSalidaBien;
}

}  // namespace

std::string TextoUsoDatos()
{
    return "Uso:\n"
           "  tarvelon-datos tipos [FICHERO]\n"
           "  tarvelon-datos descifrar FICHERO\n"
           "  tarvelon-datos cifrar ENTRADA SALIDA\n"
           "  tarvelon-datos informe [--detallado|--resumen] [--formato texto|json|csv] FICHERO...\n"
           "  tarvelon-datos presupuesto [--formato texto|json|csv] KM HORAS FICHERO\n" +
           TextoUsoPrecio() +
           "  tarvelon-datos comparar [--formato texto|json|csv] A B\n"
           "  tarvelon-datos sensibilidad [--variacion P] [--formato texto|json|csv] FICHERO\n"
           "  tarvelon-datos exportar --xlsx SALIDA [--variacion P] FICHERO\n"
           "--tipo NOMBRE [--config FICHERO] en lugar de FICHERO (en comparar, de A o de B)\n"
           "toma los datos de referencia de ese tipo de vehículo (por defecto, de Config.txt\n"
           "en la carpeta del programa). Varios ficheros solo con informe --formato csv.\n"
           "P: variación en %, de 1 a 50 (10 si no se indica).\n"
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
            else if (orden == "informe") codigo = ComandoInforme(args, carpetaPrograma, out, err, avisos);
            else if (orden == "presupuesto") codigo = ComandoPresupuesto(args, carpetaPrograma, out, avisos);
            else if (orden == "comparar") codigo = ComandoComparar(args, carpetaPrograma, out, avisos);
            else if (orden == "sensibilidad") codigo = ComandoSensibilidad(args, carpetaPrograma, out, avisos);
            else if (orden == "exportar") codigo = ComandoExportar(args, carpetaPrograma, out, avisos);
            else if (orden == "precio") codigo = ComandoPrecio(args, carpetaPrograma, out, err, avisos);
            else if (orden == "revision") codigo = ComandoRevision(args, out, err);
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
