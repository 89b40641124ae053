// tarvelon-datos run as the user runs it: exit codes, report lines, messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "data/Avisos.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "results/Informes.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

class AvisosMudos : public Avisador {
public:
    Respuesta Mostrar(const Aviso& a) override
    {
        vistos.push_back(a.texto);
        return Respuesta::Aceptar;
    }
    std::vector<std::string> vistos;
};

// The worked example vehicle with the insurance the record itself carries
// ("Obligatorio + Terceros", 3000 €; goods 600 €; civil liability 400 €).
Simulacion Ejemplo()
{
    Simulacion s;
    s.Tipo = "Tractora de prueba con € y ñ";
    s.CFCabezaPrecioBruto = 90000;
    s.CFCabezaPrecioMedio = 84000;
    s.CFSemiPrecioMedio = 30000;
    s.CFCabezaValorResidual = 20;
    s.CFSemiValorResidual = 10;
    s.CFCabezaPeriodoAmortizacion = 6;
    s.CFSemiPeriodoAmortizacion = 9;
    s.DGNumeroTotalDeNeumaticos = 12;
    s.CVPrecioMedioNeumaticos = 400;
    s.CFVehiculoCuantiaAFinanciar = 80;
    s.CFTAE = 5;
    s.CFPeriodoAFinanciar = 4;
    s.CFRetribucionOrdinaria1ConductorMecanico = 24000;
    s.CFPlusDeAsistencia = 1200;
    s.CFSeguridadSocialEmpresa = 32;
    s.CFIVTM = 500;
    s.CFVisado = 100;
    s.CFITV = 150;
    s.CFIAE = 300;
    s.CFCosteRevisionTacografo = 50;
    s.TipoSeguro = 2;
    s.CFSeguroObligatorio = 1500;
    s.CFSeguroObligatorioYTerceros = 3000;
    s.CFSeguroTodoRiesgo = 5000;
    s.CFSeguroMercancia = 600;
    s.CFResponsabilidadCivil = 400;
    s.CFOtrosGastosFijos = 1000;
    s.KilometrajeAnual = 120000;
    s.CFDiasDeActividad = 220;
    s.ServiciosDiarios = 2;
    s.CFHorasAnualesTrabajadas = 1760;
    s.CVConsumoMedio = 33;
    s.CVPrecioBrutoDelGasoleo = 1.25;
    s.CVPrecioDelGasoleo = 1.05;
    s.CVDietasNumeroDeDias = 220;
    s.CVDietaMedia = 30;
    s.CVDuracionMediaDeLosNeumaticos = 150000;
    s.CVMantenimientoYReparacion = 0.08;
    s.CVCosteMedioDelKMEnAutopista = 30;
    s.CVPorcentajeDeServiciosQPaganPEajes = 40;
    s.CIGastosAnuales = 12000;
    return s;
}

// The record's 86 key=value lines, UTF-8.
std::vector<std::string> LineasDe(const Simulacion& s)
{
    const TablaLineas t = s.ToArray();
    std::vector<std::string> r;
    for (int i = 1; i <= t.UltimaFila(); ++i) r.push_back(t.Linea(i));
    return r;
}

std::string Grabar(const Carpeta& c, const std::string& nombre, const std::vector<std::string>& lineas)
{
    const std::string ruta = c.Fichero(nombre);
    GrabarLineasCifradas(ruta, lineas);
    return ruta;
}

bool EmpiezaPor(const std::string& s, std::string_view p) { return s.compare(0, p.size(), p) == 0; }
bool TerminaEn(const std::string& s, std::string_view p)
{
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}

const std::string kPrefijoError = "Se ha producido el error nº ";

// What the result list would hold for the same record, built in-process.
std::vector<std::string> InformeEsperado(Simulacion s, const std::string& modo, const std::string& km = "",
                                         const std::string& horas = "")
{
    std::vector<std::string> l;
    EXPECT_TRUE(s.Validar());
    s.Calcular(SeguroDesdeRegistro(s));
    if (modo == "detallado") InformeDetallado(s, l);
    if (modo == "resumen") InformeResumen(s, l);
    if (modo == "presupuesto") InformePresupuesto(s, km, horas, l);
    return l;
}

TEST(DatosInforme, FicheroValidoDaLosTresInformesConSalidaCero)
{
    Carpeta c;
    const std::string f = Grabar(c, "ejemplo.txt", LineasDe(Ejemplo()));

    const Salida det = Ejecutar({"informe", "--detallado", f});
    ASSERT_EQ(det.codigo, 0) << det.err;
    EXPECT_EQ(det.err, "");
    const auto l = det.Lineas();
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[0], "          Tractora de prueba con € y ñ");
    EXPECT_EQ(l[1], "          " + std::string(LongitudTexto(Ejemplo().Tipo), '='));
    // The worked example's fixed costs, 54 326,3194 € a year, in the 12-wide field.
    EXPECT_EQ(l[12], "          Costes Fijos Anuales:" + std::string(19, ' ') + "   54.326,32 €");
    EXPECT_EQ(l, InformeEsperado(Ejemplo(), "detallado"));

    // --resumen is the default.
    for (const auto& args : {std::vector<std::string>{"informe", f}, {"informe", "--resumen", f}}) {
        const Salida res = Ejecutar(args);
        ASSERT_EQ(res.codigo, 0) << res.err;
        EXPECT_EQ(res.Lineas(), InformeEsperado(Ejemplo(), "resumen"));
        EXPECT_EQ(res.Lineas().size(), 20u);
    }

    const Salida pre = Ejecutar({"presupuesto", "100", "2", f});
    ASSERT_EQ(pre.codigo, 0) << pre.err;
    const auto p = pre.Lineas();
    ASSERT_EQ(p.size(), 29u);
    EXPECT_EQ(p[6], "          100 kilómetros y 2 horas");
    // 13 400 € / 1 760 h x 2 h, and fixed + variable + indirect of the service.
    EXPECT_NE(p[9].find("Amortización: "), std::string::npos);
    EXPECT_TRUE(TerminaEn(p[9], "       15,23 €")) << p[9];
    EXPECT_NE(p[28].find("Costes Totales: "), std::string::npos);
    EXPECT_TRUE(TerminaEn(p[28], "      144,76 €")) << p[28];
    EXPECT_EQ(p, InformeEsperado(Ejemplo(), "presupuesto", "100", "2"));
}

TEST(DatosInforme, PresupuestoConTextoDecimalYHorasNoNumericas)
{
    Carpeta c;
    const std::string f = Grabar(c, "ejemplo.txt", LineasDe(Ejemplo()));
    const Salida bien = Ejecutar({"presupuesto", "12,5", "6,5", f});
    ASSERT_EQ(bien.codigo, 0) << bien.err;
    EXPECT_EQ(bien.Lineas(), InformeEsperado(Ejemplo(), "presupuesto", "12,5", "6,5"));

    // Hours that are not a number stop the budget after its first 9 lines.
    const Salida mal = Ejecutar({"presupuesto", "100", "dos", f});
    EXPECT_EQ(mal.codigo, 2);
    EXPECT_EQ(mal.Lineas().size(), 9u);
    EXPECT_EQ(mal.err, MensajeError(ErrorEjecucion(kTiposNoCoinciden)) + "\n");
}

TEST(DatosInforme, RegistroNoValidoDaLosMensajesConSalidaUno)
{
    Carpeta c;
    Simulacion s = Ejemplo();
    s.KilometrajeAnual = 0;
    s.ServiciosDiarios = -1;
    const std::string f = Grabar(c, "malo.txt", LineasDe(s));
    for (const auto& args : {std::vector<std::string>{"informe", f}, {"informe", "--detallado", f},
                             {"presupuesto", "10", "1", f}}) {
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, 1);
        EXPECT_EQ(r.Lineas(), (std::vector<std::string>{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
        EXPECT_EQ(r.err, "");
    }
}

TEST(DatosInforme, ValorVacioDeCFTAEDaElErrorTrece)
{
    Carpeta c;
    auto lineas = LineasDe(Ejemplo());
    bool cambiada = false;
    for (auto& l : lineas)
        if (EmpiezaPor(l, "CFTAE=")) l = "CFTAE=", cambiada = true;
    ASSERT_TRUE(cambiada);
    const std::string f = Grabar(c, "sin_tae.txt", lineas);
    const Salida r = Ejecutar({"informe", "--detallado", f});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Se ha producido el error nº 13 ( " + DescripcionError(13) + ") \n");
}

TEST(DatosFicheros, FicheroQueNoExisteDaMensajeYSalidaDos)
{
    Carpeta c;
    const std::string no = c.Fichero("no_existe.txt");
    for (const auto& args : {std::vector<std::string>{"informe", no}, {"presupuesto", "1", "1", no},
                             {"descifrar", no}, {"tipos", no}, {"cifrar", no, c.Fichero("salida.txt")}}) {
        SCOPED_TRACE(args[0]);
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(EmpiezaPor(r.err, kPrefijoError)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(c.Fichero("salida.txt")));
}

TEST(DatosArgumentos, ArgumentosIncorrectosDanUsoYSalida64)
{
    Carpeta c;
    const std::string f = Grabar(c, "ejemplo.txt", LineasDe(Ejemplo()));
    const std::vector<std::vector<std::string>> casos = {
        {},
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
        {"tipos", "--tipo", "A"},
    };
    for (const auto& args : casos) {
        std::string traza;
        for (const auto& a : args) traza += "[" + a + "]";
        SCOPED_TRACE(traza);
        const Salida r = Ejecutar(args);
        EXPECT_EQ(r.codigo, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Uso:"), std::string::npos);
        EXPECT_NE(r.err.find("tarvelon-datos informe"), std::string::npos);
    }
}

TEST(DatosFicheros, CifrarYDescifrarDevuelvenLasMismasLineas)
{
    Carpeta c;
    // CR LF and LF ends, a byte-order mark, an empty line, Windows-1252 letters.
    const std::string plano = "\xEF\xBB\xBFTipo=Camión frigorífico\r\nCFTAE=1=2\n\nPrecio=12,5 €\r\nÑandú ¿sí?";
    EscribirBytes(c.Fichero("plano.txt"), plano);
    const std::string cifrado = c.Fichero("cifrado.txt");

    const Salida cif = Ejecutar({"cifrar", c.Fichero("plano.txt"), cifrado});
    ASSERT_EQ(cif.codigo, 0) << cif.err;
    const std::vector<std::string> esperadas = {"Tipo=Camión frigorífico", "CFTAE=1=2", "", "Precio=12,5 €", "Ñandú ¿sí?"};
    std::string bytes;
    for (const auto& l : esperadas) bytes += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    EXPECT_EQ(LeerBytes(cifrado), bytes);

    const Salida des = Ejecutar({"descifrar", cifrado});
    ASSERT_EQ(des.codigo, 0) << des.err;
    EXPECT_EQ(des.Lineas(), esperadas);

    // The scrambled file is a data file like any other.
    const Salida tipos = Ejecutar({"tipos", cifrado});
    EXPECT_EQ(tipos.codigo, 0);
    EXPECT_EQ(tipos.out, "Camión frigorífico\n");
}

TEST(DatosFicheros, TiposBuscaConfigEnLaCarpetaDelProgramaSinMirarMayusculas)
{
    Carpeta c;
    const std::string exe = c.Fichero("tarvelon-datos");
    std::filesystem::copy_file(TARVELON_DATOS_EXE, exe);
    GrabarLineasCifradas(c.Fichero("CONFIG.TXT"), {"cabecera sin tipo", "Tipo=Uno", "KilometrajeAnual=1", "Tipo= Dos "});
    const Salida r = Ejecutar({"tipos"}, exe);
    EXPECT_EQ(r.codigo, 0) << r.err;
    EXPECT_EQ(r.out, "Uno\nDos\n");

    // Without any data file beside it the list fails with a message.
    std::filesystem::remove(c.Fichero("CONFIG.TXT"));
    const Salida sin = Ejecutar({"tipos"}, exe);
    EXPECT_EQ(sin.codigo, 2);
    EXPECT_TRUE(EmpiezaPor(sin.err, kPrefijoError)) << sin.err;
}

TEST(DatosFicheros, TipoQueNoEstaEnElFicheroDaSalidaDos)
{
    Carpeta c;
    const std::string cfg = Grabar(c, "ref.txt", LineasDe(Ejemplo()));
    const Salida r = Ejecutar({"informe", "--tipo", "Otro", "--config", cfg});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(EmpiezaPor(r.err, kPrefijoError)) << r.err;

    const Salida bien = Ejecutar({"informe", "--config", cfg, "--tipo", Ejemplo().Tipo});
    EXPECT_EQ(bien.codigo, 0) << bien.err;
    EXPECT_EQ(bien.Lineas(), InformeEsperado(Ejemplo(), "resumen"));
}

// Whatever a file holds, the tool ends by itself with a code and a Spanish message.
TEST(DatosFicheros, FicherosDanadosNuncaRompenNiCuelganLaHerramienta)
{
    Carpeta c;
    std::mt19937 azar(20260101);
    std::string aleatorio(64 * 1024, '\0');
    for (char& b : aleatorio) b = static_cast<char>(azar() & 0xFF);
    std::string valido;
    for (const auto& l : LineasDe(Ejemplo())) valido += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    auto absurdos = LineasDe(Ejemplo());
    for (auto& l : absurdos)
        if (EmpiezaPor(l, "DGNumeroDeEjes=")) l = "DGNumeroDeEjes=99999999999";
    std::string desbordado;
    for (const auto& l : absurdos) desbordado += CodificarLinea(Utf8ACp1252(l)) + "\r\n";

    const std::vector<std::pair<std::string, std::string>> ficheros = {
        {"vacio", ""},
        {"aleatorio", aleatorio},
        {"ceros", std::string(4096, '\0')},
        {"linea_enorme", std::string(2 * 1024 * 1024, 'x')},
        {"cortado_a_medias", valido.substr(0, valido.size() / 2 + 7)},
        {"sin_cifrar", "Tipo=A\r\nKilometrajeAnual=100\r\n"},
        {"desbordado", desbordado},
    };
    for (const auto& [nombre, bytes] : ficheros) {
        const std::string f = c.Fichero(nombre + ".txt");
        EscribirBytes(f, bytes);
        for (const auto& args : {std::vector<std::string>{"informe", "--detallado", f}, {"presupuesto", "10", "1", f},
                                 {"descifrar", f}, {"tipos", f}}) {
            SCOPED_TRACE(nombre + " " + args[0]);
            const Salida r = Ejecutar(args);
            ASSERT_FALSE(r.agotado);
            ASSERT_EQ(r.senal, 0);
            if (args[0] == "informe" || args[0] == "presupuesto") {
                // Every such file lacks data that validation requires, or does not convert.
                ASSERT_TRUE(r.codigo == 1 || r.codigo == 2) << r.codigo;
                if (r.codigo == 1) {
                    EXPECT_NE(r.out.find("Error en "), std::string::npos);
                } else {
                    EXPECT_TRUE(EmpiezaPor(r.err, kPrefijoError)) << r.err;
                }
            } else {
                EXPECT_TRUE(r.codigo == 0 || r.codigo == 2) << r.codigo;
            }
        }
    }
}

TEST(DatosFicheros, UltimaLineaSinFinDeLineaCuenta)
{
    Carpeta c;
    // KilometrajeAnual moved to the very end, with no CR LF after it.
    std::vector<std::string> lineas;
    std::string km;
    for (const auto& l : LineasDe(Ejemplo()))
        (EmpiezaPor(l, "KilometrajeAnual=") ? km : lineas.emplace_back()) = l;
    ASSERT_EQ(km, "KilometrajeAnual=120000");
    std::string bytes;
    for (const auto& l : lineas) bytes += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    bytes += CodificarLinea(km);
    EscribirBytes(c.Fichero("ultima.txt"), bytes);
    const Salida r = Ejecutar({"informe", c.Fichero("ultima.txt")});
    EXPECT_EQ(r.codigo, 0) << r.out << r.err;
    EXPECT_EQ(r.Lineas(), InformeEsperado(Ejemplo(), "resumen"));
}

TEST(DatosFicheros, CarpetasYDispositivosSeRechazanSinBloquear)
{
    Carpeta c;
    std::vector<std::string> rutas = {c.Ruta().string()};
    if (std::filesystem::exists("/dev/zero")) rutas.push_back("/dev/zero");
    for (const auto& ruta : rutas) {
        for (const auto& args : {std::vector<std::string>{"informe", ruta}, {"descifrar", ruta}, {"tipos", ruta},
                                 {"cifrar", ruta, c.Fichero("x.txt")}}) {
            SCOPED_TRACE(ruta + " " + args[0]);
            const Salida r = Ejecutar(args, TARVELON_DATOS_EXE, std::chrono::seconds(20));
            ASSERT_FALSE(r.agotado);
            EXPECT_EQ(r.codigo, 2);
            EXPECT_TRUE(EmpiezaPor(r.err, kPrefijoError)) << r.err;
        }
    }
}

TEST(DatosFicheros, CifrarHaciaUnaCarpetaInexistenteFalla)
{
    Carpeta c;
    EscribirBytes(c.Fichero("plano.txt"), "Tipo=A\n");
    const Salida r = Ejecutar({"cifrar", c.Fichero("plano.txt"), c.Fichero("no/existe/salida.txt")});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(EmpiezaPor(r.err, kPrefijoError)) << r.err;
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
