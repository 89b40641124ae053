#pragma once
// The cost of one transport service of a given number of kilometres and hours,
// scaled down from a calculated record: fixed costs by the service's hours,
// variable costs by its kilometres, the indirect cost per service as it is.
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "model/Simulacion.h"

namespace tarvelon {

struct CostesFijosServicio {
    double amortizacion = 0;
    double financiacion = 0;
    double personal = 0;
    double cargasFiscales = 0;
    double seguros = 0;
    double otros = 0;
    double total = 0;
};

struct CostesVariablesServicio {
    double combustible = 0;
    double dietas = 0;
    double neumaticos = 0;
    double mantenimiento = 0;
    double peajes = 0;
    double total = 0;
};

// The figures in the order they are computed. A step that fails (a text that
// is not a number, a result beyond the Double range) leaves itself and the
// later steps empty and keeps its error, so that a report can show what was
// computed before it and then fail where the computation failed.
struct CostesServicio {
    std::optional<CostesFijosServicio> fijos;
    std::optional<CostesVariablesServicio> variables;
    std::optional<double> directos;
    double indirectos = 0;
    std::optional<double> totales;
    std::exception_ptr error;
};

// The kilometres and hours of a service, as typed.
struct TextosServicio {
    std::string km;
    std::string horas;
};

// The service's own validation, in the form of Validar's later rules: each
// failing rule gives "\r\n" and its message, "" when both pass. Kilometres
// and hours must be greater than 0; a text that is not a number is left to
// the calculation, which stops on it with error 13.
std::string ValidarServicio(const TextosServicio& servicio);

// `km` and `horas` are the texts as typed; each becomes a number (regional
// form) where it multiplies a quotient of an annual cost. `s` must have been
// calculated. Never throws for a failing step: see CostesServicio.
CostesServicio CalcularCostesServicio(const Simulacion& s, std::string_view km, std::string_view horas);

}  // namespace tarvelon
