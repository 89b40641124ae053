#pragma once
// How far each input of a sensitivity analysis moves the total cost per km
// from its base: what a tornado chart draws on either side of the base.
#include <cstddef>
#include <string_view>
#include <vector>

#include "model/Analisis.h"

namespace tarvelon {

struct DesvioSensibilidad {
    std::string_view campo;
    double menos = 0;  // cost per km with the input at −p %, minus the base
    double mas = 0;    // the same at +p %
};

// The first `maximo` entries that calculated, in the analysis' order (largest
// effect first). A difference beyond the Double range raises error 6.
std::vector<DesvioSensibilidad> DesviosSensibilidad(const Sensibilidad& s, std::size_t maximo);

}  // namespace tarvelon
