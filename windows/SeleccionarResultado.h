#pragma once
// Step 8: the user chooses between the vehicle's unit costs and the cost of
// one service, whose kilometres and hours are typed here.
#include <functional>

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelon {

class Presupuesto;
class Trayecto;

class SeleccionarResultado : public QWidget {
    Q_OBJECT
public:
    // `mostrarEnPaso` places a window beside the step index and shows it.
    // Its messages go through the platform of the annual results window.
    SeleccionarResultado(Trayecto& trayecto, Presupuesto& presupuesto, std::function<void(QWidget*)> mostrarEnPaso,
                         QWidget* parent = nullptr);

    void btCalcular_Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void HabilitarServicio();
    void Conectar();  // the options, the button and the boxes

    Trayecto& trayecto_;
    Presupuesto& presupuesto_;
    std::function<void(QWidget*)> mostrarEnPaso_;
    QGroupBox* Frame1_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QLabel* lblKilometrosDelServicio_;
    QLineEdit* txtKilometrosDelServicio_;
    QLabel* lblHorasDelServicio_;
    QLineEdit* txtHorasDelServicio_;
    QPushButton* btCalcular_;
};

}  // namespace tarvelon
