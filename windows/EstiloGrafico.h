#pragma once
// What the analysis charts share: colours of the two columns, Spanish number
// labels, no animation (a keystroke must redraw at once), and axis ranges.
#include <QColor>
#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QChart;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

inline const QColor kColorSimulacion{214, 140, 20};  // the simulation column's header, darker
inline const QColor kColorReferencia{52, 110, 176};  // the reference column's header, darker

// A chart with its title, the legend below, numbers with decimal comma.
QChart* CrearGrafico(const QString& titulo);

// Range of a value axis around [minimo, maximo] with round tick values; an
// empty range still shows an axis.
void AjustarEje(QValueAxis* eje, double minimo, double maximo);

// The least size of a chart view that shows every name of its category axis
// (on the left) whole: never shortened to "...".
QSize TamanoParaCategorias(const QChart* grafico, QBarCategoryAxis* eje);

// The least size of a chart view whose value axes show `etiquetas` labels as
// wide as `muestra` side by side.
QSize TamanoParaValores(const QChart* grafico, const QString& muestra, int etiquetas);

}  // namespace tarvelon
