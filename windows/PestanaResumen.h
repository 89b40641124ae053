#pragma once
// The analysis window's tab «Resumen en vivo»: the total cost of both columns
// per km, service, hour and year, why a column does not calculate, and the
// cost structure of both as a chart.
#include <array>

#include <QWidget>

class QLabel;

namespace tarvelon {

class GraficoEstructura;
struct DatosAnalisis;

class PestanaResumen : public QWidget {
    Q_OBJECT
public:
    explicit PestanaResumen(QWidget* parent = nullptr);

    void Actualizar(const DatosAnalisis& datos);
    // The analysis itself failed: said where the simulation's reason goes.
    void Fallo(const QString& texto);

private:
    // Live totals: [column][unit] (per km, per service, per hour, per year).
    std::array<std::array<QLabel*, 4>, 2> totales_{};
    std::array<QLabel*, 2> motivos_{};
    GraficoEstructura* estructura_;
};

}  // namespace tarvelon
