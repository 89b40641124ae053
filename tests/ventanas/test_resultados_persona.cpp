// What the user meets around the figures: Qt's texts in Spanish, step windows
// that come back, the box that stopped a save or a calculation, focus that
// selects, the question before figures are lost, the status bar, the help.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>

#include "Apoyo.h"
#include "windows/Arranque.h"
#include "windows/PlataformaQt.h"
#include "windows/VentanaAyuda.h"
#include "windows/frmAbout.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

const std::string kFallo13 = MensajeError(ErrorEjecucion(kTiposNoCoinciden));

QString SinAcelerador(QString t) { return t.remove(QLatin1Char('&')); }

// The box has the focus and its whole text selected.
bool EnfocadaYSeleccionada(QLineEdit* caja)
{
    return QApplication::focusWidget() == caja && caja->selectedText() == caja->text() && !caja->text().isEmpty();
}

}  // namespace

TEST(Persona, TextosDeQtEnEspanolYColumnasDelDialogoEnteras)
{
    Programa p;
    ASSERT_TRUE(CargarTraduccionesQt()) << "qt6-translations-l10n";
    QMessageBox caja(QMessageBox::Question, "TARVELON", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(SinAcelerador(caja.button(QMessageBox::Yes)->text()), QStringLiteral("Sí"));
    EXPECT_EQ(SinAcelerador(caja.button(QMessageBox::No)->text()), QStringLiteral("No"));
    EXPECT_EQ(SinAcelerador(caja.button(QMessageBox::Cancel)->text()), QStringLiteral("Cancelar"));

    QStringList botones;
    int anchoTamano = 0;
    QTimer::singleShot(100, [&] {
        auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        for (auto* b : dialogo->findChild<QDialogButtonBox*>()->buttons()) botones << SinAcelerador(b->text());
        anchoTamano = dialogo->findChild<QTreeView*>(QStringLiteral("treeView"))->header()->sectionSize(1);
        dialogo->reject();
    });
    PlataformaQt qt;
    PeticionFichero peticion;
    peticion.guardar = true;
    peticion.carpetaInicial = p.Carpeta();
    EXPECT_EQ(qt.ElegirFichero(peticion, p.inicio.get()), std::nullopt);
    EXPECT_TRUE(botones.contains(QStringLiteral("Guardar")) && botones.contains(QStringLiteral("Cancelar")))
        << botones.join(',').toStdString();
    EXPECT_GE(anchoTamano, p.inicio->fontMetrics().horizontalAdvance(QStringLiteral("9.999,9 KiB")));
}

TEST(Persona, VentanaMinimizadaVuelveEnteraAlPulsarSuPaso)
{
    Programa p;
    p.CopiarEjemplo();
    for (QWidget* ventana : {static_cast<QWidget*>(p.inicio->costesFijosA()), p.inicio->trayecto()}) {
        const bool resultado = ventana == p.inicio->trayecto();
        resultado ? p.Resultado(false) : p.inicio->PulsarPaso(2);
        QMdiSubWindow* marco = p.inicio->Marco(ventana);
        marco->showMinimized();
        p.inicio->PulsarPaso(4);
        resultado ? p.Resultado(false) : p.inicio->PulsarPaso(2);
        EXPECT_FALSE(marco->isMinimized());
        EXPECT_TRUE(ventana->isVisible());
        EXPECT_EQ(marco->pos(), QPoint(p.inicio->IzquierdaPaso(), 0));
        EXPECT_GE(marco->height(), ventana->height());
    }
}

TEST(Persona, CajaIlegibleQuedaALaVistaConElFocoAlGuardarYAlCalcular)
{
    for (bool guardar : {true, false}) {
        SCOPED_TRACE(guardar);
        Programa p;
        p.CopiarEjemplo();
        ASSERT_TRUE(p.Abrir(1));
        p.Escribir("txtCFIVTM", "abc");
        const std::string ruta = p.Ruta("datos.txt");
        if (guardar) {
            p.plataforma.ficheros = {ruta};
            p.inicio->menuArchivoGuardar_Click();
            EXPECT_EQ(p.plataforma.Textos(),
                      (std::vector<std::string>{kFallo13, "No se ha grabado el fichero " + ruta}));
            EXPECT_FALSE(std::filesystem::exists(ruta));
        } else {
            p.Resultado(false);
            EXPECT_EQ(p.plataforma.Textos().at(0), kFallo13);
        }
        EXPECT_TRUE(p.inicio->costesFijosB()->isVisible());
        EXPECT_TRUE(p.Paso(3)->font().bold());
        EXPECT_TRUE(EnfocadaYSeleccionada(p.Caja("txtCFIVTM")));
    }
}

TEST(Persona, FocoPuestoPorElProgramaOVueltoPorUnClicSeleccionaTodo)
{
    Programa p;
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
    QTRY_VERIFY(EnfocadaYSeleccionada(km));
    p.plataforma.alMostrar = nullptr;

    // Back from another window by a click into the box that had the focus.
    p.Escribir("txtKilometrajeAnual", "140000");
    km->setCursorPosition(2);
    QWidget otra;
    otra.show();
    QApplication::setActiveWindow(&otra);
    QApplication::setActiveWindow(p.inicio.get());
    QTest::mouseClick(km, Qt::LeftButton, {}, QPoint(4, km->height() / 2));
    EXPECT_TRUE(EnfocadaYSeleccionada(km)) << km->selectedText().toStdString();
}

TEST(Persona, PreguntaAntesDePerderCifrasNoGuardadas)
{
    // Each action, and whether it went on.
    const std::vector<std::pair<const char*, std::function<bool(Programa&)>>> acciones = {
        {"salir", [](Programa& p) { return !p.inicio->close() ? false : !p.inicio->isVisible(); }},
        {"cargar",
         [](Programa& p) {
             p.inicio->menuArchivoCargar_Click();
             return !p.plataforma.peticiones.empty() && !p.plataforma.peticiones.back().guardar;
         }},
        {"seleccionar", [](Programa& p) {
             p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->setCurrentIndex(1);
             p.inicio->seleccionarVehiculo()->btSeleccionar_Click();
             return p.Texto("txtCFIVTM") == "0";
         }}};
    struct Caso {
        Respuesta respuesta;
        bool grabar;  // the save dialog gets a name
        bool sigue;
    };
    for (const auto& [nombre, accion] : acciones) {
        SCOPED_TRACE(nombre);
        Programa q;  // nothing typed since the selection: nothing asked
        q.Seleccionar(0);
        q.plataforma.Limpiar();
        EXPECT_TRUE(accion(q));
        EXPECT_TRUE(q.plataforma.avisos.empty() || q.plataforma.Textos()[0] != kPreguntaCambios);

        for (const Caso& c : {Caso{Respuesta::Cancelar, false, false}, Caso{Respuesta::No, false, true},
                              Caso{Respuesta::Si, false, false}, Caso{Respuesta::Si, true, true}}) {
            SCOPED_TRACE(static_cast<int>(c.respuesta) * 10 + c.grabar);
            Programa p;
            p.Seleccionar(0);
            p.Escribir("txtCFIVTM", "777");
            p.plataforma.Limpiar();
            p.plataforma.respuestas = {c.respuesta};
            const std::string ruta = p.Ruta("mias.txt");
            if (c.grabar) p.plataforma.ficheros = {ruta};
            EXPECT_EQ(accion(p), c.sigue);
            ASSERT_FALSE(p.plataforma.avisos.empty());
            EXPECT_EQ(p.plataforma.Textos()[0], kPreguntaCambios);
            EXPECT_EQ(p.plataforma.avisos[0].botones, Botones::SiNoCancelar);
            if (!c.sigue) {
                EXPECT_EQ(p.Texto("txtCFIVTM"), "777");
            }
            if (!c.grabar) continue;
            // Saved under the type of the figures, not the one just chosen in the list.
            const auto lineas = LeerLineasDescifradas(ruta);
            ASSERT_EQ(lineas.size(), 86u);
            EXPECT_EQ(lineas[0], "Tipo=Frigorífico 40 t");
        }
    }
}

TEST(Persona, BarraDeEstadoIndicaElPasoSiguienteYElFichero)
{
    Programa p;
    auto mensaje = [&p] { return p.Hijo<QLabel>("lblIndicacion")->text().toStdString(); };
    auto* fichero = p.Hijo<QLabel>("lblFicheroDatos");
    p.Seleccionar(0);
    EXPECT_EQ(mensaje(), "Tipo seleccionado: Frigorífico 40 t. Continúe con el paso 1.- Datos Generales");
    p.inicio->menuCopiarDatos_Click();
    EXPECT_EQ(mensaje(), "Datos del Mirandel copiados en la columna de simulación");
    const std::string ruta = p.Ruta("mias.txt");
    p.plataforma.ficheros = {ruta};
    p.inicio->menuArchivoGuardar_Click();
    EXPECT_EQ(mensaje(), "Fichero " + ruta + " grabado");
    EXPECT_TRUE(fichero->text().contains(QString::fromStdString(ruta)));
    p.plataforma.ficheros = {ruta};
    p.inicio->menuArchivoCargar_Click();  // nothing changed since the save: no question
    EXPECT_EQ(p.plataforma.Textos().back(), "Fichero: " + ruta + " cargado");
    EXPECT_EQ(mensaje(), "Fichero: " + ruta + " cargado");
    p.Seleccionar(1);
    EXPECT_TRUE(fichero->text().isEmpty());
}

TEST(Persona, AyudaDentroDelProgramaConImagenYBusqueda)
{
    Programa p;
    QImage(8, 8, QImage::Format_RGB32).save(QString::fromStdString(p.Ruta("logo.png")));
    QFile pagina(QString::fromStdString(p.Ruta("ayuda.html")));
    ASSERT_TRUE(pagina.open(QIODevice::WriteOnly));
    pagina.write("<html><body><p>Primero</p><img src=\"logo.png\"><p>Kilometraje anual en vacio</p></body></html>");
    pagina.close();
    p.inicio->menuAyudaAyuda_Click();
    auto* ayuda = p.inicio->findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible() && p.plataforma.avisos.empty());
    QTextBrowser* navegador = ayuda->navegador();
    EXPECT_FALSE(navegador->loadResource(QTextDocument::ImageResource, QUrl("logo.png")).isNull());
    EXPECT_TRUE(ayuda->Buscar("en vacio"));
    EXPECT_EQ(navegador->textCursor().selectedText(), QStringLiteral("en vacio"));
    EXPECT_TRUE(ayuda->Buscar("en vacio"));  // from the start again
    EXPECT_FALSE(ayuda->Buscar("gasolina"));
}

TEST(Persona, LetraDelInformeLegibleYAcercaDeDesplazado)
{
    Programa p;
    EXPECT_GE(En<QListWidget>(p.trayecto(), "lstResultado")->font().pointSizeF(), QApplication::font().pointSizeF());
    p.inicio->menuAyudaAcercaDe_Click();
    p.inicio->menuAyudaAcercaDe_Click();
    const auto acercas = p.inicio->findChildren<frmAbout*>();
    ASSERT_EQ(acercas.size(), 2);
    EXPECT_NE(acercas[0]->pos(), acercas[1]->pos());
}
