// Start-up, splash and about windows, menus, help, the step index and the
// vehicle type selection.
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "Apoyo.h"
#include "windows/Arranque.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/Twips.h"
#include "windows/frmAbout.h"
#include "windows/frmSplash.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {
bool Visible(const char* nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nombre) && w->isVisible()) return true;
    return false;
}
const QString kTitulo = QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria");
}  // namespace

class PruebaArranque : public QObject {
    Q_OBJECT
private slots:
    void SplashLuegoAvisoLuegoVentanaPrincipal()
    {
        for (std::string config : {"CONFIG.TXT", "Config.txt"}) {  // the file's own letter case is kept
            QTemporaryDir carpeta;
            if (config == "Config.txt") GrabarLineasCifradas(carpeta.filePath("Config.txt").toStdString(), {"Tipo=A"});
            PlataformaGuion plataforma;
            bool splash = false, otraAlAviso = true;
            QTimer::singleShot(100, [&] {
                splash = Visible("frmSplash");
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == "frmSplash") QTest::keyClick(w, Qt::Key_X);
            });
            plataforma.alMostrar = [&](const Aviso&) { otraAlAviso = Visible("frmSplash") || Visible("Inicio"); };
            OpcionesArranque o;
            o.carpetaPrograma = [&] { return carpeta.path().toStdString(); };
            auto inicio = Main(plataforma, o);
            QVERIFY(splash && !otraAlAviso);
            QCOMPARE(plataforma.avisos.size(), size_t(1));
            const Aviso& aviso = plataforma.avisos[0];
            QCOMPARE(aviso.texto, std::string("Para el correcto funcionamiento del programa, \r\nlas cantidades "
                                              "deberán introducirse utilizando la coma como separador decimal"));
            QVERIFY(aviso.titulo == "TARVELON" && aviso.icono == Icono::Informacion &&
                    aviso.botones == Botones::Aceptar);
            QVERIFY(inicio->isVisible() && inicio->indice()->isVisible());
            QCOMPARE(inicio->windowTitle(), kTitulo);
            QCOMPARE(inicio->RutaPrograma(), carpeta.path().toStdString());
            QCOMPARE(inicio->RutaConfig(), carpeta.path().toStdString() + "/" + config);
            for (int i = 0; i < Indice::kPasos; ++i) {
                QCOMPARE(inicio->indice()->Boton(i)->isEnabled(), i == 0);
                QVERIFY(!inicio->VentanaDePaso(i)->isVisible());
            }
        }
    }

    void SplashSeCierraConTeclaClicOTiempo()
    {
        for (const auto& [accion, cierra] : {std::pair{"tecla", true},
                                             {"ventana", true},
                                             {"Frame1", true},
                                             {"Label1", false},
                                             {"imgLogo", false},
                                             {"mayusculas", false}}) {
            frmSplash splash(5000);
            splash.show();
            QVERIFY(QTest::qWaitForWindowExposed(&splash));
            QCOMPARE(En<QLabel>(&splash, "lblWarning")->text(), QStringLiteral("Versión ") + TextoVersion());
            const std::string a = accion;
            if (a == "tecla" || a == "mayusculas") QTest::keyClick(&splash, a == "tecla" ? Qt::Key_A : Qt::Key_Shift);
            else if (a == "ventana") QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2));
            else QTest::mouseClick(En<QWidget>(&splash, accion), Qt::LeftButton);
            QVERIFY2(splash.isHidden() == cierra, accion);
        }
        QCOMPARE(frmSplash().findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 5000);
        frmSplash solo(300);  // left alone, it closes by itself
        QElapsedTimer reloj;
        reloj.start();
        solo.MostrarModal();
        QVERIFY(reloj.elapsed() >= 250 && reloj.elapsed() < 3000 && !solo.isVisible());
    }

    void MenusAcercaDeYAyuda()
    {
        Programa p;
        const QList<QAction*> arriba = p.inicio->menuBar()->actions();
        QCOMPARE(arriba.size(), 4);
        QVERIFY(arriba[1]->menu() == nullptr && arriba[2]->menu() == nullptr);
        const QList<QAction*> todas = arriba + arriba[0]->menu()->actions() + arriba[3]->menu()->actions();
        const QStringList esperadas = {"menuArchivo=&Archivo",
                                       "menuCopiarDatos=Copiar Datos del Mirandel",
                                       "menuAnalisis=Análisis",
                                       "menuAyuda=Ayuda",
                                       "menuArchivoGuardar=Guardar Datos Personalizados",
                                       "menuArchivoCargar=Cargar Datos Personalizados",
                                       "menuSeparador3=",
                                       "menuArchivoSalir=Salir",
                                       "menuAyudaAyuda=Ayuda",
                                       "menuAyudaAcercaDe=Acerca de ..."};
        QCOMPARE(todas.size(), esperadas.size());
        for (int i = 0; i < todas.size(); ++i) {
            QCOMPARE(todas[i]->objectName() + "=" + todas[i]->text(), esperadas[i]);
            QVERIFY(todas[i]->shortcut().isEmpty());
            QCOMPARE(todas[i]->isEnabled(), i != 1 && i != 2 && i != 4);  // no copying, analysis or saving yet
        }
        QVERIFY(todas[6]->isSeparator());

        p.inicio->menuAyudaAcercaDe_Click();
        p.inicio->menuAyudaAcercaDe_Click();
        auto acercas = p.inicio->findChildren<frmAbout*>();
        QCOMPARE(acercas.size(), 2);  // a new one each time
        QVERIFY(acercas[1]->isVisible() && !acercas[1]->isModal());
        QCOMPARE(En<QLabel>(acercas[1], "lblWarning")->text(), QStringLiteral("Ver ") + TextoVersion());
        p.inicio->menuAyudaAyuda_Click();  // no help page in the program folder
        QCOMPARE(p.plataforma.Textos(),
                 std::vector<std::string>{"No se encuentra el fichero de ayuda " + p.Carpeta() + "/ayuda.html"});
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Critico);

        p.Menu("menuArchivoSalir")->trigger();
        QVERIFY(!p.inicio->isVisible());
    }

    void IndiceMuestraUnPasoCadaVez()
    {
        Programa p;
        const char* textos[] = {"0.- Selección Tipo Veh.", "1.- Datos Generales",   "2.- Costes Fijos A",
                                "3.- Costes Fijos B",      "4.- Costes Fijos C",    "5.- Costes Variables A",
                                "6.- Costes Variables B",  "7.- Costes Indirectos", "8.- Resultados"};
        Indice* indice = p.inicio->indice();
        QCOMPARE(p.inicio->Marco(indice)->pos(), QPoint(0, 0));
        const QPoint sitio(indice->width() + TwipsAPixelesX(5, p.inicio.get()), 0);
        p.inicio->HabilitarPasos();
        for (int paso = 0; paso < Indice::kPasos; ++paso) {
            QPushButton* b = p.Paso(paso);
            QCOMPARE(b->text(), QString::fromUtf8(textos[paso]));
            QCOMPARE(b->toolTip(), QStringLiteral("Introducir datos generales para la simulación"));
            // Stacked, at least the design's 2000 x 600 twips, wide enough for the caption in bold.
            QCOMPARE(b->geometry(), QRect(0, b->height() * paso, indice->width(), b->height()));
            QVERIFY(b->width() >= TwipsAPixelesX(2000, indice) && b->height() >= TwipsAPixelesY(600, indice));
            QFont negrita = b->font();
            negrita.setBold(true);
            QVERIFY(QFontMetrics(negrita).horizontalAdvance(b->text()) < b->width() - 8);
            QVERIFY(b->font().pointSizeF() >= std::max(6.75, QApplication::font().pointSizeF()));
            QVERIFY(b->isEnabled());
            b->click();
            for (int otro = 0; otro < Indice::kPasos; ++otro) {
                QCOMPARE(p.Paso(otro)->font().bold(), otro == paso);
                QCOMPARE(p.inicio->VentanaDePaso(otro)->isVisible(), otro == paso);
            }
            QCOMPARE(p.inicio->Marco(p.inicio->VentanaDePaso(paso))->pos(), sitio);
        }
        // Placed again at every showing, contents kept.
        p.Paso(1)->click();
        p.Escribir("txtKilometrajeAnual", "98765");
        p.inicio->Marco(p.inicio->datosGenerales())->move(300, 120);
        p.Paso(3)->click();
        p.Paso(1)->click();
        QCOMPARE(p.inicio->Marco(p.inicio->datosGenerales())->pos(), sitio);
        QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string("98765"));
        // Several shown at once, as beside step 8: all hidden, no bold left.
        for (QWidget* w : {p.inicio->trayecto(), p.inicio->presupuesto()}) p.inicio->MostrarEnPaso(w);
        p.inicio->OcultarForms();
        for (int i = 0; i < Indice::kPasos; ++i)
            QVERIFY(!p.Paso(i)->font().bold() && !p.inicio->VentanaDePaso(i)->isVisible());
        QVERIFY(!p.inicio->trayecto()->isVisible() && !p.inicio->presupuesto()->isVisible());
        QVERIFY(p.inicio->indice()->isVisible());
    }

    void SeleccionarCargaAmbasColumnas()
    {
        Programa p;
        QApplication::setActiveWindow(p.inicio.get());
        p.Paso(0)->click();
        QVERIFY(QTest::qWaitForWindowActive(p.inicio.get()));
        auto* combo = p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0) + "|" + combo->itemText(1) + "|" + combo->itemText(2),
                 QStringLiteral("Frigorífico 40 t|Rígido|Espacio"));
        combo->setEditText(QStringLiteral("Rígido"));  // typing a name does not choose it
        En(p.inicio->seleccionarVehiculo(), "btSeleccionar")->click();
        QCOMPARE(p.plataforma.Textos(), std::vector<std::string>{"Debe seleccionar el tipo de vehículo"});
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Ninguno && combo->hasFocus());
        QVERIFY(!p.Paso(1)->isEnabled() && p.inicio->windowTitle() == kTitulo);

        p.Escribir("txtKilometrajeAnual", "5");  // typed before: replaced
        p.plataforma.Limpiar();
        p.Seleccionar(0);
        QCOMPARE(p.plataforma.Textos(), std::vector<std::string>{"Seleccionado vehículo: Frigorífico 40 t"});
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Ninguno);
        QCOMPARE(p.inicio->windowTitle(), kTitulo + QStringLiteral(" - Frigorífico 40 t"));
        QCOMPARE(p.Distintas(
                     "txtDGPotenciaCV=460;txtDGPesoMaximoAutorizado=40000;txtDGCargaUtil=25000,5;txtDGNumeroDeEjes=5;"
                     "MIRtxtKilometrajeAnual=120000;MIRtxtCVMantenimientoYReparacion=0,08;MIRtxtTipoSeguro=2;"
                     "MIRtxtDGPotenciaCV=460;txtKilometrajeAnual=0;txtCFTAE=0"),
                 std::string());
        QCOMPARE(combo->currentIndex(), 0);
        for (int i = 1; i < Indice::kPasos; ++i) QVERIFY(p.Paso(i)->isEnabled());
        QVERIFY(p.Menu("menuArchivoGuardar")->isEnabled() && p.Menu("menuCopiarDatos")->isEnabled());
        QVERIFY(!p.inicio->seleccionarVehiculo()->isVisible());

        p.Escribir("txtCFIVTM", "777");
        p.Seleccionar(1);  // a second selection starts the simulation again
        QCOMPARE(p.Distintas("txtCFIVTM=0;MIRtxtKilometrajeAnual=60000;MIRtxtCFIVTM=0;MIRtxtTipoSeguro=3"),
                 std::string());
        QCOMPARE(p.inicio->windowTitle(), kTitulo + QStringLiteral(" - Rígido"));

        p.Escribir("txtCFIVTM", "777");
        p.plataforma.Limpiar();
        p.Seleccionar(2);  // its block line is "Tipo= Espacio": fails and changes nothing
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QVERIFY(Empieza(p.plataforma.avisos[0].texto, "Se ha producido el error nº 9 ( "));
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Critico);
        QCOMPARE(p.Distintas("txtCFIVTM=777;MIRtxtKilometrajeAnual=60000"), std::string());
        QCOMPARE(p.inicio->windowTitle(), kTitulo + QStringLiteral(" - Rígido"));
    }

    void SinFicheroDeReferencia()
    {
        Programa p;  // gone after the list was read: the reader's message, then the selection's
        p.Paso(0)->click();
        QVERIFY(QFile::remove(QString::fromStdString(p.Ruta("Config.txt"))));
        p.Seleccionar(0);
        QCOMPARE(p.plataforma.avisos.size(), size_t(2));
        QVERIFY(Empieza(p.plataforma.avisos[1].texto, "Se ha producido el error nº 9 ( "));
        QVERIFY(!p.Paso(1)->isEnabled());
        QCOMPARE(p.inicio->windowTitle(), kTitulo);

        Programa q(false);  // missing from the start: an empty list, read once only
        q.Paso(0)->click();
        q.Paso(0)->click();
        QCOMPARE(q.plataforma.avisos.size(), size_t(1));
        QCOMPARE(q.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->count(), 0);
    }
};

QTEST_MAIN(PruebaArranque)
#include "test_ventanas_arranque.moc"
