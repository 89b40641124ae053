// The result windows driven through the main window as a user drives them:
// the example copied into the input windows, a button pressed, the list read.
#include <gtest/gtest.h>

#include <QLabel>
#include <QScrollBar>

#include "Apoyo.h"
#include "reports/Informes.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

const QString kSangria(10, QLatin1Char(' '));
const std::string kError13 = MensajeError(ErrorEjecucion(kTiposNoCoinciden));
const QColor kNegro(0, 0, 0), kRojo(255, 0, 0);

// A value line built with Qt's own padding, independent of the report code.
QString Linea(const QString& etiqueta, int ancho, const QString& valor, int anchoValor, const QString& sufijo)
{
    return QStringLiteral("%1%2%3").arg(kSangria + etiqueta, -ancho).arg(valor, anchoValor).arg(sufijo);
}
QColor Color(QWidget* w) { return En<QListWidget>(w, "lstResultado")->palette().color(QPalette::Text); }
int PixelesRojos(QWidget* w)
{
    const QImage imagen = En<QListWidget>(w, "lstResultado")->grab().toImage();
    int rojos = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            rojos += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    return rojos;
}
// The whole report in view, in a fixed-pitch font: nothing to scroll either way.
void SinDesplazamiento(QWidget* ventana)
{
    EXPECT_TRUE(QTest::qWaitForWindowExposed(ventana));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    auto* lista = En<QListWidget>(ventana, "lstResultado");
    EXPECT_TRUE(QFontInfo(lista->font()).fixedPitch());
    EXPECT_EQ(lista->verticalScrollBar()->maximum() + lista->horizontalScrollBar()->maximum(), 0);
}
QStringList ComoLista(const std::vector<std::string>& lineas)
{
    QStringList l;
    for (const auto& s : lineas) l << QString::fromStdString(s);
    return l;
}

class Resultados : public ::testing::Test {
protected:
    void SetUp() override { p.CopiarEjemplo(); }
    Simulacion Calculado()  // the record the windows build, calculated outside them
    {
        Simulacion s;
        p.inicio->columnas().LeerColumnaSimulacion(s);
        s.Calcular(p.inicio->columnas().SeguroActual());
        return s;
    }
    Programa p;
};

TEST_F(Resultados, InformesDetalladoYResumen)
{
    p.Resultado(false);
    QWidget* t = p.trayecto();
    EXPECT_TRUE(t->isVisible() && !p.modo()->isVisible());
    En(t, "btCalculoDetallado")->click();
    QStringList l = Lineas(t);
    ASSERT_EQ(l.size(), 35);
    EXPECT_EQ(Color(t), kNegro);
    EXPECT_TRUE(p.plataforma.avisos.empty());
    EXPECT_EQ(l[0], kSangria + "Frigorífico 40 t");
    EXPECT_EQ(l[1], kSangria + QString(16, QLatin1Char('=')));
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: 120.000");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   440");
    EXPECT_EQ(l[5], "************************ COSTES FIJOS **********************************");
    EXPECT_EQ(l[6], Linea("Coste Anual Amortización: ", 50, "13.400,00", 12, " €"));
    EXPECT_EQ(l[12], Linea("Costes Fijos Anuales: ", 50, "54.326,32", 12, " €"));
    EXPECT_EQ(l[13], Linea("Costes Fijos por Km: ", 50, "0,4527", 14, " €/Km"));
    EXPECT_EQ(l[21], Linea("Costes Variables Anuales: ", 50, "66.900,00", 12, " €"));
    EXPECT_EQ(l[25], Linea("Costes Directos Anuales: ", 50, "121.226,32", 12, " €"));
    EXPECT_EQ(l[34], Linea("Costes Fijos Por Horas: ", 50, "30,87", 12, " €/Hora"));
    std::vector<std::string> detallado, resumen;
    InformeDetallado(Calculado(), detallado);
    EXPECT_EQ(l, ComoLista(detallado));
    SinDesplazamiento(t);

    En(t, "btCalculoResumen")->click();
    l = Lineas(t);
    ASSERT_EQ(l.size(), 20);
    EXPECT_EQ(l[6], Linea("Costes Fijos por Km: ", 52, "0,4527", 14, " €/Km"));
    EXPECT_EQ(l[15], Linea("Costes Indirectos Anuales por Servicio: ", 52, "27,27", 14, " €/Serv"));
    InformeResumen(Calculado(), resumen);
    EXPECT_EQ(l, ComoLista(resumen));
    SinDesplazamiento(t);
}

TEST_F(Resultados, ValidacionEnRojoYErroresDeEjecucion)
{
    Trayecto* t = p.trayecto();
    p.inicio->MostrarEnPaso(t);
    p.Escribir("txtKilometrajeAnual=0;txtServiciosDiarios=-1");
    t->btCalculoDetallado_Click();
    EXPECT_EQ(Lineas(t), (QStringList{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
    EXPECT_EQ(Color(t), kRojo);
    EXPECT_GT(PixelesRojos(t), 20);  // red on the screen and the printout
    EXPECT_TRUE(p.plataforma.avisos.empty());
    // Only the first rule fails: no empty first line.
    p.Escribir("txtKilometrajeAnual=120000;txtServiciosDiarios=2;txtCFCabezaPrecioBruto=");
    t->btCalculoResumen_Click();
    EXPECT_EQ(Lineas(t), QStringList{"Error en Precio de Cabeza Tractora"});
    p.Escribir("txtCFCabezaPrecioBruto", "90000");
    t->btCalculoResumen_Click();
    EXPECT_EQ(Lineas(t).size(), 20);
    EXPECT_EQ(Color(t), kNegro);
    EXPECT_EQ(PixelesRojos(t), 0);

    // A box the column cannot read: its message, then validation of what was read.
    p.Escribir("txtServiciosDiarios", "");
    t->btCalculoResumen_Click();
    EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
    EXPECT_EQ(Color(t), kRojo);
    EXPECT_EQ(Lineas(t).value(0), "Error en Precio de Cabeza Tractora");
    // Validation passes, the insurance window's empty text stops the calculation.
    p.Escribir("txtServiciosDiarios=2;txtCFResponsabilidadCivil=");
    p.plataforma.Limpiar();
    t->btCalculoDetallado_Click();
    EXPECT_EQ(Lineas(t).size(), 0);
    ASSERT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
    EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Critico);

    p.Escribir("txtCFResponsabilidadCivil=400;txtCVConsumoMedio=0");
    p.Resultado(true, "100", "2");
    EXPECT_EQ(Lineas(p.presupuesto()), (QStringList{"", "Error en Consumo Medio de combustible"}));
    EXPECT_EQ(Color(p.presupuesto()), kRojo);
}

TEST_F(Resultados, PresupuestosDeUnServicio)
{
    // Lines 10 to 29 of the budget ("": a heading or a blank line, "-" in the figures).
    const QStringList etiquetas =
        QString(
            "Amortización: |Financiación: |Personal: |Cargas Fiscales: |Seguros Vehículo: |Otros Gastos Fijos: |"
            "Total Costes Fijos: ||Coste Anual Combustible: |Coste Anual Dietas: |Coste Anual Neumáticos: |"
            "Coste Anual Mantenimiento y Rep: |Coste Anual Peajes: |Total Costes Variables: ||"
            "Total Costes Directos del Servicio: ||Costes Indirectos: ||Costes Totales: ")
            .split('|');
    // Kilometres, hours and the figures of those lines: fixed items are the annual
    // figure / 1.760 hours x hours, variable ones the annual figure / 120.000 km x km.
    for (const auto& [km, horas, figuras] :
         {std::tuple{"100", "2",
                     "15,23 2,21 37,36 1,25 4,55 1,14 61,73 - 34,65 5,50 3,20 8,00 4,40 55,75 - 117,48 - "
                     "27,27 - 144,76"},
          {"0", "0", "0,00 0,00 0,00 0,00 0,00 0,00 0,00 - 0,00 0,00 0,00 0,00 0,00 0,00 - 0,00 - 27,27 - 27,27"},
          {" 12,5 ", "1,5",
           "11,42 1,66 28,02 0,94 3,41 0,85 46,30 - 4,33 0,69 0,40 1,00 0,55 6,97 - 53,27 - 27,27 - "
           "80,54"}}) {
        SCOPED_TRACE(km);
        p.Resultado(true, km, horas);
        QWidget* w = p.presupuesto();
        EXPECT_TRUE(w->isVisible() && !p.modo()->isVisible());
        const QStringList l = Lineas(w), valores = QString(figuras).split(' ');
        ASSERT_EQ(l.size(), 29);
        EXPECT_EQ(Color(w), kNegro);
        EXPECT_EQ(l[0], kSangria + "Frigorífico 40 t");
        EXPECT_EQ(l[3], kSangria + "Resultado del cálculo de costes");
        EXPECT_EQ(l[6], kSangria + QString::fromUtf8(km) + " kilómetros y " + horas + " horas");
        ASSERT_EQ(valores.size(), etiquetas.size());
        for (int i = 0; i < etiquetas.size(); ++i) {
            if (etiquetas[i].isEmpty()) continue;
            EXPECT_EQ(l[9 + i], Linea(etiquetas[i], 46, valores[i], 12, " €"));
        }
        SinDesplazamiento(w);
        EXPECT_TRUE(p.plataforma.avisos.empty());
    }
    // Computed again on the budget window, it reads the texts there and then.
    En<QLineEdit>(p.modo(), "txtKilometrosDelServicio")->setText("7");
    En(p.presupuesto(), "btCalculoResumen")->click();
    EXPECT_EQ(Lineas(p.presupuesto()).value(6), kSangria + "7 kilómetros y 1,5 horas");

    // Not a number: the lines written before the failure stay (hours at line 9, kilometres at 17).
    for (const auto& [km, horas, lineas] : {std::tuple{"100", "dos", 9}, {" ", "2", 17}, {"cien", "3", 17}}) {
        p.plataforma.Limpiar();
        p.Resultado(true, km, horas);
        ASSERT_EQ(Lineas(p.presupuesto()).size(), lineas) << km << "/" << horas;
        EXPECT_EQ(Lineas(p.presupuesto())[8], "************************ COSTES FIJOS *****************************");
        EXPECT_EQ(Color(p.presupuesto()), kNegro);
        EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
        EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Critico);
    }
}

TEST_F(Resultados, ModoDeResultado)
{
    ASSERT_TRUE(p.Abrir(8));
    QWidget* m = p.modo();
    auto* km = En<QLineEdit>(m, "txtKilometrosDelServicio");
    auto* horas = En<QLineEdit>(m, "txtHorasDelServicio");
    auto habilitados = [&](bool si) {
        return En<QLabel>(m, "lblKilometrosDelServicio")->isEnabled() == si &&
               En<QLabel>(m, "lblHorasDelServicio")->isEnabled() == si && km->isEnabled() == si &&
               horas->isEnabled() == si;
    };
    EXPECT_EQ(m->windowTitle(), "Seleccionar resultado");
    EXPECT_TRUE(m->isVisible() && En<QRadioButton>(m, "Option1")->isChecked() && habilitados(false));
    QTest::mouseClick(En<QRadioButton>(m, "Option2"), Qt::LeftButton);
    EXPECT_TRUE(habilitados(true) && km->hasFocus());
    QTest::keyClicks(km, "350");
    QTest::mouseClick(En<QRadioButton>(m, "Option1"), Qt::LeftButton);
    EXPECT_TRUE(habilitados(false));
    EXPECT_EQ(km->text(), "350");

    // Both empty: only the kilometres are asked for; then the hours.
    QTest::mouseClick(En<QRadioButton>(m, "Option2"), Qt::LeftButton);
    km->clear();
    En(m, "btCalcular")->setFocus();
    QTest::mouseClick(En(m, "btCalcular"), Qt::LeftButton);
    EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{"Debe rellenar la cantidad de kilómetros del servicio"});
    EXPECT_EQ(p.plataforma.avisos[0].icono, Icono::Ninguno);
    EXPECT_TRUE(km->hasFocus());
    km->setText("350");
    QTest::mouseClick(En(m, "btCalcular"), Qt::LeftButton);
    EXPECT_EQ(p.plataforma.Textos().back(), "Debe rellenar la cantidad de horas del servicio");
    EXPECT_TRUE(horas->hasFocus() && m->isVisible());
    EXPECT_FALSE(p.presupuesto()->isVisible() || p.trayecto()->isVisible());

    // Entering a field, by focus or by a click, selects all its text.
    horas->setText("6,5");
    km->setFocus();
    EXPECT_EQ(km->selectedText(), "350");
    QTest::keyClicks(km, "120");
    EXPECT_EQ(km->text(), "120");
    QTest::mouseClick(horas, Qt::LeftButton, {}, QPoint(2, horas->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(horas->selectedText(), "6,5");
}

TEST_F(Resultados, ImprimirOcultaBotonesYLosDevuelve)
{
    p.Resultado(true, "100", "2");
    p.inicio->MostrarEnPaso(p.trayecto());
    p.trayecto()->btCalculoResumen_Click();
    // Window, buttons hidden while printing, message when printing fails.
    for (const auto& [w, ocultos, mensaje] :
         {std::tuple<QWidget*, QStringList, std::string>{
              p.trayecto(),
              {"btImprimir", "btCalculoDetallado", "btCalculoResumen"},
              "Se ha producido un error al imprimir. Error nº 482 (Error de impresora)"},
          {p.presupuesto(), {"btImprimir"}, "Se ha producido el error nº 482 ( Error de impresora) "}})
        for (bool falla : {false, true}) {
            SCOPED_TRACE(w->objectName().toStdString() + (falla ? " fallo" : " exito"));
            std::map<QPushButton*, QRect> antes;
            for (QPushButton* b : w->findChildren<QPushButton*>()) antes[b] = b->geometry();
            if (falla) p.plataforma.falloImpresion = std::pair{482, std::string("Error de impresora")};
            const QStringList lineas = Lineas(w);
            p.plataforma.alImprimir = [&](QWidget* impresa) {
                EXPECT_EQ(impresa, w);
                EXPECT_EQ(Lineas(w), lineas);
                for (auto [b, sitio] : antes) EXPECT_EQ(b->isHidden(), ocultos.contains(b->objectName()));
            };
            QTest::mouseClick(En(w, "btImprimir"), Qt::LeftButton);
            for (auto [b, sitio] : antes) EXPECT_TRUE(b->isVisible() && b->geometry() == sitio);
            EXPECT_EQ(Lineas(w), lineas);
            EXPECT_EQ(p.plataforma.Textos(), falla ? std::vector<std::string>{mensaje} : std::vector<std::string>{});
            if (falla) {
                EXPECT_EQ(p.plataforma.avisos[0].icono, ocultos.size() > 1 ? Icono::Ninguno : Icono::Critico);
            }
            EXPECT_EQ(p.plataforma.impresas.size(), falla ? 0u : 1u);
            p.plataforma.falloImpresion.reset();
            p.plataforma.Limpiar();
        }
}

}  // namespace
