// tarvelon-datos flota: every vehicle of a fleet before and after a change in
// diesel price, wages, tolls, maintenance or annual km and a price on CO2.
#include <algorithm>
#include <filesystem>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "cli/ListaFicheros.h"
#include "cli/Origen.h"
#include "model/Errores.h"
#include "reports/CalcularInforme.h"
#include "reports/InformesFlota.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

// The error `numero` naming the folder or list it is about.
ErrorEjecucion Nombrado(int numero, const std::string& ruta)
{
    const ErrorEjecucion e(numero);
    return ErrorEjecucion(numero, e.Descripcion() + ": «" + ruta + "»");
}

// The regular files of a folder sorted by name, not its subfolders.
std::vector<std::string> FicherosDeCarpeta(const std::string& carpeta)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(carpeta, ec))
        throw Nombrado(std::filesystem::exists(carpeta, ec) ? kErrorAcceso : kFicheroNoEncontrado, carpeta);
    std::vector<std::string> r;
    std::filesystem::directory_iterator it(carpeta, ec), fin;
    if (ec) throw Nombrado(kPermisoDenegado, carpeta);
    for (; it != fin; it.increment(ec)) {
        if (it->is_regular_file(ec)) r.push_back(it->path().string());
    }
    if (ec) throw Nombrado(kErrorES, carpeta);
    std::sort(r.begin(), r.end());
    return r;
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
        try {
            Calcular(f);
        } catch (const ErrorEjecucion& e) {
            const auto& primero = entorno_.avisos.PrimerError();
            const ErrorEjecucion& causa = primero ? *primero : e;
            if (!primero) entorno_.err << MensajeError(e) << '\n';
            f.error = MensajeError(causa);
            peor_ = kSalidaError;
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
    void Calcular(FilaSiEntonces& f)
    {
        Simulacion s = CargarRegistro(Origen{f.fichero, std::nullopt, std::nullopt}, entorno_.carpetaPrograma);
        f.tipo = s.Tipo;
        Simulacion validada = s;
        const ResultadoInforme r =
            CalcularInforme(validada, SeguroDesdeRegistro(s), [](const Simulacion&, std::vector<std::string>&) {});
        if (r.error) throw *r.error;
        if (r.noValido) {
            for (const auto& m : r.lineas)
                if (!m.empty()) f.error += (f.error.empty() ? "" : " | ") + m;
            peor_ = std::max(peor_, kSalidaValidacion);
            return;
        }
        f.cifras = SiEntonces(s, cambios_);
        if (f.cifras.error) {
            // The record itself calculated just above: it is the changed copy that failed.
            f.error =
                "Con los cambios: " + MensajeError(ErrorEjecucion(f.cifras.error->numero, f.cifras.error->descripcion));
            entorno_.err << f.error << '\n';
            peor_ = kSalidaError;
        } else {
            antes_.Sumar(*f.cifras.antes);
            despues_.Sumar(*f.cifras.despues);
        }
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
