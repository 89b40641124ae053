// tarvelon-datos run as the user runs it: exit code, stdout and stderr of each
// command, against a golden file checked by hand.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <regex>
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
    // A decimal point where a comma belongs; values no vehicle can have, beside a grouped "1.760" that loads.
    EscribirBytes(f("punto.txt"), Cifrado(ejemplo, "CVPrecioBrutoDelGasoleo", "CVPrecioBrutoDelGasoleo=1.25"));
    EscribirBytes(
        f("imposible.txt"),
        Cifrado(Cambiado(ejemplo, "CFIVTM=-500 CFSeguridadSocialEmpresa=132 CFDiasDeActividad=400 TipoSeguro=5"),
                "CFHorasAnualesTrabajadas", "CFHorasAnualesTrabajadas=1.760"));
    EscribirBytes(f("largo.txt"), Cifrado(ejemplo, "CVConsumoMedio", "CVConsumoMedio=31.55" + RepetirTexto("ñ", 30)));
    EscribirBytes(f("serie.csv"), "mes;euros_litro\r\n2024-01;1,40\r\n2024-03;1,47\r\n");
    EscribirBytes(f("serie_mala.csv"), "2024-01;1,40\r\n2024-03;1.47\r\n");
    EscribirBytes(f("servicios.csv"),
                  "referencia;fecha_contrato;fecha_servicio;precio;masa_t\r\nA;2024-01-02;"
                  "2024-03-31;1.000,00;40\r\nB;2024-01-02;2024-02-30;500;12\r\nC;2024-03-01;"
                  "2024-01-01;2.500,5;12\r\n");
    EscribirBytes(f("escenario.json"), R"({"version": 1, "horizonte": 4, "primer_anio": 2027, "tasa": 5,
        "precio_co2": {"2028": 45, "2030": 90}, "tecnologias": [{"nombre": "GNL", "consumo": 24}]})");
    EscribirBytes(f("escenario_malo.json"), R"({"version": 1, "horizonte": 4, "tecnologias": [{"nombre": "HVO",
        "precio_energia": -1}]})");
    EscribirBytes(f("servicios.csv"),
                  "referencia;fecha_contrato;fecha_servicio;precio;masa_t\r\nA;2024-01-02;"
                  "2024-03-31;1.000,00;40\r\nB;2024-01-02;2024-02-30;500;12\r\nC;2024-03-01;"
                  "2024-01-01;2.500,5;12\r\n");
    EscribirBytes(f("plano.txt"), "\xEF\xBB\xBFTipo=Camión frigorífico\r\nCFTAE=1=2\n\nPrecio=12,5 €\r\nÑandú");
    // A type that a spreadsheet would take for a formula; a file named as the
    // good one in another folder; the list for --lista (also fed as stdin to
    // every case): byte-order mark, CR LF and LF ends, blank lines, a missing file.
    EscribirBytes(f("formula.txt"), Cifrado(ejemplo, "Tipo", "Tipo==HYPERLINK(\"http://x.y\";\"z\")"));
    std::filesystem::create_directory(f("otra"));
    EscribirBytes(f("otra/bueno.txt"), Cifrado(Cambiado(ejemplo, "CFTAE=0")));
    EscribirBytes(f("lista.txt"),
                  "\xEF\xBB\xBF" + bueno + "\r\n\r\n" + f("formula.txt") + "\n \t\n" + falta + "\r\n" + malo);
    // For cifrar: text it cannot store as it is, UTF-16 either way, the input under other names.
    EscribirBytes(f("latin1.txt"), "Tipo=A\r\nX=Cami\xF3n\r\n");
    EscribirBytes(f("ajeno.txt"), "Tipo=A\nB=€ bien\nC=ł\n");
    EscribirBytes(f("crlf.txt"), "a=ÃÀ\n");
    EscribirBytes(f("u16le.txt"), std::string("\xFF\xFET\0=\0\xF3\0\r\0\n\0\xAC\x20", 14));
    EscribirBytes(f("u16be.txt"), std::string("\xFE\xFF\0X\0\n\xD8\x3D\xDE\x00", 10));
    EscribirBytes(f("u16roto.txt"), std::string("\xFF\xFE\x41\0\n\0\x00\xD8", 8));
    EscribirBytes(f("u32.txt"), std::string("\xFF\xFE\0\0A\0\0\0", 8));
    std::filesystem::create_symlink(f("plano.txt"), f("enlace.txt"));
    std::filesystem::create_hard_link(f("plano.txt"), f("duro.txt"));
    std::filesystem::create_symlink(f("nada.txt"), f("roto.txt"));
    // Targets that are no file: a device of our own (a pipe where mknod is not allowed), a pipe, a
    // socket, links to them; a link to a file is written through.
    if (::mknod(f("disp").c_str(), S_IFCHR | 0600, ::makedev(1, 7)) != 0) ::mkfifo(f("disp").c_str(), 0600);
    ::mkfifo(f("fifo").c_str(), 0600);
    sockaddr_un enchufe{AF_UNIX, {}};
    f("enchufe").copy(enchufe.sun_path, sizeof enchufe.sun_path - 1);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&enchufe), sizeof enchufe), 0);
    std::filesystem::create_symlink(f("disp"), f("a_disp"));
    std::filesystem::create_symlink(f("cifrado.txt"), f("a_cifrado.txt"));
    // Files that are no data files, and a reference file of several types.
    EscribirBytes(f("vacio.txt"), "");
    EscribirBytes(f("basura.bin"), std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\x01", 18));
    std::string referencia;
    for (const char* l :
         {"Tipo=Tractora", "Tipo=Camión rígido de 3 ejes", "Tipo= Furgón ", "Tipo=Camión rígido de 2 ejes"})
        referencia += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    EscribirBytes(f("ref.txt"), referencia);
    // A fleet folder: two good records, one that fails validation, one that is no data file, a subfolder.
    std::filesystem::create_directories(f("flota/sub"));
    for (const std::string n : {"bueno.txt", "b;2.txt", "malo.txt", "plano.txt"})
        std::filesystem::copy_file(c.Fichero(n), c.Fichero("flota/" + n));
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
        {"cifrar", f("plano.txt"), f("no/existe/salida.txt")},
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
        {"informe", "--formato", "json", "--lista", bueno},
        // The fleet table from a list of files, and from stdin after a file given.
        {"informe", "--lista", f("lista.txt")},
        {"informe", "--formato", "csv", f("b;2.txt"), "--lista", "-"},
        {"informe", "--lista", falta},
        // Each side of a comparison named by its file or its type.
        {"comparar", "--formato", "json", bueno, "--tipo", tipo, "--config", f("b;2.txt")},
        {"comparar", "--formato", "csv", bueno, f("otra/bueno.txt")},
        {"informe", f("punto.txt")},
        {"informe", "--formato", "json", f("punto.txt")},
        {"informe", f("largo.txt")},
        {"informe", f("imposible.txt")},
        {"presupuesto", "0", "-1", bueno},
        {"presupuesto", "100", "6.5", bueno},
        {"cifrar", f("latin1.txt"), f("x.txt")},
        {"cifrar", f("ajeno.txt"), f("x.txt")},
        {"cifrar", f("crlf.txt"), f("x.txt")},
        {"cifrar", f("u16le.txt"), f("a_cifrado.txt")},
        {"descifrar", f("cifrado.txt")},
        {"cifrar", f("u16be.txt"), f("x.txt")},
        {"cifrar", f("u16roto.txt"), f("x.txt")},
        {"cifrar", f("u32.txt"), f("x.txt")},
        {"cifrar", f("plano.txt"), f("plano.txt")},
        {"cifrar", f("plano.txt"), f("enlace.txt")},
        {"cifrar", f("duro.txt"), f("plano.txt")},
        {"cifrar", f("plano.txt"), f("roto.txt")},
        {"cifrar", f("plano.txt"), f("disp")},
        {"cifrar", f("plano.txt"), f("a_disp")},
        {"exportar", "--xlsx", f("enchufe"), bueno},
        {"exportar", "--xlsx", f("disp"), bueno},
        {"tipos", f("fifo")},  // refused at once, not waiting for a writer (a hang is killed and fails)
        {"exportar", "--xlsx", f("fifo"), bueno},
        {"exportar", "--xlsx", c.Ruta().string(), bueno},
        // Each failure names what failed.
        {"informe", f("plano.txt")},
        {"informe", f("basura.bin")},
        {"informe", "--formato", "json", f("vacio.txt")},
        {"tipos", f("vacio.txt")},
        {"informe", "--tipo", "camion 2", "--config", f("ref.txt")},
        {"informe", "--tipo", "CAMIÓN RÍGIDO DE 2 EJES", "--config", f("ref.txt")},
        {"comparar", bueno, "--tipo", "Furgón", "--config", f("ref.txt")},
        {"informe", "--tipo", "X", "--config", f("plano.txt")},
        {"presupuesto", "abc", "5", bueno},
        {"informe", "--detallado=si", bueno},
        {"informe", "--detallado", "--help"},
        {"ayuda", "presupuesto"},
        {"--help"},
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
        {"revision", "--precio", "800", "--serie", f("serie.csv"), "--desde", "2024-01", "--hasta=2024-03", "--masa",
         "3,5", "--umbral", "4"},
        {"revision", "--formato", "json", "--precio", "8", "--serie", f("serie_mala.csv"), "--desde", "2024-01",
         "--hasta", "2024-03", "--masa", "3"},
        {"revision", "--servicios", f("servicios.csv"), "--serie", f("serie.csv")},
        {"revision", "--precio", "1000", "--variacion", "6", "--gasoleo", "1", "2", "--masa", "40"},
        {"revision", "--precio", "1000", "--variacion", "6", "--masa", "40", "--umbral", "6"},
        // The fleet what-if over a folder and a list, in each format; changes it refuses.
        {"flota", "--gasoleo", "10", "--salarios", "3,5", "--co2", "80", f("flota")},
        {"flota", "--formato", "json", "--km", "-10", "--peajes", "20", "--lista", f("lista.txt")},
        {"flota", "--formato", "csv", "--mantenimiento=-5", "--sin-totales", "--lista", "-"},
        {"flota", "--formato", "csv", "--salarios", "1E+308", f("flota")},
        {"flota", "--km", "-100", f("flota")},
        {"flota", "--gasoleo", "-100,5", f("flota")},
        {"flota", "--co2", "-1", f("flota")},
        {"flota", f("flota"), "--lista", f("lista.txt")},
        {"flota", falta},
        {"flota", "--formato", "json", "--lista", falta},
        {"flota", "--help"},
        // Whole-life cost by technology, with the reference file beside the program.
        {"tecnologias", "--escenario", f("escenario.json"), bueno},
        {"tecnologias", "--formato", "json", "--escenario", f("escenario.json"), bueno},
        {"tecnologias", "--formato", "csv", "--escenario", f("escenario.json"), bueno},
        {"tecnologias", "--escenario", f("escenario_malo.json"), bueno},
        {"tecnologias", "--formato", "json", "--escenario", f("escenario.json"), malo},
        {"tecnologias", "--escenario", f("escenario.json"), bueno, bueno},
        {"tecnologias", "--escenario", falta, bueno},
    };
    std::string texto;
    for (const auto& args : casos) {
        const Salida r = Ejecutar(args, TARVELON_DATOS_EXE, "", 0, f("lista.txt"));
        texto += "$";
        for (const auto& a : args) texto += " " + a;
        texto += "\n[" + std::to_string(r.codigo) + "]\n" + r.out + "--- stderr\n" + r.err;
    }
    for (size_t p; (p = texto.find(c.Ruta().string())) != std::string::npos;)
        texto.replace(p, c.Ruta().string().size(), "<carpeta>");
    ComoDorado(TARVELON_DATOS_CLI "/salidas.txt", texto);
    // No figure of any output carries more than 15 significant digits.
    const std::regex numero("[0-9][0-9.,]*");
    for (std::sregex_iterator i(texto.begin(), texto.end(), numero), fin; i != fin; ++i) {
        std::string cifras;
        for (char ch : i->str())
            if (ch >= '0' && ch <= '9' && (ch != '0' || !cifras.empty())) cifras += ch;
        EXPECT_LE(cifras.size(), 15u) << i->str();
    }
    EXPECT_TRUE(std::filesystem::exists(f("libro.xlsx")));
    EXPECT_FALSE(std::filesystem::exists(f("no")));
    EXPECT_FALSE(std::filesystem::exists(f("x.txt")));
    ::close(s);
    EXPECT_FALSE(std::filesystem::is_regular_file(f("disp")));
    EXPECT_TRUE(std::filesystem::is_fifo(f("fifo")) && std::filesystem::is_socket(f("enchufe")));
    EXPECT_TRUE(std::filesystem::is_symlink(f("a_disp")) && std::filesystem::is_symlink(f("a_cifrado.txt")));
}

// Output that does not reach its reader ends as error 61 or 57 with exit 2:
// never a cut report with exit 0, nor a silent death by SIGPIPE.
TEST(Datos, SalidaQueNoLlegaEsUnError)
{
    CarpetaTemporal c;
    const std::string grande = c.Fichero("grande.txt");  // its records and lines pass 64 KiB
    EscribirBytes(grande, Cifrado(Cambiado(EjemploTrabajado(), "ErrorMsg=" + std::string(200000, 'x'))));
    const std::string lleno = "2Se ha producido el error nº 61 ( Disco lleno) \n";
    const std::string es = "2Se ha producido el error nº 57 ( Error de E/S en el dispositivo) \n";
    for (const auto& [salida, error] : {std::pair{"/dev/full", lleno}, {"-", es}, {"|", es}})
        for (const Lineas& orden : {Lineas{"informe", "--formato", "csv", grande}, Lineas{"descifrar", grande}}) {
            const Salida r = Ejecutar(orden, TARVELON_DATOS_EXE, salida);
            EXPECT_EQ(std::to_string(r.codigo) + r.err, error) << salida << " " << orden[0];
        }
    // A file size limit cuts the output part way, as a full disk does.
    const auto senal = ::signal(SIGXFSZ, SIG_IGN);
    const Salida r = Ejecutar({"descifrar", grande}, TARVELON_DATOS_EXE, "", 100000);
    ::signal(SIGXFSZ, senal);
    EXPECT_EQ(std::to_string(r.codigo) + r.err, lleno);
    EXPECT_EQ(r.out.size(), 100000u);
}

// An export killed while it writes its workbook (by SIGXFSZ here, as by kill -9)
// leaves nothing in the temporary folder; what it left beside the target goes
// with the next export there.
TEST(Datos, ExportarInterrumpidoNoDejaRastro)
{
    CarpetaTemporal c;
    const std::string bueno = c.Fichero("bueno.txt"), tmp = c.Fichero("tmp"), libro = c.Fichero("libro.xlsx");
    EscribirBytes(bueno, Cifrado(EjemploTrabajado()));
    std::filesystem::create_directory(tmp);
    auto cuantos = [&c] { return std::distance(std::filesystem::directory_iterator(c.Ruta()), {}); };
    const char* previo = std::getenv("TMPDIR");
    const std::string tmpPrevio = previo ? previo : "";
    ::setenv("TMPDIR", tmp.c_str(), 1);
    EXPECT_EQ(Ejecutar({"exportar", "--xlsx", libro, bueno}, TARVELON_DATOS_EXE, "", 4000).codigo, -1);
    previo ? ::setenv("TMPDIR", tmpPrevio.c_str(), 1) : ::unsetenv("TMPDIR");
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
    EXPECT_EQ(cuantos(), 3);  // with the one left beside the workbook
    EXPECT_EQ(Ejecutar({"exportar", "--xlsx", libro, bueno}).codigo, 0);
    EXPECT_TRUE(std::filesystem::exists(libro) && cuantos() == 3);
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

// Each command keeps its own way of telling wrong arguments: the record
// commands name what the parser met first, the price, fleet and technology
// commands the first wrong argument from the left; an option's values are
// taken as they come.
TEST(Datos, ArgumentosMalDadosComoLosCuentaCadaOrden)
{
    const std::pair<std::vector<std::string>, std::string> casos[] = {
        {{"informe", "--foo", "--formato"}, "Falta el valor de la opción --formato."},
        {{"informe", "--detallado", "--foo", "f"}, "Opción desconocida: --foo."},
        {{"sensibilidad", "--variacion", "5", "--variacion", "6", "f"}, "La opción --variacion aparece dos veces."},
        {{"precio", "--foo", "--precio"}, "Opción desconocida: --foo."},
        {{"precio", "--precio", "1", "--precio", "2", "--foo"}, "La opción --precio aparece dos veces."},
        {{"precio", "--precio", "--margen", "3", "6", "f"},
         "El valor de --precio no es un número: --margen (los decimales van con coma)."},
        {{"revision", "--gasoleo=1,5", "1,4"}, "Falta el valor de una opción o sobra un argumento."},
        {{"flota", "--sin-totales=1", "x"}, "Falta el valor de una opción o sobra un argumento."},
        {{"flota", "--km", "-100", "x"}, "El cambio de --km debe ser mayor que -100."},
        {{"flota", "--lista="}, "El nombre del fichero de --lista está vacío."},
    };
    for (const auto& [args, motivo] : casos) {
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, 64) << args[0];
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), motivo) << args[0];
    }
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
