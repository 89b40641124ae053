// tarvelon-datos flota: every vehicle of a fleet before and after a change in
// diesel price, wages, tolls, maintenance or annual km and a price on CO2.
#include "cli/ComandoFlota.h"

#include <algorithm>
#include <ostream>

#include "cli/ArgumentosOrden.h"
#include "cli/Datos.h"
#include "cli/ListaFicheros.h"
#include "model/Errores.h"
#include "reports/CargarRegistro.h"
#include "reports/InformesFlota.h"
#include "reports/Json.h"
#include "reports/VehiculoFlota.h"

namespace tarvelon {

namespace {

enum class Salida { Texto, Json, Csv };

Salida FormatoDe(const ArgumentosOrden& a)
{
    const auto f = a.Valor("--formato");
    if (!f || *f == "texto") return Salida::Texto;
    if (*f == "json") return Salida::Json;
    if (*f == "csv") return Salida::Csv;
    throw UsoIncorrecto{"Formato desconocido: " + *f + "."};
}

CambiosFlota CambiosDe(const ArgumentosOrden& a)
{
    CambiosFlota cambios;
    const std::pair<const char*, double CambiosFlota::*> porcentajes[] = {
        {"--gasoleo", &CambiosFlota::gasoleo},
        {"--salarios", &CambiosFlota::salarios},
        {"--peajes", &CambiosFlota::peajes},
        {"--mantenimiento", &CambiosFlota::mantenimiento},
        {"--km", &CambiosFlota::km}};
    for (const auto& [opcion, miembro] : porcentajes) {
        const auto v = a.Valor(opcion);
        if (!v) continue;
        const auto p = CambioPorcentaje(*v);
        if (!p)
            throw UsoIncorrecto{std::string("El cambio de ") + opcion +
                                " debe ser un número en %, de -100 en adelante."};
        cambios.*miembro = *p;
    }
    // With no km left there is no cost per km: every row would fail alike.
    if (cambios.km == -100) throw UsoIncorrecto{"El cambio de --km debe ser mayor que -100."};
    if (a.Hay("--co2")) {
        cambios.precioCo2 = NumeroDeOpcion("--co2", *a.Valor("--co2"));
        if (!(cambios.precioCo2 >= 0)) throw UsoIncorrecto{"El precio del CO2 (€/t) no puede ser negativo."};
    }
    return cambios;
}

// The rows as they are written, the totals and the exit code (the worst file's).
struct Filas {
    const CambiosFlota& cambios;
    const std::string& carpetaPrograma;
    Salida formato;
    std::ostream& out;
    std::ostream& err;
    ErroresMostrados& avisos;
    TotalesFlota antes, despues;
    int peor = kSalidaBien;
    bool primera = true;

    void Escribir(const std::string& ruta)
    {
        FilaSiEntonces f;
        f.fichero = ruta;
        avisos.OlvidarError();
        const VehiculoFlota v = CargarVehiculoFlota(ruta, carpetaPrograma);
        f.tipo = v.tipo;
        if (v.fallo == FalloVehiculo::Lectura) {
            // A box the tool showed names the cause; otherwise the error is the cause.
            if (avisos.PrimerError()) {
                f.error = MensajeError(*avisos.PrimerError());
            } else {
                err << v.error << '\n';
                f.error = v.error;
            }
            peor = kSalidaError;
        } else if (v.fallo == FalloVehiculo::Validacion) {
            f.error = v.error;
            peor = std::max(peor, kSalidaValidacion);
        } else {
            f.cifras = SiEntonces(*v.registro, cambios);
            if (f.cifras.error) {
                // The record itself calculated: it is the changed copy that failed.
                f.error = "Con los cambios: " +
                          MensajeError(ErrorEjecucion(f.cifras.error->numero, f.cifras.error->descripcion));
                err << f.error << '\n';
                peor = kSalidaError;
            } else {
                antes.Sumar(*f.cifras.antes);
                despues.Sumar(*f.cifras.despues);
            }
        }
        if (formato == Salida::Csv) out << CsvSiEntonces(f);
        else if (formato == Salida::Json) out << JsonSiEntonces(f, primera);
        else out << TextoSiEntonces(f);
        primera = false;
    }
};

int Flota(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
          std::ostream& err, ErroresMostrados& avisos)
{
    const ArgumentosOrden a(args, {{"--gasoleo", 1},
                                   {"--salarios", 1},
                                   {"--peajes", 1},
                                   {"--mantenimiento", 1},
                                   {"--km", 1},
                                   {"--co2", 1},
                                   {"--formato", 1},
                                   {"--lista", 1},
                                   {"--sin-totales", 0}});
    const Salida formato = FormatoDe(a);
    const CambiosFlota cambios = CambiosDe(a);
    const auto lista = a.Valor("--lista");
    const auto& p = a.Posicionales();
    if (lista ? !p.empty() : p.size() != 1)
        throw UsoIncorrecto{lista ? "Indique una CARPETA o --lista LISTA, no las dos."
                                  : "Número de argumentos incorrecto."};
    if (lista && lista->empty()) throw UsoIncorrecto{"El nombre del fichero de --lista está vacío."};

    // The folder is read before anything is written; the list as it goes.
    std::vector<std::string> ficheros;
    std::optional<ListaFicheros> entrada;
    try {
        if (lista) entrada.emplace(*lista);
        else ficheros = FicherosDeCarpeta(p[0]);
    } catch (const ErrorEjecucion& e) {
        // As the other commands: JSON asked for gets the error object.
        const ErrorEjecucion nombrado = lista ? EnFichero(ErrorEjecucion(e.Numero()), *lista) : e;
        if (formato == Salida::Json) out << JsonError(nombrado);
        throw nombrado;
    }

    Filas filas{cambios, carpetaPrograma, formato, out, err, avisos, {}, {}};
    if (formato == Salida::Csv) out << CabeceraCsvSiEntonces();
    if (formato == Salida::Json) out << JsonInicioSiEntonces();
    for (const auto& ruta : ficheros) filas.Escribir(ruta);
    for (std::string ruta; entrada && entrada->Siguiente(ruta);) filas.Escribir(ruta);
    const CifrasVehiculo antes = filas.antes.Total(), despues = filas.despues.Total();
    // JSON always closes with its totals, so that the document stays whole.
    if (formato == Salida::Json) out << JsonFinSiEntonces(antes, despues);
    else if (!a.Hay("--sin-totales")) {
        if (formato == Salida::Csv) out << CsvTotalesSiEntonces(antes, despues);
        else out << TextoTotalesSiEntonces(antes, despues, filas.antes.vehiculos());
    }
    return filas.peor;
}

}  // namespace

int ComandoFlota(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                 std::ostream& err, ErroresMostrados& avisos)
{
    try {
        return Flota(args, carpetaPrograma, out, err, avisos);
    } catch (const UsoIncorrecto& u) {
        err << u.motivo << '\n' << TextoUsoDatos();
        return kSalidaUso;
    }
}

std::string TextoUsoFlota()
{
    return "  tarvelon-datos flota [--gasoleo P] [--salarios P] [--peajes P] [--mantenimiento P] [--km P]\n"
           "       [--co2 EUR_T] [--formato texto|json|csv] [--sin-totales] CARPETA|--lista LISTA\n";
}

}  // namespace tarvelon
