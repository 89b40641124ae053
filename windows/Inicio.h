#pragma once
// The main window: a multiple-document window that creates every step window
// once, hosts them beside the step index and carries the menus.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QMainWindow>

#include "windows/SeleccionarVehiculo.h"

class QAction;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace tarvelon {

class CambiosSimulacion;
class Columnas;
class CostesFijosC;
class DatosGenerales;
class Indice;
class Plataforma;
class Presupuesto;
class SeleccionarResultado;
class Trayecto;
class VentanaAnalisis;
class VentanaAyuda;
class VentanaEntrada;

struct OpcionesInicio {
    std::string rutaPrograma;  // the program folder at start-up
    std::string rutaConfig;    // the reference data file
    // The program folder as the platform reports it at the moment of asking.
    std::function<std::string()> carpetaPrograma;
};

class Inicio : public QMainWindow {
    Q_OBJECT
public:
    Inicio(Plataforma& plataforma, OpcionesInicio opciones, QWidget* parent = nullptr);
    ~Inicio() override;

    // Places a step window at top 0, left 2005 twips of the work area and shows it.
    void MostrarEnPaso(QWidget* ventana);
    // Hides every step window and clears the bold step button.
    void OcultarForms();
    void PulsarPaso(int paso);  // a step button's click

    // Menu commands.
    void menuArchivoGuardar_Click();
    void menuArchivoCargar_Click();
    void menuArchivoFlota_Click();
    void menuCopiarDatos_Click();
    void menuAnalisis_Click();
    void menuAyudaAyuda_Click();
    void menuAyudaAcercaDe_Click();

    // The column transfers between the input windows and a record.
    Columnas& columnas() { return *columnas_; }

    Plataforma& plataforma() { return plataforma_; }
    // Folder in which the save and load dialogs open.
    std::string& RutaPrograma() { return rutaPrograma_; }
    // Full path of the last personalised data file chosen (empty at start).
    std::string& FicheroDatos() { return ficheroDatos_; }
    // Full path of the reference data file.
    const std::string& RutaConfig() const { return rutaConfig_; }
    // Text shown at this moment in the vehicle type selector.
    std::string TextoTipoSeleccionado() const;
    // Enables steps 1 to 8, then saving and copying reference data.
    void HabilitarPasos();
    // The program folder as the platform reports it now.
    std::string CarpetaPrograma() const;
    void TituloConTipo(const std::string& tipo);
    // After a selection: hides the selection window and the steps behind it.
    void OcultarTrasSeleccion();

    // Before the simulation column is replaced or dropped: when it changed
    // since it was last saved, loaded or set by a selection, asks whether to
    // save it. Answers whether the action may go on (No, or Sí and saved).
    bool ConfirmarCambios();
    // The simulation column was just set by a selection of `tipo`, saved to
    // or loaded from `fichero`: the state to compare with, and the hint.
    void ColumnaSeleccionada(const std::string& tipo);
    void ColumnaGuardada(const std::string& fichero);
    void ColumnaCargada(const std::string& fichero, const std::string& tipo);
    // A save that failed or was cancelled: the status bar no longer tells of
    // an earlier one.
    void ColumnaNoGuardada();
    // A box that could not be read: its step shown and the box focused.
    void SenalarCaja(QLineEdit* caja);
    // The step whose window holds `w`, or -1.
    int PasoDe(const QWidget* w) const;

    // The single instances of the windows.
    Indice* indice() const { return indice_; }
    SeleccionarVehiculo* seleccionarVehiculo() const { return vehiculo_; }
    DatosGenerales* datosGenerales() const { return dg_; }
    VentanaEntrada* costesFijosA() const { return cfa_; }
    VentanaEntrada* costesFijosB() const { return cfb_; }
    CostesFijosC* costesFijosC() const { return cfc_; }
    VentanaEntrada* costesVariablesA() const { return cva_; }
    VentanaEntrada* costesVariablesB() const { return cvb_; }
    VentanaEntrada* costesIndirectos() const { return ci_; }
    QWidget* trayecto() const { return trayecto_; }
    QWidget* presupuesto() const { return presupuesto_; }
    QWidget* seleccionarResultado() const { return resultado_; }
    QWidget* VentanaDePaso(int paso) const;
    QMdiArea* areaTrabajo() const { return mdi_; }
    QMdiSubWindow* Marco(QWidget* ventana) const;
    // The analysis window, once the menu has opened it.
    VentanaAnalisis* analisis() const { return analisis_; }
    // Left edge of the step windows in the work area, beside the index.
    int IzquierdaPaso() const;

private:
    QMdiSubWindow* Alojar(QWidget* ventana, bool sinBorde = false);
    // The frame at `sitio` with its window's size, within the work area and
    // at most `anchoMaximo` wide; a larger window scrolls inside its frame.
    void Colocar(QMdiSubWindow* marco, QPoint sitio, int anchoMaximo = QWIDGETSIZE_MAX);
    // The analysis window right of `derechaPasos` when the area leaves it
    // `minimo` there, else at the area's right edge.
    void ColocarAnalisis(int derechaPasos, int minimo);
    void Ocultar(QWidget* ventana);
    void CrearMenus();
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void Indicar(const std::string& texto, const std::string& fichero);
    // What to do next in `ventana`, just shown.
    QString IndicacionDe(const QWidget* ventana) const;

    Plataforma& plataforma_;
    OpcionesInicio opciones_;
    std::string rutaPrograma_;
    std::string rutaConfig_;
    std::string ficheroDatos_;

    QMdiArea* mdi_ = nullptr;
    DatosGenerales* dg_ = nullptr;
    VentanaEntrada* cfa_ = nullptr;
    VentanaEntrada* cfb_ = nullptr;
    CostesFijosC* cfc_ = nullptr;
    VentanaEntrada* cva_ = nullptr;
    VentanaEntrada* cvb_ = nullptr;
    QWidget* trayecto_ = nullptr;
    QWidget* presupuesto_ = nullptr;
    Indice* indice_ = nullptr;
    SeleccionarVehiculo* vehiculo_ = nullptr;
    QWidget* resultado_ = nullptr;
    VentanaEntrada* ci_ = nullptr;
    std::unique_ptr<Columnas> columnas_;
    std::map<QWidget*, QMdiSubWindow*> marcos_;
    std::unique_ptr<CambiosSimulacion> cambios_;
    std::string tipoColumna_;  // the type the simulation column belongs to
    VentanaAyuda* ayuda_ = nullptr;
    QLabel* lblIndicacion_ = nullptr;  // where to go next
    QLabel* lblFichero_ = nullptr;     // the file the simulation column came from

    QAction* menuArchivoGuardar_ = nullptr;
    QAction* menuArchivoCargar_ = nullptr;
    QAction* menuCopiarDatos_ = nullptr;
    QAction* menuAnalisis_ = nullptr;
    VentanaAnalisis* analisis_ = nullptr;
    std::pair<int, int> analisisSitio_;  // ColocarAnalisis's arguments when last opened
    bool analisisPorColocar_ = false;    // the main window grows for it: placed again once it has
    bool ajustando_ = false;             // fitting the frames to the area
};

inline constexpr const char* kPreguntaCambios = "Los datos de simulación han cambiado. ¿Desea guardarlos?";

inline constexpr const char* kPreguntaCopiar =
    "Se sustituirán las cifras de simulación por los datos del Mirandel. ¿Desea continuar?";

inline constexpr const char* kTituloInicio = "TARVELON - Mirandel de Costes de la Valdoria";

}  // namespace tarvelon
