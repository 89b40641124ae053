// tarvelon-datos sensibilidad: which inputs move the cost per km most.
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/CargarValidos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "reports/Csv.h"
#include "reports/InformesAnalisis.h"
#include "reports/Json.h"

namespace tarvelon {

int ComandoSensibilidad(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    Argumentos a = LeerArgumentos(argumentos, kOrigen | kVariacion | kFormato | kFormatoCsv);
    FijarOrigen(a, 0);
    std::ostream& out = entorno.out;
    return ConErrorJson(a.formato, out, entorno.avisos, [&] {
        std::vector<ColumnaAnalizada> r;
        if (!CargarValidos({a.origen}, a.formato, entorno.carpetaPrograma, out, r)) return kSalidaValidacion;
        const Sensibilidad sens = AnalizarSensibilidad(r[0].registro, a.variacion);
        if (a.formato == Formato::Json) out << JsonSensibilidad(sens);
        else if (a.formato == Formato::Csv) out << CsvSensibilidad(sens);
        else {
            std::vector<std::string> lineas;
            InformeSensibilidad(r[0].registro, sens, lineas);
            EscribirLineas(out, lineas);
        }
        return kSalidaBien;
    });
}

}  // namespace tarvelon
