#include "windows/GraficosFlota.h"

#include <algorithm>
#include <filesystem>

#include <QScrollArea>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QValueAxis>

#include "model/Analisis.h"
#include "windows/EstiloGrafico.h"

namespace tarvelon {

namespace {

QChartView* Vista(QChart* grafico, QAbstractBarSeries* serie, QAbstractAxis* categorias, QValueAxis* valores,
                  bool horizontal)
{
    grafico->addSeries(serie);
    grafico->addAxis(categorias, horizontal ? Qt::AlignLeft : Qt::AlignBottom);
    grafico->addAxis(valores, horizontal ? Qt::AlignBottom : Qt::AlignLeft);
    serie->attachAxis(categorias);
    serie->attachAxis(valores);
    auto* vista = new QChartView(grafico);
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}

QBarSet* Conjunto(const QString& nombre, const QColor& color)
{
    auto* c = new QBarSet(nombre);
    c->setColor(color);
    return c;
}

}  // namespace

GraficosFlota::GraficosFlota(QWidget* parent)
    : QTabWidget(parent),
      antesKm_(Conjunto(QStringLiteral("Antes"), kColorReferencia)),
      despuesKm_(Conjunto(QStringLiteral("Después"), kColorSimulacion)),
      vehiculos_(new QBarCategoryAxis),
      ejeKm_(new QValueAxis),
      antesEstructura_(Conjunto(QStringLiteral("Antes"), kColorReferencia)),
      despuesEstructura_(Conjunto(QStringLiteral("Después"), kColorSimulacion)),
      ejeEstructura_(new QValueAxis)
{
    setObjectName(QStringLiteral("graficosFlota"));
    // One bar a vehicle, names on the left, as long as the vehicles need: it scrolls.
    auto* serieKm = new QHorizontalBarSeries;
    serieKm->append(antesKm_);
    serieKm->append(despuesKm_);
    QFont pequena = vehiculos_->labelsFont();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.85);
    vehiculos_->setLabelsFont(pequena);
    ejeKm_->setLabelFormat(QStringLiteral("%.2f"));
    costeKm_ =
        Vista(CrearGrafico(QStringLiteral("Coste por km de cada vehículo (€/km)")), serieKm, vehiculos_, ejeKm_, true);
    costeKm_->setObjectName(QStringLiteral("graficoCosteKmFlota"));
    auto* desplazable = new QScrollArea(this);
    desplazable->setWidget(costeKm_);
    desplazable->setWidgetResizable(true);

    auto* serieEstructura = new QHorizontalBarSeries;
    serieEstructura->append(antesEstructura_);
    serieEstructura->append(despuesEstructura_);
    auto* componentes = new QBarCategoryAxis;
    QStringList nombres;
    // The first component stands at the top: categories run upwards.
    nombres << QStringLiteral("Precio del CO2");
    for (size_t i = NombresComponentes().size(); i-- > 0;) {
        const std::string_view n = NombresComponentes()[i];
        nombres << QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size()));
    }
    componentes->append(nombres);
    ejeEstructura_->setLabelFormat(QStringLiteral("%.0f"));
    estructura_ = Vista(CrearGrafico(QStringLiteral("Estructura del coste de la flota (€/año)")), serieEstructura,
                        componentes, ejeEstructura_, true);
    estructura_->setObjectName(QStringLiteral("graficoEstructuraFlota"));
    addTab(desplazable, QStringLiteral("€/km por vehículo"));
    estructura_->setMinimumHeight(TamanoParaCategorias(estructura_->chart(), componentes).height() * 3 / 2);
    auto* desplazableEstructura = new QScrollArea(this);
    desplazableEstructura->setWidget(estructura_);
    desplazableEstructura->setWidgetResizable(true);
    addTab(desplazableEstructura, QStringLiteral("Estructura de costes"));
}

QChart* GraficosFlota::graficoCosteKm() const { return costeKm_->chart(); }
QChart* GraficosFlota::graficoEstructura() const { return estructura_->chart(); }

void GraficosFlota::Actualizar(const std::vector<const VehiculoFlota*>& visibles, const SumaFlota& suma, bool cambios)
{
    QStringList nombres;
    QList<double> antes, despues;
    double maximo = 0;
    for (const VehiculoFlota* v : visibles) {
        if (nombres.size() == kBarrasFlota) break;
        if (!v->antes) continue;
        // The first row at the top: categories run upwards.
        nombres.prepend(QString::fromStdString(std::filesystem::path(v->fichero).filename().string()));
        antes.prepend(v->antes->costeKm);
        despues.prepend(v->despues ? v->despues->costeKm : 0.0);
        maximo = std::max({maximo, antes.front(), cambios ? despues.front() : 0.0});
    }
    vehiculos_->setCategories(nombres);
    antesKm_->remove(0, antesKm_->count());
    antesKm_->append(antes);
    despuesKm_->remove(0, despuesKm_->count());
    if (cambios) despuesKm_->append(despues);
    AjustarEje(ejeKm_, 0, maximo);
    // Every name whole: the chart as tall as its names need, and it scrolls.
    costeKm_->setMinimumHeight(TamanoParaCategorias(costeKm_->chart(), vehiculos_).height() * (cambios ? 4 : 3) / 2);
    const QString titulo = QStringLiteral("Coste por km de cada vehículo (€/km)");
    costeKm_->chart()->setTitle(visibles.size() > static_cast<size_t>(kBarrasFlota)
                                    ? titulo + QStringLiteral(": los %1 primeros de la tabla").arg(kBarrasFlota)
                                    : titulo);

    const CifrasVehiculo a = suma.antes.Total(), d = suma.despues.Total();
    QList<double> va, vd;
    maximo = 0;
    // Bottom to top: the CO2 price, then the components from the last.
    va << a.costeCo2;
    vd << d.costeCo2;
    for (size_t i = a.componentes.size(); i-- > 0;) {
        va << a.componentes[i];
        vd << d.componentes[i];
    }
    for (double x : va + vd) maximo = std::max(maximo, x);
    antesEstructura_->remove(0, antesEstructura_->count());
    antesEstructura_->append(va);
    despuesEstructura_->remove(0, despuesEstructura_->count());
    if (cambios) despuesEstructura_->append(vd);
    AjustarEje(ejeEstructura_, 0, maximo);
}

}  // namespace tarvelon
