// The step index and window switching, and the vehicle type selection.
#include <QAction>
#include <QFile>
#include <QMdiArea>

#include "ApoyoVentanas.h"
#include "windows/Twips.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

class PruebaPasos : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AsegurarAplicacion(); }

    void BotonesDelIndice()
    {
        Programa p;
        const char* textos[] = {"0.- Selección Tipo Veh.", "1.- Datos Generales",    "2.- Costes Fijos A",
                                "3.- Costes Fijos B",      "4.- Costes Fijos C",     "5.- Costes Variables A",
                                "6.- Costes Variables B",  "7.- Costes Indirectos", "8.- Resultados"};
        Indice* indice = p.inicio->indice();
        for (int i = 0; i < Indice::kPasos; ++i) {
            QPushButton* b = p.Paso(i);
            QCOMPARE(b->text(), QString::fromUtf8(textos[i]));
            QCOMPARE(b->toolTip(), QStringLiteral("Introducir datos generales para la simulación"));
            QCOMPARE(b->geometry(), QRect(0, TwipsAPixelesY(600 * i, indice), TwipsAPixelesX(2000, indice),
                                          TwipsAPixelesY(600 * (i + 1), indice) - TwipsAPixelesY(600 * i, indice)));
            QCOMPARE(b->font().pointSizeF(), 6.75);
            QVERIFY(!b->font().bold());
            QCOMPARE(b->isEnabled(), i == 0);
        }
        QCOMPARE(p.inicio->Marco(indice)->pos(), QPoint(0, 0));
    }

    void PasoMuestraSuVentanaJuntoAlIndiceYEnNegrita()
    {
        Programa p;
        p.inicio->HabilitarPasos();
        p.inicio->show();
        const QPoint sitio(TwipsAPixelesX(2005, p.inicio.get()), 0);
        for (int paso = 0; paso < Indice::kPasos; ++paso) {
            QWidget* ventana = p.inicio->VentanaDePaso(paso);
            if (!ventana) continue;  // the result windows are not in this build
            p.Paso(paso)->click();
            for (int otro = 0; otro < Indice::kPasos; ++otro) {
                QCOMPARE(p.Paso(otro)->font().bold(), otro == paso);
                if (QWidget* w = p.inicio->VentanaDePaso(otro)) QCOMPARE(w->isVisible(), otro == paso);
            }
            QCOMPARE(p.inicio->Marco(ventana)->pos(), sitio);
            QVERIFY(p.inicio->indice()->isVisible());
        }
    }

    void VentanaMovidaVuelveASuSitioYConservaSuContenido()
    {
        Programa p;
        p.inicio->HabilitarPasos();
        p.inicio->show();
        p.Paso(1)->click();
        p.Escribir("txtKilometrajeAnual", "98765");
        QMdiSubWindow* marco = p.inicio->Marco(p.inicio->datosGenerales());
        marco->move(300, 120);
        p.Paso(1)->click();  // the same step again
        QCOMPARE(marco->pos(), QPoint(TwipsAPixelesX(2005, p.inicio.get()), 0));
        QVERIFY(p.inicio->datosGenerales()->isVisible());
        QVERIFY(p.Paso(1)->font().bold());
        p.Paso(3)->click();
        QVERIFY(!p.inicio->datosGenerales()->isVisible());
        p.Paso(1)->click();
        QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string("98765"));
    }

    void OcultarFormsOcultaTodoYQuitaLaNegrita()
    {
        Programa p;
        p.inicio->HabilitarPasos();
        p.inicio->show();
        p.Paso(5)->click();
        // Several windows shown at once, as the result windows do beside step 8.
        p.inicio->MostrarEnPaso(p.inicio->costesFijosB());
        p.inicio->MostrarEnPaso(p.inicio->costesIndirectos());
        p.inicio->OcultarForms();
        for (int i = 0; i < Indice::kPasos; ++i) {
            QVERIFY(!p.Paso(i)->font().bold());
            if (QWidget* w = p.inicio->VentanaDePaso(i)) QVERIFY(!w->isVisible());
        }
        for (QWidget* w : {p.inicio->trayecto(), p.inicio->presupuesto()})
            if (w) QVERIFY(!w->isVisible());
        QVERIFY(p.inicio->indice()->isVisible());
    }

    void SeleccionarSinElegirPideElTipo()
    {
        Programa p;
        p.Mostrar();
        p.Paso(0)->click();
        auto* combo = p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("Tractora"));
        QCOMPARE(combo->itemText(1), QStringLiteral("Rígido"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Espacio"));
        QCOMPARE(combo->currentIndex(), -1);
        // Typing a name does not choose it.
        combo->setEditText(QStringLiteral("Tractora"));
        p.inicio->seleccionarVehiculo()->findChild<QPushButton*>(QStringLiteral("btSeleccionar"))->click();
        QCOMPARE(p.plataforma.Textos(), std::vector<std::string>{"Debe seleccionar el tipo de vehículo"});
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Ninguno);
        QCOMPARE(p.plataforma.avisos[0].titulo, std::string("TARVELON"));
        QVERIFY(combo->hasFocus());
        QVERIFY(!p.Paso(1)->isEnabled());
    }

    void SeleccionarCargaAmbasColumnas()
    {
        Programa p;
        p.inicio->HabilitarPasos();
        p.inicio->show();
        // Figures typed before the selection are replaced.
        p.Escribir("txtKilometrajeAnual", "5");
        p.Escribir("txtCFTAE", "9");
        p.Seleccionar(0);

        QCOMPARE(p.plataforma.Textos(), std::vector<std::string>{"Seleccionado vehículo: Tractora"});
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Ninguno);
        QCOMPARE(p.inicio->windowTitle(), QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria - Tractora"));
        QCOMPARE(p.Texto("txtDGPotenciaCV"), std::string("420"));
        QCOMPARE(p.Texto("txtDGPesoMaximoAutorizado"), std::string("40"));
        QCOMPARE(p.Texto("txtDGCargaUtil"), std::string("25000,5"));
        QCOMPARE(p.Texto("txtDGNumeroDeEjes"), std::string("5"));
        // Reference column from the block, simulation column from a new record.
        QCOMPARE(p.Texto("MIRtxtKilometrajeAnual"), std::string("120000"));
        QCOMPARE(p.Texto("MIRtxtCFTAE"), std::string("6,5"));
        QCOMPARE(p.Texto("MIRtxtTipoSeguro"), std::string("2"));
        QCOMPARE(p.Texto("MIRtxtDGPotenciaCV"), std::string("420"));
        QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string("0"));
        QCOMPARE(p.Texto("txtCFTAE"), std::string("0"));
        QCOMPARE(p.inicio->seleccionarVehiculo()->TextoTipo(), std::string("Tractora"));
        QCOMPARE(p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->currentIndex(), 0);
        for (int i = 1; i < Indice::kPasos; ++i) QVERIFY(p.Paso(i)->isEnabled());
        QVERIFY(p.inicio->findChild<QAction*>(QStringLiteral("menuArchivoGuardar"))->isEnabled());
        QVERIFY(p.inicio->findChild<QAction*>(QStringLiteral("menuCopiarDatos"))->isEnabled());
        // The selection window and the input windows are hidden afterwards.
        QVERIFY(!p.inicio->seleccionarVehiculo()->isVisible());
        QVERIFY(!p.inicio->datosGenerales()->isVisible());
    }

    void SegundaSeleccionReiniciaLaSimulacion()
    {
        Programa p;
        p.Seleccionar(0);
        const std::string referencia = p.Texto("MIRtxtCFIVTM");
        p.Escribir("txtCFIVTM", "777");
        p.Seleccionar(0);
        QCOMPARE(p.Texto("txtCFIVTM"), std::string("0"));
        QCOMPARE(p.Texto("MIRtxtCFIVTM"), referencia);
        p.Seleccionar(1);
        QCOMPARE(p.Texto("MIRtxtKilometrajeAnual"), std::string("60000"));
        QCOMPARE(p.Texto("MIRtxtCFIVTM"), std::string("0"));  // key missing in that block
        QCOMPARE(p.Texto("MIRtxtTipoSeguro"), std::string("3"));
        QCOMPARE(p.inicio->windowTitle(), QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria - Rígido"));
    }

    void SeleccionQueFallaNoCambiaNada()
    {
        Programa p;
        p.Seleccionar(0);
        p.Escribir("txtCFIVTM", "777");
        p.plataforma.Limpiar();
        p.Seleccionar(2);  // listed as "Espacio", its block line is "Tipo= Espacio"
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QCOMPARE(p.plataforma.avisos[0].texto.rfind("Se ha producido el error nº 9 ( ", 0), size_t(0));
        QVERIFY(p.plataforma.avisos[0].icono == Icono::Critico);
        QCOMPARE(p.Texto("txtCFIVTM"), std::string("777"));
        QCOMPARE(p.Texto("MIRtxtKilometrajeAnual"), std::string("120000"));
        QCOMPARE(p.inicio->windowTitle(), QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria - Tractora"));
    }

    void FicheroDesaparecidoDaDosMensajes()
    {
        Programa p;
        p.Paso(0)->click();  // the list is read now
        QVERIFY(QFile::remove(QString::fromStdString(p.Ruta("Config.txt"))));
        p.Seleccionar(0);
        QCOMPARE(p.plataforma.avisos.size(), size_t(2));
        QCOMPARE(p.plataforma.avisos[1].texto.rfind("Se ha producido el error nº 9 ( ", 0), size_t(0));
        QVERIFY(!p.Paso(1)->isEnabled());
        QCOMPARE(p.inicio->windowTitle(), QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria"));
    }

    void SinFicheroDeReferenciaLaListaQuedaVacia()
    {
        Programa p(false);
        p.Paso(0)->click();
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));  // the file reader's message
        QCOMPARE(p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->count(), 0);
        p.inicio->seleccionarVehiculo()->btSeleccionar_Click();
        QCOMPARE(p.plataforma.avisos.back().texto, std::string("Debe seleccionar el tipo de vehículo"));
        // The list is read once only.
        p.Paso(0)->click();
        QCOMPARE(p.plataforma.avisos.size(), size_t(2));
    }
};

QTEST_MAIN(PruebaPasos)
#include "test_ventanas_pasos.moc"
