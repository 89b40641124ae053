// tarvelon-datos informe: the annual report of one record (text or JSON), or
// the fleet table of several (CSV), a row per file.
#include <optional>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "cli/ListaFicheros.h"
#include "reports/CargarRegistro.h"
#include "reports/Csv.h"
#include "reports/Informes.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

// One row of the fleet table; answers the row's exit code.
int FilaInforme(const Origen& o, const EntornoOrden& entorno)
{
    FilaFlota fila;
    fila.fichero = o.tipo ? (o.config ? *o.config : RutaConfigPorDefecto(entorno.carpetaPrograma)) : *o.fichero;
    entorno.avisos.OlvidarError();
    int codigo = kSalidaBien;
    try {
        Simulacion s = CargarRegistro(o, entorno.carpetaPrograma);
        fila.tipo = s.Tipo;
        // The report sequence without a report: only the figures go to the table.
        const ResultadoInforme r =
            CalcularInforme(s, SeguroDesdeRegistro(s), [](const Simulacion&, std::vector<std::string>&) {});
        if (r.error) throw *r.error;
        if (r.noValido) {
            for (const auto& m : r.lineas)
                if (!m.empty()) fila.error += (fila.error.empty() ? "" : " | ") + m;
            codigo = kSalidaValidacion;
        } else {
            fila.calculada = std::move(s);
        }
    } catch (const ErrorEjecucion& e) {
        const auto& primero = entorno.avisos.PrimerError();
        if (!primero) entorno.err << MensajeError(e) << '\n';
        fila.error = MensajeError(primero ? *primero : e);
        codigo = kSalidaError;
    }
    entorno.out << FilaCsvFlota(fila);
    return codigo;
}

// The fleet table: one row per file (or the --tipo record), written as each
// file is done; a failing file keeps its row with the reason, and the exit
// code is the worst file's.
int InformeFlota(const Argumentos& a, const EntornoOrden& entorno)
{
    if (a.origen.tipo && (!a.posicionales.empty() || a.lista))
        throw UsoIncorrecto{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
    if (!a.origen.tipo && a.posicionales.empty() && !a.lista) throw UsoIncorrecto{"Número de argumentos incorrecto."};
    std::optional<ListaFicheros> lista;
    if (a.lista) lista.emplace(*a.lista);
    int peor = kSalidaBien;
    entorno.out << CabeceraCsvFlota();
    if (a.origen.tipo) peor = std::max(peor, FilaInforme(a.origen, entorno));
    for (const auto& f : a.posicionales) peor = std::max(peor, FilaInforme(Origen{f, {}, {}}, entorno));
    for (std::string ruta; lista && lista->Siguiente(ruta);)
        peor = std::max(peor, FilaInforme(Origen{ruta, {}, {}}, entorno));
    return peor;
}

void EscribirInforme(bool detallado, const Simulacion& r, std::vector<std::string>& l)
{
    if (detallado) InformeDetallado(r, l);
    else InformeResumen(r, l);
}

}  // namespace

int ComandoInforme(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    Argumentos a = LeerArgumentos(argumentos, kOrigen | kInforme | kFormato | kFormatoCsv | kLista);
    if (a.lista && a.formato == Formato::Json)
        throw UsoIncorrecto{"La opción --lista solo vale para la tabla de flota."};
    if (a.formato == Formato::Csv || a.lista) return InformeFlota(a, entorno);
    FijarOrigen(a, 0);
    const bool detallado = a.detallado;
    auto escribir = [detallado](const Simulacion& r, std::vector<std::string>& l) { EscribirInforme(detallado, r, l); };
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, entorno.carpetaPrograma);
        if (a.detallado) return Informar(s, entorno.out, [](const Simulacion& r, auto& l) { InformeDetallado(r, l); });
        return Informar(s, entorno.out, [](const Simulacion& r, auto& l) { InformeResumen(r, l); });
    }
    return ConErrorJson(a.formato, entorno.out, entorno.avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, entorno.carpetaPrograma);
        return InformarExportado(s, a.formato, entorno.out, escribir,
                                 [](const Simulacion& r, const auto& lineas) { return JsonInforme(r, lineas); });
    });
}

}  // namespace tarvelon
