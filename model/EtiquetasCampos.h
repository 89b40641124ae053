#pragma once
// Short Spanish names, with their unit, of the record's result fields and of
// the inputs: the analysis window, its charts, its PDF, the workbook and the
// CSV headers show these instead of the field names, and so does a message
// about a value that is not a number.
#include <string>
#include <string_view>

namespace tarvelon {

// The name of `campo`; the field name itself when it has none.
std::string EtiquetaCampo(std::string_view campo);

}  // namespace tarvelon
