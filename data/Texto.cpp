#include "data/Texto.h"

#include "model/Errores.h"

namespace tarvelon {

namespace {

// Windows-1252 0x80-0x9F; the five unassigned codes map to the C1 controls of
// the same value so that every byte survives a round trip.
constexpr char32_t kAltos[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one UTF-8 character at `i`; an invalid sequence yields -1 and a length of 1.
std::pair<long, size_t> LeerUtf8(std::string_view s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) return {b, 1};
    size_t n;
    long cp;
    if ((b & 0xE0) == 0xC0) {
        n = 2;
        cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3;
        cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4;
        cp = b & 0x07;
    } else {
        return {-1, 1};
    }
    if (i + n > s.size()) return {-1, 1};
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {-1, 1};
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr long kMinimo[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimo[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {-1, 1};
    return {cp, n};
}

void EscribirUtf8(std::string& s, char32_t cp)
{
    if (cp < 0x80) {
        s.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        s.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

size_t LongitudTexto(std::string_view texto)
{
    size_t n = 0;
    for (size_t i = 0; i < texto.size(); ++n) i += LeerUtf8(texto, i).second;
    return n;
}

std::string RellenarDerecha(std::string& texto, int16_t ancho)
{
    const size_t largo = LongitudTexto(texto);
    if (ancho > 0 && largo < static_cast<size_t>(ancho)) texto.append(static_cast<size_t>(ancho) - largo, ' ');
    return texto;
}

std::string RellenarIzquierda(std::string& texto, int16_t ancho)
{
    const size_t largo = LongitudTexto(texto);
    if (ancho > 0 && largo < static_cast<size_t>(ancho)) texto.insert(0, static_cast<size_t>(ancho) - largo, ' ');
    return texto;
}

std::string RepetirTexto(std::string_view texto, int32_t veces)
{
    if (veces > 32767 || veces < -32768) throw ErrorEjecucion(kDesbordamiento);
    std::string r;
    if (veces <= 0) return r;
    r.reserve(texto.size() * static_cast<size_t>(veces));
    for (int32_t i = 0; i < veces; ++i) r.append(texto);
    return r;
}

std::string CortarTexto(std::string_view texto, size_t n)
{
    size_t i = 0;
    for (size_t k = 0; k < n && i < texto.size(); ++k) i += LeerUtf8(texto, i).second;
    return std::string(texto.substr(0, i));
}

namespace {

// The Windows-1252 byte of a code point, or 0 when it has none.
unsigned char ByteCp1252(long cp)
{
    if (cp < 0) return 0;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (int k = 0; k < 32; ++k)
        if (kAltos[k] == static_cast<char32_t>(cp)) return static_cast<unsigned char>(0x80 + k);
    return 0;
}

}  // namespace

std::string Utf8ACp1252(std::string_view utf8)
{
    std::string r;
    r.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto [cp, n] = LeerUtf8(utf8, i);
        i += n;
        const unsigned char b = ByteCp1252(cp);
        r.push_back(b != 0 || cp == 0 ? static_cast<char>(b) : '?');
    }
    return r;
}

std::optional<FalloCp1252> BuscarFalloCp1252(std::string_view utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        auto [cp, n] = LeerUtf8(utf8, i);
        if (cp < 0) return FalloCp1252{};
        if (cp != 0 && ByteCp1252(cp) == 0)
            return FalloCp1252{std::string(utf8.substr(i, n)), static_cast<char32_t>(cp)};
        i += n;
    }
    return std::nullopt;
}

std::string Cp1252AUtf8(std::string_view bytes)
{
    std::string r;
    r.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) r.push_back(ch);
        else if (b < 0xA0) EscribirUtf8(r, kAltos[b - 0x80]);
        else EscribirUtf8(r, b);
    }
    return r;
}

std::string CortarParaCaja(std::string_view texto, size_t maximo)
{
    if (LongitudTexto(texto) <= maximo) return std::string(texto);
    // Exponent form: mantissa, then "E+" or "E-" and digits, nothing else.
    const size_t e = texto.find('E');
    if (e != std::string_view::npos && e > 0 && e + 2 < texto.size() && (texto[e + 1] == '+' || texto[e + 1] == '-')) {
        const std::string_view mantisa = texto.substr(0, e);
        const std::string_view exponente = texto.substr(e);
        bool esNumero = true;
        for (size_t i = 2; i < exponente.size(); ++i)
            if (exponente[i] < '0' || exponente[i] > '9') esNumero = false;
        for (char c : mantisa)
            if (!((c >= '0' && c <= '9') || c == ',' || c == '-')) esNumero = false;
        const size_t digitosIniciales = (!mantisa.empty() && mantisa[0] == '-') ? 2 : 1;
        if (esNumero && maximo >= exponente.size() + digitosIniciales) {
            std::string m(mantisa.substr(0, maximo - exponente.size()));
            // No trailing zeros nor a lone decimal comma, as in the general form.
            if (m.find(',') != std::string::npos) {
                while (!m.empty() && m.back() == '0') m.pop_back();
                if (!m.empty() && m.back() == ',') m.pop_back();
            }
            return m + std::string(exponente);
        }
    }
    return CortarTexto(texto, maximo);
}

std::string TextoExportable(std::string_view texto)
{
    std::string r;
    r.reserve(texto.size());
    for (size_t i = 0; i < texto.size();) {
        const auto [cp, n] = LeerUtf8(texto, i);
        if (cp < 0 || cp == 0xFFFE || cp == 0xFFFF) r += "\xEF\xBF\xBD";
        else if (cp < 0x20 && cp != '\t' && cp != '\n' && cp != '\r') r += ' ';
        else r.append(texto.substr(i, n));
        i += n;
    }
    return r;
}

}  // namespace tarvelon
