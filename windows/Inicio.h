#pragma once
// The main window: it assembles the menus, the step index, the work area with
// every step window and the status bar, and follows the session's signals.
#include <memory>

#include <QMainWindow>

#include "windows/Sesion.h"

class QAction;
class QLabel;

namespace tarvelon {

class AreaTrabajo;
class Indice;
class Pasos;
class Plataforma;
class VentanaAnalisis;
class VentanaAyuda;

class Inicio : public QMainWindow {
    Q_OBJECT
public:
    Inicio(Plataforma& plataforma, OpcionesInicio opciones, QWidget* parent = nullptr);
    ~Inicio() override;

    // A step button's click: every step window hidden, then this one shown.
    void PulsarPaso(int paso);
    // Places a window where the step windows go and says what to do next in it.
    void MostrarEnPaso(QWidget* ventana);
    // Hides every step window and clears the bold step button.
    void OcultarForms();
    // Enables steps 1 to 8, then saving, copying reference data and the analysis.
    void HabilitarPasos();

    // Menu commands.
    void menuArchivoGuardar_Click();
    void menuArchivoCargar_Click();
    void menuCopiarDatos_Click();
    void menuAnalisis_Click();
    void menuAyudaAyuda_Click();
    void menuAyudaAcercaDe_Click();

    Sesion& sesion() const { return *sesion_; }
    const Pasos& pasos() const { return *pasos_; }
    AreaTrabajo* areaTrabajo() const { return area_; }
    Indice* indice() const { return indice_; }
    // The analysis window, once the menu has opened it.
    VentanaAnalisis* analisis() const { return analisis_; }

private:
    void CrearMenus();
    void CrearBarraEstado();
    void SeguirSesion();
    // The opening size and place on the screen.
    void Dimensionar();
    void closeEvent(QCloseEvent* evento) override;
    // What to do next in `ventana`, just shown.
    QString IndicacionDe(const QWidget* ventana) const;
    void Indicar(const QString& texto);
    // A box that could not be read: its step shown and the box focused.
    void SenalarCaja(QLineEdit* caja);

    Sesion* sesion_;
    AreaTrabajo* area_ = nullptr;
    Indice* indice_ = nullptr;
    std::unique_ptr<Pasos> pasos_;
    VentanaAnalisis* analisis_ = nullptr;
    VentanaAyuda* ayuda_ = nullptr;
    QLabel* lblIndicacion_ = nullptr;  // where to go next
    QLabel* lblFichero_ = nullptr;     // the file the simulation column came from

    QAction* menuArchivoGuardar_ = nullptr;
    QAction* menuArchivoCargar_ = nullptr;
    QAction* menuCopiarDatos_ = nullptr;
    QAction* menuAnalisis_ = nullptr;
};

inline constexpr const char* kTituloInicio = "TARVELON - Mirandel de Costes de la Valdoria";

}  // namespace tarvelon
