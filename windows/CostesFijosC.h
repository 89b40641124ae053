#pragma once
// Step 4, insurance and other fixed costs: the choice of one vehicle
// insurance type shows that type's box and copy button only.
#include "windows/VentanaEntrada.h"

namespace tarvelon {

class CostesFijosC : public VentanaEntrada {
    Q_OBJECT
public:
    explicit CostesFijosC(QWidget* parent = nullptr);

    // Shows the box and copy button of the chosen type, hides the other two.
    void Actualiza();

    // 0 none, 1 Solo Obligatorio, 2 Obligatorio + Terceros, 3 Todo Riesgo.
    int OpcionElegida() const;
    // Selects the option of `tipo` (1-3) as a click would, Actualiza included;
    // any other value leaves the options as they are.
    void ElegirOpcion(int tipo);
};

}  // namespace tarvelon
