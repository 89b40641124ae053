#include "cli/Argumentos.h"

#include <algorithm>

#include "model/Analisis.h"
#include "model/Errores.h"
#include "model/Numeros.h"

namespace tarvelon {

namespace {

std::optional<std::string> Unica(const ArgumentosOrden& orden, const char* nombre)
{
    const auto v = orden.Valores(nombre);
    if (v && v->size() > 1) throw UsoIncorrecto{std::string("La opción ") + nombre + " aparece dos veces."};
    if (!v) return std::nullopt;
    return (*v)[0];
}

// comparar: the sides in the order given.
void LeerLados(const ArgumentosOrden& orden, Argumentos& a)
{
    for (const auto& [nombre, valor] : orden.EnOrden())
        if (nombre == "--tipo" || nombre.empty()) a.lados.emplace_back(!nombre.empty(), valor);
    for (const auto& [esTipo, nombre] : a.lados)
        if (esTipo && nombre.empty()) throw UsoIncorrecto{"El nombre del tipo de vehículo está vacío."};
}

double LeerVariacion(const std::string& v)
{
    double variacion = 0;
    try {
        variacion = TextoANumero(v);
    } catch (const ErrorEjecucion&) {
        variacion = 0;
    }
    if (!(variacion >= kVariacionMinima && variacion <= kVariacionMaxima))
        throw UsoIncorrecto{"La variación debe estar entre 1 y 50."};
    return variacion;
}

void ComprobarOrigen(const Argumentos& a)
{
    if (a.detallado && a.resumen) throw UsoIncorrecto{"Elija --detallado o --resumen, no los dos."};
    const bool hayTipo =
        a.origen.tipo || std::any_of(a.lados.begin(), a.lados.end(), [](const auto& l) { return l.first; });
    if (a.origen.config && !hayTipo) throw UsoIncorrecto{"La opción --config solo vale junto con --tipo."};
    if (a.origen.tipo && a.origen.tipo->empty()) throw UsoIncorrecto{"El nombre del tipo de vehículo está vacío."};
    if (a.origen.config && a.origen.config->empty())
        throw UsoIncorrecto{"El nombre del fichero de --config está vacío."};
}

}  // namespace

Formato LeerFormato(const std::string& f, bool conCsv)
{
    if (f == "texto") return Formato::Texto;
    if (f == "json") return Formato::Json;
    if (f == "csv" && conCsv) return Formato::Csv;
    throw UsoIncorrecto{"Formato desconocido: " + f + "."};
}

std::vector<OpcionOrden> OpcionesDatos(unsigned opciones)
{
    std::vector<OpcionOrden> r;
    if (opciones & kOrigen) r.insert(r.end(), {{"--tipo", 1}, {"--config", 1}});
    if (opciones & kInforme) r.insert(r.end(), {{"--detallado", 0}, {"--resumen", 0}});
    if (opciones & kFormato) r.push_back({"--formato", 1});
    if (opciones & kVariacion) r.push_back({"--variacion", 1});
    if (opciones & kXlsx) r.push_back({"--xlsx", 1});
    if (opciones & kLista) r.push_back({"--lista", 1});
    return r;
}

Argumentos LeerArgumentos(const ArgumentosOrden& orden, unsigned opciones)
{
    Argumentos a;
    a.posicionales = orden.Posicionales();
    a.detallado = orden.Hay("--detallado");
    a.resumen = orden.Hay("--resumen");
    const auto tipos = orden.Valores("--tipo");
    if ((opciones & kDosTipos) && (!tipos || tipos->size() <= 2)) LeerLados(orden, a);
    else a.origen.tipo = Unica(orden, "--tipo");
    a.origen.config = Unica(orden, "--config");
    a.lista = Unica(orden, "--lista");
    if (a.lista && a.lista->empty()) throw UsoIncorrecto{"El nombre del fichero de --lista está vacío."};
    if (auto f = Unica(orden, "--formato")) a.formato = LeerFormato(*f, opciones & kFormatoCsv);
    a.variacion = kVariacionPorDefecto;
    if (auto v = Unica(orden, "--variacion")) a.variacion = LeerVariacion(*v);
    if (opciones & kXlsx) {
        auto x = Unica(orden, "--xlsx");
        if (!x || x->empty()) throw UsoIncorrecto{"Falta el fichero de salida de --xlsx."};
        a.xlsx = *x;
    }
    ComprobarOrigen(a);
    return a;
}

void FijarOrigen(Argumentos& a, size_t fijos)
{
    const size_t esperados = fijos + (a.origen.tipo ? 0 : 1);
    if (a.posicionales.size() != esperados) {
        if (a.origen.tipo && a.posicionales.size() == esperados + 1)
            throw UsoIncorrecto{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
        throw UsoIncorrecto{"Número de argumentos incorrecto."};
    }
    if (!a.origen.tipo) {
        a.origen.fichero = a.posicionales.back();
        a.posicionales.pop_back();
    }
}

std::string Fuente(const Origen& o) { return o.tipo ? "--tipo " + *o.tipo : *o.fichero; }

}  // namespace tarvelon
