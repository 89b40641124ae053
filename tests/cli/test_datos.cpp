// tarvelon-datos run as the user runs it: exit code, stdout and stderr of each
// command, against a golden file checked by hand.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/Ficheros.h"
#include "data/Texto.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

using namespace tarvelon::pruebas;
using Lineas = std::vector<std::string>;

// The record's 86 lines as stored, the line of `clave` replaced by `linea`.
std::string Cifrado(const Simulacion& s, const std::string& clave = "", const std::string& linea = "")
{
    const TablaLineas t = s.ToArray();
    std::string bytes;
    for (int i = 1; i <= t.UltimaFila(); ++i)
        bytes += CodificarLinea(Utf8ACp1252(t.Clave(i) == clave + "=" ? linea : t.Linea(i))) + "\r\n";
    return bytes;
}

// Exit 0 with the report, 1 with the validation messages, 2 with the error
// message on stderr, 64 with the usage text. The scratch folder is written as
// <carpeta> in the golden file.
TEST(Datos, SalidasComoElFicheroDorado)
{
    CarpetaTemporal c;
    auto f = [&c](const char* nombre) { return c.Fichero(nombre); };
    // The worked example with the insurance the record itself carries.
    const Simulacion ejemplo = Cambiado(EjemploTrabajado(),
                                        "TipoSeguro=2 CFSeguroObligatorioYTerceros=3000 CFSeguroMercancia=600 "
                                        "CFResponsabilidadCivil=400");
    const std::string tipo = ejemplo.Tipo, bueno = f("bueno.txt"), malo = f("malo.txt"), falta = f("falta.txt");
    EscribirBytes(bueno, Cifrado(ejemplo));
    EscribirBytes(f("b;2.txt"), Cifrado(Cambiado(ejemplo, "KilometrajeAnual=60000 CFTAE=0")));
    EscribirBytes(malo, Cifrado(Cambiado(ejemplo, "KilometrajeAnual=0 ServiciosDiarios=-1")));
    EscribirBytes(f("sin_tae.txt"), Cifrado(ejemplo, "CFTAE", "CFTAE="));
    // KilometrajeAnual moved to the very end, with no CR LF after it.
    EscribirBytes(f("ultima.txt"), Cifrado(ejemplo, "KilometrajeAnual") + CodificarLinea("KilometrajeAnual=120000"));
    // CR LF and LF ends, a byte-order mark, an empty line, Windows-1252 letters.
    EscribirBytes(f("serie.csv"), "mes;euros_litro\r\n2024-01;1,40\r\n2024-03;1,47\r\n");
    EscribirBytes(f("serie_mala.csv"), "2024-01;1,40\r\n2024-03;1.47\r\n");
    EscribirBytes(f("servicios.csv"), "referencia;fecha_contrato;fecha_servicio;precio;masa_t\r\nA;2024-01-02;"
                                      "2024-03-31;1.000,00;40\r\nB;2024-01-02;2024-02-30;500;12\r\nC;2024-03-01;"
                                      "2024-01-01;2.500,5;12\r\n");
    EscribirBytes(f("plano.txt"), "\xEF\xBB\xBFTipo=Camión frigorífico\r\nCFTAE=1=2\n\nPrecio=12,5 €\r\nÑandú");
    const Lineas casos[] = {
        {"cifrar", f("plano.txt"), f("cifrado.txt")},
        {"descifrar", f("cifrado.txt")},
        {"tipos", f("cifrado.txt")},
        {"informe", "--detallado", bueno},
        {"informe", f("ultima.txt")},
        {"informe", "--config", bueno, "--tipo", tipo},
        {"presupuesto", "100", "2", bueno},
        {"presupuesto", "-5", "-dos", bueno},  // a leading "-" is data
        {"informe", "--detallado", malo},
        {"presupuesto", "10", "1", malo},
        {"informe", "--detallado", f("sin_tae.txt")},
        {"informe", "--tipo", "Otro", "--config", bueno},
        {"informe", falta},
        {"informe", c.Ruta().string()},
        {"descifrar", "/dev/zero"},
        {"tipos", falta},
        {"cifrar", bueno, f("no/existe/salida.txt")},
        {"informe", "--formato", "json", bueno},
        {"informe", "--formato", "json", malo},
        {"informe", "--formato", "json", falta},
        {"informe", "--formato", "csv", bueno, malo, f("b;2.txt")},
        {"informe", "--formato", "csv", malo, falta, bueno},
        {"presupuesto", "--formato", "csv", "100", "2", bueno},
        {"presupuesto", "--formato", "json", "12,5", "6,5", bueno},
        {"presupuesto", "--formato", "json", "100", "dos", bueno},
        {"comparar", bueno, "--tipo", tipo, "--config", f("b;2.txt")},
        {"comparar", "--formato", "csv", f("b;2.txt"), bueno},
        {"comparar", "--formato", "json", bueno, malo},
        {"comparar", bueno, falta},
        {"sensibilidad", "--variacion", "12,5", bueno},
        {"sensibilidad", "--formato", "json", f("b;2.txt")},
        {"sensibilidad", "--formato", "csv", "--variacion", "50", bueno},
        {"sensibilidad", malo},
        {"exportar", "--xlsx", f("libro.xlsx"), bueno},
        {"exportar", "--xlsx", f("no/existe.xlsx"), bueno},
        // Wrong arguments: the Spanish usage text, nothing from the parser.
        {},
        {"calcular", bueno},
        {"informe", bueno, bueno},
        {"informe", "--detallado", "--resumen", bueno},
        {"informe", "--completo", bueno},
        {"informe", "--tipo", "A", bueno},
        {"informe", "--tipo", "A", "--tipo", "B"},
        {"informe", "--formato", "xml", bueno},
        {"presupuesto", "", "2", bueno},
        {"tipos", "--tipo", "A"},
        {"sensibilidad", "--variacion", "51", bueno},
        {"sensibilidad", "--variacion"},
        {"exportar", bueno},
        {"exportar", "--xlsx", bueno, bueno},
        {"exportar", "--xlsx", f("libro.xlsx"), "--formato", "json", bueno},
        // The price of a service and the fuel-price revision.
        {"precio", "--precio", "1.259,00", "--margen", "15", "350", "6", bueno},
        {"precio", "--formato", "json", "--precio", "100", "350", "6", bueno},
        {"precio", "--formato", "csv", "--precio", "900", "--margen", "0", "350", "6", bueno},
        {"precio", "--formato", "json", "--precio", "900", "10", "1", malo},
        {"precio", "--formato", "json", "--precio", "900", "10", "1", falta},
        {"precio", "--precio", "1259.5", "350", "6", bueno},
        {"precio", "--precio", "900", "--margen", "100", "350", "6", bueno},
        {"revision", "--precio", "1000", "--variacion", "7,45", "--masa", "40"},
        {"revision", "--formato", "json", "--precio", "1000", "--gasoleo", "1,5", "1,4", "--masa", "12"},
        {"revision", "--formato", "csv", "--precio", "1000", "--variacion", "-4,99", "--coeficiente", "0,3"},
        {"revision", "--precio", "800", "--serie", f("serie.csv"), "--desde", "2024-01", "--hasta=2024-03",
         "--masa", "3,5", "--umbral", "4"},
        {"revision", "--formato", "json", "--precio", "8", "--serie", f("serie_mala.csv"), "--desde", "2024-01",
         "--hasta", "2024-03", "--masa", "3"},
        {"revision", "--servicios", f("servicios.csv"), "--serie", f("serie.csv")},
        {"revision", "--precio", "1000", "--variacion", "6", "--gasoleo", "1", "2", "--masa", "40"},
        {"revision", "--precio", "1000", "--variacion", "6", "--masa", "40", "--umbral", "6"},
    };
    std::string texto;
    for (const auto& args : casos) {
        const Salida r = Ejecutar(args);
        texto += "$";
        for (const auto& a : args) texto += " " + a;
        texto += "\n[" + std::to_string(r.codigo) + "]\n" + r.out + "--- stderr\n" + r.err;
    }
    for (size_t p; (p = texto.find(c.Ruta().string())) != std::string::npos;)
        texto.replace(p, c.Ruta().string().size(), "<carpeta>");
    ComoDorado(TARVELON_DATOS_CLI "/salidas.txt", texto);
    EXPECT_TRUE(std::filesystem::exists(f("libro.xlsx")));
    EXPECT_FALSE(std::filesystem::exists(f("no")));
}

// By default, Config.txt beside the program, whatever the letter case of its name.
TEST(Datos, TiposBuscaConfigJuntoAlPrograma)
{
    CarpetaTemporal c;
    const std::string exe = c.Fichero("tarvelon-datos");
    std::filesystem::copy_file(TARVELON_DATOS_EXE, exe);
    EscribirBytes(c.Fichero("CONFIG.TXT"), CodificarLinea("Tipo= Uno ") + "\r\n");
    const Salida r = Ejecutar({"tipos"}, exe);
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "Uno\n");
    std::filesystem::remove(c.Fichero("CONFIG.TXT"));
    EXPECT_EQ(Ejecutar({"tipos"}, exe).codigo, 2);
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
