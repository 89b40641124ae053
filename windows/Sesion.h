#pragma once
// What one run of the program works on: its folders and files, the two
// columns of the input windows and whether the user's figures are saved. The
// main window and the step windows change it through its actions and follow
// it through its signals; none of them calls back into the main window.
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QString>

#include "windows/Columnas.h"

class QLineEdit;
class QWidget;

namespace tarvelon {

class CambiosSimulacion;
class Plataforma;

struct OpcionesInicio {
    std::string rutaPrograma;  // the program folder at start-up
    std::string rutaConfig;    // the reference data file
    // The program folder as the platform reports it at the moment of asking.
    std::function<std::string()> carpetaPrograma;
};

class Sesion : public QObject {
    Q_OBJECT
public:
    // `ventana` is the main window: the parent of the file dialogs.
    Sesion(Plataforma& plataforma, OpcionesInicio opciones, QWidget* ventana);
    ~Sesion() override;

    // The input windows hold the columns: they exist before the transfers.
    void Unir(const VentanasColumnas& ventanas);

    Plataforma& plataforma() const { return plataforma_; }
    QWidget* ventana() const { return ventana_; }
    Columnas& columnas() const { return *columnas_; }
    // Folder in which the save and load dialogs open.
    const std::string& RutaPrograma() const { return opciones_.rutaPrograma; }
    // Full path of the reference data file.
    const std::string& RutaConfig() const { return opciones_.rutaConfig; }
    // The program folder as the platform reports it now.
    std::string CarpetaPrograma() const;
    // The last personalised data file chosen in a dialog (empty at start).
    const std::string& FicheroDatos() const { return ficheroDatos_; }
    void ElegidoFichero(const std::string& ruta) { ficheroDatos_ = ruta; }
    // The file the simulation column was last saved to or loaded from; empty
    // when it was last set by a selection.
    const std::string& FicheroColumna() const { return ficheroColumna_; }
    // The vehicle type the simulation column belongs to.
    const std::string& TipoColumna() const { return tipoColumna_; }
    // Text shown at this moment in the vehicle type selector.
    std::string TextoTipoSeleccionado() const;

    // Both columns from records, for a selection or a load; the steps open.
    void PonerColumnas(const Simulacion& simulacion, const Simulacion& referencia);
    // The reference figures into the simulation column, after a Yes when
    // figures not saved would be lost.
    void CopiarReferencia();
    bool Cambiada() const;
    // Before the simulation column is replaced or dropped: when it changed
    // since it was last saved, loaded or set by a selection, asks whether to
    // save it. Answers whether the action may go on (No, or Sí and saved).
    bool ConfirmarCambios();
    // The simulation column was just set by a selection of `tipo`, saved to
    // or loaded from `fichero`: the state to compare with, and the signals.
    void ColumnaSeleccionada(const std::string& tipo);
    void ColumnaGuardada(const std::string& fichero);
    void ColumnaCargada(const std::string& fichero, const std::string& tipo);
    // A save that failed or was cancelled.
    void ColumnaNoGuardada();

signals:
    void pasosAbiertos();  // a vehicle type has columns: the steps and commands may be used
    void tipoSeleccionado(const QString& tipo);
    void columnaGuardada(const QString& fichero);
    void columnaCargada(const QString& fichero);
    void columnaNoGuardada();
    void referenciaCopiada();
    // The file the simulation column came from, empty when none.
    void ficheroCambiado(const QString& fichero);
    // A box of either column or the insurance option changed.
    void columnasEditadas();
    // A box that could not be read, after its message.
    void cajaFallida(QLineEdit* caja);

private:
    void Tomar(const std::string& fichero);

    Plataforma& plataforma_;
    OpcionesInicio opciones_;
    QWidget* ventana_;
    std::string ficheroDatos_;
    std::string ficheroColumna_;
    std::string tipoColumna_;
    VentanasColumnas ventanas_{};
    std::unique_ptr<Columnas> columnas_;
    std::unique_ptr<CambiosSimulacion> cambios_;
};

inline constexpr const char* kPreguntaCambios = "Los datos de simulación han cambiado. ¿Desea guardarlos?";

inline constexpr const char* kPreguntaCopiar =
    "Se sustituirán las cifras de simulación por los datos del Mirandel. ¿Desea continuar?";

}  // namespace tarvelon
