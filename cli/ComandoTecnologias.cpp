// tarvelon-datos tecnologias: whole-life cost, break-even and CO2 by technology.
#include "cli/ComandoTecnologias.h"

#include <ctime>
#include <filesystem>
#include <ostream>

#include "cli/ArgumentosOrden.h"
#include "cli/Datos.h"
#include "reports/CargarRegistro.h"
#include "data/Ficheros.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/CalcularInforme.h"
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

int Tecnologias(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out)
{
    const ArgumentosOrden a(args, {{"--escenario", 1}, {"--tipo", 1}, {"--config", 1}, {"--formato", 1}});
    const auto f = a.Valor("--formato");
    if (f && *f != "texto" && *f != "json" && *f != "csv") throw UsoIncorrecto{"Formato desconocido: " + *f + "."};
    const bool json = f && *f == "json", csv = f && *f == "csv";
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
            else
                for (const auto& l : r.lineas) out << l << '\n';
            return kSalidaValidacion;
        }
        if (r.error) throw *r.error;
        if (json) out << JsonTecnologias(resultado);
        else if (csv) out << CsvTecnologias(resultado);
        else
            for (const auto& l : r.lineas) out << l << '\n';
        return kSalidaBien;
    } catch (const ErrorEjecucion& e) {
        if (json) out << JsonError(e);
        throw;
    }
}

}  // namespace

int ComandoTecnologias(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                       std::ostream& err)
{
    try {
        return Tecnologias(args, carpetaPrograma, out);
    } catch (const UsoIncorrecto& u) {
        err << u.motivo << '\n' << TextoUsoDatos();
        return kSalidaUso;
    }
}

}  // namespace tarvelon
