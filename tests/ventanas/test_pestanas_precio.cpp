// The analysis window's tabs «Precio del servicio» and «Revisión por
// combustible»: figures against the core as the user types, step 8's texts
// taken over, the PDF sheet, k preset from the mass, the series import.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>

#include "Apoyo.h"
#include "data/Ficheros.h"
#include "model/CostesServicio.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "model/RevisionCombustible.h"
#include "windows/VentanaAnalisis.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

class Pestanas : public ConEjemplo {
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);  // the imported series goes to a scratch folder
        ConEjemplo::SetUp();
        p.Resultado(true, "350", "6");
        p.inicio->menuAnalisis_Click();
        v = p.inicio->analisis();
    }
    void Abrir(VentanaAnalisis::Pestana pestana)
    {
        v->pestanas()->setCurrentIndex(pestana);
        QCoreApplication::processEvents();
    }
    std::string Texto(const char* nombre)
    {
        if (auto* l = En<QLabel>(v, nombre)) return l->text().toStdString();
        return En<QLineEdit>(v, nombre)->text().toStdString();
    }
    void Escribir(const char* caja, const char* texto) { En<QLineEdit>(v, caja)->setText(QString::fromUtf8(texto)); }
    VentanaAnalisis* v = nullptr;
};

TEST_F(Pestanas, PrecioSigueAlPresupuestoAlEscribir)
{
    Abrir(VentanaAnalisis::kPrecio);
    EXPECT_EQ(Texto("txtKmServicio"), "350");  // from step 8
    EXPECT_EQ(Texto("txtHorasServicio"), "6");
    const double coste = *CalcularCostesServicio(p.Calculado(), "350", "6").totales;
    EXPECT_EQ(Texto("lblCosteServicio"), FormatoDosDecimales(coste) + " €");
    const std::pair<double, const char*> precios[] = {{coste + 100, "rgb(0, 128, 0)"}, {coste - 50, "rgb(192, 0, 0)"}};
    for (const auto& [precio, color] : precios) {
        Escribir("txtPrecioOfrecido", FormatoDosDecimales(precio).c_str());
        EXPECT_EQ(Texto("lblVeredicto"), VeredictoPrecio(EvaluarPrecio(350, 6, coste, RedondearCentimos(precio))));
        EXPECT_NE(En<QLabel>(v, "lblVeredicto")->styleSheet().toStdString().find(color), std::string::npos);
    }
    Escribir("txtMargenObjetivo", "20");
    EXPECT_EQ(Texto("lblPrecioMinimo"), FormatoDosDecimales(RedondearCentimos(coste / 0.8)) + " €");
    for (const char* malo : {"0", "1259.5"}) {
        Escribir("txtPrecioOfrecido", malo);
        EXPECT_EQ(Texto("lblMargen"), "—") << malo;
        EXPECT_FALSE(En<QPushButton>(v, "btHojaCosteServicio")->isEnabled());
    }
}

TEST_F(Pestanas, HojaCosteServicioEnPdf)
{
    Abrir(VentanaAnalisis::kPrecio);
    Escribir("txtPrecioOfrecido", "900");
    Escribir("txtCliente", "Cliente de prueba");
    const std::string ruta = p.Ruta("hoja.pdf");
    p.plataforma.ficheros.push_back(ruta);
    En<QPushButton>(v, "btHojaCosteServicio")->click();
    ASSERT_FALSE(p.plataforma.avisos.empty());
    EXPECT_EQ(p.plataforma.avisos.back().texto, "Fichero " + ruta + " grabado");
    EXPECT_TRUE(Empieza(Contenido(ruta), "%PDF"));
}

TEST_F(Pestanas, RevisionConKPorMasaYSerieImportada)
{
    Abrir(VentanaAnalisis::kRevision);
    EXPECT_EQ(Texto("txtCoeficiente"),
              NumeroATexto(CoeficienteDeClase(ClaseDeMasa(p.Calculado().DGPesoMaximoAutorizado))));
    En<QRadioButton>(v, "optIndice")->click();
    Escribir("txtPrecioPactado", "1.000");
    Escribir("txtCoeficiente", "0,3");
    Escribir("txtVariacionGasoleo", "7,45");
    EXPECT_EQ(Texto("txtLineaFactura"),
              "Revisión por variación del precio del gasóleo (G = 7,45 %; k = 0,3): +22,35 €");
    Escribir("txtUmbral", "6");
    EXPECT_EQ(Texto("lblRevision"), "—");  // a threshold above 5 % is not allowed
    Escribir("txtUmbral", "5");
    p.Escribir("txtDGPesoMaximoAutorizado", "12");
    QCoreApplication::processEvents();
    v->Recalcular();
    EXPECT_EQ(Texto("txtCoeficiente"), "0,2");

    // A faulty series changes nothing; a good one fills the months.
    GrabarContenido(p.Ruta("mala.csv"), "2024-01;1,40\r\n2024-02;1.47\r\n");
    GrabarContenido(p.Ruta("buena.csv"), "mes;euros_litro\r\n2024-01;1,40\r\n2024-03;1,47\r\n");
    auto* meses = En<QComboBox>(v, "cbMesPorte");
    const int antes = meses->count();
    p.plataforma.ficheros.push_back(p.Ruta("mala.csv"));
    En<QPushButton>(v, "btImportarSerie")->click();
    EXPECT_NE(p.plataforma.avisos.back().texto.find("Línea 2"), std::string::npos) << p.plataforma.avisos.back().texto;
    EXPECT_EQ(meses->count(), antes);
    p.plataforma.ficheros.push_back(p.Ruta("buena.csv"));
    En<QPushButton>(v, "btImportarSerie")->click();
    ASSERT_EQ(meses->count(), 2);
    En<QRadioButton>(v, "optSerie")->click();
    EXPECT_EQ(Texto("lblVariacion"), "5,00 %");
    EXPECT_EQ(Texto("lblRevision"), "+10,00 €");
}

}  // namespace
