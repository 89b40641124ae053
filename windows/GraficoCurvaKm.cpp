#include "windows/GraficoCurvaKm.h"

#include <algorithm>
#include <limits>

#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "windows/EstiloGrafico.h"

namespace tarvelon {

GraficoCurvaKm::GraficoCurvaKm(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("graficoCurvaKm"));
    auto* grafico = CrearGrafico(QStringLiteral("Coste total por km según el kilometraje anual"));
    simulacion_ = new QLineSeries;
    simulacion_->setName(QStringLiteral("Simulación"));
    referencia_ = new QLineSeries;
    referencia_->setName(QStringLiteral("Mirandel"));
    ejeKm_ = new QValueAxis;
    ejeKm_->setLabelFormat(QStringLiteral("%.0f"));
    ejeKm_->setTitleText(QStringLiteral("km/año"));
    ejeCoste_ = new QValueAxis;
    ejeCoste_->setLabelFormat(QStringLiteral("%.2f"));
    ejeCoste_->setTitleText(QStringLiteral("€/km"));
    grafico->addAxis(ejeKm_, Qt::AlignBottom);
    grafico->addAxis(ejeCoste_, Qt::AlignLeft);
    // The simulation drawn last, over a reference curve that it may hide.
    for (QLineSeries* serie : {referencia_, simulacion_}) {
        grafico->addSeries(serie);
        serie->attachAxis(ejeKm_);
        serie->attachAxis(ejeCoste_);
    }
    simulacion_->setPen(QPen(kColorSimulacion, 2.5));
    referencia_->setPen(QPen(kColorReferencia, 2.5));
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    // Kilometre labels whole side by side, cost labels one above the other.
    setMinimumSize(TamanoParaValores(grafico, QStringLiteral("000.000"), ejeKm_->tickCount()));
}

void GraficoCurvaKm::Actualizar(const std::vector<PuntoCurvaKm>* simulacion,
                                const std::vector<PuntoCurvaKm>* referencia)
{
    double kmMin = std::numeric_limits<double>::max(), kmMax = std::numeric_limits<double>::lowest();
    double costeMin = kmMin, costeMax = kmMax;
    for (auto [serie, curva] : {std::pair{simulacion_, simulacion}, std::pair{referencia_, referencia}}) {
        QList<QPointF> puntos;
        for (const auto& p : curva ? *curva : std::vector<PuntoCurvaKm>{}) {
            if (p.error) continue;
            puntos.append(QPointF(p.km, p.costeKm));
            kmMin = std::min(kmMin, p.km);
            kmMax = std::max(kmMax, p.km);
            costeMin = std::min(costeMin, p.costeKm);
            costeMax = std::max(costeMax, p.costeKm);
        }
        serie->replace(puntos);
    }
    if (kmMin > kmMax) kmMin = kmMax = costeMin = costeMax = 0;
    AjustarEje(ejeKm_, kmMin, kmMax);
    AjustarEje(ejeCoste_, costeMin, costeMax);
}

}  // namespace tarvelon
