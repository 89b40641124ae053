#include "model/PrecioNeto.h"

#include "model/Aritmetica.h"
#include "model/Numeros.h"

namespace tarvelon {

std::optional<double> PrecioNeto(std::string_view bruto, std::string_view descuento)
{
    using namespace aritmetica;
    try {
        const double b = TextoANumero(bruto);
        const double d = TextoANumero(descuento);
        return Resta(b, Cociente(Producto(d, b), 100.0));
    } catch (const ErrorEjecucion&) {
        return std::nullopt;
    }
}

}  // namespace tarvelon
