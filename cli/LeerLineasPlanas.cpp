#include "cli/LeerLineasPlanas.h"

#include <cstdio>
#include <string_view>

#include "data/Ficheros.h"
#include "data/Texto.h"

namespace tarvelon {

namespace {

std::string EnLinea(const std::string& ruta, size_t linea) { return ruta + ", línea " + std::to_string(linea) + ": "; }

void AnadirUtf8(std::string& s, char32_t cp)
{
    auto b = [&s](unsigned v) { s.push_back(static_cast<char>(v)); };
    if (cp < 0x80) {
        b(cp);
    } else if (cp < 0x800) {
        b(0xC0 | (cp >> 6));
        b(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        b(0xE0 | (cp >> 12));
        b(0x80 | ((cp >> 6) & 0x3F));
        b(0x80 | (cp & 0x3F));
    } else {
        b(0xF0 | (cp >> 18));
        b(0x80 | ((cp >> 12) & 0x3F));
        b(0x80 | ((cp >> 6) & 0x3F));
        b(0x80 | (cp & 0x3F));
    }
}

// UTF-16 bytes after their byte-order mark as UTF-8; an odd last byte or a
// lone surrogate is refused with its line.
std::string Utf16AUtf8(std::string_view b, bool grande, const std::string& ruta)
{
    auto unidad = [&](size_t i) -> char32_t {
        const auto x = static_cast<unsigned char>(b[i]), y = static_cast<unsigned char>(b[i + 1]);
        return grande ? (x << 8 | y) : (y << 8 | x);
    };
    std::string r;
    size_t linea = 1;
    for (size_t i = 0; i < b.size(); i += 2) {
        char32_t cp = i + 1 < b.size() ? unidad(i) : 0xDC00;
        const char32_t siguiente = i + 3 < b.size() ? unidad(i + 2) : 0;
        if (cp >= 0xD800 && cp < 0xDC00 && siguiente >= 0xDC00 && siguiente < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (siguiente - 0xDC00);
            i += 2;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            throw ErrorTexto{EnLinea(ruta, linea) + "no es texto UTF-16 válido."};
        }
        if (cp == '\n') ++linea;
        AnadirUtf8(r, cp);
    }
    return r;
}

}  // namespace

std::vector<std::string> LeerLineasPlanas(const std::string& ruta)
{
    std::string todo = LeerFicheroEntero(ruta);
    if (todo.rfind("\xEF\xBB\xBF", 0) == 0) todo.erase(0, 3);
    else if (todo.rfind("\xFF\xFE", 0) == 0) todo = Utf16AUtf8(std::string_view(todo).substr(2), false, ruta);
    else if (todo.rfind("\xFE\xFF", 0) == 0) todo = Utf16AUtf8(std::string_view(todo).substr(2), true, ruta);

    std::vector<std::string> lineas;
    size_t inicio = 0;
    while (inicio < todo.size()) {
        size_t fin = todo.find('\n', inicio);
        if (fin == std::string::npos) fin = todo.size();
        std::string linea = todo.substr(inicio, fin - inicio);
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (const auto fallo = BuscarFalloCp1252(linea)) {
            if (fallo->caracter.empty()) throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "no es texto UTF-8."};
            char codigo[16];
            std::snprintf(codigo, sizeof codigo, "U+%04X", static_cast<unsigned>(fallo->codigo));
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "el carácter «" + fallo->caracter + "» (" + codigo +
                             ") no se puede guardar en Windows-1252."};
        }
        // A zero byte is no text (a UTF-32 file read as UTF-16, a binary file).
        if (linea.find('\0') != std::string::npos)
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "contiene el carácter nulo (U+0000)."};
        if (Utf8ACp1252(linea).find("\xC3\xC0") != std::string::npos)
            throw ErrorTexto{EnLinea(ruta, lineas.size() + 1) + "«ÃÀ» se guardaría como un fin de línea."};
        lineas.push_back(std::move(linea));
        inicio = fin + 1;
    }
    return lineas;
}

}  // namespace tarvelon
