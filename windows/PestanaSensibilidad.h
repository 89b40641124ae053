#pragma once
// The analysis window's tab «Sensibilidad»: the variation p of each input,
// the tornado of the cost per km at ±p, the cost per km against the yearly
// kilometres, and the table of every input's effect.
#include <optional>

#include <QWidget>

class QLabel;
class QTableWidget;

namespace tarvelon {

class CajaTexto;
class GraficoCurvaKm;
class GraficoSensibilidad;
struct DatosAnalisis;

// As tarvelon-datos says it of --variacion.
inline constexpr const char* kVariacionFuera = "La variación debe estar entre 1 y 50.";

class PestanaSensibilidad : public QWidget {
    Q_OBJECT
public:
    explicit PestanaSensibilidad(QWidget* parent = nullptr);

    // Adds to `datos` the sensitivity at the variation typed, and shows it.
    void Actualizar(DatosAnalisis& datos);
    // The analysis itself failed: said above the charts.
    void Fallo(const QString& texto);
    // The variation box as a number from 1 to 50; nothing when it is not one.
    std::optional<double> Variacion() const;
    CajaTexto* cajaVariacion() const { return variacion_; }

signals:
    void variacionCambiada();

private:
    CajaTexto* variacion_;  // the sensitivity's ±p, in %
    QLabel* motivo_;
    GraficoSensibilidad* tornado_;
    GraficoCurvaKm* curva_;
    QTableWidget* tabla_;
};

}  // namespace tarvelon
