// Saving and loading the user's figures, a whole session as a user goes through
// it, and what the user meets around the figures: Qt's texts in Spanish, step
// windows that come back, the box that stopped a save or a calculation, focus
// that selects, the question before figures are lost, the status bar, the help.
#include <filesystem>
#include <functional>

#include <QDialogButtonBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTextBrowser>

#include "Apoyo.h"
#include "windows/Arranque.h"
#include "windows/DatosPersonalizados.h"
#include "windows/VentanaAyuda.h"

using namespace tarvelon;
using namespace tarvelon::prueba;
namespace fs = std::filesystem;

namespace {

// The box has the focus and its whole text selected.
bool EnfocadaYSeleccionada(QLineEdit* caja)
{
    return QApplication::focusWidget() == caja && caja->selectedText() == caja->text() && !caja->text().isEmpty();
}

const std::string kError13 = MensajeError(ErrorEjecucion(kTiposNoCoinciden));
class Persona : public ConPrograma {};
class Datos : public ConEjemplo {
protected:
    void Guardar(std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        p.inicio->menuArchivoGuardar_Click();
    }
    void Cargar(std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        CargarDatosPersonalizados(p.inicio->sesion());  // the load itself; the menu's question is tested apart
    }
    // Every box of a column ("txt" or "MIRtxt"), the type and the insurance option.
    Textos Columna(const std::string& prefijo)
    {
        Textos t = {p.pasos().vehiculo()->TextoTipo(), std::to_string(p.pasos().costesFijosC()->OpcionElegida())};
        for (const auto& [campo, caja] : Cajas()) t.push_back(p.Texto(prefijo + caja.substr(3)));
        return t;
    }
    Textos Avisos() const { return p.plataforma.Textos(); }
};

TEST_F(Datos, NombreElegidoExtensionReemplazoConfigYCancelar)
{
    const std::string config = Contenido(p.Ruta("Config.txt"));
    Guardar(p.Ruta("datos.txt"));
    EXPECT_EQ(Avisos().back(), "Fichero " + p.Ruta("datos.txt") + " grabado");
    // A file that only the added extension names is replaced only when the user says so.
    const std::string antes = Contenido(p.Ruta("datos.txt"));
    p.Escribir("txtCFIVTM", "777");
    Guardar(p.Ruta("datos"));
    EXPECT_EQ(Avisos().back(), "El fichero " + p.Ruta("datos.txt") + " ya existe. ¿Desea reemplazarlo?");
    EXPECT_EQ(Contenido(p.Ruta("datos.txt")), antes);
    p.plataforma.Limpiar();
    Guardar(p.Ruta("cOnFiG.tXt"));  // the reference file, in any letter case
    Cargar("CONFIG.TXT");
    Guardar(std::nullopt);
    Cargar(std::nullopt);
    Guardar(p.Ruta("no/existe/datos.txt"));
    Textos avisos = Avisos();
    ASSERT_EQ(avisos.size(), 5u);
    EXPECT_TRUE(Empieza(avisos.back(), "Se ha producido el error nº ")) << avisos.back();  // never "grabado"
    avisos.pop_back();
    EXPECT_EQ(avisos, (Textos{"Error. No puede guardarse con el nombre config.txt",
                              "Error. No puede cargarse el archivo config.txt",
                              "No se ha grabado ningún fichero de configuración",
                              "No se ha cargado ningún fichero de configuración"}));
    EXPECT_EQ(Contenido(p.Ruta("Config.txt")), config);
    EXPECT_EQ(p.Texto("txtCFIVTM"), "777");
}

TEST_F(Datos, CargaDeFicheroDefectuosoODeOtroTipo)
{
    p.Escribir("txtCFIVTM", "1");
    // A value that does not convert, or a type the reference file lacks: nothing changes.
    GrabarLineasCifradas(p.Ruta("malo.txt"), {"Tipo=Frigorífico 40 t", "KilometrajeAnual=mucho"});
    GrabarLineasCifradas(p.Ruta("portacoches.txt"), {"Tipo=Portacoches", "KilometrajeAnual=80000"});
    Cargar(p.Ruta("malo.txt"));
    Cargar(p.Ruta("portacoches.txt"));
    EXPECT_EQ(Avisos(), (Textos{MensajeErrorFichero(ErrorEjecucion(kTiposNoCoinciden)),
                                MensajeErrorFichero(ErrorEjecucion(kSubindice))}));
    EXPECT_EQ(p.Distintas("txtCFIVTM=1;txtKilometrajeAnual=120000"), "");
    // The reference column takes the block of the file's type.
    GrabarLineasCifradas(p.Ruta("otro.txt"), {"Tipo=Rígido", "KilometrajeAnual=70000"});
    Cargar(p.Ruta("otro.txt"));
    EXPECT_EQ(Avisos().back(), "Fichero: " + p.Ruta("otro.txt") + " cargado");
    EXPECT_EQ(p.Distintas("txtKilometrajeAnual=70000;MIRtxtKilometrajeAnual=60000"), "");
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
    p.Seleccionar(0);
    p.Menu("menuCopiarDatos")->trigger();
    p.pasos().costesFijosC()->ElegirOpcion(3);
    p.Escribir(
        "txtKilometrajeAnual=130000;txtCVPrecioDelGasoleo=1,1;txtCIGastosAnuales=15000;"
        "txtCFSeguroObligatorioYTerceros=0");  // a load keeps the chosen premium only
    p.plataforma.Limpiar();
    const auto antes = informes();
    const auto simulacion = Columna("txt"), referencia = Columna("MIRtxt");
    ASSERT_TRUE(p.plataforma.avisos.empty()) << p.plataforma.avisos[0].texto;
    EXPECT_TRUE(antes[1][16].endsWith(" 47.190,00 €")) << antes[1][16].toStdString();  // 33 l x 1,1 x 1.300
    const std::string ruta = p.Ruta("mi camion.txt");
    Guardar(ruta);
    ASSERT_EQ(Avisos(), Textos{"Fichero " + ruta + " grabado"});

    p.Reiniciar();
    p.Paso(0)->click();
    p.plataforma.Limpiar();
    Cargar(ruta);
    ASSERT_EQ(Avisos(), Textos{"Fichero: " + ruta + " cargado"});
    EXPECT_EQ(Columna("txt"), simulacion);
    EXPECT_EQ(Columna("MIRtxt"), referencia);  // the saved type's block
    EXPECT_EQ(informes(), antes);
}

TEST_F(Persona, TextosDeQtEnEspanol)
{
    ASSERT_TRUE(CargarTraduccionesQt()) << "qt6-translations-l10n";
    QDialogButtonBox caja(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel |
                          QDialogButtonBox::Save);
    QStringList textos;
    for (auto* b : caja.buttons()) textos << b->text().remove('&');
    textos.sort();
    EXPECT_EQ(textos.join(','), "Cancelar,Guardar,No,Sí");
}

TEST_F(Persona, VentanaMinimizadaVuelveEnteraAlPulsarSuPaso)
{
    p.CopiarEjemplo();
    for (QWidget* ventana : {p.pasos()[Pasos::kCostesFijosA], p.pasos()[Pasos::kTrayecto]}) {
        const bool resultado = ventana == p.pasos()[Pasos::kTrayecto];
        resultado ? p.Resultado(false) : p.inicio->PulsarPaso(2);
        QMdiSubWindow* marco = p.inicio->areaTrabajo()->Marco(ventana);
        marco->showMinimized();
        p.inicio->PulsarPaso(4);
        resultado ? p.Resultado(false) : p.inicio->PulsarPaso(2);
        EXPECT_FALSE(marco->isMinimized());
        EXPECT_TRUE(ventana->isVisible());
    }
}

TEST_F(Persona, CajaIlegibleQuedaALaVistaConElFocoAlGuardarYAlCalcular)
{
    for (bool guardar : {true, false}) {
        SCOPED_TRACE(guardar);
        Programa q;
        q.CopiarEjemplo();
        ASSERT_TRUE(q.Abrir(1));
        q.Escribir("txtCFIVTM", guardar ? "abc" : "1.25");  // a decimal point is no thousands mark
        const std::string ruta = q.Ruta("datos.txt");
        if (guardar) {
            q.plataforma.ficheros = {ruta};
            q.inicio->menuArchivoGuardar_Click();
            EXPECT_EQ(q.plataforma.Textos(),
                      (std::vector<std::string>{kError13, "No se ha grabado el fichero " + ruta}));
            EXPECT_FALSE(std::filesystem::exists(ruta));
        } else {
            q.Resultado(false);
            EXPECT_EQ(q.plataforma.Textos().at(0), kError13);
        }
        EXPECT_TRUE(q.pasos()[Pasos::kCostesFijosB]->isVisible() && q.Paso(3)->font().bold());
        EXPECT_TRUE(EnfocadaYSeleccionada(q.Caja("txtCFIVTM")));
    }
}

TEST_F(Persona, FocoPuestoPorElProgramaOVueltoPorUnClicSeleccionaTodo)
{
    p.CopiarEjemplo();
    ASSERT_TRUE(p.Abrir(1));
    QLineEdit* km = p.Caja("txtKilometrajeAnual");
    // The check's "Sí" while the box has the focus back already, its cursor at the end.
    p.Escribir("txtKilometrajeAnual", "0");
    p.plataforma.respuestas = {Respuesta::Si};
    p.plataforma.alMostrar = [km](const Aviso&) {
        km->setFocus();
        km->end(false);
    };
    km->setFocus();
    p.Paso(3)->setFocus();
    ESPERAR(EnfocadaYSeleccionada(km));
}

TEST_F(Persona, PreguntaAntesDePerderCifrasNoGuardadas)
{
    // Each action, and whether it went on.
    const std::vector<std::pair<const char*, std::function<bool(Programa&)>>> acciones = {
        {"salir", [](Programa& q) { return q.inicio->close() && !q.inicio->isVisible(); }},
        {"cargar",
         [](Programa& q) {
             q.inicio->menuArchivoCargar_Click();
             return !q.plataforma.peticiones.empty() && !q.plataforma.peticiones.back().guardar;
         }},
        {"seleccionar", [](Programa& q) {
             q.Seleccionar(1);
             return q.Texto("txtCFIVTM") == "0";
         }}};
    // The answer, whether the save dialog gets a name, whether the action goes on; first, nothing typed.
    for (const auto& [nombre, accion] : acciones)
        for (const auto& [respuesta, grabar, sigue] : {std::tuple{Respuesta::Aceptar, false, true},
                                                       {Respuesta::Cancelar, false, false},
                                                       {Respuesta::No, false, true},
                                                       {Respuesta::Si, false, false},
                                                       {Respuesta::Si, true, true}}) {
            SCOPED_TRACE(std::string(nombre) + " " + std::to_string(static_cast<int>(respuesta)) + " " +
                         std::to_string(grabar));
            Programa q;
            q.Seleccionar(0);
            if (respuesta != Respuesta::Aceptar) q.Escribir("txtCFIVTM", "777");
            q.plataforma.Limpiar();
            q.plataforma.respuestas = {respuesta};
            if (grabar) q.plataforma.ficheros = {q.Ruta("mias.txt")};
            EXPECT_EQ(accion(q), sigue);
            const bool pregunta = !q.plataforma.avisos.empty() && q.plataforma.Textos()[0] == kPreguntaCambios;
            EXPECT_EQ(pregunta, respuesta != Respuesta::Aceptar);
            EXPECT_TRUE(sigue || q.Texto("txtCFIVTM") == "777");
            // Saved under the type of the figures, not the one just chosen in the list.
            EXPECT_TRUE(!grabar || LeerLineasDescifradas(q.Ruta("mias.txt")).at(0) == "Tipo=Frigorífico 40 t");
        }
}

TEST_F(Persona, BarraDeEstadoIndicaElPasoSiguienteYElFichero)
{
    auto mensaje = [this] { return p.inicio->findChild<QLabel*>("lblIndicacion")->text().toStdString(); };
    auto* fichero = p.inicio->findChild<QLabel*>("lblFicheroDatos");
    p.Seleccionar(0);
    EXPECT_EQ(mensaje(), "Tipo seleccionado: Frigorífico 40 t. Continúe con el paso 1.- Datos Generales");
    p.inicio->menuCopiarDatos_Click();
    EXPECT_EQ(mensaje(), "Datos del Mirandel copiados en la columna de simulación");
    const std::string ruta = p.Ruta("mias.txt");
    p.plataforma.ficheros = {ruta};
    p.inicio->menuArchivoGuardar_Click();
    EXPECT_EQ(mensaje(), "Fichero " + ruta + " grabado");
    EXPECT_TRUE(fichero->text().contains(QString::fromStdString(ruta)));
    // A failed or cancelled save does not leave the last one's "grabado".
    for (const auto& fallida :
         {std::optional<std::string>{p.Ruta("no/existe/mias.txt")}, std::optional<std::string>{}}) {
        p.plataforma.ficheros = {fallida};
        p.inicio->menuArchivoGuardar_Click();
        EXPECT_EQ(mensaje(), "No se ha grabado ningún fichero de configuración");
    }
    // The figures still come from the file written (the service sheet names it), not
    // from the one the dialog last named; nor after a load that failed; a selection drops it.
    p.plataforma.ficheros = {p.Ruta("no/existe/otras.txt")};
    CargarDatosPersonalizados(p.inicio->sesion());
    EXPECT_EQ(p.inicio->sesion().FicheroColumna(), ruta);
    EXPECT_TRUE(fichero->text().contains(QString::fromStdString(ruta)));
    p.Seleccionar(0);
    EXPECT_EQ(p.inicio->sesion().FicheroColumna(), "");
    EXPECT_TRUE(fichero->text().isEmpty());
    p.inicio->menuCopiarDatos_Click();
    // The hint follows the step shown.
    p.inicio->PulsarPaso(3);
    EXPECT_EQ(mensaje(), "Continúe con el paso 4.- Costes Fijos C");
    p.Resultado(true, "350", "6");
    EXPECT_EQ(mensaje(), "Conserve el informe con «Guardar como PDF…» o «Imprimir»");
}

TEST_F(Persona, AyudaDentroDelProgramaConBusqueda)
{
    p.inicio->menuAyudaAyuda_Click();  // no help page in the program folder yet
    EXPECT_EQ(p.plataforma.Textos(), Textos{"No se encuentra el fichero de ayuda " + p.Ruta("ayuda.html")});
    p.plataforma.Limpiar();
    QFile pagina(QString::fromStdString(p.Ruta("ayuda.html")));
    ASSERT_TRUE(pagina.open(QIODevice::WriteOnly));
    pagina.write("<html><body><p>Primero</p><p>Kilometraje anual en vacio</p></body></html>");
    pagina.close();
    p.inicio->menuAyudaAyuda_Click();
    auto* ayuda = p.inicio->findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible() && p.plataforma.avisos.empty());

    QTextBrowser* navegador = ayuda->navegador();
    EXPECT_TRUE(ayuda->Buscar("en vacio"));
    EXPECT_EQ(navegador->textCursor().selectedText(), "en vacio");
    EXPECT_FALSE(ayuda->Buscar("gasolina"));
    QApplication::setActiveWindow(ayuda);
    ASSERT_TRUE(QTest::qWaitForWindowActive(ayuda));
    QTest::keyClick(ayuda->campoBuscar(), Qt::Key_Escape);
    EXPECT_FALSE(ayuda->isVisible());
}

}  // namespace
