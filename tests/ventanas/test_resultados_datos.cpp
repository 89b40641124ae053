// Saving and loading the user's figures through the main window's menu, and a
// whole session as a user goes through it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Apoyo.h"
#include "windows/DatosPersonalizados.h"
#include "windows/SeleccionarVehiculo.h"

using namespace tarvelon;
using namespace tarvelon::prueba;
namespace fs = std::filesystem;
using Textos = std::vector<std::string>;

namespace {

std::string Contenido(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Datos : public ::testing::Test {
protected:
    void SetUp() override { p.CopiarEjemplo(); }
    void Guardar(std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        p.inicio->menuArchivoGuardar_Click();
    }
    void Cargar(std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        CargarDatosPersonalizados(*p.inicio);  // the load itself; the menu's question is tested apart
    }
    // Every box of a column ("txt" or "MIRtxt"), the type and the insurance option.
    Textos Columna(const std::string& prefijo)
    {
        Textos t = {p.inicio->seleccionarVehiculo()->TextoTipo(),
                    std::to_string(p.inicio->costesFijosC()->OpcionElegida())};
        for (const auto& [campo, caja] : Cajas()) t.push_back(p.Texto(prefijo + caja.substr(3)));
        return t;
    }
    std::string Peticion(int i)
    {
        const PeticionFichero& f = p.plataforma.peticiones.at(i);
        return std::to_string(f.guardar) + "|" + f.titulo + "|" + f.filtro + "|" + std::to_string(f.indiceFiltro) +
               "|" + f.extensionPorDefecto + "|" + f.carpetaInicial + "|" + f.nombre;
    }
    Textos Avisos() const { return p.plataforma.Textos(); }
    Programa p;
};

TEST_F(Datos, FicheroDe86LineasConLosResultadosACero)
{
    Guardar(p.Ruta("datos.txt"));
    const auto lineas = LeerLineasDescifradas(p.Ruta("datos.txt"));
    ASSERT_EQ(lineas.size(), 86u);
    EXPECT_EQ(lineas.front() + "|" + lineas.back(), "Tipo=Frigorífico 40 t|ErrorMsg=");
    int resultados = 0;
    for (const auto& l : lineas)
        if (Empieza(l, "Coste") || Empieza(l, "NumeroServiciosAnuales=")) {
            EXPECT_EQ(l.substr(l.find('=')), "=0") << l;
            ++resultados;
        }
    EXPECT_EQ(resultados, 28);  // services a year and the 27 costs
    for (const char* l : {"KilometrajeAnual=120000", "CVMantenimientoYReparacion=0,08"})
        EXPECT_NE(std::find(lineas.begin(), lineas.end(), l), lineas.end()) << l;
}

TEST_F(Datos, ExtensionTxtSoloSiNoTerminaEnTxt)
{
    for (const auto& [elegido, escrito] : {std::pair{"datos.txt", "datos.txt"},
                                           {"datos", "datos.txt"},
                                           {"datos.TXT", "datos.TXT.txt"},
                                           {"datos.dat", "datos.dat.txt"}}) {
        const std::string propuesto = p.inicio->FicheroDatos();
        if (std::string(elegido) == "datos") p.plataforma.respuestas.push_back(Respuesta::Si);  // replaces round 1's
        Guardar(p.Ruta(elegido));
        EXPECT_EQ(p.plataforma.peticiones.back().nombre, propuesto);  // the last file saved
        EXPECT_EQ(Avisos().back(), "Fichero " + p.Ruta(escrito) + " grabado");
        EXPECT_EQ(p.inicio->FicheroDatos(), p.Ruta(escrito));
        EXPECT_TRUE(fs::exists(p.Ruta(escrito)));
        EXPECT_EQ(fs::exists(p.Ruta(elegido)), std::string(elegido) == escrito);
    }
    // A file that only the added extension names is replaced only when the user says so.
    const std::string antes = Contenido(p.Ruta("datos.txt"));
    p.Escribir("txtCFIVTM", "777");
    Guardar(p.Ruta("datos"));
    EXPECT_EQ(Avisos().back(), "El fichero " + p.Ruta("datos.txt") + " ya existe. ¿Desea reemplazarlo?");
    EXPECT_EQ(p.plataforma.avisos.back().botones, Botones::SiNo);
    EXPECT_EQ(Contenido(p.Ruta("datos.txt")), antes);
}

TEST_F(Datos, ConfigTxtRechazadoEnCualquierCaso)
{
    const std::string antes = p.Ruta("anterior.txt"), config = Contenido(p.Ruta("Config.txt"));
    p.Escribir("txtCFIVTM", "1");
    for (const std::string nombre : {"config.txt", "CONFIG.TXT", "Config.Txt", "cOnFiG.tXt", "config"})
        for (const std::string& ruta : {p.Ruta(nombre), nombre}) {
            SCOPED_TRACE(ruta);
            p.plataforma.Limpiar();
            p.inicio->FicheroDatos() = antes;
            Guardar(ruta);
            if (nombre != "config") Cargar(ruta);  // an open dialog names existing files only
            Textos esperados = {"Error. No puede guardarse con el nombre config.txt"};
            if (nombre != "config") esperados.push_back("Error. No puede cargarse el archivo config.txt");
            EXPECT_EQ(Avisos(), esperados);
            EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Ninguno);
            EXPECT_EQ(Contenido(p.Ruta("Config.txt")), config);
            EXPECT_EQ(p.inicio->FicheroDatos(), antes);
            EXPECT_EQ(p.Texto("txtCFIVTM"), "1");
        }
    fs::create_directory(p.Ruta("config.txt"));  // only the file's own name counts
    Guardar(p.Ruta("config.txt/datos.txt"));
    EXPECT_EQ(Avisos().back(), "Fichero " + p.Ruta("config.txt/datos.txt") + " grabado");
}

TEST_F(Datos, CancelarONombreVacioNoCambiaNada)
{
    p.inicio->FicheroDatos() = p.Ruta("previo.txt");
    p.Escribir("txtCFIVTM", "1");
    for (std::optional<std::string> respuesta : {std::optional<std::string>(), std::optional<std::string>("")}) {
        Guardar(respuesta);
        Cargar(respuesta);
    }
    EXPECT_EQ(Avisos(), (Textos{"No se ha grabado ningún fichero de configuración",
                                "No se ha cargado ningún fichero de configuración"}));
    for (const auto& a : p.plataforma.avisos) EXPECT_EQ(a.icono, Icono::Ninguno);
    EXPECT_EQ(p.inicio->FicheroDatos(), p.Ruta("previo.txt"));
    EXPECT_EQ(p.inicio->RutaPrograma(), p.Carpeta());
    EXPECT_EQ(p.Texto("txtCFIVTM"), "1");
    EXPECT_FALSE(fs::exists(p.Ruta("previo.txt")));
}

TEST_F(Datos, GrabacionQueFallaNoDiceGrabadoNiTocaElFichero)
{
    const std::string imposible = p.Ruta("no/existe/datos.txt"), ruta = p.Ruta("datos.txt");
    Guardar(imposible);
    ASSERT_EQ(Avisos().size(), 1u);
    EXPECT_TRUE(Empieza(Avisos()[0], "Se ha producido el error nº ")) << Avisos()[0];
    EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Critico);
    EXPECT_FALSE(fs::exists(imposible));
    // A column that cannot be read whole writes nothing: the earlier file stays.
    Guardar(ruta);
    const std::string original = Contenido(ruta);
    p.plataforma.Limpiar();
    p.Escribir("txtKilometrajeAnual", "");
    Guardar(ruta);
    EXPECT_EQ(Avisos(),
              (Textos{MensajeError(ErrorEjecucion(kTiposNoCoinciden)), "No se ha grabado el fichero " + ruta}));
    EXPECT_EQ(Contenido(ruta), original);
}

TEST_F(Datos, CargaDeFicheroQueFaltaDefectuosoODeOtroTipo)
{
    p.Escribir("txtCFIVTM", "1");
    Cargar(p.Ruta("no_hay.txt"));  // the reader's message, then the empty table's
    ASSERT_EQ(Avisos().size(), 2u);
    EXPECT_EQ(Avisos()[1], MensajeErrorFichero(ErrorEjecucion(kSubindice)));
    // A value that does not convert, or a type the reference file lacks: nothing changes.
    GrabarLineasCifradas(p.Ruta("malo.txt"), {"Tipo=Frigorífico 40 t", "KilometrajeAnual=mucho"});
    GrabarLineasCifradas(p.Ruta("portacoches.txt"), {"Tipo=Portacoches", "KilometrajeAnual=80000"});
    Cargar(p.Ruta("malo.txt"));
    Cargar(p.Ruta("portacoches.txt"));
    EXPECT_EQ(Avisos()[2], MensajeErrorFichero(ErrorEjecucion(kTiposNoCoinciden)));
    EXPECT_EQ(Avisos()[3], MensajeErrorFichero(ErrorEjecucion(kSubindice)));
    EXPECT_EQ(p.Distintas("txtCFIVTM=1;txtKilometrajeAnual=120000"), "");
    // Binary junk: no key converts to anything but "0", and type "0" has no block.
    const Textos simulacion = Columna("txt"), referencia = Columna("MIRtxt");
    std::ofstream(p.Ruta("basura.txt"), std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\xff=\x01\r", 13);
    Cargar(p.Ruta("basura.txt"));
    EXPECT_EQ(Avisos().back(), MensajeErrorFichero(ErrorEjecucion(kSubindice)));
    EXPECT_EQ(Columna("txt"), simulacion);
    EXPECT_EQ(Columna("MIRtxt"), referencia);
    // The reference column takes the block of the file's type; with no type, the first.
    for (const auto& [tipo, km] : {std::pair{"Rígido", "60000"}, {"", "120000"}}) {
        GrabarLineasCifradas(p.Ruta("otro.txt"), {std::string("Tipo=") + tipo, "KilometrajeAnual=70000"});
        Cargar(p.Ruta("otro.txt"));
        EXPECT_EQ(Avisos().back(), "Fichero: " + p.Ruta("otro.txt") + " cargado");
        EXPECT_EQ(p.Distintas({{"txtKilometrajeAnual", "70000"}, {"MIRtxtKilometrajeAnual", km}}), "");
    }
}

// Start, choose a type, copy, change figures, three reports, save, start
// again, load: both columns back and the same three reports line for line.
TEST_F(Datos, GuardarReiniciarYCargarDaLosMismosInformes)
{
    auto informes = [this] {
        p.Resultado(false);
        const QStringList resumen = Lineas(p.trayecto());
        En(p.trayecto(), "btCalculoDetallado")->click();
        const QStringList detallado = Lineas(p.trayecto());
        p.Resultado(true, "350", "6");
        return std::vector<QStringList>{resumen, detallado, Lineas(p.presupuesto())};
    };
    p.Reiniciar();
    p.inicio->PulsarPaso(0);
    QComboBox* combo = p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo();
    combo->setCurrentIndex(combo->findText(QStringLiteral("Frigorífico 40 t")));
    En(p.inicio->seleccionarVehiculo(), "btSeleccionar")->click();
    p.Menu("menuCopiarDatos")->trigger();
    p.inicio->costesFijosC()->ElegirOpcion(3);
    p.Escribir(
        "txtKilometrajeAnual=130000;txtCVPrecioDelGasoleo=1,1;txtCIGastosAnuales=15000;"
        "txtCFSeguroObligatorioYTerceros=0");  // a load keeps the chosen premium only
    p.plataforma.Limpiar();
    const auto antes = informes();
    const auto simulacion = Columna("txt"), referencia = Columna("MIRtxt");
    ASSERT_TRUE(p.plataforma.avisos.empty()) << p.plataforma.avisos[0].texto;
    ASSERT_EQ(antes[0].size(), 20);
    ASSERT_EQ(antes[1].size(), 35);
    ASSERT_EQ(antes[2].size(), 29);
    EXPECT_EQ(antes[1][2].trimmed(), "Kilometros anuales: 130.000");
    EXPECT_TRUE(antes[1][16].endsWith(" 47.190,00 €")) << antes[1][16].toStdString();  // 33 l x 1,1 x 1.300
    EXPECT_TRUE(antes[1][29].endsWith(" 15.000,00 €")) << antes[1][29].toStdString();
    EXPECT_EQ(antes[2][6].trimmed(), "350 kilómetros y 6 horas");
    const std::string ruta = p.Ruta("mi camion.txt");
    Guardar(ruta);
    ASSERT_EQ(Avisos(), Textos{"Fichero " + ruta + " grabado"});
    EXPECT_EQ(p.plataforma.avisos[0].titulo, "TARVELON");
    EXPECT_EQ(p.inicio->FicheroDatos(), ruta);
    EXPECT_EQ(Peticion(0),
              "1|Grabar datos personalizados|Archivo de configuración (*.txt)|*.txt||1|txt|" + p.Carpeta() + "|");

    p.Reiniciar();
    p.Paso(0)->click();
    p.plataforma.Limpiar();
    Cargar(ruta);
    ASSERT_EQ(Avisos(), Textos{"Fichero: " + ruta + " cargado"});
    EXPECT_EQ(Peticion(0),
              "0|Cargar datos personalizados|Archivo de configuración (*.txt)|*.txt|Todos los archivos "
              "(*.*)|*.*||1|txt|" +
                  p.Carpeta() + "|");
    EXPECT_EQ(Columna("txt"), simulacion);
    EXPECT_EQ(Columna("MIRtxt"), referencia);  // the saved type's block
    EXPECT_TRUE(p.Paso(8)->isEnabled() && p.Menu("menuArchivoGuardar")->isEnabled());
    EXPECT_FALSE(p.inicio->seleccionarVehiculo()->isVisible());
    EXPECT_EQ(informes(), antes);
    Cargar(std::nullopt);
    EXPECT_EQ(p.plataforma.peticiones.back().nombre, ruta);  // the last file chosen is proposed again
}

}  // namespace
