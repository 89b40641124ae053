#pragma once
// The fleet window's «¿Y si…?» panel: the changes in % to diesel price,
// wages, tolls, maintenance and annual km and a CO2 price, taken as the user
// types, and the fleet's totals before and after with their difference.
#include <array>

#include <QWidget>

#include "reports/VehiculoFlota.h"

class QLabel;
class QLineEdit;

namespace tarvelon {

class PanelSiEntonces : public QWidget {
    Q_OBJECT
public:
    explicit PanelSiEntonces(QWidget* parent = nullptr);

    void MostrarTotales(const SumaFlota& suma);
    QLineEdit* Caja(int i) const { return cajas_[static_cast<size_t>(i)]; }

signals:
    // Every box reads as a change (an empty box is none).
    void Cambiados(const tarvelon::CambiosFlota& cambios);

private:
    void Leer();

    std::array<QLineEdit*, 6> cajas_{};
    QLabel* motivo_ = nullptr;
    std::array<std::array<QLabel*, 3>, 7> totales_{};  // figure × antes, después, diferencia
    QLabel* vehiculos_ = nullptr;
};

}  // namespace tarvelon
