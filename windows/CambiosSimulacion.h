#pragma once
// Whether the user has changed the simulation column since it was last saved,
// loaded or reset by a vehicle type selection: its texts are compared with a
// copy taken at that moment.
#include <string>
#include <vector>

#include "windows/Columnas.h"

namespace tarvelon {

class CambiosSimulacion {
public:
    explicit CambiosSimulacion(const VentanasColumnas& ventanas) : v_(ventanas) {}

    // The column as it is now becomes the saved state.
    void Tomar() { copia_ = Textos(); }
    // Nothing counts as changed before the column was first set.
    bool Cambiada() const { return !copia_.empty() && Textos() != copia_; }

private:
    std::vector<std::string> Textos() const;

    VentanasColumnas v_;
    std::vector<std::string> copia_;
};

}  // namespace tarvelon
