#pragma once
// The analysis window: the live totals and cost structure of both columns as
// the user types, the comparison of the simulation with the reference, the
// sensitivity of the cost per km, and the exports of the whole analysis.
#include <array>
#include <string>

#include <QWidget>

#include "windows/DatosAnalisis.h"

class QTabWidget;
class QTimer;

namespace tarvelon {

class PestanaComparacion;
class PestanaPrecio;
class PestanaResumen;
class PestanaRevision;
class PestanaTecnologias;
class PestanaSensibilidad;
class Sesion;

enum class FormatoExportacion { Pdf, Excel, Csv, Json };

class VentanaAnalisis : public QWidget {
    Q_OBJECT
public:
    enum Pestana { kResumen, kComparacion, kSensibilidad, kPrecio, kRevision, kTecnologias };

    // `servicio` is step 8's window: the price tab starts from its service.
    VentanaAnalisis(Sesion& sesion, const QWidget* servicio, QWidget* parent = nullptr);

    // Reads both columns again and redraws the tab in view (the others when
    // they come into view). Typing runs it once the keystrokes have settled.
    void Recalcular();

    // The export buttons: a save dialog, then the whole analysis in that format.
    void Exportar(FormatoExportacion formato);

    QTabWidget* pestanas() const { return pestanas_; }
    const DatosAnalisis& datos() const { return datos_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Cambio();  // a box of either column changed
    void MostrarPestana(int pestana);

    Sesion& sesion_;
    QTimer* temporizador_;
    DatosAnalisis datos_;
    bool leido_ = false;              // datos_ reflect the columns
    bool dimensionada_ = false;       // sized to the screen on first showing
    std::array<bool, 6> mostrada_{};  // each tab shows datos_
    std::string carpetaExportacion_;

    QTabWidget* pestanas_;
    PestanaResumen* resumen_;
    PestanaComparacion* comparacion_;
    PestanaSensibilidad* sensibilidad_;
    PestanaPrecio* precio_;
    PestanaRevision* revision_;
    PestanaTecnologias* tecnologias_;
};

}  // namespace tarvelon
