#include "cli/Datos.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <ostream>
#include <string_view>
#include <tuple>

#include <CLI/CLI.hpp>

#include "cli/ComandoFlota.h"
#include "cli/ComandoTecnologias.h"
#include "cli/ComandosPrecio.h"
#include "cli/ListaFicheros.h"
#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Analisis.h"
#include "model/CostesServicio.h"
#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"
#include "reports/CalcularInforme.h"
#include "reports/CargarRegistro.h"
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
class AvisadorConsola : public Avisador, public ErroresMostrados {
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
    const std::optional<ErrorEjecucion>& PrimerError() const noexcept override { return primerError_; }
    // While set, boxes are taken as accepted without a word (optional lookups).
    void Callar(bool callado) noexcept { callado_ = callado; }
    void OlvidarError() noexcept override { primerError_.reset(); }

private:
    std::ostream& err_;
    int mostrados_ = 0;
    bool callado_ = false;
    std::optional<ErrorEjecucion> primerError_;
};

void EscribirLineas(std::ostream& out, const std::vector<std::string>& lineas)
{
    for (const auto& l : lineas) out << l << '\n';
}

// A text file that `cifrar` cannot turn into the data file it stands for;
// the reason names the file and the line.
struct ErrorTexto {
    std::string motivo;
};

std::string EnLinea(const std::string& ruta, size_t linea) { return ruta + ", línea " + std::to_string(linea) + ": "; }

void AnadirUtf8(std::string& s, char32_t cp)
{
    auto b = [&s](unsigned v) { s.push_back(static_cast<char>(v)); };
    if (cp < 0x80) {
        b(cp);
    } else if (cp < 0x800) {
        b(0xC0 | (cp >> 6));
        b(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        b(0xE0 | (cp >> 12));
        b(0x80 | ((cp >> 6) & 0x3F));
        b(0x80 | (cp & 0x3F));
    } else {
        b(0xF0 | (cp >> 18));
        b(0x80 | ((cp >> 12) & 0x3F));
        b(0x80 | ((cp >> 6) & 0x3F));
        b(0x80 | (cp & 0x3F));
    }
}

// UTF-16 bytes after their byte-order mark as UTF-8; an odd last byte or a
// lone surrogate is refused with its line.
std::string Utf16AUtf8(std::string_view b, bool grande, const std::string& ruta)
{
    auto unidad = [&](size_t i) -> char32_t {
        const auto x = static_cast<unsigned char>(b[i]), y = static_cast<unsigned char>(b[i + 1]);
        return grande ? (x << 8 | y) : (y << 8 | x);
    };
    std::string r;
    size_t linea = 1;
    for (size_t i = 0; i < b.size(); i += 2) {
        char32_t cp = i + 1 < b.size() ? unidad(i) : 0xDC00;
        const char32_t siguiente = i + 3 < b.size() ? unidad(i + 2) : 0;
        if (cp >= 0xD800 && cp < 0xDC00 && siguiente >= 0xDC00 && siguiente < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (siguiente - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            throw ErrorTexto{EnLinea(ruta, linea) + "no es texto UTF-16 válido."};
        }
        if (cp == '\n') ++linea;
        AnadirUtf8(r, cp);
    }
    return r;
}

// Plain lines of a text file for `cifrar`: UTF-8 (an initial byte-order mark
// dropped) or UTF-16 with its mark; LF or CR LF ends. Every line must become
// Windows-1252 as it is: a byte that is not UTF-8, a character Windows-1252
// cannot hold (it would be stored as "?"), a zero byte or the pair that is
// stored as CR LF (it would split the line) is refused with its line.
std::vector<std::string> LeerLineasPlanas(const std::string& ruta)
{
    std::string todo = LeerFicheroEntero(ruta);
    if (todo.rfind("\xEF\xBB\xBF", 0) == 0) todo.erase(0, 3);
    else if (todo.rfind("\xFF\xFE", 0) == 0) todo = Utf16AUtf8(std::string_view(todo).substr(2), false, ruta);
    else if (todo.rfind("\xFE\xFF", 0) == 0) todo = Utf16AUtf8(std::string_view(todo).substr(2), true, ruta);

    std::vector<std::string> lineas;
    size_t inicio = 0;
    while (inicio < todo.size()) {
        size_t fin = todo.find('\n', inicio);
        if (fin == std::string::npos) fin = todo.size();
        std::string linea = todo.substr(inicio, fin - inicio);
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (const auto fallo = BuscarFalloCp1252(linea)) {
            if (fallo->caracter.empty()) throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "no es texto UTF-8."};
            char codigo[16];
            std::snprintf(codigo, sizeof codigo, "U+%04X", static_cast<unsigned>(fallo->codigo));
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "el carácter «" + fallo->caracter + "» (" + codigo +
                             ") no se puede guardar en Windows-1252."};
        }
        // A zero byte is no text (a UTF-32 file read as UTF-16, a binary file).
        if (linea.find('\0') != std::string::npos)
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "contiene el carácter nulo (U+0000)."};
        if (Utf8ACp1252(linea).find("\xC3\xC0") != std::string::npos)
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "«ÃÀ» se guardaría como un fin de línea."};
        lineas.push_back(std::move(linea));
        inicio = fin + 1;
    }
    return lineas;
}

// Where a record comes from.
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
    kLista = 128,      // --lista (informe)
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
    std::optional<std::string> lista;  // file of paths for the fleet table, "-" for stdin
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

// The option given without its value, or a flag given one, for the message.
std::string OpcionMalDada(const std::vector<std::string>& args, const CLI::App& app)
{
    for (size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
        const std::string& x = args[i];
        if (x.compare(0, 2, "--") != 0) continue;
        const size_t igual = x.find('=');
        const std::string nombre = x.substr(0, igual);
        for (const CLI::Option* o : app.get_options()) {
            if (!o->check_lname(nombre.substr(2))) continue;
            const bool conValor = o->get_expected_min() > 0;
            if (!conValor && igual != std::string::npos) return "La opción " + nombre + " no lleva valor.";
            const bool ultima = i + 1 == args.size() || args[i + 1] == "--";
            if (conValor && igual == std::string::npos && ultima) return "Falta el valor de la opción " + nombre + ".";
        }
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
    std::vector<std::string> posicionales, tipos, configs, formatos, variaciones, xlsx, listas;
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
    if (opciones & kLista) valor("--lista", listas);

    std::vector<std::string> invertidos;
    for (size_t i = args.size(); i-- > 1;) invertidos.push_back(Marcar(args[i]));
    try {
        app.parse(invertidos);
    } catch (const CLI::ExtrasError&) {
        const std::string x = OpcionDesconocida(args, app);
        throw ErrorUso{x.empty() ? std::string("Número de argumentos incorrecto.") : "Opción desconocida: " + x + "."};
    } catch (const CLI::ParseError&) {
        const std::string motivo = OpcionMalDada(args, app);
        throw ErrorUso{motivo.empty() ? std::string("Falta el valor de una opción o sobra un argumento.") : motivo};
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
    a.lista = unica(listas, "--lista");
    if (a.lista && a.lista->empty()) throw ErrorUso{"El nombre del fichero de --lista está vacío."};
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

// The sequence of the result windows: the report, or the validation messages.
int Informar(Simulacion& s, std::ostream& out, const EscritorInforme& escribir,
             const TextosServicio* servicio = nullptr)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir, servicio);
    // The lines written before a failing step stay, as in the result list.
    EscribirLineas(out, r.lineas);
    if (r.error) throw *r.error;
    return r.noValido ? kSalidaValidacion : kSalidaBien;
}

// Validar, Calcular and the report as JSON (numbers and lines) or CSV; a
// failing run-time step raises its error with nothing written.
template <typename Escritor, typename Exportar>
int InformarExportado(Simulacion& s, Formato formato, std::ostream& out, Escritor escribir, Exportar exportar,
                      const TextosServicio* servicio = nullptr)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir, servicio);
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
                 std::ostream& err)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() > 1) throw ErrorUso{"Número de argumentos incorrecto."};
    const std::string ruta = a.posicionales.empty() ? RutaConfigPorDefecto(carpetaPrograma) : a.posicionales[0];
    const auto tipos = LeerNombrando(ruta, [&](Avisador& fallo) { return LeerTipos(ruta, fallo); });
    // A file read without a single type is no reference file: said, not left as an empty list.
    if (tipos.empty()) {
        const std::string motivo = PorQueNoEsDeDatos(ruta);
        err << "El fichero «" << ruta << "» no tiene ningún tipo de vehículo (ninguna línea «Tipo=»"
            << (motivo.empty() ? "" : "; " + motivo) << ").\n";
        return kSalidaValidacion;
    }
    EscribirLineas(out, tipos);
    return kSalidaBien;
}

int ComandoDescifrar(const std::vector<std::string>& args, std::ostream& out)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() != 1) throw ErrorUso{"Número de argumentos incorrecto."};
    try {
        EscribirLineas(out, LeerLineasDescifradas(a.posicionales[0]));
    } catch (const ErrorEjecucion& e) {
        throw EnFichero(e, a.posicionales[0]);
    }
    return kSalidaBien;
}

int ComandoCifrar(const std::vector<std::string>& args)
{
    Argumentos a = Analizar(args, 0);
    if (a.posicionales.size() != 2) throw ErrorUso{"Número de argumentos incorrecto."};
    // The same file under another name, through a link or a hard link too.
    std::error_code ec;
    if (std::filesystem::equivalent(a.posicionales[0], a.posicionales[1], ec))
        throw ErrorUso{"El fichero de salida no puede ser el de entrada."};
    const auto lineas = LeerLineasPlanas(a.posicionales[0]);
    GrabarLineasCifradas(a.posicionales[1], lineas);
    return kSalidaBien;
}

// The fleet table: one row per file (or the --tipo record), written as each
// file is done; a failing file keeps its row with the reason, and the exit
// code is the worst file's.
int InformeFlota(const Argumentos& a, const std::string& carpetaPrograma, std::ostream& out, std::ostream& err,
                 AvisadorConsola& avisos)
{
    if (a.origen.tipo && (!a.posicionales.empty() || a.lista))
        throw ErrorUso{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
    if (!a.origen.tipo && a.posicionales.empty() && !a.lista) throw ErrorUso{"Número de argumentos incorrecto."};
    std::optional<ListaFicheros> lista;
    if (a.lista) lista.emplace(*a.lista);
    int peor = kSalidaBien;
    auto fila = [&](const Origen& o) {
        FilaFlota fila;
        fila.fichero = o.tipo ? (o.config ? *o.config : RutaConfigPorDefecto(carpetaPrograma)) : *o.fichero;
        avisos.OlvidarError();
        try {
            Simulacion s = CargarRegistro(o, carpetaPrograma);
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
        out << FilaCsvFlota(fila);
    };
    out << CabeceraCsvFlota();
    if (a.origen.tipo) fila(a.origen);
    for (const auto& f : a.posicionales) fila(Origen{f, std::nullopt, std::nullopt});
    for (std::string ruta; lista && lista->Siguiente(ruta);) fila(Origen{ruta, std::nullopt, std::nullopt});
    return peor;
}

int ComandoInforme(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                   std::ostream& err, AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kInforme | kFormato | kFormatoCsv | kLista);
    if (a.lista && a.formato == Formato::Json) throw ErrorUso{"La opción --lista solo vale para la tabla de flota."};
    if (a.formato == Formato::Csv || a.lista) return InformeFlota(a, carpetaPrograma, out, err, avisos);
    FijarOrigen(a, 0);
    const bool detallado = a.detallado;
    auto escribir = [detallado](const Simulacion& r, std::vector<std::string>& l) {
        if (detallado) InformeDetallado(r, l);
        else InformeResumen(r, l);
    };
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma);
        if (a.detallado)
            return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeDetallado(r, l); });
        return Informar(s, out, [](const Simulacion& r, std::vector<std::string>& l) { InformeResumen(r, l); });
    }
    return ConErrorJson(a.formato, out, avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma);
        return InformarExportado(s, a.formato, out, escribir,
                                 [](const Simulacion& r, const auto& lineas) { return JsonInforme(r, lineas); });
    });
}

int ComandoPresupuesto(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                       AvisadorConsola& avisos)
{
    Argumentos a = Analizar(args, kOrigen | kFormato | kFormatoCsv);
    FijarOrigen(a, 2);
    const TextosServicio servicio{a.posicionales[0], a.posicionales[1]};
    const std::string& km = servicio.km;
    const std::string& horas = servicio.horas;
    // The result mode window refuses only an empty text and leaves the rest to
    // the calculation; here a text that is no number is a slip in the command
    // and is refused with the usage. Numbers out of range are the data checks'.
    if (km.empty() || horas.empty()) throw ErrorUso{"Los kilómetros y las horas del servicio no pueden estar vacíos."};
    for (const auto& [texto, que] : {std::pair{km, "Los kilómetros"}, std::pair{horas, "Las horas"}}) {
        try {
            TextoANumero(texto);
        } catch (const ErrorEjecucion&) {
            throw ErrorUso{std::string(que) + " del servicio han de ser un número, con coma decimal (6,5): «" + texto +
                           "» no lo es."};
        }
    }
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma);
        return Informar(
            s, out, [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); },
            &servicio);
    }
    return ConErrorJson(a.formato, out, avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, carpetaPrograma);
        return InformarExportado(
            s, a.formato, out,
            [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); },
            [&](const Simulacion& r, const std::vector<std::string>& lineas) {
                const auto conceptos = ConceptosPresupuesto(r, km, horas);
                return a.formato == Formato::Json ? JsonInforme(r, lineas, &conceptos) : CsvPresupuesto(conceptos);
            },
            &servicio);
    });
}

// Loads and validates the record of each source; the messages of those that
// fail are written (text: under the source's name) and answered as false.
bool CargarValidos(const std::vector<Origen>& origenes, Formato formato, const std::string& carpetaPrograma,
                   std::ostream& out, std::vector<Simulacion>& registros)
{
    std::vector<std::string> mensajes;
    for (const auto& o : origenes) {
        registros.push_back(CargarRegistro(o, carpetaPrograma));
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
        if (!CargarValidos(origenes, a.formato, carpetaPrograma, out, r)) return kSalidaValidacion;
        Comparacion c = Comparar(Calculada(r[0]), Calculada(r[1]));
        // A file side goes by its file name; by the whole path when both names are alike.
        std::string nombres[2];
        for (size_t i = 0; i < 2; ++i)
            if (!a.lados[i].first) nombres[i] = std::filesystem::path(a.lados[i].second).filename().string();
        if (!nombres[0].empty() && nombres[0] == nombres[1])
            for (size_t i = 0; i < 2; ++i) nombres[i] = a.lados[i].second;
        c.nombreA = nombres[0];
        c.nombreB = nombres[1];
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
        if (!CargarValidos({a.origen}, a.formato, carpetaPrograma, out, r)) return kSalidaValidacion;
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
    if (!CargarValidos({a.origen}, Formato::Texto, carpetaPrograma, out, r)) return kSalidaValidacion;
    const Simulacion calculada = Calculada(r[0]);
    std::optional<Comparacion> comparacion;
    avisos.Callar(true);
    try {
        Simulacion referencia = CargarRegistro(Origen{std::nullopt, calculada.Tipo, a.origen.config}, carpetaPrograma);
        if (referencia.Validar()) comparacion = Comparar(calculada, Calculada(referencia));
    } catch (const ErrorEjecucion&) {
        // No usable reference: the sheet says so.
    }
    avisos.Callar(false);
    const Sensibilidad sens = AnalizarSensibilidad(r[0], a.variacion);
    try {
        GrabarXlsx(a.xlsx, calculada, comparacion ? &*comparacion : nullptr, sens);
    } catch (const ErrorEjecucion& e) {
        throw EnFichero(e, a.xlsx);
    }
    return kSalidaBien;
}

// A report that did not reach its reader is a failure, not a result: the
// output is flushed and its first write failure becomes the run-time error.
void ComprobarSalida(std::ostream& out)
{
    out.flush();
    if (out) return;
    const auto* salida = dynamic_cast<const SalidaDescriptor*>(out.rdbuf());
    const int e = salida ? salida->ErrorSistema() : 0;
    throw ErrorEjecucion(e == ENOSPC || e == EDQUOT || e == EFBIG ? kDiscoLleno : kErrorES);
}

// The help of each command: usage, what it does, the options it shares with
// others (--formato, --tipo) and an example.
struct AyudaOrden {
    std::string_view orden, uso, texto;
    bool formato, tipo;
    std::string_view ejemplo;
};

constexpr AyudaOrden kAyudas[] = {
    {"tipos", "tipos [FICHERO]",
     "Lista los tipos de vehículo de un fichero de datos de referencia (por defecto,\n"
     "Config.txt en la carpeta del programa), uno por línea y en el orden del fichero.\n"
     "Si el fichero no tiene ningún tipo, lo dice y sale con 1.\n",
     false, false, "tipos Config.txt"},
    {"descifrar", "descifrar FICHERO",
     "Escribe las líneas de un fichero de datos del programa (personalizados o de\n"
     "referencia) en texto legible UTF-8, para revisarlas o corregirlas y volver a\n"
     "convertirlas con cifrar.\n",
     false, false, "descifrar Config.txt > config.txt.plano"},
    {"cifrar", "cifrar ENTRADA SALIDA",
     "Convierte un texto legible (UTF-8, una línea CLAVE=valor por dato, empezando por\n"
     "Tipo=NOMBRE) en un fichero de datos del programa: así se preparan los ficheros\n"
     "de datos personalizados y el de referencia. Los números, con coma decimal.\n",
     false, false, "cifrar config.txt.plano Config.txt"},
    {"informe", "informe [--detallado|--resumen] [--formato texto|json|csv] FICHERO...",
     "Informe anual de costes de un fichero de datos personalizados, como en la ventana\n"
     "de resultados: el resumen (--resumen, por defecto) o el detallado (--detallado).\n"
     "Con --formato csv admite varios ficheros: tabla de flota, una fila por fichero.\n",
     true, true, "informe --detallado misdatos.txt"},
    {"presupuesto", "presupuesto [--formato texto|json|csv] KM HORAS FICHERO",
     "Coste de un servicio de KM kilómetros y HORAS horas. KM y HORAS son números con\n"
     "coma decimal; un texto que no es un número es un error de la orden (salida 64).\n",
     true, true, "presupuesto 350 6,5 misdatos.txt"},
    {"comparar", "comparar [--formato texto|json|csv] A B",
     "Cada resultado de A junto al de B (la referencia), con la diferencia y la\n"
     "diferencia en %. A y B son cada uno un FICHERO o --tipo NOMBRE; --config FICHERO\n"
     "indica el fichero de referencia de los dos --tipo.\n",
     true, false, "comparar misdatos.txt --tipo \"Tractora con semirremolque frigorífico\""},
    {"sensibilidad", "sensibilidad [--variacion P] [--formato texto|json|csv] FICHERO",
     "Coste total por km al bajar y subir un P % (de 1 a 50; 10 si no se indica) cada\n"
     "dato que interviene en el cálculo, de más a menos influyente, y la curva del coste\n"
     "por km entre el 50 % y el 150 % de los kilómetros anuales.\n",
     true, true, "sensibilidad --variacion 12,5 misdatos.txt"},
    {"exportar", "exportar --xlsx SALIDA [--variacion P] FICHERO",
     "Libro de hoja de cálculo con las hojas Resumen, Estructura, Comparación (con los\n"
     "datos de referencia del mismo tipo de vehículo) y Sensibilidad (variación P %, de\n"
     "1 a 50; 10 si no se indica). SALIDA no puede ser el fichero de datos ni el de\n"
     "referencia; no admite --formato.\n",
     false, true, "exportar --xlsx costes.xlsx misdatos.txt"},
    {"precio", "precio --precio P [--margen M] [--formato texto|json|csv] KM HORAS FICHERO",
     "El precio ofrecido P (euros sin IVA) frente al coste del servicio de KM kilómetros\n"
     "y HORAS horas (el total del presupuesto): margen en euros y en % del precio, precio\n"
     "y coste por km y si el precio cubre el coste. Con --margen M (de 0 a menos de 100),\n"
     "el precio mínimo que deja ese margen.\n",
     true, true, "precio --precio 1.250 --margen 10 350 6,5 misdatos.txt"},
    {"revision",
     "revision --precio P (--variacion G | --gasoleo P0 P1 | --serie F --desde AAAA-MM\n"
     "       --hasta AAAA-MM) (--masa T | --coeficiente K) [--umbral U] [--formato texto|json|csv]\n"
     "   o: tarvelon-datos revision --servicios SERVICIOS.csv --serie F [--umbral U]",
     "Revisión del precio P por la variación G (%) del precio medio del gasóleo entre el\n"
     "día del contrato y el del transporte: P × G × k / 100, con k de la masa máxima\n"
     "autorizada en toneladas (0,1 hasta 3,5 t; 0,2 hasta menos de 20 t; 0,3 desde 20 t)\n"
     "o escrito con --coeficiente. Se aplica si |G| llega al umbral (5 % si no se indica).\n"
     "Con --servicios revisa una lista de servicios contra la serie de precios medios.\n",
     true, false, "revision --precio 1.200 --gasoleo 1,45 1,56 --masa 40"},
    {"flota",
     "flota [--gasoleo P] [--salarios P] [--peajes P] [--mantenimiento P] [--km P]\n"
     "       [--co2 EUR_T] [--formato texto|json|csv] [--sin-totales] CARPETA|--lista LISTA",
     "¿Y si…? de una flota: cada vehículo antes y después de cambiar en P % (de -100 en\n"
     "adelante) el precio del gasóleo (bruto y neto), los salarios (retribución y plus\n"
     "de asistencia), el coste del km de autopista, el mantenimiento por km o los km\n"
     "anuales (más de -100), y de poner un precio de EUR_T euros por tonelada al CO2 del\n"
     "gasóleo (2,67 kg/litro). Una fila por vehículo (km, servicios, €/km, €/servicio,\n"
     "€/año, litros, t de CO2) con la diferencia, y una de totales (€/km y €/servicio,\n"
     "medias ponderadas por los km); --sin-totales la omite, para unir las partes de una\n"
     "flota grande. CARPETA: cada fichero de la carpeta, por orden de nombre, sin\n"
     "subcarpetas; LISTA: un fichero por línea (con -, de la entrada estándar). Un\n"
     "fichero que falla muestra el motivo en su fila.\n",
     true, false, "flota --gasoleo 10 --salarios 3,5 --co2 80 misdatos/"},
    {"tecnologias", "tecnologias [--escenario F] [--formato texto|json|csv] FICHERO",
     "Coste de vida del vehículo con cuatro tecnologías: Diésel (los datos del fichero),\n"
     "HVO, GNL y Eléctrico de batería (tecnologias.txt en la carpeta del programa): coste\n"
     "por año, valor presente, coste por km, año y km de equilibrio frente al diésel y\n"
     "CO2. El escenario F (JSON) cambia el horizonte, el primer año, la tasa, el precio\n"
     "del CO2 por año y los datos de cada tecnología.\n",
     true, true, "tecnologias --escenario escenario.json misdatos.txt"},
};

// The words that ask for help: as the command ("ayuda", "--help"...), or,
// after a command, as an option ("informe --help"). Letter case does not matter.
bool EsAyuda(std::string a, bool comoOrden)
{
    std::transform(a.begin(), a.end(), a.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return a == "--help" || a == "-h" || a == "--ayuda" || (comoOrden && a == "ayuda");
}

// The help of a command; the general help for none (or a help word); empty
// for a command it does not know.
std::string TextoAyuda(const std::string& orden)
{
    if (orden.empty() || EsAyuda(orden, true))
        return TextoUsoDatos() +
               "Ayuda de cada orden: tarvelon-datos ORDEN --help (o tarvelon-datos ayuda ORDEN).\n"
               "Los ficheros de datos, personalizados o de referencia, son ficheros del programa:\n"
               "los guarda el programa, o se escriben en texto legible (una línea CLAVE=valor por\n"
               "dato) y se convierten con tarvelon-datos cifrar.\n"
               "Los números llevan coma decimal (6,5); el punto solo separa los miles, en grupos\n"
               "de tres (120.000): un número con el punto en otro lugar (6.5) no se admite.\n";
    for (const auto& a : kAyudas) {
        if (a.orden != orden) continue;
        std::string t = "Uso: tarvelon-datos " + std::string(a.uso) + "\n" + std::string(a.texto);
        if (a.formato) t += "--formato: texto (por defecto), json o csv.\n";
        if (a.tipo)
            t += "--tipo NOMBRE [--config FICHERO] en lugar de FICHERO toma los datos de referencia de\n"
                 "ese tipo de vehículo (por defecto, de Config.txt en la carpeta del programa).\n";
        return t + "Ejemplo:\n  tarvelon-datos " + std::string(a.ejemplo) +
               "\nSalida: 0 bien, 1 datos no válidos, 2 error, 64 argumentos incorrectos.\n";
    }
    return {};
}

}  // namespace

SalidaDescriptor::SalidaDescriptor(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }

bool SalidaDescriptor::Vaciar()
{
    for (const char* p = pbase(); error_ == 0 && p < pptr();) {
        const ssize_t n = ::write(fd_, p, static_cast<size_t>(pptr() - p));
        if (n < 0 && errno != EINTR) error_ = errno;
        if (n > 0) p += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0;
}

SalidaDescriptor::int_type SalidaDescriptor::overflow(int_type c)
{
    if (!Vaciar()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int SalidaDescriptor::sync() { return Vaciar() ? 0 : -1; }

std::string TextoUsoDatos()
{
    return "Uso:\n"
           "  tarvelon-datos tipos [FICHERO]\n"
           "  tarvelon-datos descifrar FICHERO\n"
           "  tarvelon-datos cifrar ENTRADA SALIDA\n"
           "  tarvelon-datos informe [--detallado|--resumen] [--formato texto|json|csv] FICHERO...\n"
           "  tarvelon-datos informe [--formato csv] --lista LISTA\n"
           "  tarvelon-datos presupuesto [--formato texto|json|csv] KM HORAS FICHERO\n" +
           TextoUsoPrecio() +
           "  tarvelon-datos tecnologias [--escenario F] [--formato texto|json|csv] FICHERO\n"
           "  tarvelon-datos comparar [--formato texto|json|csv] A B\n"
           "  tarvelon-datos sensibilidad [--variacion P] [--formato texto|json|csv] FICHERO\n"
           "  tarvelon-datos exportar --xlsx SALIDA [--variacion P] FICHERO\n" +
           TextoUsoFlota() +
           "--tipo NOMBRE [--config FICHERO] en lugar de FICHERO (en comparar, de A o de B)\n"
           "toma los datos de referencia de ese tipo de vehículo (por defecto, de Config.txt\n"
           "en la carpeta del programa). Varios ficheros solo con informe --formato csv.\n"
           "P: variación en %, de 1 a 50 (10 si no se indica).\n"
           "LISTA: un fichero por línea (con -, de la entrada estándar).\n"
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
            if (EsAyuda(orden, true)) {
                if (args.size() > 2) throw ErrorUso{"Número de argumentos incorrecto."};
                const std::string ayuda = TextoAyuda(args.size() == 2 ? args[1] : "");
                if (ayuda.empty()) throw ErrorUso{"Orden desconocida: " + args[1] + "."};
                out << ayuda;
                ComprobarSalida(out);
                return kSalidaBien;
            }
            // "ORDEN --help" anywhere before "--": the help of that command, whatever else was given.
            const auto finOpciones = std::find(args.begin() + 1, args.end(), "--");
            if (std::any_of(args.begin() + 1, finOpciones, [](const std::string& x) { return EsAyuda(x, false); })) {
                const std::string ayuda = TextoAyuda(orden);
                if (!ayuda.empty()) {
                    out << ayuda;
                    ComprobarSalida(out);
                    return kSalidaBien;
                }
            }
            int codigo;
            if (orden == "tipos") codigo = ComandoTipos(args, carpetaPrograma, out, err);
            else if (orden == "descifrar") codigo = ComandoDescifrar(args, out);
            else if (orden == "cifrar") codigo = ComandoCifrar(args);
            else if (orden == "informe") codigo = ComandoInforme(args, carpetaPrograma, out, err, avisos);
            else if (orden == "presupuesto") codigo = ComandoPresupuesto(args, carpetaPrograma, out, avisos);
            else if (orden == "comparar") codigo = ComandoComparar(args, carpetaPrograma, out, avisos);
            else if (orden == "sensibilidad") codigo = ComandoSensibilidad(args, carpetaPrograma, out, avisos);
            else if (orden == "exportar") codigo = ComandoExportar(args, carpetaPrograma, out, avisos);
            else if (orden == "precio") codigo = ComandoPrecio(args, carpetaPrograma, out, err);
            else if (orden == "revision") codigo = ComandoRevision(args, out, err);
            else if (orden == "flota") codigo = ComandoFlota(args, carpetaPrograma, out, err, avisos);
            else if (orden == "tecnologias") codigo = ComandoTecnologias(args, carpetaPrograma, out, err);
            else throw ErrorUso{"Orden desconocida: " + orden + "."};
            ComprobarSalida(out);
            return codigo;
        } catch (const ErrorUso& e) {
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
