#include "windows/Pasos.h"

#include "windows/CostesFijosC.h"
#include "windows/DatosGenerales.h"
#include "windows/DisenosEntrada.h"
#include "windows/Presupuesto.h"
#include "windows/SeleccionarResultado.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/Sesion.h"
#include "windows/Trayecto.h"

namespace tarvelon {

Pasos::Pasos(Plataforma& plataforma, Sesion& sesion, std::function<void(QWidget*)> mostrar)
{
    ventanas_ = {new SeleccionarVehiculo(plataforma, sesion),
                 new DatosGenerales(plataforma),
                 CrearCostesFijosA(),
                 CrearCostesFijosB(),
                 new CostesFijosC(),
                 CrearCostesVariablesA(),
                 CrearCostesVariablesB(),
                 CrearCostesIndirectos()};
    sesion.Unir(VentanasColumnas{vehiculo(), ventanas_[kDatosGenerales], ventanas_[kCostesFijosA],
                                 ventanas_[kCostesFijosB], costesFijosC(), ventanas_[kCostesVariablesA],
                                 ventanas_[kCostesVariablesB], ventanas_[kCostesIndirectos]});
    auto* trayecto = new Trayecto(sesion.columnas(), plataforma);
    auto* presupuesto = new Presupuesto(sesion.columnas(), plataforma);
    ventanas_[kTrayecto] = trayecto;
    ventanas_[kPresupuesto] = presupuesto;
    ventanas_[kResultado] = new SeleccionarResultado(*trayecto, *presupuesto, std::move(mostrar));
}

int Pasos::PasoDe(const QWidget* w) const
{
    for (int paso = 0; paso <= kResultado; ++paso)
        if ((*this)[paso]->isAncestorOf(w)) return paso;
    return -1;
}

SeleccionarVehiculo* Pasos::vehiculo() const { return static_cast<SeleccionarVehiculo*>((*this)[kVehiculo]); }
DatosGenerales* Pasos::datosGenerales() const { return static_cast<DatosGenerales*>((*this)[kDatosGenerales]); }
VentanaEntrada* Pasos::Entrada(int paso) const
{
    return paso >= kDatosGenerales && paso <= kCostesIndirectos ? static_cast<VentanaEntrada*>((*this)[paso]) : nullptr;
}
CostesFijosC* Pasos::costesFijosC() const { return static_cast<CostesFijosC*>((*this)[kCostesFijosC]); }
Trayecto* Pasos::trayecto() const { return static_cast<Trayecto*>((*this)[kTrayecto]); }
Presupuesto* Pasos::presupuesto() const { return static_cast<Presupuesto*>((*this)[kPresupuesto]); }

}  // namespace tarvelon
