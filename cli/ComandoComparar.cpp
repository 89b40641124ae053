// tarvelon-datos comparar: each result of one record beside another's.
#include <filesystem>
#include <ostream>

#include "cli/Argumentos.h"
#include "cli/CargarValidos.h"
#include "cli/Comandos.h"
#include "cli/Datos.h"
#include "reports/Csv.h"
#include "reports/InformesAnalisis.h"
#include "reports/Json.h"

namespace tarvelon {

namespace {

// A file side goes by its file name; by the whole path when both names are alike.
void NombrarLados(const Argumentos& a, Comparacion& c)
{
    std::string nombres[2];
    for (size_t i = 0; i < 2; ++i)
        if (!a.lados[i].first) nombres[i] = std::filesystem::path(a.lados[i].second).filename().string();
    if (!nombres[0].empty() && nombres[0] == nombres[1])
        for (size_t i = 0; i < 2; ++i) nombres[i] = a.lados[i].second;
    c.nombreA = nombres[0];
    c.nombreB = nombres[1];
}

}  // namespace

int ComandoComparar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno)
{
    const Argumentos a = LeerArgumentos(argumentos, kOrigen | kDosTipos | kFormato | kFormatoCsv);
    if (a.lados.size() != 2) throw UsoIncorrecto{"Indique dos registros, cada uno FICHERO o --tipo NOMBRE."};
    std::vector<Origen> origenes;
    for (const auto& [esTipo, valor] : a.lados)
        origenes.push_back(esTipo ? Origen{std::nullopt, valor, a.origen.config} : Origen{valor, {}, {}});
    std::ostream& out = entorno.out;
    return ConErrorJson(a.formato, out, entorno.avisos, [&] {
        std::vector<ColumnaAnalizada> r;
        if (!CargarValidos(origenes, a.formato, entorno.carpetaPrograma, out, r)) return kSalidaValidacion;
        Comparacion c = Comparar(*r[0].calculada, *r[1].calculada);
        NombrarLados(a, c);
        if (a.formato == Formato::Json) out << JsonComparacion(c);
        else if (a.formato == Formato::Csv) out << CsvComparacion(c);
        else {
            std::vector<std::string> lineas;
            InformeComparacion(c, lineas);
            EscribirLineas(out, lineas);
        }
        return kSalidaBien;
    });
}

}  // namespace tarvelon
