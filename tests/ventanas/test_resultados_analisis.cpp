// The analysis window: its menu entry, the live totals against the core, the
// reason shown instead of a figure, the comparison and the exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include <nlohmann/json.hpp>

#include <QLabel>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>

#include "Apoyo.h"
#include "model/CostesTotales.h"
#include "model/Numeros.h"
#include "reports/Informes.h"
#include "windows/VentanaAnalisis.h"

using namespace tarvelon;
using namespace tarvelon::prueba;
namespace fs = std::filesystem;

namespace {

std::string Contenido(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Analisis : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.CopiarEjemplo();
        p.inicio->menuAnalisis_Click();
        v = p.inicio->analisis();
        ASSERT_NE(v, nullptr);
        QCoreApplication::processEvents();
    }
    // The column calculated as the annual report does it.
    Simulacion Nucleo()
    {
        Simulacion s;
        EXPECT_TRUE(p.inicio->columnas().LeerColumnaSimulacion(s));
        EXPECT_TRUE(s.Validar());
        s.Calcular(p.inicio->columnas().SeguroActual());
        return s;
    }
    std::string Panel(const char* nombre) { return En<QLabel>(v, nombre)->text().toStdString(); }
    std::string Exportar(FormatoExportacion f, std::optional<std::string> ruta)
    {
        p.plataforma.ficheros.push_back(std::move(ruta));
        v->Exportar(f);
        return p.plataforma.avisos.empty() ? "" : p.plataforma.avisos.back().texto;
    }
    Programa p;
    VentanaAnalisis* v = nullptr;
};

TEST(AnalisisMenu, HabilitadoAlElegirTipo)
{
    Programa p;
    EXPECT_FALSE(p.Menu("menuAnalisis")->isEnabled());
    p.Seleccionar(0);
    EXPECT_TRUE(p.Menu("menuAnalisis")->isEnabled());
    p.inicio->menuAnalisis_Click();
    p.inicio->menuAnalisis_Click();
    EXPECT_EQ(p.inicio->findChildren<VentanaAnalisis*>().size(), 1u);  // one instance
}

TEST_F(Analisis, PanelEnVivoSigueAlNucleoYNombraLoQueLoImpide)
{
    EXPECT_EQ(Panel("lblSimulacionPorKm"), FormatoCuatroDecimales(CostesTotalesDe(Nucleo()).porKm) + " €/km");
    EXPECT_EQ(Panel("lblSimulacionPorHora"), FormatoDosDecimales(CostesTotalesDe(Nucleo()).porHora) + " €/hora");
    const std::string antes = Panel("lblSimulacionPorKm");
    p.Escribir("txtKilometrajeAnual", "150000");
    p.Escribir("txtCFIVTM", "900");
    QCoreApplication::processEvents();
    EXPECT_NE(Panel("lblSimulacionPorKm"), antes);
    EXPECT_EQ(Panel("lblSimulacionPorKm"), FormatoCuatroDecimales(CostesTotalesDe(Nucleo()).porKm) + " €/km");
    EXPECT_EQ(Panel("lblReferenciaPorKm"), antes);  // the reference column did not change

    // What stops the column, instead of a figure, and never a message box.
    struct Caso {
        const char* caja;
        const char* texto;
        const char* motivo;
    };
    for (const Caso& c : {Caso{"txtCFIVTM", "abc", "«Impuesto Veh. Tracción Mec. (€/año)» de «3-Costes Fijos B"},
                          Caso{"txtCFSemiPrecioBruto", "1,2,3", "«Precio Venta sin IVA (€) - Semirremolque"},
                          Caso{"txtKilometrajeAnual", "", "«Kilometraje anual (Km/año)»"},
                          Caso{"txtCVConsumoMedio", "0", "Error en Consumo Medio de combustible"},
                          Caso{"txtCFSeguroMercancia", "1e400", "error nº 6"}}) {
        SCOPED_TRACE(c.caja);
        const std::string anterior = p.Texto(c.caja);
        p.Escribir(c.caja, c.texto);
        QCoreApplication::processEvents();
        EXPECT_EQ(Panel("lblSimulacionPorKm"), "—");
        EXPECT_NE(Panel("lblMotivoSimulacion").find(c.motivo), std::string::npos) << Panel("lblMotivoSimulacion");
        EXPECT_TRUE(En<QLabel>(v, "lblMotivoSimulacion")->isVisibleTo(v));
        p.Escribir(c.caja, anterior);
    }
    EXPECT_TRUE(p.plataforma.avisos.empty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(En<QLabel>(v, "lblMotivoSimulacion")->isVisibleTo(v));
}

TEST_F(Analisis, ComparacionConsigoMismaSinDiferencias)
{
    v->pestanas()->setCurrentIndex(VentanaAnalisis::kComparacion);
    auto* tabla = En<QTableWidget>(v, "tablaComparacion");
    ASSERT_TRUE(v->datos().comparacion.has_value());
    ASSERT_EQ(tabla->rowCount(), static_cast<int>(v->datos().comparacion->filas.size()));
    for (int f = 0; f < tabla->rowCount(); ++f) {
        const QString diferencia = tabla->item(f, 3)->text();
        EXPECT_TRUE(diferencia == "0,00" || diferencia == "0,0000") << f << diferencia.toStdString();
        EXPECT_EQ(tabla->item(f, 1)->text(), tabla->item(f, 2)->text());
    }
    // A dearer simulation shows red differences.
    p.Escribir("txtCFIVTM", "5000");
    QCoreApplication::processEvents();
    int rojas = 0;
    for (int f = 0; f < tabla->rowCount(); ++f) rojas += tabla->item(f, 3)->foreground().color() == QColor(192, 0, 0);
    EXPECT_GT(rojas, 0);
}

TEST_F(Analisis, SensibilidadConLaVariacionElegida)
{
    v->pestanas()->setCurrentIndex(VentanaAnalisis::kSensibilidad);
    En<QSpinBox>(v, "spVariacion")->setValue(20);
    ASSERT_TRUE(v->datos().sensibilidad.has_value());
    EXPECT_EQ(v->datos().sensibilidad->variacion, 20);
    EXPECT_EQ(v->datos().sensibilidad->costeKm, CostesTotalesDe(Nucleo()).porKm);  // the same base as the panel
    EXPECT_EQ(En<QTableWidget>(v, "tablaSensibilidad")->rowCount(),
              static_cast<int>(v->datos().sensibilidad->entradas.size()));
}

TEST_F(Analisis, CadaExportacionGrabaElFicheroYLoDice)
{
    struct Caso {
        FormatoExportacion formato;
        const char* extension;
        std::string inicio;
    };
    for (const Caso& c : {Caso{FormatoExportacion::Pdf, ".pdf", "%PDF"}, Caso{FormatoExportacion::Excel, ".xlsx", "PK"},
                          Caso{FormatoExportacion::Csv, ".csv",
                               "\xEF\xBB\xBF"
                               "Campo;"},
                          Caso{FormatoExportacion::Json, ".json", "{"}}) {
        SCOPED_TRACE(c.extension);
        const std::string ruta = p.Ruta("analisis") + c.extension;
        EXPECT_EQ(Exportar(c.formato, p.Ruta("analisis")), "Fichero " + ruta + " grabado");
        EXPECT_EQ(Contenido(ruta).substr(0, c.inicio.size()), c.inicio);
        if (c.formato == FormatoExportacion::Json) {  // the pieces make one document
            const auto j = nlohmann::json::parse(Contenido(ruta));
            EXPECT_EQ(j.at("comparacion").at("filas").size(), 27u);
            EXPECT_EQ(j.at("sensibilidad").at("variacion"), 10);
        }
        // Replacing a file that only the added extension names asks first.
        const std::string antes = Contenido(ruta);
        p.Escribir("txtCFIVTM", "777");
        EXPECT_EQ(Exportar(c.formato, p.Ruta("analisis")), "El fichero " + ruta + " ya existe. ¿Desea reemplazarlo?");
        EXPECT_EQ(Contenido(ruta), antes);
        p.Escribir("txtCFIVTM", "500");
        // A cancelled dialog writes and says nothing; a failed write leaves no file.
        p.plataforma.Limpiar();
        EXPECT_EQ(Exportar(c.formato, std::nullopt), "");
        EXPECT_TRUE(Empieza(Exportar(c.formato, p.Ruta("no/existe/a") + c.extension), "Se ha producido el error nº "));
        EXPECT_FALSE(fs::exists(p.Ruta("no/existe")));
        EXPECT_EQ(p.plataforma.avisos.back().icono, Icono::Critico);
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
    ASSERT_NE(texto.find("Frigorífico 40 t"), std::string::npos);
    ASSERT_NE(texto.find(QDate::currentDate().toString("dd/MM/yyyy").toStdString()), std::string::npos);
    std::vector<std::string> lineas;
    InformeDetallado(Nucleo(), lineas);
    const std::regex cifra("-?[0-9][0-9.]*(,[0-9]+)?");
    int cifras = 0;
    for (const auto& l : lineas)
        for (std::sregex_iterator it(l.begin(), l.end(), cifra), fin; it != fin; ++it, ++cifras)
            EXPECT_NE(texto.find(it->str()), std::string::npos) << it->str() << " de: " << l;
    EXPECT_GE(cifras, 28);
}

}  // namespace
