// The result windows driven as a user drives them: the example copied into the
// input windows, a button pressed, the list read and compared with the core's
// report; and printing them on the real platform.
#include <QDirIterator>
#include <QPrinterInfo>

#include "Apoyo.h"
#include "reports/Informes.h"
#include "windows/PlataformaQt.h"
#include "windows/Presupuesto.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

const std::string kError13 = MensajeError(ErrorEjecucion(kTiposNoCoinciden));
const QColor kNegro(0, 0, 0), kRojo(255, 0, 0);

QColor Color(QWidget* w) { return En<QListWidget>(w, "lstResultado")->palette().color(QPalette::Text); }
QStringList ComoLista(const std::vector<std::string>& lineas)
{
    QStringList l;
    for (const auto& s : lineas) l << QString::fromStdString(s);
    return l;
}

class Resultados : public ConEjemplo {};

TEST_F(Resultados, InformesIgualesAlDelNucleo)
{
    p.Resultado(false);
    QWidget* t = p.trayecto();
    EXPECT_TRUE(t->isVisible() && !p.modo()->isVisible());
    std::vector<std::string> detallado, resumen;
    InformeDetallado(p.Calculado(), detallado);
    InformeResumen(p.Calculado(), resumen);
    EXPECT_EQ(Lineas(t), ComoLista(resumen));
    En(t, "btCalculoDetallado")->click();
    EXPECT_EQ(Lineas(t), ComoLista(detallado));
    EXPECT_EQ(Color(t), kNegro);
    EXPECT_TRUE(p.plataforma.avisos.empty());

    for (const auto& [km, horas] : {std::pair{"100", "2"}, {" 12,5 ", "1,5"}}) {
        p.Resultado(true, km, horas);
        std::vector<std::string> presupuesto;
        InformePresupuesto(p.Calculado(), km, horas, presupuesto);
        EXPECT_TRUE(p.presupuesto()->isVisible() && !p.modo()->isVisible());
        EXPECT_EQ(Lineas(p.presupuesto()), ComoLista(presupuesto)) << km;
    }
    // A point where the comma belongs: no budget, the box to mend in front.
    p.Resultado(true, "100", "6.5");
    EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
    auto* horas = En<QLineEdit>(p.modo(), "txtHorasDelServicio");
    ESPERAR(horas->hasFocus() && horas->selectedText() == "6.5");
    // A service of no kilometres, in red; the keypad's decimal key types a comma.
    p.Resultado(true, "0", "2");
    EXPECT_EQ(Lineas(p.presupuesto()), (QStringList{"", "Error en Kilómetros del servicio: debe ser mayor que 0"}));
    EXPECT_EQ(Color(p.presupuesto()), kRojo);
    horas->clear();
    QTest::keyClick(horas, Qt::Key_6);
    QTest::keyClick(horas, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(horas->text(), "6,");
}

TEST_F(Resultados, ValidacionEnRojoYErroresDeEjecucion)
{
    Trayecto* t = p.trayecto();
    p.inicio->MostrarEnPaso(t);
    p.Escribir("txtKilometrajeAnual=0;txtServiciosDiarios=-1");
    t->btCalculoDetallado_Click();
    EXPECT_EQ(Lineas(t), (QStringList{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
    EXPECT_EQ(Color(t), kRojo);
    EXPECT_TRUE(p.plataforma.avisos.empty());
    p.Escribir("txtKilometrajeAnual=120000;txtServiciosDiarios=2");
    t->btCalculoResumen_Click();
    EXPECT_EQ(Lineas(t).size(), 20);
    EXPECT_EQ(Color(t), kNegro);

    // A box the column cannot read: its message, then validation of what was read.
    p.Escribir("txtCFCabezaPrecioBruto", "");  // only one rule fails: no empty first line
    t->btCalculoResumen_Click();
    EXPECT_EQ(Lineas(t), QStringList{"Error en Precio de Cabeza Tractora"});
    p.Escribir("txtServiciosDiarios", "");
    t->btCalculoResumen_Click();
    EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
    EXPECT_EQ(Color(t), kRojo);
    EXPECT_EQ(Lineas(t).value(0), "Error en Precio de Cabeza Tractora");
    // Validation passes, the insurance window's empty text stops the calculation.
    p.Escribir("txtServiciosDiarios=2;txtCFCabezaPrecioBruto=90000;txtCFResponsabilidadCivil=");
    p.plataforma.Limpiar();
    t->btCalculoDetallado_Click();
    EXPECT_EQ(Lineas(t).size(), 0);
    EXPECT_EQ(p.plataforma.Textos(), std::vector<std::string>{kError13});
}

// The real printing (the PDF printer of ci/impresora.sh when there is one);
// messages are recorded instead of shown.
class PlataformaImpresora : public PlataformaQt {
public:
    std::vector<Aviso> avisos;
    Respuesta Mostrar(const Aviso& aviso) override
    {
        avisos.push_back(aviso);
        return Respuesta::Aceptar;
    }
};
class Impresion : public ConEjemplo {
protected:
    void SetUp() override
    {
        ConEjemplo::SetUp();
        presupuesto.FijarTextosServicio([] { return std::pair<std::string, std::string>{"350", "6"}; });
        for (QWidget* w : ventanas) w->show();
        trayecto.btCalculoDetallado_Click();
        presupuesto.btCalculoResumen_Click();
    }
    PlataformaImpresora plataforma;
    Trayecto trayecto{p.inicio->columnas(), plataforma};
    Presupuesto presupuesto{p.inicio->columnas(), plataforma};
    const std::vector<QWidget*> ventanas = {&trayecto, &presupuesto};
};

QStringList Pdfs()
{
    QStringList pdfs;
    for (const QString& carpeta :
         {qEnvironmentVariable("TARVELON_PDF_DIR"), QStringLiteral("/var/spool/cups-pdf"), QDir::homePath() + "/PDF"})
        for (QDirIterator it(carpeta, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            pdfs << it.next() + QString::number(it.fileInfo().lastModified().toMSecsSinceEpoch());
    return pdfs;
}

TEST_F(Impresion, CadaVentanaSaleEnUnPdfNuevo)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "no hay impresora predeterminada (ci/impresora.sh instala la impresora PDF de CUPS)";
    for (QWidget* ventana : ventanas) {
        const QStringList antes = Pdfs();
        En(ventana, "btImprimir")->click();
        EXPECT_TRUE(plataforma.avisos.empty()) << (plataforma.avisos.empty() ? "" : plataforma.avisos[0].texto);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Pdfs() != antes; }, 90000)) << "la impresora no ha dejado un PDF";
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
    }
}

// With no default printer each window words its own message and gets its
// buttons back. CUPS takes its default from PRINTER: an unknown name leaves none.
TEST_F(Impresion, SinImpresoraCadaVentanaDaSuMensaje)
{
    struct Restaurar {
        QByteArray valor = qgetenv("PRINTER");
        ~Restaurar() { valor.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", valor); }
    } restaurar;
    qputenv("PRINTER", "TarvelonImpresoraInexistente");
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    for (QWidget* ventana : ventanas) En(ventana, "btImprimir")->click();
    ASSERT_EQ(plataforma.avisos.size(), 2u);
    EXPECT_TRUE(Empieza(plataforma.avisos[0].texto, "Se ha producido un error al imprimir. Error nº "));
    EXPECT_TRUE(Empieza(plataforma.avisos[1].texto, "Se ha producido el error nº "));
    for (QWidget* ventana : ventanas)
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(Lineas(&trayecto).size(), 35);
}

}  // namespace
