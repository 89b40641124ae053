// Saving and loading the user's figures: dialogs, messages, the file written
// and what a load puts back into both columns.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QTemporaryDir>

#include "ResultadosApoyo.h"
#include "data/Ficheros.h"
#include "windows/DatosPersonalizados.h"

using namespace tarvelon;
using namespace tarvelon::prueba;
namespace fs = std::filesystem;

namespace {

// The main window as the commands see it: two columns of texts and a log of
// what was asked of it.
class ContextoPrueba : public ContextoDatos {
public:
    PlataformaRegistro plataforma_;
    ColumnaTextos simulacion{plataforma_};
    ColumnaTextos referencia{plataforma_};
    std::string rutaPrograma, ficheroDatos, rutaConfig;
    std::vector<std::string> llamadas;

    Plataforma& plataforma() override { return plataforma_; }
    QWidget* padreDialogo() override { return nullptr; }
    std::string& RutaPrograma() override { return rutaPrograma; }
    std::string& FicheroDatos() override { return ficheroDatos; }
    const std::string& RutaConfig() override { return rutaConfig; }
    bool LeerColumnaSimulacion(Simulacion& s) override
    {
        llamadas.push_back("LeerColumnaSimulacion");
        return simulacion.LeerColumnaSimulacion(s);
    }
    void EscribirColumnaSimulacion(const Simulacion& s) override
    {
        llamadas.push_back("EscribirColumnaSimulacion");
        simulacion.Escribir(s);
    }
    void EscribirColumnaReferencia(const Simulacion& s) override
    {
        llamadas.push_back("EscribirColumnaReferencia");
        referencia.Escribir(s);
    }
    std::string TextoTipoSeleccionado() override { return simulacion.Texto("Tipo"); }
    void HabilitarPasos() override { llamadas.push_back("HabilitarPasos"); }
    void OcultarForms() override { llamadas.push_back("OcultarForms"); }
};

class DatosPersonalizados : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(carpeta.isValid());
        dir = carpeta.path().toStdString();
        ctx.rutaPrograma = dir;
        ctx.rutaConfig = dir + "/CONFIG.TXT";
        GrabarLineasCifradas(ctx.rutaConfig, {"Tipo=Cisterna 3 ejes", "KilometrajeAnual=95000", "CFTAE=4,5",
                                              "TipoSeguro=3", "CFSeguroTodoRiesgo=5200", "Tipo=Frigorífico 40 t",
                                              "KilometrajeAnual=110000", "CFTAE=6", "CVConsumoMedio=34,5",
                                              "TipoSeguro=2", "CFSeguroObligatorioYTerceros=2800"});
        ctx.simulacion.textos = DatosEjemplo();
    }

    std::string Ruta(const std::string& nombre) const { return dir + "/" + nombre; }

    void Guardar(std::optional<std::string> respuesta)
    {
        ctx.plataforma_.respuestasFichero.push_back(std::move(respuesta));
        GuardarDatosPersonalizados(ctx);
    }
    void Cargar(std::optional<std::string> respuesta)
    {
        ctx.plataforma_.respuestasFichero.push_back(std::move(respuesta));
        CargarDatosPersonalizados(ctx);
    }
    std::vector<std::string> Avisos() const { return ctx.plataforma_.Textos(); }

    // The column as it reads after a record of its own figures was written into it.
    std::map<std::string, std::string> ComoQuedaTrasEscribir(const std::map<std::string, std::string>& textos)
    {
        PlataformaRegistro p;
        ColumnaTextos origen{p}, destino{p};
        origen.textos = textos;
        Simulacion s;
        origen.LeerColumnaSimulacion(s);
        destino.Escribir(s);
        return destino.textos;
    }

    QTemporaryDir carpeta;
    std::string dir;
    ContextoPrueba ctx;
};

TEST_F(DatosPersonalizados, GuardarYCargarDevuelveAmbasColumnas)
{
    const std::string ruta = Ruta("mis datos.txt");
    Guardar(ruta);
    ASSERT_EQ(Avisos(), std::vector<std::string>{"Fichero " + ruta + " grabado"});
    EXPECT_EQ(ctx.plataforma_.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(ctx.plataforma_.avisos[0].titulo, "TARVELON");
    EXPECT_EQ(ctx.ficheroDatos, ruta);
    EXPECT_EQ(ctx.rutaPrograma, dir);

    const PeticionFichero& p = ctx.plataforma_.peticiones.at(0);
    EXPECT_TRUE(p.guardar);
    EXPECT_EQ(p.titulo, "Grabar datos personalizados");
    EXPECT_EQ(p.filtro, "Archivo de configuración (*.txt)|*.txt|");
    EXPECT_EQ(p.indiceFiltro, 1);
    EXPECT_EQ(p.extensionPorDefecto, "txt");
    EXPECT_EQ(p.carpetaInicial, dir);
    EXPECT_EQ(p.nombre, "");

    // The user changes everything, then loads the file back.
    const auto tecleado = ctx.simulacion.textos;
    for (auto& [campo, texto] : ctx.simulacion.textos) texto = "7";
    ctx.plataforma_.avisos.clear();
    ctx.llamadas.clear();
    Cargar(ruta);

    EXPECT_EQ(Avisos(), std::vector<std::string>{"Fichero: " + ruta + " cargado"});
    EXPECT_EQ(ctx.llamadas, (std::vector<std::string>{"EscribirColumnaSimulacion", "HabilitarPasos",
                                                      "EscribirColumnaReferencia", "OcultarForms"}));
    EXPECT_EQ(ctx.simulacion.textos, ComoQuedaTrasEscribir(tecleado));
    EXPECT_EQ(ctx.simulacion.Texto("Tipo"), "Frigorífico 40 t");
    EXPECT_EQ(ctx.simulacion.Texto("CVPrecioDelGasoleo"), "1,05");

    // The reference column holds the saved type's block, and nothing else.
    EXPECT_EQ(ctx.referencia.Texto("Tipo"), "Frigorífico 40 t");
    EXPECT_EQ(ctx.referencia.Texto("KilometrajeAnual"), "110000");
    EXPECT_EQ(ctx.referencia.Texto("CVConsumoMedio"), "34,5");
    EXPECT_EQ(ctx.referencia.Texto("CFSeguroObligatorioYTerceros"), "2800");
    EXPECT_EQ(ctx.referencia.Texto("CFCabezaPrecioBruto"), "0");

    const PeticionFichero& q = ctx.plataforma_.peticiones.at(1);
    EXPECT_FALSE(q.guardar);
    EXPECT_EQ(q.titulo, "Cargar datos personalizados");
    EXPECT_EQ(q.filtro, "Archivo de configuración (*.txt)|*.txt|Todos los archivos (*.*)|*.*|");
    EXPECT_EQ(q.indiceFiltro, 1);
    EXPECT_EQ(q.extensionPorDefecto, "txt");
    EXPECT_EQ(q.nombre, ruta);  // the last file chosen is proposed again
}

TEST_F(DatosPersonalizados, ElFicheroGrabadoTiene86LineasConLosResultadosACero)
{
    const std::string ruta = Ruta("datos.txt");
    Guardar(ruta);
    const auto lineas = LeerLineasDescifradas(ruta);
    ASSERT_EQ(lineas.size(), 86u);
    EXPECT_EQ(lineas.front(), "Tipo=Frigorífico 40 t");
    EXPECT_EQ(lineas.back(), "ErrorMsg=");
    int resultados = 0;
    for (const auto& l : lineas) {
        if (l.rfind("Coste", 0) == 0 || l.rfind("NumeroServiciosAnuales=", 0) == 0) {
            EXPECT_EQ(l.substr(l.find('=')), "=0") << l;
            ++resultados;
        }
    }
    EXPECT_EQ(resultados, 28);  // services a year and the 27 costs
    EXPECT_NE(std::find(lineas.begin(), lineas.end(), "KilometrajeAnual=120000"), lineas.end());
    EXPECT_NE(std::find(lineas.begin(), lineas.end(), "CVMantenimientoYReparacion=0,08"), lineas.end());
}

TEST_F(DatosPersonalizados, ExtensionTxtAnadidaSoloSiNoTerminaEnTxt)
{
    struct Caso {
        std::string elegido, escrito;
    };
    for (const Caso& c : {Caso{"datos.txt", "datos.txt"}, Caso{"datos", "datos.txt"},
                          Caso{"datos.TXT", "datos.TXT.txt"}, Caso{"datos.dat", "datos.dat.txt"}}) {
        SCOPED_TRACE(c.elegido);
        ctx.plataforma_.avisos.clear();
        Guardar(Ruta(c.elegido));
        EXPECT_EQ(Avisos(), std::vector<std::string>{"Fichero " + Ruta(c.escrito) + " grabado"});
        EXPECT_TRUE(fs::exists(Ruta(c.escrito)));
        EXPECT_EQ(ctx.ficheroDatos, Ruta(c.escrito));
        if (c.elegido != c.escrito) {
            EXPECT_FALSE(fs::exists(Ruta(c.elegido)));
        }
    }
}

TEST_F(DatosPersonalizados, ConfigTxtRechazadoEnCualquierCaso)
{
    const std::string antes = Ruta("anterior.txt");
    for (const std::string nombre : {"config.txt", "CONFIG.TXT", "Config.Txt", "cOnFiG.tXt", "config"}) {
        SCOPED_TRACE(nombre);
        for (const std::string& ruta : {Ruta(nombre), nombre}) {
            ctx.plataforma_.avisos.clear();
            ctx.ficheroDatos = antes;
            const auto contenidoConfig = LeerLineasDescifradas(ctx.rutaConfig);
            Guardar(ruta);
            EXPECT_EQ(Avisos(), std::vector<std::string>{"Error. No puede guardarse con el nombre config.txt"});
            EXPECT_EQ(LeerLineasDescifradas(ctx.rutaConfig), contenidoConfig);
            EXPECT_EQ(ctx.ficheroDatos, antes);
            if (nombre == "config") continue;  // an open dialog names existing files only

            ctx.plataforma_.avisos.clear();
            ctx.llamadas.clear();
            Cargar(ruta);
            EXPECT_EQ(Avisos(), std::vector<std::string>{"Error. No puede cargarse el archivo config.txt"});
            EXPECT_TRUE(ctx.llamadas.empty());
            EXPECT_EQ(ctx.ficheroDatos, antes);
        }
    }
    EXPECT_EQ(ctx.plataforma_.avisos.at(0).icono, Icono::Ninguno);
    // Only the name counts: a folder called config.txt is no reason to refuse.
    fs::create_directory(Ruta("config.txt"));
    ctx.plataforma_.avisos.clear();
    Guardar(Ruta("config.txt/datos.txt"));
    EXPECT_EQ(Avisos(), std::vector<std::string>{"Fichero " + Ruta("config.txt/datos.txt") + " grabado"});
}

TEST_F(DatosPersonalizados, CancelarNoCambiaNada)
{
    ctx.ficheroDatos = Ruta("previo.txt");
    Guardar(std::nullopt);
    Cargar(std::nullopt);
    EXPECT_EQ(Avisos(), (std::vector<std::string>{"No se ha grabado ningún fichero de configuración",
                                                  "No se ha cargado ningún fichero de configuración"}));
    for (const auto& a : ctx.plataforma_.avisos) {
        EXPECT_EQ(a.icono, Icono::Ninguno);
        EXPECT_EQ(a.titulo, "TARVELON");
    }
    EXPECT_TRUE(ctx.llamadas.empty());
    EXPECT_EQ(ctx.ficheroDatos, Ruta("previo.txt"));
    EXPECT_EQ(ctx.rutaPrograma, dir);
    EXPECT_FALSE(fs::exists(Ruta("previo.txt")));
}

TEST_F(DatosPersonalizados, NombreVacioTerminaSinMensaje)
{
    Guardar(std::string());
    Cargar(std::string());
    EXPECT_TRUE(Avisos().empty());
    EXPECT_TRUE(ctx.llamadas.empty());
}

TEST_F(DatosPersonalizados, SiNoSePuedeEscribirNoSeDiceGrabado)
{
    const std::string ruta = Ruta("no/existe/datos.txt");
    Guardar(ruta);
    const auto avisos = Avisos();
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0].rfind("Se ha producido el error nº ", 0), 0u) << avisos[0];
    EXPECT_EQ(ctx.plataforma_.avisos[0].icono, Icono::Critico);
    EXPECT_FALSE(fs::exists(ruta));
}

TEST_F(DatosPersonalizados, UnaColumnaQueNoSeLeeEnteraNoSeGraba)
{
    // A first save, then a figure that is not a number: the second save must
    // leave the first file as it was and say nothing of a file written.
    const std::string ruta = Ruta("datos.txt");
    Guardar(ruta);
    const auto antes = fs::file_size(ruta);
    std::ifstream f1(ruta, std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(f1)), {});
    ctx.plataforma_.avisos.clear();

    ctx.simulacion.textos["KilometrajeAnual"] = "";
    Guardar(ruta);
    EXPECT_EQ(Avisos(), std::vector<std::string>{MensajeError(ErrorEjecucion(kTiposNoCoinciden))});
    ASSERT_EQ(fs::file_size(ruta), antes);
    std::ifstream f2(ruta, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(f2)), {}), original);
}

TEST_F(DatosPersonalizados, CargaDeFicheroInexistenteODefectuoso)
{
    // Missing file: the reader's message, then the empty table's subscript error.
    Cargar(Ruta("no_hay.txt"));
    auto avisos = Avisos();
    ASSERT_EQ(avisos.size(), 2u);
    EXPECT_EQ(avisos[1], MensajeErrorFichero(ErrorEjecucion(kSubindice)));
    EXPECT_TRUE(ctx.llamadas.empty());

    // An unreadable value: stops before any window changes.
    GrabarLineasCifradas(Ruta("malo.txt"), {"Tipo=Frigorífico 40 t", "KilometrajeAnual=mucho"});
    ctx.plataforma_.avisos.clear();
    Cargar(Ruta("malo.txt"));
    EXPECT_EQ(Avisos(), std::vector<std::string>{MensajeErrorFichero(ErrorEjecucion(kTiposNoCoinciden))});
    EXPECT_TRUE(ctx.llamadas.empty());
    EXPECT_EQ(ctx.plataforma_.avisos[0].icono, Icono::Ninguno);
}

TEST_F(DatosPersonalizados, TipoQueNoEstaEnLaReferenciaDejaLaSimulacionCargada)
{
    GrabarLineasCifradas(Ruta("otro.txt"), {"Tipo=Portacoches", "KilometrajeAnual=80000"});
    ctx.referencia.textos["KilometrajeAnual"] = "antes";
    Cargar(Ruta("otro.txt"));
    EXPECT_EQ(Avisos(), std::vector<std::string>{MensajeErrorFichero(ErrorEjecucion(kSubindice))});
    EXPECT_EQ(ctx.llamadas, (std::vector<std::string>{"EscribirColumnaSimulacion", "HabilitarPasos"}));
    EXPECT_EQ(ctx.simulacion.Texto("KilometrajeAnual"), "80000");
    EXPECT_EQ(ctx.referencia.Texto("KilometrajeAnual"), "antes");
}

TEST_F(DatosPersonalizados, TipoVacioLeeTodaLaReferenciaComoUnBloque)
{
    GrabarLineasCifradas(Ruta("sin_tipo.txt"), {"Tipo=", "KilometrajeAnual=80000"});
    Cargar(Ruta("sin_tipo.txt"));
    EXPECT_EQ(Avisos(), std::vector<std::string>{"Fichero: " + Ruta("sin_tipo.txt") + " cargado"});
    // First block wherever both carry the key; the second block's own keys too.
    EXPECT_EQ(ctx.referencia.Texto("KilometrajeAnual"), "95000");
    EXPECT_EQ(ctx.referencia.Texto("CVConsumoMedio"), "34,5");
}

}  // namespace
