#pragma once
// The step windows of the run, each created once: steps 0 to 8 in the index's
// order, then the two result windows that step 8 opens. One list for
// hosting, hiding and finding them.
#include <array>
#include <functional>

class QWidget;

namespace tarvelon {

class CostesFijosC;
class DatosGenerales;
class Plataforma;
class SeleccionarVehiculo;
class Sesion;
class Trayecto;
class Presupuesto;
class VentanaEntrada;

class Pasos {
public:
    enum Ventana {
        kVehiculo,
        kDatosGenerales,
        kCostesFijosA,
        kCostesFijosB,
        kCostesFijosC,
        kCostesVariablesA,
        kCostesVariablesB,
        kCostesIndirectos,
        kResultado,
        kTrayecto,
        kPresupuesto,
        kVentanas
    };

    // The input windows come first: the session's transfers work on them,
    // and the result windows on the transfers. `mostrar` shows a result window.
    Pasos(Plataforma& plataforma, Sesion& sesion, std::function<void(QWidget*)> mostrar);

    QWidget* operator[](int ventana) const { return ventanas_[static_cast<size_t>(ventana)]; }
    const std::array<QWidget*, kVentanas>& Todas() const { return ventanas_; }
    // The window of step `paso` (0 to 8), or null.
    QWidget* DePaso(int paso) const { return paso >= 0 && paso <= kResultado ? (*this)[paso] : nullptr; }
    // The step whose window holds `w`, or -1.
    int PasoDe(const QWidget* w) const;

    SeleccionarVehiculo* vehiculo() const;
    DatosGenerales* datosGenerales() const;
    // An input window: steps 1 to 7.
    VentanaEntrada* Entrada(int paso) const;
    CostesFijosC* costesFijosC() const;
    Trayecto* trayecto() const;
    Presupuesto* presupuesto() const;

private:
    std::array<QWidget*, kVentanas> ventanas_{};
};

}  // namespace tarvelon
