// tarvelon-datos presupuesto: the cost of one service of KM kilometres and HORAS hours.
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "model/Numeros.h"
#include "reports/Csv.h"
#include "reports/Informes.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

// The result mode window refuses only an empty text and leaves the rest to
// the calculation; here a text that is no number is a slip in the command
// and is refused with the usage. Numbers out of range are the data checks'.
void ComprobarServicio(const TextosServicio& servicio)
{
    const std::string& km = servicio.km;
    const std::string& horas = servicio.horas;
    if (km.empty() || horas.empty())
        throw UsoIncorrecto{"Los kilómetros y las horas del servicio no pueden estar vacíos."};
    for (const auto& [texto, que] : {std::pair{km, "Los kilómetros"}, std::pair{horas, "Las horas"}}) {
        try {
            TextoANumero(texto);
        } catch (const ErrorEjecucion&) {
            throw UsoIncorrecto{std::string(que) + " del servicio han de ser un número, con coma decimal (6,5): «" +
                                texto + "» no lo es."};
        }
    }
}

}  // namespace

int ComandoPresupuesto(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    Argumentos a = LeerArgumentos(argumentos, kOrigen | kFormato | kFormatoCsv);
    FijarOrigen(a, 2);
    const TextosServicio servicio{a.posicionales[0], a.posicionales[1]};
    ComprobarServicio(servicio);
    const std::string& km = servicio.km;
    const std::string& horas = servicio.horas;
    auto escribir = [&](const Simulacion& r, std::vector<std::string>& l) { InformePresupuesto(r, km, horas, l); };
    if (a.formato == Formato::Texto) {
        Simulacion s = CargarRegistro(a.origen, entorno.carpetaPrograma);
        return Informar(s, entorno.out, escribir, &servicio);
    }
    return ConErrorJson(a.formato, entorno.out, entorno.avisos, [&] {
        Simulacion s = CargarRegistro(a.origen, entorno.carpetaPrograma);
        return InformarExportado(
            s, a.formato, entorno.out, escribir,
            [&](const Simulacion& r, const std::vector<std::string>& lineas) {
                const auto conceptos = ConceptosPresupuesto(r, km, horas);
                return a.formato == Formato::Json ? JsonInforme(r, lineas, &conceptos) : CsvPresupuesto(conceptos);
            },
            &servicio);
    });
}

}  // namespace tarvelon
