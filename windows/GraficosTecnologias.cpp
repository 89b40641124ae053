#include "windows/GraficosTecnologias.h"

#include <algorithm>
#include <limits>

#include <QLocale>
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
    QChart* grafico = CrearGrafico(titulo);
    // Figures of millions: Qt's Spanish form leaves a four-digit group whole
    // ("1200.000"); this one groups every three digits with a point and keeps
    // the decimal comma, the program's own form.
    grafico->setLocale(QLocale(QLocale::German, QLocale::Germany));
    auto* vista = new QChartView(grafico, padre);
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
    // Each change of an axis lays its labels out again: it changes only when
    // its round range does (a keystroke often leaves it as it was).
    void Ajustar(QValueAxis* eje) const
    {
        QValueAxis nuevo;
        nuevo.setTickCount(eje->tickCount());
        if (minimo > maximo) AjustarEje(&nuevo, 0, 0);
        else AjustarEje(&nuevo, minimo, maximo);
        if (nuevo.min() != eje->min() || nuevo.max() != eje->max()) eje->setRange(nuevo.min(), nuevo.max());
        if (nuevo.tickCount() != eje->tickCount()) eje->setTickCount(nuevo.tickCount());
    }
};

// The chart's lines, one per name, kept from one redraw to the next: a
// keystroke only replaces their points.
std::vector<QLineSeries*> Lineas(QChart* grafico, const std::vector<std::string>& nombres, QValueAxis* x, QValueAxis* y)
{
    std::vector<QLineSeries*> series;
    for (QAbstractSeries* s : grafico->series()) series.push_back(static_cast<QLineSeries*>(s));
    bool iguales = series.size() == nombres.size();
    for (size_t i = 0; iguales && i < nombres.size(); ++i) iguales = series[i]->name() == Q(nombres[i]);
    if (iguales) return series;
    grafico->removeAllSeries();
    series.clear();
    for (const auto& nombre : nombres) {
        auto* serie = new QLineSeries;
        serie->setName(Q(nombre));
        serie->setPen(QPen(GraficosTecnologias::Color(nombre), 2.5));
        grafico->addSeries(serie);
        serie->attachAxis(x);
        serie->attachAxis(y);
        series.push_back(serie);
    }
    return series;
}

std::vector<std::string> Nombres(const CosteVidaTecnologias* r)
{
    std::vector<std::string> n;
    for (const auto& t : r ? r->tecnologias : std::vector<ResultadoTecnologia>{}) n.push_back(t.nombre);
    return n;
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
    // Tall enough that lines close together can be told apart.
    for (QChartView* v : {acumulado_, porKm_, co2_}) {
        v->setMinimumHeight(std::max(v->minimumHeight(), 20 * v->fontMetrics().height()));
        disposicion->addWidget(v, 1);
    }
}

void GraficosTecnologias::Actualizar(const CosteVidaTecnologias* r, const std::vector<PuntoKmTecnologias>* curva)
{
    Acumulado(r);
    PorKm(r, curva);
    Co2(r);
}

void GraficosTecnologias::Acumulado(const CosteVidaTecnologias* r)
{
    const auto lineas = Lineas(acumulado_->chart(), Nombres(r), ejeAnios_, ejeAcumulado_);
    Extremos y;
    for (size_t i = 0; i < lineas.size(); ++i) {
        const ResultadoTecnologia& t = r->tecnologias[i];
        QList<QPointF> puntos{QPointF(0, t.capitalInicial)};
        y.Ver(t.capitalInicial);
        for (const auto& a : t.anios) {
            puntos.append(QPointF(a.anio, a.acumulado));
            y.Ver(a.acumulado);
        }
        lineas[i]->replace(puntos);
    }
    const int anios = r ? std::max(r->horizonte, 1) : 1;
    if (ejeAnios_->max() != anios) {
        ejeAnios_->setRange(0, anios);
        ejeAnios_->setTickCount(anios <= 15 ? anios + 1 : 6);
    }
    y.Ajustar(ejeAcumulado_);
}

void GraficosTecnologias::PorKm(const CosteVidaTecnologias* r, const std::vector<PuntoKmTecnologias>* curva)
{
    const auto lineas = Lineas(porKm_->chart(), curva ? Nombres(r) : std::vector<std::string>{}, ejeKm_, ejeCosteKm_);
    Extremos x, y;
    for (size_t i = 0; i < lineas.size(); ++i) {
        QList<QPointF> puntos;
        for (const auto& p : *curva)
            if (i < p.costeKm.size() && p.costeKm[i]) {
                puntos.append(QPointF(p.km, *p.costeKm[i]));
                x.Ver(p.km);
                y.Ver(*p.costeKm[i]);
            }
        lineas[i]->replace(puntos);
    }
    x.Ajustar(ejeKm_);
    y.Ajustar(ejeCosteKm_);
}

void GraficosTecnologias::Co2(const CosteVidaTecnologias* r)
{
    QChart* grafico = co2_->chart();
    if (grafico->series().isEmpty()) {
        auto* barras = new QHorizontalBarSeries;
        auto* ttw = new QBarSet(QStringLiteral("Del depósito a la rueda (TTW)"));
        auto* wtw = new QBarSet(QStringLiteral("Del pozo a la rueda (WTW)"));
        ttw->setColor(QColor(120, 120, 120));
        wtw->setColor(QColor(40, 140, 60));
        barras->append(ttw);
        barras->append(wtw);
        grafico->addSeries(barras);
        barras->attachAxis(ejeTecnologias_);
        barras->attachAxis(ejeToneladas_);
    }
    const QList<QBarSet*> conjuntos = static_cast<QHorizontalBarSeries*>(grafico->series().front())->barSets();
    QStringList nombres;
    QList<qreal> ttw, wtw;
    Extremos y;
    y.Ver(0);
    for (const auto& t : r ? r->tecnologias : std::vector<ResultadoTecnologia>{}) {
        nombres << Q(t.nombre);
        ttw << t.ttwTAnio;
        wtw << t.wtwTAnio;
        y.Ver(std::max(t.ttwTAnio, t.wtwTAnio));
    }
    for (auto [conjunto, valores] : {std::pair{conjuntos[0], &ttw}, std::pair{conjuntos[1], &wtw}}) {
        if (conjunto->count() != valores->size()) {
            conjunto->remove(0, static_cast<int>(conjunto->count()));
            conjunto->append(*valores);
        }
        for (int i = 0; i < valores->size(); ++i)
            if (conjunto->at(i) != (*valores)[i]) conjunto->replace(i, (*valores)[i]);
    }
    if (ejeTecnologias_->categories() != nombres) ejeTecnologias_->setCategories(nombres);
    y.Ajustar(ejeToneladas_);
}

}  // namespace tarvelon
