#pragma once
// The cost structure of both columns as grouped horizontal bars: the twelve
// annual components in € per km, simulation beside reference.
#include <QtCharts/QChartView>

#include "model/Analisis.h"

QT_BEGIN_NAMESPACE
class QBarSet;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

class GraficoEstructura : public QChartView {
    Q_OBJECT
public:
    explicit GraficoEstructura(QWidget* parent = nullptr);

    // A missing side shows no bars. Only the values change, so a keystroke
    // redraws without building the chart again.
    void Actualizar(const EstructuraCostes* simulacion, const EstructuraCostes* referencia);

private:
    QBarSet* simulacion_;
    QBarSet* referencia_;
    QValueAxis* eje_;
};

}  // namespace tarvelon
