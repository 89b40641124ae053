#include "windows/GraficoEstructura.h"

#include <algorithm>
#include <utility>

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QValueAxis>

#include "windows/EstiloGrafico.h"

namespace tarvelon {

GraficoEstructura::GraficoEstructura(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("graficoEstructura"));
    auto* grafico = CrearGrafico(QStringLiteral("Estructura del coste (€/km)"));
    simulacion_ = new QBarSet(QStringLiteral("Simulación"));
    referencia_ = new QBarSet(QStringLiteral("Mirandel"));
    simulacion_->setColor(kColorSimulacion);
    referencia_->setColor(kColorReferencia);
    auto* serie = new QHorizontalBarSeries;
    // Within each component the last set stands on top: the simulation.
    serie->append(referencia_);
    serie->append(simulacion_);
    QStringList nombres;
    // The components of an empty structure give the category names.
    Simulacion vacia;
    vacia.KilometrajeAnual = 1;
    for (const auto& c : Estructura(vacia).componentes) {
        nombres.prepend(QString::fromUtf8(c.componente.data(), static_cast<qsizetype>(c.componente.size())));
        simulacion_->append(0);
        referencia_->append(0);
    }
    grafico->addSeries(serie);
    auto* categorias = new QBarCategoryAxis;
    categorias->append(nombres);
    QFont fuente = categorias->labelsFont();
    fuente.setPointSizeF(fuente.pointSizeF() * 0.9);
    categorias->setLabelsFont(fuente);
    eje_ = new QValueAxis;
    eje_->setLabelFormat(QStringLiteral("%.2f"));
    eje_->setRange(0, 1);
    grafico->addAxis(categorias, Qt::AlignLeft);
    grafico->addAxis(eje_, Qt::AlignBottom);
    serie->attachAxis(categorias);
    serie->attachAxis(eje_);
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    // Room for the twelve names at any screen scale.
    setMinimumSize(TamanoParaCategorias(grafico, categorias));
}

void GraficoEstructura::Actualizar(const EstructuraCostes* simulacion, const EstructuraCostes* referencia)
{
    double minimo = 0, maximo = 0;
    for (auto [conjunto, estructura] : {std::pair{simulacion_, simulacion}, std::pair{referencia_, referencia}}) {
        const int n = conjunto->count();
        // The first component stands at the top: categories run upwards.
        for (int i = 0; i < n; ++i) {
            const double v = estructura ? estructura->componentes[static_cast<size_t>(i)].porKm : 0.0;
            if (conjunto->at(n - 1 - i) != v) conjunto->replace(n - 1 - i, v);
            minimo = std::min(minimo, v);
            maximo = std::max(maximo, v);
        }
    }
    AjustarEje(eje_, minimo, maximo);
}

}  // namespace tarvelon
