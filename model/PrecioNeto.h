#pragma once
// The net price that the input windows derive from a gross price and a
// discount as the user types them.
#include <optional>
#include <string_view>

namespace tarvelon {

// gross − (discount × gross) / 100, both read by the strict conversion;
// nothing when either text is not a number or the arithmetic overflows.
std::optional<double> PrecioNeto(std::string_view bruto, std::string_view descuento);

}  // namespace tarvelon
