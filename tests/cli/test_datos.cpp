// tarvelon-datos run as the user runs it: exit codes, report lines, messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "data/Ficheros.h"
#include "data/Texto.h"
#include "reports/Informes.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

using namespace tarvelon::pruebas;
using Lineas = std::vector<std::string>;

const std::string kPrefijoError = "Se ha producido el error nº ";

// The worked example, with the insurance the record itself carries
// ("Obligatorio + Terceros", 3000 €; goods 600 €; civil liability 400 €).
Simulacion Ejemplo()
{
    Simulacion s = Cambiado(EjemploTrabajado(),
                            "TipoSeguro=2 CFSeguroObligatorioYTerceros=3000 CFSeguroMercancia=600 "
                            "CFResponsabilidadCivil=400");
    s.Tipo = "Tractora de prueba con € y ñ";
    return s;
}

// The record's 86 key=value lines, UTF-8, the line of `clave` replaced by `linea`.
Lineas LineasDe(const Simulacion& s, const std::string& clave = "", const std::string& linea = "")
{
    const TablaLineas t = s.ToArray();
    Lineas r;
    for (int i = 1; i <= t.UltimaFila(); ++i) r.push_back(t.Clave(i) == clave + "=" ? linea : t.Linea(i));
    return r;
}

std::string Cifrado(const Lineas& lineas)
{
    std::string bytes;
    for (const auto& l : lineas) bytes += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    return bytes;
}

// What the result list would hold for the record; the lines before a failure stay.
Lineas Esperado(Simulacion s, const std::string& modo, const std::string& km = "", const std::string& horas = "")
{
    Lineas l;
    EXPECT_TRUE(s.Validar());
    s.Calcular(SeguroDesdeRegistro(s));
    try {
        if (modo == "presupuesto") InformePresupuesto(s, km, horas, l);
        else if (modo == "--detallado") InformeDetallado(s, l);
        else InformeResumen(s, l);
    } catch (const ErrorEjecucion&) {
    }
    return l;
}

// Exit 0 with the report, 1 with the validation messages, 2 with the error
// message on stderr, 64 with the usage text; stdout and stderr as the user sees them.
TEST(Datos, CodigosDeSalidaYLineas)
{
    CarpetaTemporal c;
    const std::string f = c.Fichero("ejemplo.txt"), malo = c.Fichero("malo.txt"), sinTae = c.Fichero("sin_tae.txt"),
                      ultima = c.Fichero("ultima.txt"), falta = c.Fichero("no_existe.txt");
    EscribirBytes(f, Cifrado(LineasDe(Ejemplo())));
    EscribirBytes(malo, Cifrado(LineasDe(Cambiado(Ejemplo(), "KilometrajeAnual=0 ServiciosDiarios=-1"))));
    EscribirBytes(sinTae, Cifrado(LineasDe(Ejemplo(), "CFTAE", "CFTAE=")));
    // KilometrajeAnual moved to the very end, with no CR LF after it.
    EscribirBytes(ultima, Cifrado(LineasDe(Ejemplo(), "KilometrajeAnual")) + CodificarLinea("KilometrajeAnual=120000"));
    // CR LF and LF ends, a byte-order mark, an empty line, Windows-1252 letters.
    const std::string plano = c.Fichero("plano.txt"), cifrado = c.Fichero("cifrado.txt");
    EscribirBytes(plano, "\xEF\xBB\xBFTipo=Camión frigorífico\r\nCFTAE=1=2\n\nPrecio=12,5 €\r\nÑandú");
    const Lineas planas = {"Tipo=Camión frigorífico", "CFTAE=1=2", "", "Precio=12,5 €", "Ñandú"};

    const Lineas resumen = Esperado(Ejemplo(), "--resumen"), detallado = Esperado(Ejemplo(), "--detallado");
    const Lineas mensajes = {"", "Error en Kilometros Anuales", "Error en Servicios Diarios"};
    ASSERT_EQ(detallado.size(), 35u);
    EXPECT_EQ(detallado[12], "          Costes Fijos Anuales:" + std::string(19, ' ') + "   54.326,32 €");
    const std::string error13 = kPrefijoError + "13 ( " + DescripcionError(13) + ") \n";
    // Arguments, exit code, stdout lines, and what stderr begins with (empty: it must be empty).
    const std::tuple<Lineas, int, Lineas, std::string> casos[] = {
        {{"cifrar", plano, cifrado}, 0, {}, ""},
        {{"descifrar", cifrado}, 0, planas, ""},
        {{"tipos", cifrado}, 0, {"Camión frigorífico"}, ""},
        {{"informe", "--detallado", f}, 0, detallado, ""},
        {{"informe", f}, 0, resumen, ""},
        {{"informe", "--resumen", f}, 0, resumen, ""},
        {{"informe", ultima}, 0, resumen, ""},
        {{"informe", "--config", f, "--tipo", Ejemplo().Tipo}, 0, resumen, ""},
        {{"presupuesto", "100", "2", f}, 0, Esperado(Ejemplo(), "presupuesto", "100", "2"), ""},
        {{"presupuesto", "12,5", "6,5", f}, 0, Esperado(Ejemplo(), "presupuesto", "12,5", "6,5"), ""},
        {{"presupuesto", "100", "dos", f}, 2, Esperado(Ejemplo(), "presupuesto", "100", "dos"), error13},
        {{"informe", malo}, 1, mensajes, ""},
        {{"informe", "--detallado", malo}, 1, mensajes, ""},
        {{"presupuesto", "10", "1", malo}, 1, mensajes, ""},
        {{"informe", "--detallado", sinTae}, 2, {}, error13},
        {{"informe", "--tipo", "Otro", "--config", f}, 2, {}, kPrefijoError},
        {{"informe", falta}, 2, {}, kPrefijoError},
        {{"presupuesto", "1", "1", falta}, 2, {}, kPrefijoError},
        {{"descifrar", falta}, 2, {}, kPrefijoError},
        {{"tipos", falta}, 2, {}, kPrefijoError},
        {{"cifrar", falta, c.Fichero("salida.txt")}, 2, {}, kPrefijoError},
        {{"cifrar", f, c.Fichero("no/existe/salida.txt")}, 2, {}, kPrefijoError},
    };
    for (const auto& [args, codigo, salida, error] : casos) {
        SCOPED_TRACE(testing::PrintToString(args));
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, codigo);
        EXPECT_EQ(r.Lineas(), salida);
        EXPECT_EQ(r.err.substr(0, error.empty() ? std::string::npos : error.size()), error);
    }
    EXPECT_FALSE(std::filesystem::exists(c.Fichero("salida.txt")));
    EXPECT_EQ(LeerBytes(cifrado), Cifrado(planas));

    const Lineas usoIncorrecto[] = {{},
                                    {"calcular", f},
                                    {"informe"},
                                    {"informe", f, f},
                                    {"informe", "--detallado", "--resumen", f},
                                    {"informe", "--completo", f},
                                    {"informe", "--tipo"},
                                    {"informe", "--tipo", ""},
                                    {"informe", "--tipo", "A", f},
                                    {"informe", "--tipo", "A", "--tipo", "B"},
                                    {"informe", "--config", f, f},
                                    {"presupuesto", "100", f},
                                    {"presupuesto", "", "2", f},
                                    {"presupuesto", "--detallado", "1", "2", f},
                                    {"descifrar"},
                                    {"cifrar", f},
                                    {"tipos", f, f},
                                    {"tipos", "--tipo", "A"}};
    for (const auto& args : usoIncorrecto) {
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, 64) << testing::PrintToString(args);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Uso:\n  tarvelon-datos tipos"), std::string::npos) << r.err;
    }
}

// By default, Config.txt beside the program, whatever the letter case of its name.
TEST(Datos, TiposBuscaConfigJuntoAlPrograma)
{
    CarpetaTemporal c;
    const std::string exe = c.Fichero("tarvelon-datos");
    std::filesystem::copy_file(TARVELON_DATOS_EXE, exe);
    EscribirBytes(c.Fichero("CONFIG.TXT"), Cifrado({"sin tipo", "Tipo=Uno", "KilometrajeAnual=1", "Tipo= Dos "}));
    const Salida r = Ejecutar({"tipos"}, exe);
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "Uno\nDos\n");
    std::filesystem::remove(c.Fichero("CONFIG.TXT"));
    const Salida sin = Ejecutar({"tipos"}, exe);
    EXPECT_EQ(sin.codigo, 2);
    EXPECT_EQ(sin.err.rfind(kPrefijoError, 0), 0u) << sin.err;
}

// Whatever a file holds, the tool ends by itself with a code and a Spanish
// message; folders and devices are refused without reading them.
TEST(Datos, FicherosDanadosNuncaRompenNiCuelganLaHerramienta)
{
    CarpetaTemporal c;
    std::mt19937 azar(20260101);
    std::string aleatorio(64 * 1024, '\0');
    for (char& b : aleatorio) b = static_cast<char>(azar() & 0xFF);
    const std::string valido = Cifrado(LineasDe(Ejemplo()));
    const std::pair<std::string, std::string> ficheros[] = {
        {"vacio", ""},
        {"aleatorio", aleatorio},
        {"ceros", std::string(4096, '\0')},
        {"linea_enorme", std::string(2 * 1024 * 1024, 'x')},
        {"cortado", valido.substr(0, valido.size() / 2 + 7)},
        {"sin_cifrar", "Tipo=A\r\nKilometrajeAnual=100\r\n"},
        {"desbordado", Cifrado(LineasDe(Ejemplo(), "DGNumeroDeEjes", "DGNumeroDeEjes=99999999999"))}};
    for (const auto& [nombre, bytes] : ficheros) {
        const std::string f = c.Fichero(nombre);
        EscribirBytes(f, bytes);
        for (const Lineas& args : {Lineas{"informe", "--detallado", f}, Lineas{"presupuesto", "10", "1", f},
                                   Lineas{"descifrar", f}, Lineas{"tipos", f}}) {
            SCOPED_TRACE(nombre + " " + args[0]);
            const Salida r = Ejecutar(args);
            // Such a record lacks data that validation requires, or does not convert.
            const bool informe = args[0] == "informe" || args[0] == "presupuesto";
            EXPECT_TRUE(r.codigo == 2 || r.codigo == (informe ? 1 : 0)) << r.codigo;
            EXPECT_TRUE(r.codigo != 1 || r.out.find("Error en ") != std::string::npos) << r.out;
            EXPECT_TRUE(r.codigo != 2 || r.err.rfind(kPrefijoError, 0) == 0) << r.err;
        }
    }
    for (const std::string& ruta : {c.Ruta().string(), std::string("/dev/zero")}) {
        for (const Lineas& args : {Lineas{"informe", ruta}, Lineas{"descifrar", ruta}, Lineas{"tipos", ruta},
                                   Lineas{"cifrar", ruta, c.Fichero("x.txt")}}) {
            const Salida r = Ejecutar(args);
            EXPECT_EQ(r.codigo, 2) << ruta << " " << args[0];
            EXPECT_EQ(r.err.rfind(kPrefijoError, 0), 0u) << r.err;
        }
    }
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
