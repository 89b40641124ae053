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
class Simulacion;

// What a selection needs of the main window.
class AccionesSeleccion {
public:
    virtual ~AccionesSeleccion() = default;
    virtual std::string CarpetaPrograma() = 0;  // the program folder as the platform reports it now
    virtual void EscribirColumnaSimulacion(const Simulacion& s) = 0;
    virtual void EscribirColumnaReferencia(const Simulacion& s) = 0;
    virtual void HabilitarPasos() = 0;  // steps 1-8, then saving and copying reference data
    virtual void TituloConTipo(const std::string& tipo) = 0;
    virtual void OcultarTrasSeleccion() = 0;
};

class SeleccionarVehiculo : public QWidget {
    Q_OBJECT
public:
    SeleccionarVehiculo(Plataforma& plataforma, AccionesSeleccion& acciones, QWidget* parent = nullptr);

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
    AccionesSeleccion& acciones_;
    QComboBox* combo_;
    QPushButton* btSeleccionar_;
    bool cargado_ = false;
};

}  // namespace tarvelon
