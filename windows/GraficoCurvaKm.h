#pragma once
// The total cost per km of both columns as the annual kilometres run from
// half to one and a half times their own figure.
#include <vector>

#include <QtCharts/QChartView>

#include "model/Analisis.h"

QT_BEGIN_NAMESPACE
class QLineSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

class GraficoCurvaKm : public QChartView {
    Q_OBJECT
public:
    explicit GraficoCurvaKm(QWidget* parent = nullptr);

    // A missing curve shows no line; points that failed are left out.
    void Actualizar(const std::vector<PuntoCurvaKm>* simulacion, const std::vector<PuntoCurvaKm>* referencia);

private:
    QLineSeries* simulacion_;
    QLineSeries* referencia_;
    QValueAxis* ejeKm_;
    QValueAxis* ejeCoste_;
};

}  // namespace tarvelon
