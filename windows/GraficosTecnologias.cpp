#include "windows/GraficosTecnologias.h"

#include <algorithm>
#include <limits>

#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "windows/EstiloGrafico.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QChartView* Vista(const char* nombre, const QString& titulo, QWidget* padre)
{
    auto* vista = new QChartView(CrearGrafico(titulo), padre);
    vista->setObjectName(QString::fromLatin1(nombre));
    vista->setRenderHint(QPainter::Antialiasing);
    return vista;
}

QValueAxis* Eje(QChart* grafico, Qt::Alignment lado, const QString& titulo, const char* formato)
{
    auto* eje = new QValueAxis;
    eje->setTitleText(titulo);
    eje->setLabelFormat(QString::fromLatin1(formato));
    grafico->addAxis(eje, lado);
    return eje;
}

// Keeps the lowest and highest of the values seen.
struct Extremos {
    double minimo = std::numeric_limits<double>::max(), maximo = std::numeric_limits<double>::lowest();
    void Ver(double v)
    {
        minimo = std::min(minimo, v);
        maximo = std::max(maximo, v);
    }
    void Ajustar(QValueAxis* eje) const
    {
        if (minimo > maximo) AjustarEje(eje, 0, 0);
        else AjustarEje(eje, minimo, maximo);
    }
};

QLineSeries* Linea(QChart* grafico, const std::string& nombre, QValueAxis* x, QValueAxis* y)
{
    auto* serie = new QLineSeries;
    serie->setName(Q(nombre));
    serie->setPen(QPen(GraficosTecnologias::Color(nombre), 2.5));
    grafico->addSeries(serie);
    serie->attachAxis(x);
    serie->attachAxis(y);
    return serie;
}

}  // namespace

QColor GraficosTecnologias::Color(const std::string& nombre)
{
    if (nombre == kDiesel) return {70, 70, 70};
    if (nombre == kHvo) return {40, 140, 60};
    if (nombre == kGnl) return kColorReferencia;
    return kColorSimulacion;
}

GraficosTecnologias::GraficosTecnologias(QWidget* parent) : QWidget(parent)
{
    acumulado_ = Vista("graficoAcumulado", QStringLiteral("Coste presente acumulado"), this);
    porKm_ = Vista("graficoCosteKm", QStringLiteral("Coste por km según los km anuales"), this);
    co2_ = Vista("graficoCo2", QStringLiteral("CO2 de un año"), this);
    ejeAnios_ = Eje(acumulado_->chart(), Qt::AlignBottom, QStringLiteral("año (0 = compra)"), "%.0f");
    ejeAcumulado_ = Eje(acumulado_->chart(), Qt::AlignLeft, QStringLiteral("€"), "%.0f");
    ejeKm_ = Eje(porKm_->chart(), Qt::AlignBottom, QStringLiteral("km/año"), "%.0f");
    ejeCosteKm_ = Eje(porKm_->chart(), Qt::AlignLeft, QStringLiteral("€/km"), "%.2f");
    ejeTecnologias_ = new QBarCategoryAxis;
    co2_->chart()->addAxis(ejeTecnologias_, Qt::AlignLeft);
    ejeToneladas_ = Eje(co2_->chart(), Qt::AlignBottom, QStringLiteral("t CO2e/año"), "%.0f");
    for (QValueAxis* eje : {ejeAcumulado_, ejeKm_, ejeCosteKm_, ejeToneladas_}) eje->setTickCount(5);
    // One above the other, each as wide as the tab: whole labels at any scale.
    acumulado_->setMinimumSize(TamanoParaValores(acumulado_->chart(), QStringLiteral("0.000.000"), 5));
    porKm_->setMinimumSize(TamanoParaValores(porKm_->chart(), QStringLiteral("000.000"), 5));
    ejeTecnologias_->setCategories({Q(kDiesel), Q(kHvo), Q(kGnl), Q(kElectrico)});
    co2_->setMinimumSize(TamanoParaCategorias(co2_->chart(), ejeTecnologias_));
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    for (QChartView* v : {acumulado_, porKm_, co2_}) disposicion->addWidget(v, 1);
}

void GraficosTecnologias::Actualizar(const CosteVidaTecnologias* r, const std::vector<PuntoKmTecnologias>* curva)
{
    Acumulado(r);
    PorKm(r, curva);
    Co2(r);
}

void GraficosTecnologias::Acumulado(const CosteVidaTecnologias* r)
{
    QChart* grafico = acumulado_->chart();
    grafico->removeAllSeries();
    Extremos y;
    for (const auto& t : r ? r->tecnologias : std::vector<ResultadoTecnologia>{}) {
        QList<QPointF> puntos{QPointF(0, t.capitalInicial)};
        y.Ver(t.capitalInicial);
        for (const auto& a : t.anios) {
            puntos.append(QPointF(a.anio, a.acumulado));
            y.Ver(a.acumulado);
        }
        Linea(grafico, t.nombre, ejeAnios_, ejeAcumulado_)->replace(puntos);
    }
    ejeAnios_->setRange(0, r ? std::max(r->horizonte, 1) : 1);
    ejeAnios_->setTickCount(r && r->horizonte <= 15 ? r->horizonte + 1 : 6);
    y.Ajustar(ejeAcumulado_);
}

void GraficosTecnologias::PorKm(const CosteVidaTecnologias* r, const std::vector<PuntoKmTecnologias>* curva)
{
    QChart* grafico = porKm_->chart();
    grafico->removeAllSeries();
    Extremos x, y;
    const size_t n = r && curva ? r->tecnologias.size() : 0;
    for (size_t i = 0; i < n; ++i) {
        QList<QPointF> puntos;
        for (const auto& p : *curva)
            if (i < p.costeKm.size() && p.costeKm[i]) {
                puntos.append(QPointF(p.km, *p.costeKm[i]));
                x.Ver(p.km);
                y.Ver(*p.costeKm[i]);
            }
        Linea(grafico, r->tecnologias[i].nombre, ejeKm_, ejeCosteKm_)->replace(puntos);
    }
    x.Ajustar(ejeKm_);
    y.Ajustar(ejeCosteKm_);
}

void GraficosTecnologias::Co2(const CosteVidaTecnologias* r)
{
    QChart* grafico = co2_->chart();
    grafico->removeAllSeries();
    auto* barras = new QHorizontalBarSeries;
    auto* ttw = new QBarSet(QStringLiteral("Del depósito a la rueda (TTW)"));
    auto* wtw = new QBarSet(QStringLiteral("Del pozo a la rueda (WTW)"));
    ttw->setColor(QColor(120, 120, 120));
    wtw->setColor(QColor(40, 140, 60));
    QStringList nombres;
    Extremos y;
    y.Ver(0);
    for (const auto& t : r ? r->tecnologias : std::vector<ResultadoTecnologia>{}) {
        nombres << Q(t.nombre);
        ttw->append(t.ttwTAnio);
        wtw->append(t.wtwTAnio);
        y.Ver(std::max(t.ttwTAnio, t.wtwTAnio));
    }
    barras->append(ttw);
    barras->append(wtw);
    grafico->addSeries(barras);
    ejeTecnologias_->setCategories(nombres);
    barras->attachAxis(ejeTecnologias_);
    barras->attachAxis(ejeToneladas_);
    y.Ajustar(ejeToneladas_);
}

}  // namespace tarvelon
