#pragma once
// The general-data window's own check of three of its boxes, made when the
// window loses the focus. It reads numbers with a period, not a comma.
#include <string>
#include <string_view>

namespace tarvelon {

inline constexpr std::string_view kTituloComprobacionDatosGenerales = "Mirandel de costes de la VDR";

// The messages of the failed checks joined by "\r\n"; empty when all pass.
std::string ComprobarDatosGenerales(std::string_view kilometrajeAnual, std::string_view serviciosDiarios,
                                    std::string_view kilometrajeAnualEnVacio);

// The prompt of the message box that offers to correct the failures.
std::string PreguntaDatosGenerales(std::string_view mensajes);

}  // namespace tarvelon
