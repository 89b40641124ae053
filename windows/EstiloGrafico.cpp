#include "windows/EstiloGrafico.h"

#include <QFont>
#include <QLocale>
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

}  // namespace tarvelon
