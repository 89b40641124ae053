#pragma once
// How a field of the record is named and its figures shown, from the field
// table (TablaCampos): the analysis window, its charts, its PDF, the workbook,
// the CSV headers and the messages about a value that is not a number use the
// label; the windows and the detailed report the caption.
#include <string>
#include <string_view>

namespace tarvelon {

// Short Spanish name with its unit ("Costes fijos (€/km)"); the field name
// itself for an unknown field or one without a name (Tipo, ErrorMsg).
std::string EtiquetaCampo(std::string_view campo);

// The caption of its window row or detailed-report line, else its label.
std::string RotuloCampo(std::string_view campo);

// A figure of the field with its decimals ("#,##0.00", per-km "#,##0.0000").
std::string CifraCampo(std::string_view campo, double valor);

}  // namespace tarvelon
