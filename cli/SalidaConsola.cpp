#include "cli/SalidaConsola.h"

#include "cli/Datos.h"

namespace tarvelon {

void EscribirLineas(std::ostream& out, const std::vector<std::string>& lineas)
{
    for (const auto& l : lineas) out << l << '\n';
}

int Informar(Simulacion& s, std::ostream& out, const EscritorInforme& escribir, const TextosServicio* servicio)
{
    const ResultadoInforme r = CalcularInforme(s, SeguroDesdeRegistro(s), escribir, servicio);
    // The lines written before a failing step stay, as in the result list.
    EscribirLineas(out, r.lineas);
    if (r.error) throw *r.error;
    return r.noValido ? kSalidaValidacion : kSalidaBien;
}

}  // namespace tarvelon
