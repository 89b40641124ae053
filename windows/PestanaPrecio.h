#pragma once
// The analysis window's tab «Precio del servicio»: a service's kilometres and
// hours, the offered price and a target margin; the cost of the service from
// the budget of the simulation column, the margin and the verdict, redrawn
// at every keystroke; and the sheet «Coste del servicio» as PDF.
#include <optional>
#include <string>

#include <QScrollArea>

#include "model/PrecioServicio.h"
#include "model/Simulacion.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tarvelon {

class Sesion;
struct DatosAnalisis;

class PestanaPrecio : public QScrollArea {
    Q_OBJECT
public:
    // `servicio` holds step 8's kilometres and hours of the service (may be null).
    PestanaPrecio(Sesion& sesion, const QWidget* servicio, QWidget* parent = nullptr);

    // The simulation column as the analysis read it. Kilometres and hours
    // still empty are taken from step 8 when it has them.
    void Actualizar(const DatosAnalisis& datos);
    // The figures again from the boxes (each keystroke runs it).
    void Recalcular();
    // The save dialog, then the sheet.
    void GrabarHoja();

private:
    // The service's boxes, and the figures worked out from them.
    QWidget* CrearServicio(QWidget* pagina);
    QWidget* CrearResultado(QWidget* pagina);

    Sesion& sesion_;
    const QWidget* servicio_;
    std::optional<Simulacion> calculada_;
    std::string motivo_;
    std::optional<PrecioServicio> precio_;  // the figures shown, when there are
    QLineEdit* km_;
    QLineEdit* horas_;
    QLineEdit* precioTexto_;
    QLineEdit* margen_;
    QLineEdit* referencia_;
    QLineEdit* cliente_;
    QLabel* coste_;
    QLabel* costeKm_;
    QLabel* precioKm_;
    QLabel* margenEuros_;
    QLabel* margenPorcentaje_;
    QLabel* precioMinimo_;
    QLabel* veredicto_;
    QPushButton* hoja_;
    std::string carpeta_;
};

}  // namespace tarvelon
