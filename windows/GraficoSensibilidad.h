#pragma once
// Tornado chart of the sensitivity analysis: for the inputs with the largest
// effect, how far the total cost per km moves from its base with the input
// at −p % and at +p %.
#include <cstddef>

#include <QtCharts/QChartView>

#include "model/Analisis.h"

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

class GraficoSensibilidad : public QChartView {
    Q_OBJECT
public:
    static constexpr std::size_t kEntradasMostradas = 10;

    explicit GraficoSensibilidad(QWidget* parent = nullptr);

    // Nothing to show without an analysis; entries that failed are left out.
    void Actualizar(const Sensibilidad* sensibilidad);

private:
    QBarCategoryAxis* categorias_;
    QValueAxis* eje_;
};

}  // namespace tarvelon
