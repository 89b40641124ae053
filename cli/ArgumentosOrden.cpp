#include "cli/ArgumentosOrden.h"

#include <algorithm>
#include <deque>
#include <map>

#include <CLI/CLI.hpp>

#include "model/Errores.h"
#include "model/PrecioServicio.h"

namespace tarvelon {

namespace {

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

// The first wrong argument from the left, for options read once each: an
// unknown option, a repeated one, "=" on an option that does not take one
// value, or too few values before the end. `vacios`: the arguments that give
// an option an empty value ("--lista=").
std::optional<std::string> PrimerFallo(const std::vector<std::string>& args, const std::vector<OpcionOrden>& opciones,
                                       std::vector<size_t>& vacios)
{
    std::vector<std::string> vistas;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") break;
        if (a.compare(0, 2, "--") != 0) continue;
        const size_t igual = a.find('=');
        const std::string nombre = a.substr(0, igual);
        const auto o =
            std::find_if(opciones.begin(), opciones.end(), [&](const auto& x) { return x.nombre == nombre; });
        if (o == opciones.end()) return "Opción desconocida: " + a + ".";
        if (std::find(vistas.begin(), vistas.end(), nombre) != vistas.end())
            return "La opción " + nombre + " aparece dos veces.";
        vistas.push_back(nombre);
        const bool falta =
            igual != std::string::npos ? o->valores != 1 : i + static_cast<size_t>(o->valores) >= args.size();
        if (falta) return "Falta el valor de una opción o sobra un argumento.";
        if (igual + 1 == a.size()) vacios.push_back(i);
        if (igual == std::string::npos) i += static_cast<size_t>(o->valores);
    }
    return std::nullopt;
}

// The parser's own messages are in English; each of its errors becomes a
// Spanish reason above the usage text.
void Analizar(CLI::App& app, const std::vector<std::string>& args, EstiloOpciones estilo,
              const std::vector<size_t>& vacios)
{
    // The parser reads "--name=" as "--name" and would take the next argument
    // for its value; the marker stands for the empty text given.
    std::vector<std::string> invertidos;
    for (size_t i = args.size(); i-- > 1;) {
        const bool vacio = std::find(vacios.begin(), vacios.end(), i) != vacios.end();
        invertidos.push_back(vacio ? args[i] + kMarca : Marcar(args[i]));
    }
    try {
        app.parse(invertidos);
    } catch (const CLI::ExtrasError&) {
        const std::string x = estilo == EstiloOpciones::Repetibles ? OpcionDesconocida(args, app) : "";
        throw UsoIncorrecto{x.empty() ? std::string("Número de argumentos incorrecto.")
                                      : "Opción desconocida: " + x + "."};
    } catch (const CLI::ParseError&) {
        const std::string motivo = estilo == EstiloOpciones::Repetibles ? OpcionMalDada(args, app) : "";
        throw UsoIncorrecto{motivo.empty() ? std::string("Falta el valor de una opción o sobra un argumento.")
                                           : motivo};
    }
}

}  // namespace

ArgumentosOrden::ArgumentosOrden(const std::vector<std::string>& args, const std::vector<OpcionOrden>& opciones,
                                 EstiloOpciones estilo)
{
    std::vector<size_t> vacios;
    if (estilo == EstiloOpciones::UnaVez)
        if (auto motivo = PrimerFallo(args, opciones, vacios)) throw UsoIncorrecto{*motivo};
    CLI::App app;
    app.set_help_flag();
    app.allow_extras(false);
    std::vector<std::string> posicionales;
    std::map<std::string, std::vector<std::string>> valores;
    std::deque<bool> banderas;  // stable addresses for the parser
    app.add_option("posicionales", posicionales)->take_all();
    for (const auto& o : opciones) {
        if (o.valores == 0) {
            banderas.push_back(false);
            app.add_flag(o.nombre, banderas.back())->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        } else {
            app.add_option(o.nombre, valores[o.nombre])->expected(o.valores)->allow_extra_args(false)->take_all();
        }
    }
    Analizar(app, args, estilo, vacios);

    for (const auto& p : posicionales) posicionales_.push_back(Desmarcar(p));
    size_t bandera = 0;
    for (const auto& o : opciones) {
        if (o.valores == 0 && banderas[bandera++]) banderas_.push_back(o.nombre);
        if (o.valores == 0 || valores[o.nombre].empty()) continue;
        std::vector<std::string> v;
        for (const auto& x : valores[o.nombre]) v.push_back(Desmarcar(x));
        valores_.emplace_back(o.nombre, std::move(v));
    }
    // The values in the order the parser met them: it records every value it takes.
    std::map<std::string, size_t> tomados;
    for (const CLI::Option* o : app.parse_order()) {
        const std::string nombre = o->get_name() == "posicionales" ? "" : o->get_name();
        const auto v = nombre.empty() ? std::optional(posicionales_) : Valores(nombre);
        if (v && tomados[nombre] < v->size()) enOrden_.emplace_back(nombre, (*v)[tomados[nombre]++]);
    }
}

bool ArgumentosOrden::Hay(const std::string& opcion) const
{
    return std::find(banderas_.begin(), banderas_.end(), opcion) != banderas_.end() || Valores(opcion).has_value();
}

std::optional<std::vector<std::string>> ArgumentosOrden::Valores(const std::string& opcion) const
{
    for (const auto& [nombre, v] : valores_)
        if (nombre == opcion) return v;
    return std::nullopt;
}

std::optional<std::string> ArgumentosOrden::Valor(const std::string& opcion) const
{
    const auto v = Valores(opcion);
    if (!v || v->empty()) return std::nullopt;
    return (*v)[0];
}

std::optional<double> ArgumentosOrden::Numero(const std::string& opcion) const
{
    const auto v = Valor(opcion);
    if (!v) return std::nullopt;
    return NumeroDeOpcion(opcion, *v);
}

double NumeroDeOpcion(const std::string& opcion, const std::string& texto)
{
    try {
        return LeerImporte(texto);
    } catch (const ErrorEjecucion&) {
        throw UsoIncorrecto{"El valor de " + opcion + " no es un número: " + texto + " (los decimales van con coma)."};
    }
}

}  // namespace tarvelon
