// The result windows driven as a user drives them: the example copied into the
// input windows, a button pressed, the list read and compared with the core's
// report; and printing them on the real platform.
#include <QDirIterator>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include "Apoyo.h"
#include "reports/Informes.h"
#include "windows/PlataformaQt.h"
#include "windows/Presupuesto.h"
#include "windows/frmAbout.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

const std::string kError13 = MensajeError(ErrorEjecucion(kTiposNoCoinciden));
const QColor kNegro(0, 0, 0), kRojo(255, 0, 0);
const std::string kPreguntaPdf = "No hay ninguna impresora instalada. ¿Desea guardar el informe como PDF?";

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

// Standard output of a poppler tool, or nothing when it is not installed.
std::optional<QString> Poppler(const char* programa, const QStringList& argumentos)
{
    const QString ruta = QStandardPaths::findExecutable(QString::fromLatin1(programa));
    if (ruta.isEmpty()) return std::nullopt;
    QProcess proceso;
    proceso.start(ruta, argumentos);
    proceso.waitForFinished(30000);
    return QString::fromUtf8(proceso.readAllStandardOutput());
}
bool HayRojo(const QImage& imagen)
{
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (const QColor c = imagen.pixelColor(x, y); c.red() > 200 && c.green() < 100 && c.blue() < 100)
                return true;
    return false;
}

// Each window's report as a PDF: offered when there is no printer ("No" keeps
// nothing), by its own button (a name that only the added extension makes is
// replaced only after "Sí"); its lines as text, in the window's colour, the
// version at the foot. A printer's failure in the window's own words, and the
// buttons back every time.
TEST_F(Resultados, PdfSinImpresoraOPorSuBotonYFalloDeImpresora)
{
    En(p.presupuesto(), "btGuardarPdf")->click();
    EXPECT_TRUE(p.plataforma.peticiones.empty() && Empieza(p.plataforma.Textos().at(0), "No hay ningún informe"));
    p.Resultado(true, "350", "6");
    p.Escribir("txtKilometrajeAnual", "0");
    p.trayecto()->btCalculoDetallado_Click();  // validation messages, in red
    for (const auto& [ventana, rojo, fallo] :
         {std::tuple<QWidget*, bool, const char*>{p.presupuesto(), false, "Se ha producido el error nº 482"},
          {p.trayecto(), true, "Se ha producido un error al imprimir. Error nº 482"}}) {
        const std::string ruta = p.Ruta(ventana->objectName().toStdString()), pdf = ruta + ".pdf";
        p.plataforma.Limpiar();
        p.plataforma.impresora = false;
        p.plataforma.respuestas = {Respuesta::No, Respuesta::Si};
        p.plataforma.ficheros = {ruta, ruta, pdf};
        En(ventana, "btImprimir")->click();
        En(ventana, "btImprimir")->click();
        En(ventana, "btGuardarPdf")->click();
        En(ventana, "btGuardarPdf")->click();
        EXPECT_EQ(p.plataforma.Textos(),
                  (Textos{kPreguntaPdf, kPreguntaPdf, "Fichero " + pdf + " grabado",
                          "El fichero " + pdf + " ya existe. ¿Desea reemplazarlo?", "Fichero " + pdf + " grabado"}));
        EXPECT_EQ(p.plataforma.peticiones.at(0).filtro, "Documento PDF (*.pdf)|*.pdf|");
        if (const auto texto = Poppler("pdftotext", {"-layout", QString::fromStdString(pdf), "-"})) {
            QStringList lineas;
            for (const QString& l : texto->split('\n')) lineas << l.simplified();
            for (const QString& l : Lineas(ventana)) EXPECT_TRUE(lineas.contains(l.simplified())) << l.toStdString();
            EXPECT_TRUE(texto->contains("TARVELON versión " + TextoVersion()));
            Poppler("pdftoppm",
                    {"-r", "72", "-png", "-singlefile", QString::fromStdString(pdf), QString::fromStdString(ruta)});
            EXPECT_EQ(HayRojo(QImage(QString::fromStdString(ruta + ".png"))), rojo);
        }
        p.plataforma.Limpiar();
        p.plataforma.errorImpresion = 482;
        En(ventana, "btImprimir")->click();
        EXPECT_TRUE(Empieza(p.plataforma.Textos().at(0), fallo));
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_FALSE(b->isHidden());
    }
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
    Trayecto trayecto{p.inicio->sesion().columnas(), plataforma};
    Presupuesto presupuesto{p.inicio->sesion().columnas(), plataforma};
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

// With a default printer each window leaves a new PDF there; with none (CUPS
// takes its default from PRINTER: an unknown name leaves none) it offers to
// save the report as a PDF instead.
TEST_F(Impresion, CadaVentanaSaleEnUnPdfNuevoOSinImpresoraLoOfrece)
{
    struct Restaurar {
        QByteArray valor = qgetenv("PRINTER");
        ~Restaurar() { valor.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", valor); }
    } restaurar;
    bool sinCups = false;
    for (const bool impresora : {true, false}) {
        if (!impresora) qputenv("PRINTER", "TarvelonImpresoraInexistente");
        ASSERT_TRUE(impresora || QPrinterInfo::defaultPrinter().isNull());
        if (impresora && QPrinterInfo::defaultPrinter().isNull()) {
            sinCups = true;
            continue;
        }
        for (QWidget* ventana : ventanas) {
            const QStringList antes = Pdfs();
            plataforma.avisos.clear();
            En(ventana, "btImprimir")->click();
            EXPECT_EQ(plataforma.avisos.size(), impresora ? 0u : 1u);
            EXPECT_TRUE(impresora || plataforma.avisos.at(0).texto == kPreguntaPdf);
            EXPECT_TRUE(!impresora || QTest::qWaitFor([&] { return Pdfs() != antes; }, 90000)) << "ningún PDF nuevo";
            for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
        }
    }
    if (sinCups) GTEST_SKIP() << "no hay impresora predeterminada (ci/impresora.sh instala la impresora PDF de CUPS)";
}

}  // namespace
