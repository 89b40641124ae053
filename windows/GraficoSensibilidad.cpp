#include "windows/GraficoSensibilidad.h"

#include <algorithm>

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QValueAxis>

#include "model/DesviosSensibilidad.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "windows/EstiloGrafico.h"

namespace tarvelon {

GraficoSensibilidad::GraficoSensibilidad(QWidget* parent) : QChartView(parent)
{
    setObjectName(QStringLiteral("graficoSensibilidad"));
    auto* grafico = CrearGrafico(QStringLiteral("Sensibilidad del coste total por km"));
    categorias_ = new QBarCategoryAxis;
    QFont fuente = categorias_->labelsFont();
    fuente.setPointSizeF(fuente.pointSizeF() * 0.85);
    categorias_->setLabelsFont(fuente);
    eje_ = new QValueAxis;
    eje_->setLabelFormat(QStringLiteral("%.3f"));
    grafico->addAxis(categorias_, Qt::AlignLeft);
    grafico->addAxis(eje_, Qt::AlignBottom);
    setChart(grafico);
    setRenderHint(QPainter::Antialiasing);
    Actualizar(nullptr);
}

void GraficoSensibilidad::Actualizar(const Sensibilidad* s)
{
    QChart* grafico = chart();
    grafico->removeAllSeries();
    categorias_->clear();
    const QString p = s ? QString::fromStdString(NumeroATexto(s->variacion)) : QString();
    auto* menos = new QBarSet(QStringLiteral("−") + p + QStringLiteral(" %"));
    auto* mas = new QBarSet(QStringLiteral("+") + p + QStringLiteral(" %"));
    menos->setColor(QColor(112, 96, 176));
    mas->setColor(QColor(64, 160, 160));
    QStringList nombres;
    double minimo = 0, maximo = 0;
    // The largest effect at the top: categories run upwards.
    for (const auto& d : s ? DesviosSensibilidad(*s, kEntradasMostradas) : std::vector<DesvioSensibilidad>{}) {
        menos->insert(0, d.menos);
        mas->insert(0, d.mas);
        nombres.prepend(QString::fromStdString(EtiquetaCampo(d.campo)));
        minimo = std::min({minimo, d.menos, d.mas});
        maximo = std::max({maximo, d.menos, d.mas});
    }
    auto* serie = new QHorizontalBarSeries;
    serie->append(menos);
    serie->append(mas);
    grafico->addSeries(serie);
    categorias_->append(nombres.isEmpty() ? QStringList{QString()} : nombres);
    serie->attachAxis(categorias_);
    serie->attachAxis(eje_);
    eje_->setTitleText(s ? QStringLiteral("€/km sobre la base de ") +
                               QString::fromStdString(FormatoCuatroDecimales(s->costeKm)) + QStringLiteral(" €/km")
                         : QString());
    AjustarEje(eje_, minimo, maximo);
    // Room for the names shown; it only grows, so the charts do not jump as the user types.
    setMinimumSize(minimumSize().expandedTo(TamanoParaCategorias(grafico, categorias_)));
}

}  // namespace tarvelon
