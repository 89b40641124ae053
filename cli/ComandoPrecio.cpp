// tarvelon-datos precio: the offered price of one service against the cost
// that the budget gives for its kilometres and hours.
#include <ostream>

#include "cli/ArgumentosOrden.h"
#include "cli/ComandosPrecio.h"
#include "cli/Datos.h"
#include "reports/CargarRegistro.h"
#include "data/Ficheros.h"
#include "model/PrecioServicio.h"
#include "reports/CalcularInforme.h"
#include "reports/InformesPrecio.h"
#include "reports/Json.h"

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

void Escribir(std::ostream& out, const std::vector<std::string>& lineas)
{
    for (const auto& l : lineas) out << l << '\n';
}

int Precio(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out)
{
    const ArgumentosOrden a(args, {{"--precio", 1}, {"--margen", 1}, {"--tipo", 1}, {"--config", 1}, {"--formato", 1}});
    const Salida formato = FormatoDe(a);
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
    const std::string km = p[0], horas = p[1];
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
            if (formato == Salida::Json) out << JsonErrores(r.lineas);
            else Escribir(out, r.lineas);
            return kSalidaValidacion;
        }
        if (r.error) throw *r.error;
        if (formato == Salida::Json) out << JsonPrecio(resultado);
        else if (formato == Salida::Csv) out << CsvPrecio(resultado);
        else Escribir(out, r.lineas);
        return kSalidaBien;
    } catch (const ErrorEjecucion& e) {
        if (formato == Salida::Json) out << JsonError(e);
        throw;
    }
}

}  // namespace

int ComandoPrecio(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err)
{
    try {
        return Precio(args, carpetaPrograma, out);
    } catch (const UsoIncorrecto& u) {
        err << u.motivo << '\n' << TextoUsoDatos();
        return kSalidaUso;
    }
}

std::string TextoUsoPrecio()
{
    return "  tarvelon-datos precio --precio P [--margen M] [--formato texto|json|csv] KM HORAS FICHERO\n"
           "  tarvelon-datos revision --precio P (--variacion G | --gasoleo P0 P1 |\n"
           "      --serie F --desde AAAA-MM --hasta AAAA-MM) (--masa T | --coeficiente K)\n"
           "      [--umbral U] [--formato texto|json|csv]\n"
           "  tarvelon-datos revision --servicios SERVICIOS.csv --serie F [--umbral U]\n";
}

}  // namespace tarvelon
