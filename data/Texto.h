#pragma once
// Small text operations shared by windows and reports. Texts are UTF-8 inside
// the program; widths and lengths count characters, not bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvelon {

// Number of characters of a UTF-8 text (a byte that is not valid UTF-8 counts as one).
size_t LongitudTexto(std::string_view texto);

// Spaces appended (left-aligned field) or put in front (right-aligned field)
// until the text is at least `ancho` characters long; never cuts. The caller's
// text changes as well.
std::string RellenarDerecha(std::string& texto, int16_t ancho);
std::string RellenarIzquierda(std::string& texto, int16_t ancho);

// `texto` repeated `veces` times; 0 or less gives ""; above 32767 is error 6.
std::string RepetirTexto(std::string_view texto, int32_t veces);

// The first `n` characters of a UTF-8 text (a box's maximum length).
std::string CortarTexto(std::string_view texto, size_t n);

// Windows-1252 bytes <-> UTF-8. A character that Windows-1252 cannot hold
// (or a byte that is not valid UTF-8) becomes "?".
std::string Utf8ACp1252(std::string_view utf8);
std::string Cp1252AUtf8(std::string_view bytes);

// What would become "?" in Utf8ACp1252: the first byte that is not valid
// UTF-8 (`caracter` empty) or the first character Windows-1252 cannot hold
// (`caracter` is its UTF-8, `codigo` its code point).
struct FalloCp1252 {
    std::string caracter;
    char32_t codigo = 0;
};
std::optional<FalloCp1252> BuscarFalloCp1252(std::string_view utf8);

// A text cut to a box's maximum length. A number in exponent form keeps its
// exponent and gives up mantissa digits instead (1,23456789012345E-05 in 14
// characters: 1,23456789E-05), so that its magnitude survives.
std::string CortarParaCaja(std::string_view texto, size_t maximo);

// A text as every export writes it (CSV, JSON and workbook cells alike): each
// byte that is not valid UTF-8, and U+FFFE or U+FFFF, becomes U+FFFD; each
// control character but tab, line feed and carriage return becomes a space. A
// workbook cannot hold either, and a name may carry any bytes.
std::string TextoExportable(std::string_view texto);

}  // namespace tarvelon
