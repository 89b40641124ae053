// The analysis window's tab «Tecnologías»: the core's figures for the sample
// record, a box that is not valid, the scenario saved and opened again, and a
// scenario that cannot be read changing nothing.
#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

#include "Apoyo.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/InformesTecnologias.h"
#include "windows/PestanaTecnologias.h"
#include "windows/VentanaAnalisis.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

class Tecnologias : public ConEjemplo {
protected:
    void SetUp() override
    {
        ConEjemplo::SetUp();
        p.inicio->menuAnalisis_Click();
        v = p.inicio->analisis();
        v->pestanas()->setCurrentIndex(VentanaAnalisis::kTecnologias);
        QCoreApplication::processEvents();
        t = v->findChild<PestanaTecnologias*>();
    }
    // The table as shown, row by row.
    std::vector<std::vector<std::string>> Tabla() const
    {
        auto* tabla = En<QTableWidget>(v, "tablaTecnologias");
        std::vector<std::vector<std::string>> filas(static_cast<size_t>(tabla->rowCount()));
        for (int f = 0; f < tabla->rowCount(); ++f)
            for (int c = 0; c < tabla->columnCount(); ++c)
                filas[static_cast<size_t>(f)].push_back(tabla->item(f, c)->text().toStdString());
        return filas;
    }
    // What the core computes for the record with the reference file and `cambio`.
    std::vector<std::vector<std::string>> DelNucleo(const std::function<void(EscenarioTecnologias&)>& cambio = {})
    {
        const Simulacion s = p.Calculado();
        EscenarioTecnologias e;
        e.tecnologias = ColumnasDelRegistro(s, LeerReferenciaTecnologias(Contenido(p.Ruta("tecnologias.txt"))));
        if (cambio) cambio(e);
        return TablaResultadosTecnologias(CalcularTecnologias(s, e, QDate::currentDate().year()));
    }
    QLineEdit* Caja(const char* nombre) const { return En<QLineEdit>(v, nombre); }
    std::string Motivo() const { return En<QLabel>(v, "lblMotivoTecnologias")->text().toStdString(); }

    VentanaAnalisis* v = nullptr;
    PestanaTecnologias* t = nullptr;
};

TEST_F(Tecnologias, FigurasDelNucleoQueSiguenAlRegistroYALasCajas)
{
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(Tabla(), DelNucleo());
    EXPECT_TRUE(Caja("txt_diesel_consumo")->isReadOnly());
    // A keystroke in a step window reaches the diesel column and the HVO
    // figures it lends, not what the user typed.
    Caja("txt_hvo_mantenimiento_km")->setText(QStringLiteral("0,2"));
    p.Escribir("txtCVConsumoMedio", "29");
    ESPERAR(Caja("txt_diesel_consumo")->text() == QStringLiteral("29"));
    EXPECT_EQ(Caja("txt_hvo_consumo")->text().toStdString(), "29");
    EXPECT_EQ(Caja("txt_hvo_mantenimiento_km")->text().toStdString(), "0,2");
    EXPECT_EQ(Tabla(), DelNucleo([](EscenarioTecnologias& e) { e.tecnologias[1].mantenimientoKm = 0.2; }));
    // The carbon price path and the horizon, as typed.
    Caja("txtPrecioCo2")->setText(QStringLiteral("2027: 100"));
    Caja("txtHorizonte")->setText(QStringLiteral("8"));
    EXPECT_EQ(Tabla(), DelNucleo([](EscenarioTecnologias& e) {
                  e.tecnologias[1].mantenimientoKm = 0.2;
                  e.precioCo2 = {{2027, 100}};
                  e.horizonte = 8;
              }));
    // The analysis export carries the technologies where its other parts are.
    p.plataforma.ficheros.push_back(p.Ruta("analisis.json"));
    v->Exportar(FormatoExportacion::Json);
    EXPECT_NE(Contenido(p.Ruta("analisis.json")).find("\"tecnologias\": {\n  \"horizonte\": 8"), std::string::npos);
}

TEST_F(Tecnologias, CajaNoValidaDiceCualYNoDejaCifras)
{
    const std::pair<const char*, const char*> malas[] = {
        {"txt_gnl_consumo", "GNL, Consumo (unidades cada 100 km): escriba un número"},
        {"txt_electrico_cuota_publica", "Eléctrico de batería, Recarga pública (% de la energía): valor fuera"},
        {"txtHorizonte", "Horizonte (años): debe ser un entero de 1 a 50."},
        {"txtPrecioCo2", "Precio del CO2, «2028 45»: se escribe «año: €/t»."}};
    const char* textos[] = {"26.5", "150", "0", "2028 45"};
    for (size_t i = 0; i < std::size(malas); ++i) {
        const QString antes = Caja(malas[i].first)->text();
        Caja(malas[i].first)->setText(QString::fromUtf8(textos[i]));
        EXPECT_EQ(Motivo().rfind(malas[i].second, 0), 0u) << Motivo();
        EXPECT_TRUE(Tabla().empty());
        EXPECT_FALSE(t->resultado().has_value());
        Caja(malas[i].first)->setText(antes);
        EXPECT_EQ(Tabla(), DelNucleo()) << malas[i].first;
    }
}

TEST_F(Tecnologias, EscenarioDeIdaYVueltaYElQueNoSeLeeNoCambiaNada)
{
    Caja("txt_electrico_precio_energia")->setText(QStringLiteral("0,2"));
    En<QCheckBox>(v, "chk_gnl_paga_carbono")->setChecked(false);
    Caja("txtTasaDescuento")->setText(QStringLiteral("3,5"));
    const auto cambiada = Tabla();
    const std::string ruta = p.Ruta("escenario.json");
    p.plataforma.ficheros.push_back(ruta);
    En(v, "btGuardarEscenario")->click();
    ASSERT_EQ(p.plataforma.Textos().back(), "Fichero " + ruta + " grabado");
    const std::string guardado = Contenido(ruta);
    size_t precios = 0;  // the alternatives' only: diesel's is the record's
    for (size_t i = guardado.find("\"precio_tractora\""); i != std::string::npos;
         i = guardado.find("\"precio_tractora\"", i + 1))
        ++precios;
    EXPECT_EQ(precios, 3u);
    const std::string datos = Contenido(p.Ruta("Config.txt"));

    Caja("txt_electrico_precio_energia")->setText(QStringLiteral("0,1"));
    En<QCheckBox>(v, "chk_gnl_paga_carbono")->setChecked(true);
    Caja("txtTasaDescuento")->clear();
    ASSERT_NE(Tabla(), cambiada);
    p.plataforma.ficheros.push_back(ruta);
    En(v, "btAbrirEscenario")->click();
    EXPECT_EQ(Tabla(), cambiada);
    EXPECT_EQ(Caja("txtTasaDescuento")->text().toStdString(), "3,5");

    const std::string malo = p.Ruta("malo.json");
    GrabarContenido(malo, R"({"version": 1, "tecnologias": [{"nombre": "GNL", "consumo": "mucho"}]})");
    p.plataforma.ficheros.push_back(malo);
    En(v, "btAbrirEscenario")->click();
    EXPECT_NE(p.plataforma.Textos().back().find("clave «GNL.consumo»: no es un número"), std::string::npos)
        << p.plataforma.Textos().back();
    EXPECT_EQ(Tabla(), cambiada);
    EXPECT_EQ(Contenido(p.Ruta("Config.txt")), datos);
}

}  // namespace
