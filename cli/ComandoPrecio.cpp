// tarvelon-datos precio: the offered price of one service against the cost
// that the budget gives for its kilometres and hours.
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/PrecioServicio.h"
#include "reports/CalcularInforme.h"
#include "reports/CargarRegistro.h"
#include "reports/InformesPrecio.h"
#include "reports/Json.h"

namespace tarvelon {

int ComandoPrecio(const ArgumentosOrden& a, const EntornoOrden& entorno)
{
    const std::string& carpetaPrograma = entorno.carpetaPrograma;
    std::ostream& out = entorno.out;
    const Formato formato = LeerFormato(a.Valor("--formato").value_or("texto"));
    const auto precio = a.Numero("--precio");
    if (!precio) throw UsoIncorrecto{"Falta el precio: --precio P."};
    if (!(*precio > 0)) throw UsoIncorrecto{"El precio debe ser mayor que cero."};
    const auto margen = a.Numero("--margen");
    if (margen && !(*margen >= 0 && *margen < kMargenMaximo))
        throw UsoIncorrecto{"El margen objetivo debe estar entre 0 y menos de 100."};
    const auto tipo = a.Valor("--tipo");
    const auto config = a.Valor("--config");
    if (config && !tipo) throw UsoIncorrecto{"La opción --config solo vale junto con --tipo."};
    if (tipo && tipo->empty()) throw UsoIncorrecto{"El nombre del tipo de vehículo está vacío."};
    const auto& p = a.Posicionales();
    if (p.size() != (tipo ? 2u : 3u)) {
        if (tipo && p.size() == 3) throw UsoIncorrecto{"Indique un FICHERO o --tipo NOMBRE, no los dos."};
        throw UsoIncorrecto{"Número de argumentos incorrecto."};
    }
    const std::string& km = p[0];
    const std::string& horas = p[1];
    if (km.empty() || horas.empty())
        throw UsoIncorrecto{"Los kilómetros y las horas del servicio no pueden estar vacíos."};

    try {
        Simulacion s =
            CargarRegistro(tipo ? Origen{std::nullopt, tipo, config} : Origen{p[2], {}, {}}, carpetaPrograma);
        PrecioServicio resultado;
        const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), [&](const Simulacion& c, auto& lineas) {
            resultado = CalcularPrecioServicio(c, km, horas, *precio, margen);
            InformePrecio(resultado, lineas);
        });
        if (r.noValido) {
            if (formato == Formato::Json) out << JsonErrores(r.lineas);
            else EscribirLineas(out, r.lineas);
            return kSalidaValidacion;
        }
        if (r.error) throw *r.error;
        if (formato == Formato::Json) out << JsonPrecio(resultado);
        else if (formato == Formato::Csv) out << CsvPrecio(resultado);
        else EscribirLineas(out, r.lineas);
        return kSalidaBien;
    } catch (const ErrorEjecucion& e) {
        if (formato == Formato::Json) out << JsonError(e);
        throw;
    }
}

}  // namespace tarvelon
