#pragma once
// Step 0: the user picks a vehicle type of the reference data file; its
// reference values go into the reference column and the simulation column
// starts again from a new record.
#include <string>

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvelon {

class Plataforma;
class Sesion;

class SeleccionarVehiculo : public QWidget {
    Q_OBJECT
public:
    SeleccionarVehiculo(Plataforma& plataforma, Sesion& sesion, QWidget* parent = nullptr);

    // Fills the type list from the reference data file, the first time only.
    void Cargar();
    void btSeleccionar_Click();

    // The selector's text part as the column transfers read and write it.
    std::string TextoTipo() const;
    void EscribirTipo(const std::string& tipo);

    QComboBox* cbSeleccionarVehiculo() const { return combo_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    Plataforma& plataforma_;
    Sesion& sesion_;
    QComboBox* combo_;
    QPushButton* btSeleccionar_;
    bool cargado_ = false;
};

}  // namespace tarvelon
