// The result windows driven as the user drives them: figures typed into the
// (stand-in) input windows, a button pressed, the list read back.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "ResultadosApoyo.h"
#include "model/Numeros.h"
#include "results/Informes.h"
#include "results/VentanaPresupuesto.h"
#include "results/VentanaSeleccionarResultado.h"
#include "results/VentanaTrayecto.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

const QString kSangria(10, QLatin1Char(' '));

// A value line built with Qt's own padding, independent of the report code.
QString LineaValor(const QString& etiqueta, int anchoEtiqueta, const QString& valor, int anchoValor, const QString& sufijo)
{
    return QStringLiteral("%1%2%3").arg(etiqueta, -anchoEtiqueta).arg(valor, anchoValor).arg(sufijo);
}

int PixelesRojos(QWidget* w)
{
    const QImage imagen = w->grab().toImage();
    int rojos = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            rojos += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
    return rojos;
}

class VentanasResultado : public ::testing::Test {
protected:
    // Before any member window of a derived fixture is built.
    VentanasResultado() { AsegurarAplicacion(); }
    void SetUp() override { columna.textos = DatosEjemplo(); }

    // Lets the list lay out its items, so that its scroll ranges are current.
    static void Asentar(QWidget& w)
    {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QListWidget* Lista(QWidget& w) { return w.findChild<QListWidget*>(QStringLiteral("lstResultado")); }
    QPushButton* Boton(QWidget& w, const char* nombre) { return w.findChild<QPushButton*>(QString::fromLatin1(nombre)); }

    // The same record the windows build, calculated outside them.
    Simulacion Calculado()
    {
        Simulacion s;
        columna.LeerColumnaSimulacion(s);
        EXPECT_TRUE(s.Validar());
        s.Calcular(columna.SeguroActual());
        return s;
    }

    PlataformaRegistro plataforma;
    ColumnaTextos columna{plataforma};
};

TEST_F(VentanasResultado, InformeDetalladoCompletoEnNegro)
{
    Trayecto trayecto(columna, plataforma);
    trayecto.show();
    QTest::mouseClick(Boton(trayecto, "btCalculoDetallado"), Qt::LeftButton);

    const QStringList lineas = LineasLista(Lista(trayecto));
    ASSERT_EQ(lineas.size(), 35);
    EXPECT_EQ(ColorLista(Lista(trayecto)), QColor(0, 0, 0));
    EXPECT_TRUE(plataforma.avisos.empty());

    EXPECT_EQ(lineas[0], kSangria + "Frigorífico 40 t");
    EXPECT_EQ(lineas[1], kSangria + QString(16, QLatin1Char('=')));
    EXPECT_EQ(lineas[2], kSangria + "Kilometros anuales: 120.000");
    EXPECT_EQ(lineas[3], kSangria + "Servicios anuales:   440");
    EXPECT_EQ(lineas[4], "");
    EXPECT_EQ(lineas[5], "************************ COSTES FIJOS **********************************");
    EXPECT_EQ(lineas[6], LineaValor(kSangria + "Coste Anual Amortización: ", 50, "13.400,00", 12, " €"));
    EXPECT_EQ(lineas[12], LineaValor(kSangria + "Costes Fijos Anuales: ", 50, "54.326,32", 12, " €"));
    EXPECT_EQ(lineas[13], LineaValor(kSangria + "Costes Fijos por Km: ", 50, "0,4527", 14, " €/Km"));
    EXPECT_EQ(lineas[21], LineaValor(kSangria + "Costes Variables Anuales: ", 50, "66.900,00", 12, " €"));
    EXPECT_EQ(lineas[25], LineaValor(kSangria + "Costes Directos Anuales: ", 50, "121.226,32", 12, " €"));
    EXPECT_EQ(lineas[34], LineaValor(kSangria + "Costes Fijos Por Horas: ", 50, "30,87", 12, " €/Hora"));

    // Every line, as the report writer makes it for the same figures.
    std::vector<std::string> esperado;
    InformeDetallado(Calculado(), esperado);
    EXPECT_EQ(lineas, ComoLista(esperado));

    // The whole report is in view, columns aligned: nothing to scroll either way.
    Asentar(trayecto);
    QListWidget* lista = Lista(trayecto);
    EXPECT_TRUE(QFontInfo(lista->font()).fixedPitch());
    EXPECT_EQ(lista->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(lista->horizontalScrollBar()->maximum(), 0);
}

TEST_F(VentanasResultado, ResumenDeVeinteLineasSinDesplazamiento)
{
    Trayecto trayecto(columna, plataforma);
    trayecto.show();
    QTest::mouseClick(Boton(trayecto, "btCalculoResumen"), Qt::LeftButton);

    const QStringList lineas = LineasLista(Lista(trayecto));
    ASSERT_EQ(lineas.size(), 20);
    EXPECT_EQ(lineas[5].size(), 76);
    EXPECT_EQ(lineas[6], kSangria + LineaValor("Costes Fijos por Km: ", 42, "0,4527", 14, " €/Km"));
    EXPECT_EQ(lineas[10], "");
    EXPECT_EQ(lineas[15], kSangria + LineaValor("Costes Indirectos Anuales por Servicio: ", 42, "27,27", 14, " €/Serv"));
    EXPECT_EQ(lineas[16], "");
    std::vector<std::string> esperado;
    InformeResumen(Calculado(), esperado);
    EXPECT_EQ(lineas, ComoLista(esperado));

    Asentar(trayecto);
    QListWidget* lista = Lista(trayecto);
    EXPECT_EQ(lista->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(lista->verticalScrollBar()->maximum(), 0);
}

TEST_F(VentanasResultado, ErroresDeValidacionEnRojoYLuegoNegroOtraVez)
{
    Trayecto trayecto(columna, plataforma);
    columna.textos["KilometrajeAnual"] = "0";
    columna.textos["ServiciosDiarios"] = "-1";
    trayecto.btCalculoDetallado_Click();

    QListWidget* lista = Lista(trayecto);
    EXPECT_EQ(LineasLista(lista), (QStringList{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
    EXPECT_EQ(ColorLista(lista), QColor(255, 0, 0));
    EXPECT_TRUE(plataforma.avisos.empty());
    // And red is what the screen (and the printout) shows.
    EXPECT_GT(PixelesRojos(lista), 20);

    // Only rule 1 failing: no empty first line.
    columna.textos = DatosEjemplo();
    columna.textos["CFCabezaPrecioBruto"] = "";
    trayecto.btCalculoResumen_Click();
    EXPECT_EQ(LineasLista(lista), QStringList{"Error en Precio de Cabeza Tractora"});

    columna.textos = DatosEjemplo();
    trayecto.btCalculoResumen_Click();
    EXPECT_EQ(lista->count(), 20);
    EXPECT_EQ(ColorLista(lista), QColor(0, 0, 0));
    EXPECT_EQ(PixelesRojos(lista), 0);
}

TEST_F(VentanasResultado, FalloDelCalculoAvisaYNoDejaInforme)
{
    Trayecto trayecto(columna, plataforma);
    trayecto.btCalculoResumen_Click();  // a report that must be replaced
    // Validation passes; the insurance window's empty text stops Calcular.
    columna.textos["CFResponsabilidadCivil"] = "";
    trayecto.btCalculoDetallado_Click();

    EXPECT_EQ(Lista(trayecto)->count(), 0);
    ASSERT_EQ(plataforma.avisos.size(), 1u);
    EXPECT_EQ(plataforma.avisos[0].texto, MensajeError(ErrorEjecucion(kTiposNoCoinciden)));
    EXPECT_EQ(plataforma.avisos[0].icono, Icono::Critico);
    EXPECT_EQ(plataforma.avisos[0].titulo, "TARVELON");
}

TEST_F(VentanasResultado, CasillaIlegibleAvisaYLaValidacionSigue)
{
    // The column reports its own failure; the action goes on with what it got.
    Trayecto trayecto(columna, plataforma);
    columna.textos["ServiciosDiarios"] = "";
    trayecto.btCalculoResumen_Click();
    ASSERT_EQ(plataforma.avisos.size(), 1u);
    EXPECT_EQ(plataforma.avisos[0].texto, MensajeError(ErrorEjecucion(kTiposNoCoinciden)));
    QListWidget* lista = Lista(trayecto);
    EXPECT_EQ(ColorLista(lista), QColor(255, 0, 0));
    EXPECT_GT(lista->count(), 1);
    EXPECT_EQ(lista->item(0)->text(), "Error en Precio de Cabeza Tractora");
}

struct CasoPresupuesto {
    const char* km;
    const char* horas;
    std::vector<const char*> fijos;      // lines 10-16
    std::vector<const char*> variables;  // lines 18-23
    const char* directos;
    const char* totales;
};

void PrintTo(const CasoPresupuesto& caso, std::ostream* os) { *os << '"' << caso.km << "\" km, \"" << caso.horas << "\" h"; }

class PresupuestoServicio : public VentanasResultado, public ::testing::WithParamInterface<CasoPresupuesto> {};

TEST_P(PresupuestoServicio, LineasDelPresupuesto)
{
    const CasoPresupuesto& caso = GetParam();
    Presupuesto presupuesto(columna, plataforma);
    presupuesto.FijarTextosServicio([&] { return std::pair<std::string, std::string>{caso.km, caso.horas}; });
    presupuesto.show();
    QTest::mouseClick(Boton(presupuesto, "btCalculoResumen"), Qt::LeftButton);

    QListWidget* lista = Lista(presupuesto);
    const QStringList lineas = LineasLista(lista);
    ASSERT_EQ(lineas.size(), 29) << lineas.join('\n').toStdString();
    EXPECT_EQ(ColorLista(lista), QColor(0, 0, 0));
    EXPECT_EQ(lineas[0], kSangria + "Frigorífico 40 t");
    EXPECT_EQ(lineas[3], kSangria + "Resultado del cálculo de costes");
    EXPECT_EQ(lineas[6], kSangria + QString::fromUtf8(caso.km) + " kilómetros y " + QString::fromUtf8(caso.horas) + " horas");
    const char* etiquetasFijas[] = {"Amortización: ",    "Financiación: ",       "Personal: ",
                                    "Cargas Fiscales: ", "Seguros Vehículo: ",   "Otros Gastos Fijos: ",
                                    "Total Costes Fijos: "};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(lineas[9 + i], LineaValor(kSangria + etiquetasFijas[i], 46, caso.fijos[i], 12, " €"));
    const char* etiquetasVariables[] = {"Coste Anual Combustible: ", "Coste Anual Dietas: ",
                                        "Coste Anual Neumáticos: ", "Coste Anual Mantenimiento y Rep: ",
                                        "Coste Anual Peajes: ",    "Total Costes Variables: "};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(lineas[17 + i], LineaValor(kSangria + etiquetasVariables[i], 46, caso.variables[i], 12, " €"));
    EXPECT_EQ(lineas[24], LineaValor(kSangria + "Total Costes Directos del Servicio: ", 46, caso.directos, 12, " €"));
    // The indirect cost per service, whatever the service's size.
    EXPECT_EQ(lineas[26], LineaValor(kSangria + "Costes Indirectos: ", 46, "27,27", 12, " €"));
    EXPECT_EQ(lineas[28], LineaValor(kSangria + "Costes Totales: ", 46, caso.totales, 12, " €"));
    Asentar(presupuesto);
    EXPECT_TRUE(QFontInfo(lista->font()).fixedPitch());
    EXPECT_EQ(lista->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(lista->horizontalScrollBar()->maximum(), 0);
    EXPECT_TRUE(plataforma.avisos.empty());
}

std::string NombreCaso(const ::testing::TestParamInfo<CasoPresupuesto>& info)
{
    static const char* const nombres[] = {"Km100Horas2", "Km0Horas0", "ComaDecimalYBlancos"};
    return nombres[info.index];
}

// Fixed lines: annual figure / 1.760 hours x hours; variable lines: annual
// figure / 120.000 km x km.
INSTANTIATE_TEST_SUITE_P(
    Servicios, PresupuestoServicio,
    ::testing::Values(
        CasoPresupuesto{"100", "2",
                        {"15,23", "2,21", "37,36", "1,25", "4,55", "1,14", "61,73"},
                        {"34,65", "5,50", "3,20", "8,00", "4,40", "55,75"},
                        "117,48", "144,76"},
        CasoPresupuesto{"0", "0",
                        {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
                        {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
                        "0,00", "27,27"},
        // Decimal comma, and blanks kept as typed in line 7.
        CasoPresupuesto{" 12,5 ", "1,5",
                        {"11,42", "1,66", "28,02", "0,94", "3,41", "0,85", "46,30"},
                        {"4,33", "0,69", "0,40", "1,00", "0,55", "6,97"},
                        "53,27", "80,54"}),
    NombreCaso);

TEST_F(VentanasResultado, PresupuestoConTextoNoNumericoDejaLasLineasYaEscritas)
{
    struct Caso {
        const char* km;
        const char* horas;
        int lineas;
    };
    for (const Caso caso : {Caso{"100", "dos", 9}, Caso{" ", "2", 17}, Caso{"cien", "", 9}}) {
        SCOPED_TRACE(std::string(caso.km) + "/" + caso.horas);
        plataforma.avisos.clear();
        Presupuesto presupuesto(columna, plataforma);
        presupuesto.FijarTextosServicio([&] { return std::pair<std::string, std::string>{caso.km, caso.horas}; });
        presupuesto.btCalculoResumen_Click();
        QListWidget* lista = Lista(presupuesto);
        ASSERT_EQ(lista->count(), caso.lineas);
        EXPECT_EQ(lista->item(8)->text(), "************************ COSTES FIJOS *****************************");
        EXPECT_EQ(ColorLista(lista), QColor(0, 0, 0));
        ASSERT_EQ(plataforma.avisos.size(), 1u);
        EXPECT_EQ(plataforma.avisos[0].texto, MensajeError(ErrorEjecucion(kTiposNoCoinciden)));
        EXPECT_EQ(plataforma.avisos[0].icono, Icono::Critico);
    }
}

TEST_F(VentanasResultado, PresupuestoConDatosNoValidosMuestraLosMensajes)
{
    Presupuesto presupuesto(columna, plataforma);
    presupuesto.FijarTextosServicio([] { return std::pair<std::string, std::string>{"100", "2"}; });
    columna.textos["CVConsumoMedio"] = "0";
    presupuesto.btCalculoResumen_Click();
    QListWidget* lista = Lista(presupuesto);
    EXPECT_EQ(LineasLista(lista), (QStringList{"", "Error en Consumo Medio de combustible"}));
    EXPECT_EQ(ColorLista(lista), QColor(255, 0, 0));
}

// ---- printing -------------------------------------------------------------

TEST_F(VentanasResultado, ImprimirTrayectoOcultaLosTresBotonesYLosDevuelve)
{
    Trayecto trayecto(columna, plataforma);
    trayecto.show();
    trayecto.btCalculoResumen_Click();
    const char* nombres[] = {"btImprimir", "btCalculoDetallado", "btCalculoResumen"};
    std::map<std::string, QRect> posiciones;
    for (const char* n : nombres) posiciones[n] = Boton(trayecto, n)->geometry();

    for (bool falla : {false, true}) {
        SCOPED_TRACE(falla ? "fallo" : "exito");
        plataforma.avisos.clear();
        plataforma.errorImpresion.reset();
        if (falla) plataforma.errorImpresion = ErrorEjecucion(482, "Error de impresora");
        std::map<std::string, bool> ocultosAlImprimir;
        QStringList listaAlImprimir;
        plataforma.alImprimir = [&](QWidget* w) {
            EXPECT_EQ(w, &trayecto);
            for (const char* n : nombres) ocultosAlImprimir[n] = Boton(trayecto, n)->isHidden();
            listaAlImprimir = LineasLista(Lista(trayecto));
        };
        QTest::mouseClick(Boton(trayecto, "btImprimir"), Qt::LeftButton);

        for (const char* n : nombres) {
            EXPECT_TRUE(ocultosAlImprimir[n]) << n;
            EXPECT_TRUE(Boton(trayecto, n)->isVisible()) << n;
            EXPECT_EQ(Boton(trayecto, n)->geometry(), posiciones[n]) << n;
        }
        EXPECT_EQ(listaAlImprimir.size(), 20);
        EXPECT_EQ(Lista(trayecto)->count(), 20);
        if (falla) {
            ASSERT_EQ(plataforma.avisos.size(), 1u);
            EXPECT_EQ(plataforma.avisos[0].texto,
                      "Se ha producido un error al imprimir. Error nº 482 (Error de impresora)");
            EXPECT_EQ(plataforma.avisos[0].icono, Icono::Ninguno);
            EXPECT_EQ(plataforma.avisos[0].titulo, "TARVELON");
        } else {
            EXPECT_TRUE(plataforma.avisos.empty());
        }
    }
    EXPECT_EQ(plataforma.impresiones, 2);
}

TEST_F(VentanasResultado, ImprimirPresupuestoOcultaSoloImprimir)
{
    Presupuesto presupuesto(columna, plataforma);
    presupuesto.show();
    const QRect posicion = Boton(presupuesto, "btImprimir")->geometry();
    const QRect posicionResumen = Boton(presupuesto, "btCalculoResumen")->geometry();
    for (bool falla : {false, true}) {
        SCOPED_TRACE(falla ? "fallo" : "exito");
        plataforma.avisos.clear();
        plataforma.errorImpresion.reset();
        if (falla) plataforma.errorImpresion = ErrorEjecucion(482, "Error de impresora");
        bool imprimirOculto = false, resumenVisible = false;
        plataforma.alImprimir = [&](QWidget*) {
            imprimirOculto = Boton(presupuesto, "btImprimir")->isHidden();
            resumenVisible = Boton(presupuesto, "btCalculoResumen")->isVisible();
        };
        presupuesto.btImprimir_Click();
        EXPECT_TRUE(imprimirOculto);
        EXPECT_TRUE(resumenVisible);
        EXPECT_TRUE(Boton(presupuesto, "btImprimir")->isVisible());
        EXPECT_EQ(Boton(presupuesto, "btImprimir")->geometry(), posicion);
        EXPECT_EQ(Boton(presupuesto, "btCalculoResumen")->geometry(), posicionResumen);
        if (falla) {
            ASSERT_EQ(plataforma.avisos.size(), 1u);
            EXPECT_EQ(plataforma.avisos[0].texto, "Se ha producido el error nº 482 ( Error de impresora) ");
            EXPECT_EQ(plataforma.avisos[0].icono, Icono::Critico);
        } else {
            EXPECT_TRUE(plataforma.avisos.empty());
        }
    }
}

// ---- result mode window ---------------------------------------------------

class ModoResultado : public VentanasResultado {
protected:
    void SetUp() override
    {
        VentanasResultado::SetUp();
        seleccion.show();
        seleccion.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&seleccion));
    }
    template <class T>
    T* Control(const char* nombre) { return seleccion.findChild<T*>(QString::fromLatin1(nombre)); }
    bool Habilitados(bool esperado)
    {
        bool todos = true;
        for (const char* n : {"lblKilometrosDelServicio", "lblHorasDelServicio"})
            todos = todos && Control<QLabel>(n)->isEnabled() == esperado;
        for (const char* n : {"txtKilometrosDelServicio", "txtHorasDelServicio"})
            todos = todos && Control<QLineEdit>(n)->isEnabled() == esperado;
        return todos;
    }

    Trayecto trayecto{columna, plataforma};
    Presupuesto presupuesto{columna, plataforma};
    std::vector<QWidget*> mostradas;
    SeleccionarResultado seleccion{trayecto, presupuesto, [this](QWidget* w) {
                                       mostradas.push_back(w);
                                       w->show();
                                   }};
};

TEST_F(ModoResultado, EstadoInicialYCambioDeOpcion)
{
    EXPECT_EQ(seleccion.objectName(), "SeleccionarResultado");
    EXPECT_EQ(seleccion.windowTitle(), "Seleccionar resultado");
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_TRUE(Habilitados(false));
    EXPECT_EQ(Control<QPushButton>("btCalcular")->text(), "&Calcular");

    QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_TRUE(Habilitados(true));
    EXPECT_TRUE(Control<QLineEdit>("txtKilometrosDelServicio")->hasFocus());

    QTest::keyClicks(Control<QLineEdit>("txtKilometrosDelServicio"), "350");
    QTest::mouseClick(Control<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_TRUE(Habilitados(false));
    EXPECT_EQ(Control<QLineEdit>("txtKilometrosDelServicio")->text(), "350");
}

TEST_F(ModoResultado, CosteUnitarioMuestraElResumenYSeOculta)
{
    QTest::mouseClick(Control<QPushButton>("btCalcular"), Qt::LeftButton);
    ASSERT_EQ(mostradas, std::vector<QWidget*>{&trayecto});
    EXPECT_TRUE(trayecto.isVisible());
    EXPECT_EQ(trayecto.findChild<QListWidget*>("lstResultado")->count(), 20);
    EXPECT_FALSE(seleccion.isVisible());
}

TEST_F(ModoResultado, FaltanKilometrosUHoras)
{
    QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
    auto* km = Control<QLineEdit>("txtKilometrosDelServicio");
    auto* horas = Control<QLineEdit>("txtHorasDelServicio");

    // Both empty: only the kilometres are asked for.
    Control<QPushButton>("btCalcular")->setFocus();
    QTest::mouseClick(Control<QPushButton>("btCalcular"), Qt::LeftButton);
    EXPECT_EQ(plataforma.Textos(), std::vector<std::string>{"Debe rellenar la cantidad de kilómetros del servicio"});
    EXPECT_EQ(plataforma.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(plataforma.avisos[0].titulo, "TARVELON");
    EXPECT_TRUE(km->hasFocus());
    EXPECT_TRUE(seleccion.isVisible());
    EXPECT_TRUE(mostradas.empty());

    plataforma.avisos.clear();
    km->setText("350");
    QTest::mouseClick(Control<QPushButton>("btCalcular"), Qt::LeftButton);
    EXPECT_EQ(plataforma.Textos(), std::vector<std::string>{"Debe rellenar la cantidad de horas del servicio"});
    EXPECT_TRUE(horas->hasFocus());
    EXPECT_TRUE(seleccion.isVisible());
    EXPECT_TRUE(mostradas.empty());
}

TEST_F(ModoResultado, ServicioMuestraElPresupuestoConLosTextosDeEstaVentana)
{
    QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
    Control<QLineEdit>("txtKilometrosDelServicio")->setText("100");
    Control<QLineEdit>("txtHorasDelServicio")->setText("2");
    QTest::mouseClick(Control<QPushButton>("btCalcular"), Qt::LeftButton);

    ASSERT_EQ(mostradas, std::vector<QWidget*>{&presupuesto});
    EXPECT_FALSE(seleccion.isVisible());
    auto* lista = presupuesto.findChild<QListWidget*>("lstResultado");
    ASSERT_EQ(lista->count(), 29);
    EXPECT_EQ(lista->item(6)->text(), kSangria + "100 kilómetros y 2 horas");

    // Recomputing on the budget window reads the current texts here.
    Control<QLineEdit>("txtKilometrosDelServicio")->setText("0");
    Control<QLineEdit>("txtHorasDelServicio")->setText("0");
    presupuesto.findChild<QPushButton*>("btCalculoResumen")->click();
    EXPECT_EQ(lista->item(6)->text(), kSangria + "0 kilómetros y 0 horas");
    EXPECT_TRUE(plataforma.avisos.empty());
}

TEST_F(ModoResultado, KilometrosEnBlancoPasanLaComprobacionYFallanEnElPresupuesto)
{
    QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
    Control<QLineEdit>("txtKilometrosDelServicio")->setText(" ");
    Control<QLineEdit>("txtHorasDelServicio")->setText("2");
    seleccion.btCalcular_Click();
    EXPECT_EQ(mostradas, std::vector<QWidget*>{&presupuesto});
    EXPECT_EQ(plataforma.Textos(), std::vector<std::string>{MensajeError(ErrorEjecucion(kTiposNoCoinciden))});
    EXPECT_EQ(presupuesto.findChild<QListWidget*>("lstResultado")->count(), 17);
    EXPECT_FALSE(seleccion.isVisible());
}

TEST_F(ModoResultado, AlEntrarEnUnCampoSeSeleccionaTodoSuTexto)
{
    QTest::mouseClick(Control<QRadioButton>("Option2"), Qt::LeftButton);
    auto* km = Control<QLineEdit>("txtKilometrosDelServicio");
    auto* horas = Control<QLineEdit>("txtHorasDelServicio");
    km->setText("350");
    horas->setText("6,5");
    horas->setFocus();
    EXPECT_EQ(horas->selectedText(), "6,5");
    km->setFocus();
    EXPECT_EQ(km->selectedText(), "350");
    QTest::keyClicks(km, "120");
    EXPECT_EQ(km->text(), "120");
    // A click in the field selects it all as well.
    QTest::mouseClick(horas, Qt::LeftButton, {}, QPoint(2, horas->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(horas->selectedText(), "6,5");
}

}  // namespace
