// tarvelon-datos exportar: the workbook of one record.
#include <filesystem>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/CargarValidos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "cli/FicherosNombrados.h"
#include "reports/Xlsx.h"

namespace tarvelon {

namespace {

// The comparison against the reference block of the record's own type, when
// the reference file has one that calculates; looked up without a word.
std::optional<Comparacion> CompararConReferencia(const Simulacion& calculada, const Origen& origen,
                                                 const EntornoOrden& entorno)
{
    std::optional<Comparacion> comparacion;
    entorno.avisos.Callar(true);
    try {
        const ColumnaAnalizada referencia =
            ColumnaDe(Origen{std::nullopt, calculada.Tipo, origen.config}, entorno.carpetaPrograma);
        if (referencia.calculada) comparacion = Comparar(calculada, *referencia.calculada);
    } catch (const ErrorEjecucion&) {
        // No usable reference: the sheet says so.
    }
    entorno.avisos.Callar(false);
    return comparacion;
}

}  // namespace

int ComandoExportar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    Argumentos a = LeerArgumentos(argumentos, kOrigen | kVariacion | kXlsx);
    FijarOrigen(a, 0);
    // A slip of the pen must not replace a data file (the record's or the
    // reference file) with the workbook.
    const std::string referencia = a.origen.config ? *a.origen.config : RutaConfigPorDefecto(entorno.carpetaPrograma);
    for (const std::string& datos : {a.origen.fichero.value_or(referencia), referencia}) {
        std::error_code ec;
        if (std::filesystem::equivalent(a.xlsx, datos, ec))
            throw UsoIncorrecto{"El fichero de salida no puede ser el de los datos."};
    }
    std::vector<ColumnaAnalizada> r;
    if (!CargarValidos({a.origen}, Formato::Texto, entorno.carpetaPrograma, entorno.out, r)) return kSalidaValidacion;
    const Simulacion& calculada = *r[0].calculada;
    const std::optional<Comparacion> comparacion = CompararConReferencia(calculada, a.origen, entorno);
    const Sensibilidad sens = AnalizarSensibilidad(r[0].registro, a.variacion);
    try {
        GrabarXlsx(a.xlsx, calculada, comparacion ? &*comparacion : nullptr, sens);
    } catch (const ErrorEjecucion& e) {
        throw EnFichero(e, a.xlsx);
    }
    return kSalidaBien;
}

}  // namespace tarvelon
