// Start-up order, the splash and about windows, the main window's menus and help.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "ApoyoVentanas.h"
#include "windows/Arranque.h"
#include "windows/Presentacion.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {
QWidget* Visible(const char* nombre)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nombre) && w->isVisible()) return w;
    return nullptr;
}
}  // namespace

class PruebaArranque : public QObject {
    Q_OBJECT
private slots:
    void SplashLuegoAvisoLuegoVentanaPrincipal()
    {
        QTemporaryDir carpeta;
        PlataformaGuion plataforma;
        bool splashAbierto = false;
        // The splash is open while start-up waits; close it as a user would.
        QTimer::singleShot(100, [&] {
            QWidget* s = Visible("frmSplash");
            splashAbierto = s != nullptr;
            if (s) QTest::keyClick(s, Qt::Key_X);
        });
        bool splashAlAviso = true, principalAlAviso = true;
        plataforma.alMostrar = [&](const Aviso&) {
            splashAlAviso = Visible("frmSplash") != nullptr;
            principalAlAviso = Visible("Inicio") != nullptr;
        };
        OpcionesArranque o;
        o.carpetaPrograma = [&] { return carpeta.path().toStdString(); };
        auto inicio = Main(plataforma, o);

        QVERIFY(splashAbierto);
        QCOMPARE(plataforma.avisos.size(), size_t(1));
        const Aviso& aviso = plataforma.avisos[0];
        QCOMPARE(aviso.texto, std::string("Para el correcto funcionamiento del programa, \r\n"
                                          "las cantidades deberán introducirse utilizando la coma como separador decimal"));
        QCOMPARE(aviso.titulo, std::string("TARVELON"));
        QVERIFY(aviso.icono == Icono::Informacion);
        QVERIFY(aviso.botones == Botones::Aceptar);
        QVERIFY(!splashAlAviso);
        QVERIFY(!principalAlAviso);
        QVERIFY(inicio->isVisible());
        QCOMPARE(inicio->windowTitle(), QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria"));
        QCOMPARE(inicio->RutaPrograma(), carpeta.path().toStdString());
        QCOMPARE(inicio->RutaConfig(), carpeta.path().toStdString() + "/CONFIG.TXT");
        // Only the index is shown, with step 0 alone enabled.
        QVERIFY(inicio->indice()->isVisible());
        for (int i = 0; i < Indice::kPasos; ++i) {
            QCOMPARE(inicio->indice()->Boton(i)->isEnabled(), i == 0);
            if (inicio->VentanaDePaso(i)) QVERIFY(!inicio->VentanaDePaso(i)->isVisible());
        }
    }

    void ConfigEnOtraCajaDeLetras()
    {
        QTemporaryDir carpeta;
        GrabarLineasCifradas(carpeta.filePath(QStringLiteral("Config.txt")).toStdString(), {"Tipo=A"});
        PlataformaGuion plataforma;
        OpcionesArranque o;
        o.intervaloSplash = 0;
        o.carpetaPrograma = [&] { return carpeta.path().toStdString(); };
        auto inicio = Main(plataforma, o);
        QCOMPARE(inicio->RutaConfig(), carpeta.path().toStdString() + "/Config.txt");
    }

    void SplashSeCierraConTeclaOClic_data()
    {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<bool>("cierra");
        QTest::newRow("tecla de caracter") << "tecla" << true;
        QTest::newRow("clic en la ventana") << "ventana" << true;
        QTest::newRow("clic en Frame1") << "Frame1" << true;
        QTest::newRow("clic en una etiqueta") << "Label1" << false;
        QTest::newRow("clic en el logo") << "imgLogo" << false;
        QTest::newRow("tecla sin caracter") << "mayusculas" << false;
    }
    void SplashSeCierraConTeclaOClic()
    {
        QFETCH(QString, accion);
        QFETCH(bool, cierra);
        frmSplash splash(5000);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblWarning"))->text(), QStringLiteral("Versión 1.1.5"));
        if (accion == QLatin1String("tecla"))
            QTest::keyClick(&splash, Qt::Key_A);
        else if (accion == QLatin1String("mayusculas"))
            QTest::keyClick(&splash, Qt::Key_Shift);
        else if (accion == QLatin1String("ventana"))
            QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2));
        else
            QTest::mouseClick(splash.findChild<QWidget*>(accion), Qt::LeftButton);
        QCOMPARE(!splash.isVisible(), cierra);
    }

    void SplashSeCierraSoloA5000ms()
    {
        frmSplash splash;
        auto* timer = splash.findChild<QTimer*>(QStringLiteral("Timer1"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 5000);
        QVERIFY(timer->isSingleShot());
        QElapsedTimer reloj;
        reloj.start();
        splash.MostrarModal();
        QVERIFY(reloj.elapsed() >= 4900);
        QVERIFY(reloj.elapsed() < 8000);
        QVERIFY(!splash.isVisible());
    }

    void MenusComoSeEspecifican()
    {
        Programa p;
        QMenuBar* barra = p.inicio->menuBar();
        const QList<QAction*> arriba = barra->actions();
        QCOMPARE(arriba.size(), 3);
        QCOMPARE(arriba[0]->objectName(), QStringLiteral("menuArchivo"));
        QCOMPARE(arriba[0]->text(), QStringLiteral("&Archivo"));
        QCOMPARE(arriba[1]->objectName(), QStringLiteral("menuCopiarDatos"));
        QCOMPARE(arriba[1]->text(), QStringLiteral("Copiar Datos del Mirandel"));
        QVERIFY(arriba[1]->menu() == nullptr);
        QCOMPARE(arriba[2]->objectName(), QStringLiteral("menuAyuda"));
        QCOMPARE(arriba[2]->text(), QStringLiteral("Ayuda"));

        const QList<QAction*> archivo = arriba[0]->menu()->actions();
        QCOMPARE(archivo.size(), 4);
        const char* nombres[] = {"menuArchivoGuardar", "menuArchivoCargar", "menuSeparador3", "menuArchivoSalir"};
        const char* textos[] = {"Guardar Datos Personalizados", "Cargar Datos Personalizados", "", "Salir"};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(archivo[i]->objectName(), QString::fromLatin1(nombres[i]));
            QCOMPARE(archivo[i]->text(), QString::fromUtf8(textos[i]));
        }
        QVERIFY(archivo[2]->isSeparator());
        const QList<QAction*> ayuda = arriba[2]->menu()->actions();
        QCOMPARE(ayuda.size(), 2);
        QCOMPARE(ayuda[0]->objectName(), QStringLiteral("menuAyudaAyuda"));
        QCOMPARE(ayuda[0]->text(), QStringLiteral("Ayuda"));
        QCOMPARE(ayuda[1]->objectName(), QStringLiteral("menuAyudaAcercaDe"));
        QCOMPARE(ayuda[1]->text(), QStringLiteral("Acerca de ..."));

        // Right after start-up: saving and copying greyed out, loading available.
        QVERIFY(!archivo[0]->isEnabled());
        QVERIFY(archivo[1]->isEnabled());
        QVERIFY(!arriba[1]->isEnabled());
        for (QAction* a : arriba + archivo + ayuda) QVERIFY(a->shortcut().isEmpty());
    }

    void AcercaDeDosVecesDaDosVentanas()
    {
        Programa p;
        p.inicio->menuAyudaAcercaDe_Click();
        p.inicio->menuAyudaAcercaDe_Click();
        auto acercas = p.inicio->findChildren<frmAbout*>();
        QCOMPARE(acercas.size(), 2);
        for (frmAbout* a : acercas) {
            QVERIFY(a->isVisible());
            QVERIFY(!a->isModal());
            QCOMPARE(a->windowTitle(), QStringLiteral("Acerca de Mirandel de Costes"));
            QCOMPARE(a->findChild<QLabel*>(QStringLiteral("lblWarning"))->text(), QStringLiteral("Ver 1.1.5"));
            QCOMPARE(a->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("TARVELON"));
            QCOMPARE(a->findChild<QLabel*>(QStringLiteral("lblCompanyProduct"))->text(),
                     QStringLiteral("Mirandel de costes de transporte de mercancías en la Valdoria"));
        }
        auto* ok = acercas[0]->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("Aceptar"));
        QPointer<frmAbout> primera = acercas[0];
        ok->click();
        QTRY_VERIFY(primera.isNull());
        QVERIFY(acercas[1]->isVisible());
        QVERIFY(p.plataforma.avisos.empty());
    }

    void AyudaLanzaElLanzadorSinShell()
    {
        Programa p;
        p.inicio->menuAyudaAyuda_Click();
        QCOMPARE(p.plataforma.programas.size(), size_t(1));
        QCOMPARE(p.plataforma.programas[0].programa, p.Carpeta() + "/ayuda");
        QVERIFY(p.plataforma.programas[0].argumentos.empty());
        QVERIFY(p.plataforma.avisos.empty());
    }

    void AyudaQueNoArrancaDaUnMensaje()
    {
        Programa p;
        p.plataforma.falloPrograma = std::pair{53, std::string("No se ha podido ejecutar la ayuda")};
        p.inicio->menuAyudaAyuda_Click();
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Critico);
        QCOMPARE(p.plataforma.avisos[0].texto,
                 std::string("No se ha podido abrir la ayuda del programa (No se ha podido ejecutar la ayuda)."));
        QVERIFY(p.inicio->isEnabled());
    }

    void SalirCierraLaVentanaPrincipal()
    {
        Programa p;
        p.inicio->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.inicio.get()));
        p.inicio->findChild<QAction*>(QStringLiteral("menuArchivoSalir"))->trigger();
        QVERIFY(!p.inicio->isVisible());
        QVERIFY(p.plataforma.avisos.empty());
    }
};

QTEST_MAIN(PruebaArranque)
#include "test_ventanas_arranque.moc"
