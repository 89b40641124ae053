#pragma once
// Numbers as the program reads and shows them: Spanish conventions (comma as
// decimal separator, point as thousands separator) whatever the machine's locale.
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelon {

// Strict conversion of a typed or stored text: blanks around allowed, comma
// is the decimal mark, points are thousands marks only where they group
// thousands ("1.500", "12.345,67"; "6.5", "1.50" or "0.500" are not numbers),
// an exponent ("1E+16", "1,5E-05") is accepted. Empty or not a number: error
// 13; beyond the Double range: error 6.
double TextoANumero(std::string_view texto);

// The same, but an exactly empty text counts as 0 (a text of blanks fails).
double TextoANumeroVacioCero(std::string_view texto);

// Nearest whole number, halves to the even neighbour (2,5 -> 2; 3,5 -> 4);
// out of range of the target: error 6.
int32_t RedondearLong(double valor);
int16_t RedondearInteger(double valor);

// General number form: shortest text with at most 15 significant digits,
// comma, no grouping; exponent form (1E+16, 1,5E-05) for magnitudes of 1E15 or
// more and below 1E-4.
std::string NumeroATexto(double valor);
std::string EnteroATexto(int64_t valor);

// Display patterns, halves away from zero after rounding to 15 significant
// digits. "#,###": grouped whole number, zero gives "". A value that is not
// finite cannot be shown: error 6.
std::string FormatoMiles(double valor);            // "#,###"
std::string FormatoDosDecimales(double valor);     // "#,##0.00"
std::string FormatoCuatroDecimales(double valor);  // "#,##0.0000"
std::string FormatoCuatroSinMiles(double valor);   // "#0.0000"
std::string FormatoEnteroMiles(double valor);      // "#####,##": grouped whole number, zero gives ""

// Leading number of a text as the general-data window reads it: spaces, tabs
// and line feeds are skipped, then sign, digits, one period as decimal point
// and an exponent; reading stops at the first other character; none reads 0.
double NumeroInicial(std::string_view texto);

}  // namespace tarvelon
