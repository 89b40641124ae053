// Printing the result windows through the program's real platform: on the
// default CUPS printer when there is one (the PDF printer of ci/impresora.sh),
// and with no printer at all.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <thread>

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ResultadosApoyo.h"
#include "results/VentanaPresupuesto.h"
#include "results/VentanaTrayecto.h"
#include "windows/PlataformaQt.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

// The real printing and file dialog; messages are recorded instead of shown.
class PlataformaImpresora : public PlataformaQt {
public:
    std::vector<Aviso> avisos;
    Respuesta Mostrar(const Aviso& aviso) override
    {
        avisos.push_back(aviso);
        return Respuesta::Aceptar;
    }
};

// Where the PDF printer leaves its jobs.
QStringList CarpetasPdf()
{
    QStringList carpetas;
    const QString propia = qEnvironmentVariable("TARVELON_PDF_DIR");
    if (!propia.isEmpty()) carpetas << propia;
    carpetas << QStringLiteral("/var/spool/cups-pdf") << QDir::homePath() + QStringLiteral("/PDF");
    return carpetas;
}

// Each PDF with its last change: the printer names its files after the job's
// title, so printing the same window again replaces the earlier file.
std::map<QString, QDateTime> PdfsExistentes()
{
    std::map<QString, QDateTime> pdfs;
    for (const QString& carpeta : CarpetasPdf()) {
        QDirIterator it(carpeta, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString pdf = it.next();
            pdfs[pdf] = QFileInfo(pdf).lastModified();
        }
    }
    return pdfs;
}

// The first PDF that is new or newer than before, once its size has settled.
QString EsperarPdfNuevo(const std::map<QString, QDateTime>& antes)
{
    using namespace std::chrono;
    const auto limite = steady_clock::now() + seconds(90);
    while (steady_clock::now() < limite) {
        for (const auto& [pdf, cambio] : PdfsExistentes()) {
            const auto previo = antes.find(pdf);
            if (previo != antes.end() && previo->second == cambio) continue;
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
    if (!proceso.waitForFinished(60000) || proceso.exitCode() != 0) return {};
    return QString::fromUtf8(proceso.readAllStandardOutput());
}

int Paginas(const QString& pdf)
{
    const QString info = Ejecutar(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& linea : info.split(QLatin1Char('\n')))
        if (linea.startsWith(QStringLiteral("Pages:"))) return linea.mid(6).trimmed().toInt();
    return -1;
}

// Share of the page that is ink, rendered as the printout would look.
double Tinta(const QString& pdf, const QString& carpeta)
{
    const QString base = carpeta + QStringLiteral("/pagina");
    Ejecutar(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-gray"),
                                          QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
    QImage imagen(base + QStringLiteral(".png"));
    if (imagen.isNull()) return -1;
    imagen = imagen.convertToFormat(QImage::Format_Grayscale8);
    qint64 oscuros = 0;
    for (int y = 0; y < imagen.height(); ++y) {
        const uchar* fila = imagen.constScanLine(y);
        for (int x = 0; x < imagen.width(); ++x) oscuros += fila[x] < 160;
    }
    return double(oscuros) / (double(imagen.width()) * imagen.height());
}

class ImpresionReal : public ::testing::Test {
protected:
    void SetUp() override
    {
        AsegurarAplicacion();
        columna.textos = DatosEjemplo();
    }
    PlataformaImpresora plataforma;
    PlataformaRegistro registro;
    ColumnaTextos columna{registro};
};

TEST_F(ImpresionReal, CadaVentanaSaleEnUnaPaginaPdfConTinta)
{
    if (QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "no hay impresora predeterminada (ci/impresora.sh instala la impresora PDF de CUPS)";
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "faltan pdftoppm y pdfinfo (poppler-utils) para revisar lo impreso";

    Trayecto trayecto(columna, plataforma);
    Presupuesto presupuesto(columna, plataforma);
    presupuesto.FijarTextosServicio([] { return std::pair<std::string, std::string>{"350", "6"}; });
    trayecto.show();
    presupuesto.show();
    trayecto.btCalculoDetallado_Click();
    presupuesto.btCalculoResumen_Click();
    ASSERT_EQ(trayecto.findChild<QListWidget*>("lstResultado")->count(), 35);
    ASSERT_EQ(presupuesto.findChild<QListWidget*>("lstResultado")->count(), 29);

    QTemporaryDir trabajo;
    for (QWidget* ventana : {static_cast<QWidget*>(&trayecto), static_cast<QWidget*>(&presupuesto)}) {
        SCOPED_TRACE(ventana->objectName().toStdString());
        const auto antes = PdfsExistentes();
        ventana->findChild<QPushButton*>("btImprimir")->click();
        EXPECT_TRUE(plataforma.avisos.empty()) << (plataforma.avisos.empty() ? "" : plataforma.avisos[0].texto);

        const QString pdf = EsperarPdfNuevo(antes);
        ASSERT_FALSE(pdf.isEmpty()) << "la impresora no ha dejado ningún PDF en " << CarpetasPdf().join(", ").toStdString();
        EXPECT_EQ(Paginas(pdf), 1) << pdf.toStdString();
        const double tinta = Tinta(pdf, trabajo.path());
        EXPECT_GT(tinta, 0.002) << "página en blanco: " << pdf.toStdString();
        EXPECT_LT(tinta, 0.9) << "página negra: " << pdf.toStdString();
        for (QPushButton* b : ventana->findChildren<QPushButton*>()) EXPECT_TRUE(b->isVisible());
    }
}

// With no default printer each window words its own message and gets its
// buttons back. CUPS takes its default from PRINTER: a name that does not exist
// leaves the machine with none.
TEST_F(ImpresionReal, SinImpresoraCadaVentanaDaSuMensaje)
{
    const QByteArray antes = qgetenv("PRINTER");
    qputenv("PRINTER", "TarvelonImpresoraInexistente");
    struct Restaurar {
        QByteArray valor;
        ~Restaurar() { valor.isNull() ? qunsetenv("PRINTER") : qputenv("PRINTER", valor); }
    } restaurar{antes};
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());

    Trayecto trayecto(columna, plataforma);
    Presupuesto presupuesto(columna, plataforma);
    trayecto.show();
    presupuesto.show();
    trayecto.btCalculoResumen_Click();

    trayecto.findChild<QPushButton*>("btImprimir")->click();
    ASSERT_EQ(plataforma.avisos.size(), 1u);
    EXPECT_EQ(plataforma.avisos[0].texto.rfind("Se ha producido un error al imprimir. Error nº ", 0), 0u)
        << plataforma.avisos[0].texto;
    EXPECT_EQ(plataforma.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(plataforma.avisos[0].titulo, "TARVELON");
    for (const char* n : {"btImprimir", "btCalculoDetallado", "btCalculoResumen"})
        EXPECT_TRUE(trayecto.findChild<QPushButton*>(n)->isVisible()) << n;
    EXPECT_EQ(trayecto.findChild<QListWidget*>("lstResultado")->count(), 20);

    presupuesto.findChild<QPushButton*>("btImprimir")->click();
    ASSERT_EQ(plataforma.avisos.size(), 2u);
    EXPECT_EQ(plataforma.avisos[1].texto.rfind("Se ha producido el error nº ", 0), 0u) << plataforma.avisos[1].texto;
    EXPECT_EQ(plataforma.avisos[1].texto.substr(plataforma.avisos[1].texto.size() - 2), ") ");
    EXPECT_EQ(plataforma.avisos[1].icono, Icono::Critico);
    for (const char* n : {"btImprimir", "btCalculoResumen"})
        EXPECT_TRUE(presupuesto.findChild<QPushButton*>(n)->isVisible()) << n;
}

}  // namespace
