// A whole session through the real main window, as a user goes through it:
// choose a type, copy the reference data, change three figures, get the three
// reports, save, start again, load and get the same reports.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "ResultadosApoyo.h"
#include "data/Ficheros.h"
#include "results/VentanaPresupuesto.h"
#include "results/VentanaSeleccionarResultado.h"
#include "results/VentanaTrayecto.h"
#include "windows/DatosGenerales.h"
#include "windows/Inicio.h"
#include "windows/VentanaEntrada.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

struct Informes {
    QStringList detallado, resumen, presupuesto;
};

class Sesion : public ::testing::Test {
protected:
    void SetUp() override
    {
        AsegurarAplicacion();
        ASSERT_TRUE(carpeta.isValid());
        dir = carpeta.path().toStdString();
        // Reference data: the example vehicle and a second type before it.
        PlataformaRegistro p;
        ColumnaTextos ejemplo{p};
        ejemplo.textos = DatosEjemplo();
        Simulacion s;
        ejemplo.LeerColumnaSimulacion(s);
        std::vector<std::string> lineas = {"Tipo=Cisterna 3 ejes", "KilometrajeAnual=95000"};
        const TablaLineas t = s.ToArray();
        for (int i = 1; i <= t.UltimaFila(); ++i) lineas.push_back(t.Linea(i));
        GrabarLineasCifradas(dir + "/Config.txt", lineas);
    }

    std::unique_ptr<Inicio> Arrancar()
    {
        OpcionesInicio opciones;
        opciones.rutaPrograma = dir;
        opciones.rutaConfig = dir + "/Config.txt";
        opciones.carpetaPrograma = [d = dir] { return d; };
        auto inicio = std::make_unique<Inicio>(plataforma, opciones);
        inicio->show();
        return inicio;
    }

    static QLineEdit* Caja(QWidget* ventana, const char* nombre)
    {
        auto* caja = ventana->findChild<QLineEdit*>(QString::fromLatin1(nombre));
        EXPECT_NE(caja, nullptr) << nombre;
        return caja;
    }

    Informes PedirInformes(Inicio& inicio)
    {
        Informes r;
        inicio.PulsarPaso(8);
        auto* seleccion = qobject_cast<SeleccionarResultado*>(inicio.seleccionarResultado());
        auto* trayecto = qobject_cast<Trayecto*>(inicio.trayecto());
        auto* presupuesto = qobject_cast<Presupuesto*>(inicio.presupuesto());
        EXPECT_TRUE(seleccion && trayecto && presupuesto);
        if (!seleccion || !trayecto || !presupuesto) return r;
        EXPECT_TRUE(seleccion->isVisible());

        seleccion->findChild<QRadioButton*>("Option1")->click();
        seleccion->findChild<QPushButton*>("btCalcular")->click();
        EXPECT_TRUE(trayecto->isVisible());
        EXPECT_FALSE(seleccion->isVisible());
        r.resumen = LineasLista(trayecto->findChild<QListWidget*>("lstResultado"));
        trayecto->findChild<QPushButton*>("btCalculoDetallado")->click();
        r.detallado = LineasLista(trayecto->findChild<QListWidget*>("lstResultado"));

        inicio.PulsarPaso(8);
        EXPECT_FALSE(trayecto->isVisible());
        seleccion->findChild<QRadioButton*>("Option2")->click();
        seleccion->findChild<QLineEdit*>("txtKilometrosDelServicio")->setText("350");
        seleccion->findChild<QLineEdit*>("txtHorasDelServicio")->setText("6");
        seleccion->findChild<QPushButton*>("btCalcular")->click();
        EXPECT_TRUE(presupuesto->isVisible());
        r.presupuesto = LineasLista(presupuesto->findChild<QListWidget*>("lstResultado"));
        return r;
    }

    QTemporaryDir carpeta;
    std::string dir;
    PlataformaRegistro plataforma;
};

TEST_F(Sesion, GuardarReiniciarYCargarDaLosMismosInformes)
{
    const std::string fichero = dir + "/mi camion.txt";
    Informes antes;
    {
        auto inicio = Arrancar();
        inicio->PulsarPaso(0);
        QComboBox* combo = inicio->seleccionarVehiculo()->cbSeleccionarVehiculo();
        const int indice = combo->findText(QStringLiteral("Frigorífico 40 t"));
        ASSERT_GE(indice, 0);
        combo->setCurrentIndex(indice);
        inicio->seleccionarVehiculo()->btSeleccionar_Click();
        inicio->menuCopiarDatos_Click();
        plataforma.avisos.clear();  // the selection's own notice

        Caja(inicio->datosGenerales(), "txtKilometrajeAnual")->setText("130000");
        Caja(inicio->costesVariablesA(), "txtCVPrecioDelGasoleo")->setText("1,1");
        Caja(inicio->costesIndirectos(), "txtCIGastosAnuales")->setText("15000");

        antes = PedirInformes(*inicio);
        ASSERT_TRUE(plataforma.avisos.empty()) << plataforma.avisos[0].texto;
        ASSERT_EQ(antes.detallado.size(), 35);
        ASSERT_EQ(antes.resumen.size(), 20);
        ASSERT_EQ(antes.presupuesto.size(), 29);
        EXPECT_EQ(antes.detallado[0].trimmed(), "Frigorífico 40 t");
        EXPECT_EQ(antes.detallado[2].trimmed(), "Kilometros anuales: 130.000");
        EXPECT_EQ(antes.presupuesto[6].trimmed(), "350 kilómetros y 6 horas");
        // The changed figures reach the report: fuel 33 l x 1,1 x 1.300 and the overheads.
        EXPECT_TRUE(antes.detallado[16].endsWith(" 47.190,00 €")) << antes.detallado[16].toStdString();
        EXPECT_TRUE(antes.detallado[29].endsWith(" 15.000,00 €")) << antes.detallado[29].toStdString();

        plataforma.respuestasFichero.push_back(fichero);
        inicio->menuArchivoGuardar_Click();
        ASSERT_EQ(plataforma.Textos(), std::vector<std::string>{"Fichero " + fichero + " grabado"});
    }

    plataforma.avisos.clear();
    auto inicio = Arrancar();
    plataforma.respuestasFichero.push_back(fichero);
    inicio->menuArchivoCargar_Click();
    ASSERT_EQ(plataforma.Textos(), std::vector<std::string>{"Fichero: " + fichero + " cargado"});
    EXPECT_EQ(Caja(inicio->datosGenerales(), "MIRtxtKilometrajeAnual")->text(), "120000");
    EXPECT_EQ(Caja(inicio->datosGenerales(), "txtKilometrajeAnual")->text(), "130000");

    const Informes despues = PedirInformes(*inicio);
    EXPECT_TRUE(plataforma.avisos.size() == 1u);
    EXPECT_EQ(despues.detallado, antes.detallado);
    EXPECT_EQ(despues.resumen, antes.resumen);
    EXPECT_EQ(despues.presupuesto, antes.presupuesto);
}

}  // namespace
