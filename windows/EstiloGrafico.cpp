#include "windows/EstiloGrafico.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QValueAxis>

namespace tarvelon {

QChart* CrearGrafico(const QString& titulo)
{
    auto* grafico = new QChart;
    grafico->setTitle(titulo);
    QFont fuente = grafico->titleFont();
    fuente.setBold(true);
    grafico->setTitleFont(fuente);
    grafico->setAnimationOptions(QChart::NoAnimation);
    // Axis labels follow the program's conventions, not the machine's locale.
    grafico->setLocale(QLocale(QLocale::Spanish, QLocale::Spain));
    grafico->setLocalizeNumbers(true);
    grafico->legend()->setAlignment(Qt::AlignBottom);
    grafico->setMargins(QMargins(4, 4, 4, 4));
    return grafico;
}

void AjustarEje(QValueAxis* eje, double minimo, double maximo)
{
    if (!(maximo > minimo)) maximo = minimo + 1;
    const double margen = (maximo - minimo) * 0.05;
    eje->setRange(minimo < 0 ? minimo - margen : minimo, maximo > 0 ? maximo + margen : maximo);
    eje->applyNiceNumbers();
}

namespace {
// Qt Charts pads each axis label by this much on both sides.
constexpr int kRellenoEtiqueta = 4;
// The chart's title, legend, value axis and margins around the plot.
int AltoFuera(const QChart* grafico)
{
    return 3 * QFontMetrics(grafico->titleFont()).height() + 2 * QFontMetrics(grafico->legend()->font()).height() + 40;
}
}  // namespace

QSize TamanoParaCategorias(const QChart* grafico, QBarCategoryAxis* eje)
{
    const QFontMetrics fm(eje->labelsFont());
    int ancho = 0;
    for (const QString& c : eje->categories()) ancho = std::max(ancho, fm.horizontalAdvance(c));
    // The axis on the left gets at most 40 % of the chart's width; each name
    // the axis height over (names + 1) less its padding above and below.
    const int n = static_cast<int>(eje->count());
    return {(ancho + 3 * kRellenoEtiqueta) * 5 / 2 + 24,
            (n + 1) * (fm.height() + 2 * kRellenoEtiqueta + 2) + AltoFuera(grafico)};
}

QSize TamanoParaValores(const QChart* grafico, const QString& muestra, int etiquetas)
{
    const QFontMetrics fm(grafico->font());
    const int ancho = fm.horizontalAdvance(muestra) + 2 * kRellenoEtiqueta;
    return {(etiquetas + 1) * ancho + 3 * fm.height() + 24,
            (etiquetas + 1) * (fm.height() + 2 * kRellenoEtiqueta) + AltoFuera(grafico)};
}

}  // namespace tarvelon
