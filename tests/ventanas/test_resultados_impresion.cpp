// Printing the result windows through the program's real platform: on the
// default CUPS printer when there is one (the PDF printer of ci/impresora.sh),
// and with no printer at all.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include <QDateTime>
#include <QDirIterator>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

#include "Apoyo.h"
#include "windows/PlataformaQt.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

// The real printing; messages are recorded instead of shown.
class PlataformaImpresora : public PlataformaQt {
public:
    std::vector<Aviso> avisos;
    Respuesta Mostrar(const Aviso& aviso) override
    {
        avisos.push_back(aviso);
        return Respuesta::Aceptar;
    }
};

// Each PDF with its last change (a second printout of a window replaces the first file).
std::map<QString, QDateTime> Pdfs()
{
    std::map<QString, QDateTime> pdfs;
    for (const QString& carpeta :
         {qEnvironmentVariable("TARVELON_PDF_DIR"), QStringLiteral("/var/spool/cups-pdf"), QDir::homePath() + "/PDF"})
        for (QDirIterator it(carpeta, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString pdf = it.next();
            if (!carpeta.isEmpty()) pdfs[pdf] = it.fileInfo().lastModified();
        }
    return pdfs;
}

// The first PDF new or newer than before, once its size has settled.
QString PdfNuevo(const std::map<QString, QDateTime>& antes)
{
    using namespace std::chrono;
    for (const auto limite = steady_clock::now() + seconds(90); steady_clock::now() < limite;) {
        for (const auto& [pdf, cambio] : Pdfs()) {
            if (antes.count(pdf) && antes.at(pdf) == cambio) continue;
            const qint64 tam = QFileInfo(pdf).size();
            std::this_thread::sleep_for(milliseconds(500));
            if (tam > 0 && QFileInfo(pdf).size() == tam) return pdf;
        }
        std::this_thread::sleep_for(milliseconds(250));
    }
    return {};
}

QString Ejecutar(const QString& programa, const QStringList& argumentos)
{
    QProcess proceso;
    proceso.start(programa, argumentos);
    const bool bien = proceso.waitForFinished(60000) && proceso.exitCode() == 0;
    return bien ? QString::fromUtf8(proceso.readAllStandardOutput()) : QString();
}

// Share of the page that is ink, rendered as the printout would look.
double Tinta(const QString& pdf, const QString& base)
{
    Ejecutar("pdftoppm", {"-r", "50", "-gray", "-png", "-singlefile", pdf, base});
    const QImage imagen = QImage(base + ".png").convertToFormat(QImage::Format_Grayscale8);
    qint64 oscuros = 0;
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x) oscuros += imagen.constScanLine(y)[x] < 160;
    return imagen.isNull() ? -1 : double(oscuros) / (double(imagen.width()) * imagen.height());
}

class ImpresionReal : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.CopiarEjemplo();
        presupuesto.FijarTextosServicio([] { return std::pair<std::string, std::string>{"350", "6"}; });
        trayecto.show();
        presupuesto.show();
        trayecto.btCalculoDetallado_Click();
        presupuesto.btCalculoResumen_Click();
    }
    Programa p;
    PlataformaImpresora plataforma;
    Trayecto trayecto{p.inicio->columnas(), plataforma};
    Presupuesto presupuesto{p.inicio->columnas(), plataforma};
    const std::vector<QWidget*> ventanas = {&trayecto, &presupuesto};
};

TEST_F(ImpresionReal, CadaVentanaSaleEnUnaPaginaPdfConTinta)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "no hay impresora predeterminada (ci/impresora.sh instala la impresora PDF de CUPS)";
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
        GTEST_SKIP() << "faltan pdftoppm y pdfinfo (poppler-utils) para revisar lo impreso";
    ASSERT_EQ(Lineas(&trayecto).size(), 35);
    ASSERT_EQ(Lineas(&presupuesto).size(), 29);
    QTemporaryDir trabajo;
    for (QWidget* ventana : ventanas) {
        SCOPED_TRACE(ventana->objectName().toStdString());
        const auto antes = Pdfs();
        En(ventana, "btImprimir")->click();
        EXPECT_TRUE(plataforma.avisos.empty()) << (plataforma.avisos.empty() ? "" : plataforma.avisos[0].texto);
        const QString pdf = PdfNuevo(antes);
        ASSERT_FALSE(pdf.isEmpty()) << "la impresora no ha dejado ningún PDF";
        EXPECT_TRUE(Ejecutar("pdfinfo", {pdf}).contains(QRegularExpression("\nPages: +1\n"))) << pdf.toStdString();
        const double tinta = Tinta(pdf, trabajo.filePath("pagina"));
        EXPECT_TRUE(tinta > 0.002 && tinta < 0.9) << "página en blanco o negra: " << tinta << " " << pdf.toStdString();
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
    }
}

// With no default printer each window words its own message and gets its
// buttons back. CUPS takes its default from PRINTER: an unknown name leaves none.
TEST_F(ImpresionReal, SinImpresoraCadaVentanaDaSuMensaje)
{
    struct Restaurar {
        QByteArray valor = qgetenv("PRINTER");
        ~Restaurar() { valor.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", valor); }
    } restaurar;
    qputenv("PRINTER", "TarvelonImpresoraInexistente");
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    for (QWidget* ventana : ventanas) En(ventana, "btImprimir")->click();
    ASSERT_EQ(plataforma.avisos.size(), 2u);
    const std::string& t = plataforma.avisos[0].texto;
    const std::string& b = plataforma.avisos[1].texto;
    EXPECT_TRUE(Empieza(t, "Se ha producido un error al imprimir. Error nº ")) << t;
    EXPECT_TRUE(Empieza(b, "Se ha producido el error nº ") && b.substr(b.size() - 2) == ") ") << b;
    EXPECT_EQ(plataforma.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(plataforma.avisos[1].icono, Icono::Critico);
    for (QWidget* ventana : ventanas)
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(Lineas(&trayecto).size(), 35);
}

}  // namespace
