// The analysis commands and output formats of tarvelon-datos, run as the user
// runs them: exit codes, what reaches stdout and stderr, the fleet table.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "data/Ficheros.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

using namespace tarvelon::pruebas;
using nlohmann::json;
using Args = std::vector<std::string>;

const std::string kError = "Se ha producido el error nº ";

void Guardar(const std::string& ruta, const Simulacion& s)
{
    AvisadorGrabador avisos;
    ASSERT_TRUE(GrabarLineas(ruta, s.ToArray(), avisos));
}

TEST(DatosAnalisis, CodigosDeSalidaYTablaDeFlota)
{
    CarpetaTemporal c;
    const std::string f = c.Fichero("bueno.txt"), malo = c.Fichero("malo.txt"), falta = c.Fichero("falta.txt"),
                      xlsx = c.Fichero("libro.xlsx"), tipo = EjemploTrabajado().Tipo;
    Guardar(f, EjemploTrabajado());
    Guardar(malo, Cambiado(EjemploTrabajado(), "KilometrajeAnual=0 ServiciosDiarios=-1"));
    // Arguments, exit code, what stdout begins with, what stderr begins with ("" = empty).
    const std::tuple<Args, int, std::string, std::string> casos[] = {
        {{"informe", "--formato", "json", f}, 0, "{\n  \"registro\": {\n    \"Tipo\": ", ""},
        {{"informe", "--formato", "json", malo}, 1, "{\n  \"errores\": [", ""},
        {{"informe", "--formato", "json", falta}, 2, "{\n  \"error\": {\n    \"numero\": 53,", kError + "53"},
        {{"presupuesto", "--formato", "csv", "100", "2", f}, 0, "\xEF\xBB\xBFSección;Concepto;Importe\r\n", ""},
        {{"presupuesto", "--formato", "json", "100", "dos", f}, 2, "{\n  \"error\": {\n    \"numero\": 13,", kError},
        {{"comparar", f, "--tipo", tipo, "--config", f}, 0, "          Comparación de costes\n", ""},
        {{"comparar", "--formato", "json", f, malo}, 1, "{\n  \"errores\": [", ""},
        {{"comparar", f, falta}, 2, "", kError + "53"},
        {{"sensibilidad", "--variacion", "12,5", f}, 0, "          " + tipo + "\n", ""},
        {{"sensibilidad", malo}, 1, "\nError en Kilometros Anuales\n", ""},
        {{"exportar", "--xlsx", xlsx, f}, 0, "", ""},
        {{"exportar", "--xlsx", c.Fichero("no/existe.xlsx"), f}, 2, "", kError + "76"},
        // Wrong arguments: the Spanish usage text, nothing from the parser.
        {{"informe", "--formato", "xml", f}, 64, "", "Formato desconocido: xml.\nUso:\n"},
        {{"informe", "--formato", "json", f, f}, 64, "", "Número de argumentos incorrecto.\nUso:\n"},
        {{"sensibilidad", "--variacion", "51", f}, 64, "", "La variación debe estar entre 1 y 50.\nUso:\n"},
        {{"sensibilidad", "--variacion"}, 64, "", "Falta el valor"},
        {{"exportar", f}, 64, "", "Falta el fichero de salida de --xlsx.\nUso:\n"},
        {{"exportar", "--xlsx", f, f}, 64, "", "El fichero de salida no puede ser el de los datos."},
        {{"exportar", "--xlsx", xlsx, "--formato", "json", f}, 64, "", "Opción desconocida: --formato.\nUso:\n"},
        {{"presupuesto", "-5", "2", f}, 0, "", ""},  // a leading "-" is data, as before
    };
    for (const auto& [args, codigo, out, err] : casos) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, codigo) << r.err;
        EXPECT_EQ(r.out.substr(0, out.size()), out);
        EXPECT_EQ(err.empty() ? r.err : r.err.substr(0, err.size()), err);
        EXPECT_EQ(r.err.find("\nUso:\n  tarvelon-datos tipos") != std::string::npos, codigo == 64);
        EXPECT_TRUE(out.empty() || out[0] != '{' || json::accept(r.out)) << r.out;
    }
    EXPECT_TRUE(std::filesystem::exists(xlsx));
    EXPECT_FALSE(std::filesystem::exists(c.Fichero("no")));

    // The fleet table: one row per file in the order given; a bad file keeps
    // its row with the reason, and the exit code is the worst file's.
    const std::string a = c.Fichero("a;1.txt"), b = c.Fichero("b.txt");
    Guardar(a, EjemploTrabajado());
    Guardar(b, Cambiado(EjemploTrabajado(), "KilometrajeAnual=60000"));
    Guardar(malo, Cambiado(EjemploTrabajado(), "KilometrajeAnual=0 ServiciosDiarios=-1"));
    const Salida r = Ejecutar({"informe", "--formato", "csv", a, malo, b});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> filas;
    for (size_t i = 0, p; (p = r.out.find("\r\n", i)) != std::string::npos; i = p + 2)
        filas.push_back(r.out.substr(i, p - i));
    ASSERT_EQ(filas.size(), 4u);
    EXPECT_EQ(filas[0].substr(0, 39), std::string("\xEF\xBB\xBF") + "Fichero;Tipo;CosteAnualAmortizacion;");
    EXPECT_EQ(filas[0].substr(filas[0].size() - 25), ";CostesFijosPorHora;Error");
    EXPECT_EQ(filas[1].rfind("\"" + a + "\";" + EjemploTrabajado().Tipo + ";", 0), 0u);
    EXPECT_EQ(filas[2], malo + ";" + EjemploTrabajado().Tipo + std::string(28, ';') +
                            "Error en Kilometros Anuales | Error en Servicios Diarios");
    EXPECT_EQ(filas[3].rfind(b + ";", 0) + filas[3].back(), 0u + ';');  // good rows leave Error empty

    const Salida peor = Ejecutar({"informe", "--formato", "csv", malo, falta, a});
    EXPECT_EQ(peor.codigo, 2);
    EXPECT_EQ(peor.err.rfind(kError + "53", 0), 0u) << peor.err;
    EXPECT_NE(peor.out.find("falta.txt;;" + std::string(27, ';') + kError + "53"), std::string::npos) << peor.out;
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
