#include "model/DesviosSensibilidad.h"

#include "model/Aritmetica.h"

namespace tarvelon {

std::vector<DesvioSensibilidad> DesviosSensibilidad(const Sensibilidad& s, std::size_t maximo)
{
    using namespace aritmetica;
    std::vector<DesvioSensibilidad> desvios;
    for (const auto& e : s.entradas) {
        if (desvios.size() == maximo) break;
        if (e.error) continue;
        desvios.push_back({e.campo, Resta(e.menos, s.costeKm), Resta(e.mas, s.costeKm)});
    }
    return desvios;
}

}  // namespace tarvelon
