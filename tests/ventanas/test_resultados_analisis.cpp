// The analysis window: its menu entry, the live totals against the core, the
// reason shown instead of a figure, the comparison and the exports.
#include <filesystem>
#include <regex>

#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>

#include "Apoyo.h"
#include "model/Analisis.h"
#include "model/CostesTotales.h"
#include "model/Numeros.h"
#include "reports/Informes.h"
#include "windows/VentanaAnalisis.h"

using namespace tarvelon;
using namespace tarvelon::prueba;
namespace fs = std::filesystem;

namespace {

class Analisis : public ConEjemplo {
protected:
    void SetUp() override
    {
        ConEjemplo::SetUp();
        p.inicio->menuAnalisis_Click();
        v = p.inicio->analisis();
        ASSERT_NE(v, nullptr);
        QCoreApplication::processEvents();
    }
    std::string Panel(const char* nombre) { return En<QLabel>(v, nombre)->text().toStdString(); }
    std::string Exportar(FormatoExportacion f, std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        v->Exportar(f);
        return p.plataforma.avisos.empty() ? "" : p.plataforma.avisos.back().texto;
    }
    VentanaAnalisis* v = nullptr;
};

TEST_F(Analisis, MenuHabilitadoAlElegirTipoYUnaSolaVentana)
{
    Programa q;
    EXPECT_FALSE(q.Menu("menuAnalisis")->isEnabled());
    q.Seleccionar(0);
    EXPECT_TRUE(q.Menu("menuAnalisis")->isEnabled());
    p.inicio->menuAnalisis_Click();
    EXPECT_EQ(p.inicio->findChildren<VentanaAnalisis*>().size(), 1u);
}

TEST_F(Analisis, PanelEnVivoSigueAlNucleoYNombraLoQueLoImpide)
{
    const std::string antes = Panel("lblSimulacionPorKm");
    EXPECT_EQ(antes, FormatoCuatroDecimales(CostesTotalesDe(p.Calculado()).porKm) + " €/km");
    p.Escribir("txtKilometrajeAnual=150000;txtCFIVTM=900");
    QCoreApplication::processEvents();
    EXPECT_NE(Panel("lblSimulacionPorKm"), antes);
    EXPECT_EQ(Panel("lblSimulacionPorKm"), FormatoCuatroDecimales(CostesTotalesDe(p.Calculado()).porKm) + " €/km");
    EXPECT_EQ(Panel("lblSimulacionPorHora"), FormatoDosDecimales(CostesTotalesDe(p.Calculado()).porHora) + " €/hora");
    EXPECT_EQ(Panel("lblReferenciaPorKm"), antes);  // the reference column did not change

    // What stops the column, instead of a figure, and never a message box.
    for (const auto& [caja, texto, motivo] :
         {std::tuple{"txtCFIVTM", "abc", "«Impuesto Veh. Tracción Mec. (€/año)» de «3-Costes Fijos B"},
          {"txtCVConsumoMedio", "0", "Error en Consumo Medio de combustible"}}) {
        SCOPED_TRACE(caja);
        const std::string anterior = p.Texto(caja);
        p.Escribir(caja, texto);
        QCoreApplication::processEvents();
        EXPECT_EQ(Panel("lblSimulacionPorKm"), "—");
        EXPECT_NE(Panel("lblMotivoSimulacion").find(motivo), std::string::npos) << Panel("lblMotivoSimulacion");
        p.Escribir(caja, anterior);
    }
    EXPECT_TRUE(p.plataforma.avisos.empty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(En<QLabel>(v, "lblMotivoSimulacion")->isVisibleTo(v));
}

TEST_F(Analisis, ComparacionConsigoMismaSinDiferencias)
{
    v->pestanas()->setCurrentIndex(VentanaAnalisis::kComparacion);
    auto* tabla = En<QTableWidget>(v, "tablaComparacion");
    ASSERT_GT(tabla->rowCount(), 0);
    for (int f = 0; f < tabla->rowCount(); ++f) {
        const QString diferencia = tabla->item(f, 3)->text();
        EXPECT_TRUE(diferencia == "0,00" || diferencia == "0,0000") << f << diferencia.toStdString();
    }
}

// Decimals with a comma, as --variacion takes them; out of range is said, never cut.
TEST_F(Analisis, VariacionConDecimalesYFueraDeIntervalo)
{
    v->pestanas()->setCurrentIndex(VentanaAnalisis::kSensibilidad);
    auto* caja = En<QLineEdit>(v, "txtVariacion");
    for (const char* texto : {"12,5", "60", "6.5", "1,5"}) {
        caja->setText(QString::fromUtf8(texto));
        const bool valida = texto[0] == '1';
        EXPECT_EQ(Panel("lblMotivoSensibilidad"), valida ? "" : "Sin análisis. La variación debe estar entre 1 y 50.");
        EXPECT_EQ(v->datos().sensibilidad ? v->datos().sensibilidad->variacion : 0, valida ? TextoANumero(texto) : 0);
    }
    caja->setText(QStringLiteral("0"));
    EXPECT_EQ(Exportar(FormatoExportacion::Json, p.Ruta("a.json")),
              "No se puede exportar el análisis: La variación debe estar entre 1 y 50.");
    caja->clear();
    QTest::keyClick(caja, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(caja->text(), ",");
}

TEST_F(Analisis, CadaExportacionGrabaElFicheroYLoDice)
{
    for (const auto& [formato, extension, inicio] : {std::tuple{FormatoExportacion::Pdf, ".pdf", "%PDF"},
                                                     {FormatoExportacion::Excel, ".xlsx", "PK"},
                                                     {FormatoExportacion::Csv, ".csv", "\xEF\xBB\xBF"},
                                                     {FormatoExportacion::Json, ".json", "{"}}) {
        SCOPED_TRACE(extension);
        const std::string ruta = p.Ruta("analisis") + extension;
        p.plataforma.alMostrar = [&](const Aviso&) { EXPECT_TRUE(fs::exists(ruta)); };  // said once written
        EXPECT_EQ(Exportar(formato, p.Ruta("analisis")), "Fichero " + ruta + " grabado");
        p.plataforma.Limpiar();
        EXPECT_TRUE(Empieza(Contenido(ruta), inicio));
        EXPECT_EQ(Exportar(formato, std::nullopt), "");  // a cancelled dialog writes and says nothing
        EXPECT_TRUE(Empieza(Exportar(formato, p.Ruta("no/existe/a") + extension), "Se ha producido el error nº "));
        EXPECT_FALSE(fs::exists(p.Ruta("no/existe")));
    }
    // A column that cannot be calculated is not exported.
    p.Escribir("txtKilometrajeAnual", "");
    EXPECT_TRUE(Empieza(Exportar(FormatoExportacion::Json, p.Ruta("mal.json")), "No se puede exportar"));
    EXPECT_FALSE(fs::exists(p.Ruta("mal.json")));
}

TEST_F(Analisis, PdfConTodasLasCifrasDelInformeDetallado)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext no está instalado (poppler-utils)";
    const std::string ruta = p.Ruta("informe.pdf");
    ASSERT_EQ(Exportar(FormatoExportacion::Pdf, ruta), "Fichero " + ruta + " grabado");
    QProcess proceso;
    proceso.start(pdftotext, {QString::fromStdString(ruta), QStringLiteral("-")});
    ASSERT_TRUE(proceso.waitForFinished(30000));
    const std::string texto = proceso.readAllStandardOutput().toStdString();
    std::vector<std::string> lineas;
    InformeDetallado(p.Calculado(), lineas);
    const std::regex cifra("-?[0-9][0-9.]*(,[0-9]+)?");
    int cifras = 0;
    for (const auto& l : lineas)
        for (std::sregex_iterator it(l.begin(), l.end(), cifra), fin; it != fin; ++it, ++cifras)
            EXPECT_NE(texto.find(it->str()), std::string::npos) << it->str() << " de: " << l;
    EXPECT_GE(cifras, 28);
    // The sensitivity table under its chart: each input's costs at ±10 % and its effect.
    const Sensibilidad s = AnalizarSensibilidad(p.Calculado(), 10);
    for (const auto& e : s.entradas)
        for (double v : {e.menos, e.mas, e.efecto})
            EXPECT_NE(texto.find(FormatoCuatroDecimales(v)), std::string::npos) << e.campo;
    EXPECT_NE(texto.find("Efecto máximo (€/km)"), std::string::npos);
}

}  // namespace
