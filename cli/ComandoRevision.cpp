// tarvelon-datos revision: the fuel-price revision of one agreed price, or of
// a list of services against a series of monthly diesel prices.
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/RevisionCombustible.h"
#include "model/SerieGasoleo.h"
#include "reports/InformesPrecio.h"
#include "reports/Json.h"
#include "reports/RevisionLote.h"

namespace tarvelon {

namespace {

// A series file that cannot be read: a run-time error naming the file and line.
SerieGasoleo CargarSerie(const std::string& ruta)
{
    const std::string contenido = LeerFicheroEntero(ruta);
    try {
        return SerieGasoleo::Leer(contenido);
    } catch (const ErrorSerie& e) {
        throw ErrorEjecucion(kTiposNoCoinciden, ruta + ", línea " + std::to_string(e.Linea()) + ": " + e.Motivo());
    }
}

Mes MesDeOpcion(const ArgumentosOrden& a, const std::string& opcion)
{
    const auto v = a.Valor(opcion);
    if (!v) throw UsoIncorrecto{"Con --serie, indique --desde AAAA-MM y --hasta AAAA-MM."};
    const auto mes = LeerMes(*v);
    if (!mes) throw UsoIncorrecto{"El mes de " + opcion + " debe tener la forma AAAA-MM: " + *v + "."};
    return *mes;
}

double PrecioDeSerie(const SerieGasoleo& serie, Mes mes)
{
    const auto p = serie.Precio(mes);
    if (!p) throw ErrorEjecucion(kSubindice, "La serie no tiene el precio del gasóleo de " + TextoMes(mes));
    return *p;
}

double Umbral(const ArgumentosOrden& a)
{
    const double u = a.Numero("--umbral").value_or(kUmbralRevision);
    if (!(u >= 0 && u <= kUmbralRevision)) throw UsoIncorrecto{"El umbral debe estar entre 0 y 5."};
    return u;
}

int Lote(const ArgumentosOrden& a, std::ostream& out, std::ostream& err)
{
    for (const char* o :
         {"--precio", "--variacion", "--gasoleo", "--desde", "--hasta", "--masa", "--coeficiente", "--formato"})
        if (a.Hay(o)) throw UsoIncorrecto{std::string("La opción ") + o + " no vale con --servicios."};
    if (!a.Hay("--serie")) throw UsoIncorrecto{"Con --servicios, indique la serie de precios: --serie F."};
    if (!a.Posicionales().empty()) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    const double umbral = Umbral(a);
    const SerieGasoleo serie = CargarSerie(*a.Valor("--serie"));
    const std::string ruta = *a.Valor("--servicios");
    std::error_code ec;
    if (!std::filesystem::exists(ruta, ec)) throw ErrorEjecucion(kFicheroNoEncontrado);
    // A folder or a pipe is not a list of services (and a pipe might never end).
    if (!std::filesystem::is_regular_file(ruta, ec)) throw ErrorEjecucion(kErrorAcceso);
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada) throw ErrorEjecucion(kPermisoDenegado);
    try {
        const ResumenLote r = RevisarServicios(entrada, out, err, serie, umbral);
        if (entrada.bad()) throw ErrorEjecucion(kErrorES);
        return r.erroneos > 0 ? kSalidaValidacion : kSalidaBien;
    } catch (const ErrorSerie& e) {
        throw ErrorEjecucion(kTiposNoCoinciden, ruta + ", línea " + std::to_string(e.Linea()) + ": " + e.Motivo());
    }
}

// The coefficient k, written or from the vehicle's mass.
double Coeficiente(const ArgumentosOrden& a)
{
    if (a.Hay("--masa") == a.Hay("--coeficiente")) throw UsoIncorrecto{"Indique --masa T o --coeficiente K."};
    if (const auto k = a.Numero("--coeficiente")) {
        if (!(*k > 0 && *k <= 1)) throw UsoIncorrecto{"El coeficiente debe ser mayor que 0 y no mayor que 1."};
        return *k;
    }
    const double masa = *a.Numero("--masa");
    if (!(masa > 0)) throw UsoIncorrecto{"La masa debe ser mayor que cero."};
    return CoeficienteDeClase(ClaseDeMasa(masa));
}

// The diesel variation G when written (--variacion) or from two prices
// (--gasoleo); none for --serie, whose months are given back instead.
std::optional<double> Variacion(const ArgumentosOrden& a, std::optional<Mes>& desde, std::optional<Mes>& hasta)
{
    if (const auto g = a.Numero("--variacion")) return *g;
    if (const auto p = a.Valores("--gasoleo")) {
        const double p0 = NumeroDeOpcion("--gasoleo", (*p)[0]), p1 = NumeroDeOpcion("--gasoleo", (*p)[1]);
        if (!(p0 > 0 && p1 > 0)) throw UsoIncorrecto{"Los precios del gasóleo deben ser mayores que cero."};
        return VariacionGasoleo(p0, p1);
    }
    desde = MesDeOpcion(a, "--desde");
    hasta = MesDeOpcion(a, "--hasta");
    return std::nullopt;
}

}  // namespace

int ComandoRevision(const ArgumentosOrden& a, const EntornoOrden& entorno)
{
    std::ostream& out = entorno.out;
    if (a.Hay("--servicios")) return Lote(a, out, entorno.err);
    const Formato f = LeerFormato(a.Valor("--formato").value_or("texto"));
    if (!a.Posicionales().empty()) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    const auto precio = a.Numero("--precio");
    if (!precio) throw UsoIncorrecto{"Falta el precio: --precio P."};
    if (!(*precio > 0)) throw UsoIncorrecto{"El precio debe ser mayor que cero."};
    const int fuentes = a.Hay("--variacion") + a.Hay("--gasoleo") + a.Hay("--serie");
    if (fuentes != 1) throw UsoIncorrecto{"Indique una sola de --variacion, --gasoleo o --serie."};
    if (!a.Hay("--serie") && (a.Hay("--desde") || a.Hay("--hasta")))
        throw UsoIncorrecto{"--desde y --hasta solo valen con --serie."};
    const double coeficiente = Coeficiente(a);
    const double umbral = Umbral(a);
    std::optional<Mes> desde, hasta;
    double variacion = Variacion(a, desde, hasta).value_or(0);
    try {
        if (desde) {
            const SerieGasoleo serie = CargarSerie(*a.Valor("--serie"));
            variacion = VariacionGasoleo(PrecioDeSerie(serie, *desde), PrecioDeSerie(serie, *hasta));
        }
        const RevisionCombustible r = CalcularRevision(*precio, variacion, coeficiente, umbral);
        if (f == Formato::Json) out << JsonRevision(r);
        else if (f == Formato::Csv) out << CsvRevision(r);
        else {
            std::vector<std::string> lineas;
            InformeRevision(r, lineas);
            EscribirLineas(out, lineas);
        }
        return kSalidaBien;
    } catch (const ErrorEjecucion& e) {
        if (f == Formato::Json) out << JsonError(e);
        throw;
    }
}

}  // namespace tarvelon
