// The diesel series and the services list on arbitrary bytes. The input is
// the series, then "\n\n\n" and the list. A series is refused with a line
// that exists, or read and written back the same; the list revises or
// reports every line once; an amount read by the plain path is the value the
// general conversion gives. The whole input is also read as a technologies
// reference file (an error names a line of it) and as a scenario (refused
// without a change, or written and read back the same).

#include <sstream>

#include "ApoyoFuzz.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "model/ReferenciaTecnologias.h"
#include "model/SerieGasoleo.h"
#include "reports/InformesTecnologias.h"
#include "reports/RevisionLote.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano)
{
    const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
    const size_t corte = entrada.find("\n\n\n");
    const std::string_view textoSerie = entrada.substr(0, corte);
    const std::string_view servicios = corte == std::string_view::npos ? std::string_view() : entrada.substr(corte + 3);

    SerieGasoleo serie = SerieGasoleo::Leer("2024-01;1,40\n2024-02;1,47\n");
    try {
        const SerieGasoleo leida = SerieGasoleo::Leer(textoSerie);
        // Written back, each price keeps 15 significant digits, as the saved files.
        auto esperado = leida.Precios();
        for (auto& [mes, precio] : esperado) precio = TextoANumero(NumeroATexto(precio));
        if (SerieGasoleo::Leer(leida.Texto()).Precios() != esperado) Fallo("la serie no se relee igual");
        serie = leida;
    } catch (const ErrorSerie& e) {
        const auto lineas = std::count(textoSerie.begin(), textoSerie.end(), '\n') + 1;
        if (e.Linea() < 1 || e.Linea() > lineas) Fallo("línea del error fuera del fichero", e.what());
    }

    std::istringstream lista{std::string(servicios)};
    std::ostringstream salida, errores;
    try {
        const ResumenLote r = RevisarServicios(lista, salida, errores, serie);
        const auto lineas = std::count(servicios.begin(), servicios.end(), '\n') + 1;
        if (r.revisados + r.erroneos > lineas - 1) Fallo("más servicios que líneas");
        const std::string s = salida.str();
        if (std::count(s.begin(), s.end(), '\n') < r.revisados + 2) Fallo("faltan líneas en la salida");
        const std::string e = errores.str();
        if (std::count(e.begin(), e.end(), '\n') != r.erroneos) Fallo("líneas malas sin aviso", e);
    } catch (const ErrorSerie&) {
        // No header: nothing written, which is the point.
    }

    // Each field of the input as an amount.
    for (size_t i = 0; i < entrada.size();) {
        const size_t fin = std::min(entrada.find_first_of(";\n", i), entrada.size());
        const std::string_view campo = entrada.substr(i, fin - i);
        i = fin + 1;
        double a = 0;
        try {
            a = LeerImporte(campo);
        } catch (const ErrorEjecucion&) {
            continue;
        }
        const double b = TextoANumero(campo);
        if (!(a == b || (std::isnan(a) && std::isnan(b)))) Fallo("importe distinto de la conversión general", campo);
    }
    try {
        LeerReferenciaTecnologias(entrada);
    } catch (const ErrorReferencia& e) {
        const auto lineas = std::count(entrada.begin(), entrada.end(), '\n') + 1;
        if (e.Linea() < 1 || e.Linea() > lineas) Fallo("línea de la referencia fuera del fichero", e.what());
    }
    EscenarioTecnologias escenario;
    escenario.tecnologias = {EntradaTecnologia{kDiesel}, EntradaTecnologia{kGnl}};
    const std::string antes = EscenarioAJson(escenario);
    try {
        LeerEscenarioTecnologias(entrada, escenario);
        const std::string leido = EscenarioAJson(escenario);
        LeerEscenarioTecnologias(leido, escenario);
        if (EscenarioAJson(escenario) != leido) Fallo("el escenario no se relee igual", leido);
    } catch (const ErrorEscenario&) {
        if (EscenarioAJson(escenario) != antes) Fallo("un escenario rechazado cambió el de partida");
    }
    // The CO2 price path of the technologies tab: once written (15 significant
    // digits), it reads and writes back the same.
    try {
        const std::string texto = CaminoCo2ATexto(LeerCaminoCo2(entrada));
        if (CaminoCo2ATexto(LeerCaminoCo2(texto)) != texto) Fallo("el precio del CO2 no se relee igual", texto);
    } catch (const ErrorEjecucion&) {
        // Refused with its reason: the window shows it.
    }
    return 0;
}
