#pragma once
// The analysis window: the live totals and cost structure of both columns as
// the user types, the comparison of the simulation with the reference, the
// sensitivity of the cost per km, and the exports of the whole analysis.
#include <array>
#include <optional>
#include <string>

#include <QWidget>

#include "windows/DatosAnalisis.h"

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace tarvelon {

class CajaTexto;
class GraficoCurvaKm;
class GraficoEstructura;
class GraficoSensibilidad;
class Inicio;
class PestanaPrecio;
class PestanaRevision;
class PestanaTecnologias;

enum class FormatoExportacion { Pdf, Excel, Csv, Json };

class VentanaAnalisis : public QWidget {
    Q_OBJECT
public:
    enum Pestana { kResumen, kComparacion, kSensibilidad, kPrecio, kRevision, kTecnologias };

    explicit VentanaAnalisis(Inicio& inicio, QWidget* parent = nullptr);

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
    QWidget* CrearResumen();
    QWidget* CrearComparacion();
    QWidget* CrearSensibilidad();
    void Cambio();  // a box of either column changed
    void MostrarPestana(int pestana);
    void MostrarResumen();
    void MostrarComparacion();
    void MostrarSensibilidad();
    // The variation box as a number from 1 to 50; nothing when it is not one.
    std::optional<double> Variacion() const;

    Inicio& inicio_;
    QTimer* temporizador_;
    DatosAnalisis datos_;
    bool leido_ = false;              // datos_ reflect the columns
    bool dimensionada_ = false;       // sized to the screen on first showing
    std::array<bool, 6> mostrada_{};  // each tab shows datos_
    std::string carpetaExportacion_;

    QTabWidget* pestanas_;
    // Live totals: [column][unit] (per km, per service, per hour, per year).
    std::array<std::array<QLabel*, 4>, 2> totales_{};
    std::array<QLabel*, 2> motivos_{};
    GraficoEstructura* estructura_;
    QLabel* cabeceraComparacion_;
    QTableWidget* comparacion_;
    CajaTexto* variacion_;  // the sensitivity's ±p, in %
    QLabel* motivoSensibilidad_;
    GraficoSensibilidad* tornado_;
    GraficoCurvaKm* curva_;
    QTableWidget* sensibilidad_;
    PestanaPrecio* precio_;
    PestanaRevision* revision_;
    PestanaTecnologias* tecnologias_;
};

}  // namespace tarvelon
