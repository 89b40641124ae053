// tarvelon-datos flota: every vehicle of a fleet before and after a change in
// diesel price, wages, tolls, maintenance or annual km and a price on CO2.
#include <algorithm>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "cli/ListaFicheros.h"
#include "model/Errores.h"
#include "reports/InformesFlota.h"
#include "reports/Json.h"
#include "reports/VehiculoFlota.h"

namespace tarvelon {

namespace {

// The error `numero` naming the folder or list it is about.
ErrorEjecucion Nombrado(int numero, const std::string& ruta)
{
    const ErrorEjecucion e(numero);
    return ErrorEjecucion(numero, e.Descripcion() + ": «" + ruta + "»");
}

CambiosFlota LeerCambios(const ArgumentosOrden& a)
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

// The rows of the fleet, written as each file is done, and their totals.
class TablaFlota {
public:
    TablaFlota(const CambiosFlota& cambios, Formato formato, const EntornoOrden& entorno)
        : cambios_(cambios), formato_(formato), entorno_(entorno)
    {
    }

    void Fila(const std::string& ruta)
    {
        FilaSiEntonces f;
        f.fichero = ruta;
        entorno_.avisos.OlvidarError();
        VehiculoFlota v = CargarVehiculoFlota(ruta, entorno_.carpetaPrograma);
        f.tipo = v.tipo;
        if (v.fallo == FalloVehiculo::Lectura) {
            // A box the tool showed names the cause; otherwise the error is the cause.
            const auto& primero = entorno_.avisos.PrimerError();
            if (!primero) entorno_.err << v.error << '\n';
            f.error = primero ? MensajeError(*primero) : v.error;
            peor_ = kSalidaError;
        } else if (v.fallo == FalloVehiculo::Validacion) {
            f.error = v.error;
            peor_ = std::max(peor_, kSalidaValidacion);
        } else {
            Cifras(v, f);
        }
        std::ostream& out = entorno_.out;
        if (formato_ == Formato::Csv) out << CsvSiEntonces(f);
        else if (formato_ == Formato::Json) out << JsonSiEntonces(f, primera_);
        else out << TextoSiEntonces(f);
        primera_ = false;
    }

    const TotalesFlota& Antes() const { return antes_; }
    const TotalesFlota& Despues() const { return despues_; }
    int Peor() const { return peor_; }

private:
    // The record was calculated as it loaded: only the changed copy is calculated here.
    void Cifras(VehiculoFlota& v, FilaSiEntonces& f)
    {
        AplicarCambios(v, cambios_);
        if (v.fallo == FalloVehiculo::Cambios) {
            f.error = v.error;
            entorno_.err << f.error << '\n';
            peor_ = kSalidaError;
            return;
        }
        f.cifras.antes = v.antes;
        f.cifras.despues = v.despues;
        antes_.Sumar(*v.antes);
        despues_.Sumar(*v.despues);
    }

    const CambiosFlota& cambios_;
    Formato formato_;
    const EntornoOrden& entorno_;
    int peor_ = kSalidaBien;
    TotalesFlota antes_, despues_;
    bool primera_ = true;
};

}  // namespace

int ComandoFlota(const ArgumentosOrden& a, const EntornoOrden& entorno)
{
    std::ostream& out = entorno.out;
    const Formato formato = LeerFormato(a.Valor("--formato").value_or("texto"));
    const CambiosFlota cambios = LeerCambios(a);
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
        const ErrorEjecucion nombrado = lista ? Nombrado(e.Numero(), *lista) : e;
        if (formato == Formato::Json) out << JsonError(nombrado);
        throw nombrado;
    }

    TablaFlota tabla(cambios, formato, entorno);
    if (formato == Formato::Csv) out << CabeceraCsvSiEntonces();
    if (formato == Formato::Json) out << JsonInicioSiEntonces();
    for (const auto& ruta : ficheros) tabla.Fila(ruta);
    for (std::string ruta; entrada && entrada->Siguiente(ruta);) tabla.Fila(ruta);
    const TotalesFlota& antes = tabla.Antes();
    const TotalesFlota& despues = tabla.Despues();
    // JSON always closes with its totals, so that the document stays whole.
    if (formato == Formato::Json) out << JsonFinSiEntonces(antes.Total(), despues.Total());
    else if (!a.Hay("--sin-totales")) {
        if (formato == Formato::Csv) out << CsvTotalesSiEntonces(antes.Total(), despues.Total());
        else out << TextoTotalesSiEntonces(antes.Total(), despues.Total(), antes.vehiculos());
    }
    return tabla.Peor();
}

}  // namespace tarvelon
