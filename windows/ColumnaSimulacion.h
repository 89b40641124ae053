#pragma once
// What the result windows and the save command need of the input windows:
// the simulation column as a record, and the insurance window as it stands.
#include "model/Simulacion.h"

namespace tarvelon {

class ColumnaSimulacion {
public:
    virtual ~ColumnaSimulacion() = default;
    // Fills `s` from the simulation column; a conversion failure is reported
    // with its own message box and the transfer stops there (no exception).
    // Answers whether every row was read.
    virtual bool LeerColumnaSimulacion(Simulacion& s) = 0;
    // The insurance window's option and box texts, for Calcular.
    virtual EntradaSeguro SeguroActual() const = 0;
};

}  // namespace tarvelon
