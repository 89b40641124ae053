// tarvelon-datos tecnologias: whole-life cost, break-even and CO2 by technology.
#include <ctime>
#include <filesystem>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/CalcularInforme.h"
#include "reports/CargarRegistro.h"
#include "reports/InformesTecnologias.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

int AnioActual()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

// A file's whole text; a failure names the file.
std::string LeerNombrado(const std::string& ruta)
{
    try {
        return LeerFicheroEntero(ruta);
    } catch (const ErrorEjecucion& e) {
        throw ErrorEjecucion(e.Numero(), e.Descripcion() + ": «" + ruta + "»");
    }
}

// The reference columns, or a run-time error naming the file and the line.
std::vector<EntradaTecnologia> CargarReferencia(const std::string& carpetaPrograma)
{
    const std::string ruta = (std::filesystem::path(carpetaPrograma) / kReferenciaTecnologias).string();
    const std::string contenido = LeerNombrado(ruta);
    try {
        return LeerReferenciaTecnologias(contenido);
    } catch (const ErrorReferencia& e) {
        throw ErrorEjecucion(kTiposNoCoinciden, ruta + ", " + e.what());
    }
}

}  // namespace

int ComandoTecnologias(const ArgumentosOrden& a, const EntornoOrden& entorno)
{
    const std::string& carpetaPrograma = entorno.carpetaPrograma;
    std::ostream& out = entorno.out;
    const Formato formato = LeerFormato(a.Valor("--formato").value_or("texto"));
    const bool json = formato == Formato::Json, csv = formato == Formato::Csv;
    const auto tipo = a.Valor("--tipo");
    const auto config = a.Valor("--config");
    if (config && !tipo) throw UsoIncorrecto{"La opción --config solo vale junto con --tipo."};
    if (tipo && tipo->empty()) throw UsoIncorrecto{"El nombre del tipo de vehículo está vacío."};
    const auto& p = a.Posicionales();
    if (p.size() != (tipo ? 0u : 1u)) {
        if (tipo && p.size() == 1) throw UsoIncorrecto{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
        throw UsoIncorrecto{"Número de argumentos incorrecto."};
    }
    try {
        Simulacion s =
            CargarRegistro(tipo ? Origen{std::nullopt, tipo, config} : Origen{p[0], {}, {}}, carpetaPrograma);
        const std::vector<EntradaTecnologia> referencia = CargarReferencia(carpetaPrograma);
        CosteVidaTecnologias resultado;
        const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), [&](const Simulacion& c, auto& lineas) {
            EscenarioTecnologias e;
            e.tecnologias = ColumnasDelRegistro(c, referencia);
            if (const auto ruta = a.Valor("--escenario")) {
                try {
                    LeerEscenarioTecnologias(LeerNombrado(*ruta), e);
                } catch (const ErrorEscenario& x) {
                    throw ErrorEjecucion(kTiposNoCoinciden, *ruta + ": " + x.what());
                }
            }
            resultado = CalcularTecnologias(c, e, AnioActual());
            InformeTecnologias(resultado, lineas);
        });
        if (r.noValido) {
            if (json) out << JsonErrores(r.lineas);
            else EscribirLineas(out, r.lineas);
            return kSalidaValidacion;
        }
        if (r.error) throw *r.error;
        if (json) out << JsonTecnologias(resultado);
        else if (csv) out << CsvTecnologias(resultado);
        else EscribirLineas(out, r.lineas);
        return kSalidaBien;
    } catch (const ErrorEjecucion& e) {
        if (json) out << JsonError(e);
        throw;
    }
}

}  // namespace tarvelon
