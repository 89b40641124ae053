#include "model/Numeros.h"

#include <locale.h>  // NOLINT(modernize-deprecated-headers): newlocale and locale_t are POSIX, declared only here

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/Errores.h"

namespace tarvelon {

namespace {

// Converts a plain "123.45e-6" text without depending on the process locale,
// which the window toolkit sets from the environment.
double ConvertirC(const std::string& c)
{
    static locale_t local = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(c.c_str(), nullptr, local);
}

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

// A finite value's 15 significant digits and decimal exponent: v = d.dddd × 10^exp.
struct Digitos {
    bool negativo = false;
    std::string cifras;  // 15 digits, the first non-zero unless the value is 0
    int exponente = 0;
};

Digitos DescomponerValor(double v)
{
    Digitos d;
    d.negativo = std::signbit(v);
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    std::string_view s(buf, static_cast<size_t>(r.ptr - buf));
    // s = "d.ddddddddddddddde+XX"
    const size_t e = s.find('e');
    d.cifras.reserve(15);
    for (size_t i = 0; i < e; ++i)
        if (EsDigito(s[i])) d.cifras.push_back(s[i]);
    int exp = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exp);
    d.exponente = exp;
    return d;
}

// The value rounded to `decimales` places, halves away from zero, as digit
// texts: whole part without leading zeros ("" for zero) and exactly
// `decimales` fraction digits.
struct Redondeado {
    bool negativo = false;
    std::string entero;
    std::string fraccion;
    bool EsCero() const { return entero.empty() && fraccion.find_first_not_of('0') == std::string::npos; }
};

Redondeado Redondear(double v, int decimales)
{
    Redondeado r;
    Digitos d = DescomponerValor(v);
    r.negativo = d.negativo;
    if (d.cifras.find_first_not_of('0') == std::string::npos) {
        r.fraccion.assign(static_cast<size_t>(decimales), '0');
        return r;
    }
    // Position of the decimal point inside the digit string: digits before it.
    const int antes = d.exponente + 1;
    const int conservar = antes + decimales;  // digits kept
    std::string cifras;
    if (conservar <= 0) {
        // Everything is rounded away, except a first digit at exactly the next place.
        const bool arriba = conservar == 0 && d.cifras[0] >= '5';
        cifras = arriba ? "1" : "0";
    } else if (conservar >= static_cast<int>(d.cifras.size())) {
        cifras = d.cifras + std::string(static_cast<size_t>(conservar) - d.cifras.size(), '0');
    } else {
        cifras = d.cifras.substr(0, static_cast<size_t>(conservar));
        if (d.cifras[static_cast<size_t>(conservar)] >= '5') {
            int i = static_cast<int>(cifras.size()) - 1;
            while (i >= 0 && cifras[static_cast<size_t>(i)] == '9') cifras[static_cast<size_t>(i--)] = '0';
            if (i >= 0) ++cifras[static_cast<size_t>(i)];
            else cifras.insert(cifras.begin(), '1');
        }
    }
    // `cifras` now holds the rounded value × 10^decimales as a whole number.
    if (static_cast<int>(cifras.size()) < decimales + 1)
        cifras.insert(0, static_cast<size_t>(decimales + 1) - cifras.size(), '0');
    r.fraccion = cifras.substr(cifras.size() - static_cast<size_t>(decimales));
    r.entero = cifras.substr(0, cifras.size() - static_cast<size_t>(decimales));
    const size_t nz = r.entero.find_first_not_of('0');
    r.entero = nz == std::string::npos ? std::string() : r.entero.substr(nz);
    return r;
}

std::string Agrupar(const std::string& entero)
{
    std::string s;
    s.reserve(entero.size() + entero.size() / 3);
    for (size_t i = 0; i < entero.size(); ++i) {
        if (i > 0 && (entero.size() - i) % 3 == 0) s.push_back('.');
        s.push_back(entero[i]);
    }
    return s;
}

std::string Formatear(double valor, int decimales, bool miles, bool ceroEntero)
{
    // An infinite or undefined value has no digits to show.
    if (!std::isfinite(valor)) throw ErrorEjecucion(kDesbordamiento);
    Redondeado r = Redondear(valor, decimales);
    std::string entero = r.entero;
    if (entero.empty() && ceroEntero) entero = "0";
    std::string s = (r.negativo && !r.EsCero()) ? "-" : "";
    s += miles ? Agrupar(entero) : entero;
    if (decimales > 0) s += "," + r.fraccion;
    return s;
}

}  // namespace

double TextoANumero(std::string_view texto)
{
    size_t i = 0, n = texto.size();
    while (i < n && EsBlanco(texto[i])) ++i;
    while (n > i && EsBlanco(texto[n - 1])) --n;
    std::string c;
    c.reserve(n - i + 2);
    if (i < n && (texto[i] == '+' || texto[i] == '-')) c.push_back(texto[i++]);
    bool hayCifras = false;
    // Whole part. A point is a thousands mark only where it groups thousands:
    // a first group of one to three digits, not begun by 0, then groups of
    // exactly three ("1.500", "1.234.567"). Any other point is a decimal
    // point typed in the wrong convention ("6.5", "1.25", "0.500"): reading
    // it as a thousands mark would silently multiply the value.
    size_t grupo = 0;  // digits since the start or the last point
    bool agrupado = false;
    const size_t inicio = i;
    while (i < n) {
        if (EsDigito(texto[i])) {
            c.push_back(texto[i++]);
            hayCifras = true;
            ++grupo;
        } else if (texto[i] == '.') {
            const bool primero = !agrupado && grupo >= 1 && grupo <= 3 && texto[inicio] != '0';
            if (!(primero || (agrupado && grupo == 3))) throw ErrorEjecucion(kTiposNoCoinciden);
            agrupado = true;
            grupo = 0;
            ++i;
        } else {
            break;
        }
    }
    if (agrupado && grupo != 3) throw ErrorEjecucion(kTiposNoCoinciden);
    if (i < n && texto[i] == ',') {
        ++i;
        c.push_back('.');
        while (i < n && EsDigito(texto[i])) {
            c.push_back(texto[i++]);
            hayCifras = true;
        }
    }
    if (!hayCifras) throw ErrorEjecucion(kTiposNoCoinciden);
    if (i < n && (texto[i] == 'E' || texto[i] == 'e')) {
        c.push_back('e');
        ++i;
        if (i < n && (texto[i] == '+' || texto[i] == '-')) c.push_back(texto[i++]);
        bool hayExponente = false;
        while (i < n && EsDigito(texto[i])) {
            c.push_back(texto[i++]);
            hayExponente = true;
        }
        if (!hayExponente) throw ErrorEjecucion(kTiposNoCoinciden);
    }
    if (i != n) throw ErrorEjecucion(kTiposNoCoinciden);
    const double v = ConvertirC(c);
    if (!std::isfinite(v)) throw ErrorEjecucion(kDesbordamiento);
    return v;
}

double TextoANumeroVacioCero(std::string_view texto) { return texto.empty() ? 0.0 : TextoANumero(texto); }

int32_t RedondearLong(double valor)
{
    const double r = std::nearbyint(valor);  // default rounding: halves to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw ErrorEjecucion(kDesbordamiento);
    return static_cast<int32_t>(r);
}

int16_t RedondearInteger(double valor)
{
    const double r = std::nearbyint(valor);
    if (!(r >= -32768.0 && r <= 32767.0)) throw ErrorEjecucion(kDesbordamiento);
    return static_cast<int16_t>(r);
}

std::string NumeroATexto(double valor)
{
    if (valor == 0.0 || !std::isfinite(valor)) {
        if (std::isnan(valor)) return "NaN";
        if (std::isinf(valor)) return valor > 0 ? "Inf" : "-Inf";
        return "0";
    }
    Digitos d = DescomponerValor(valor);
    // The largest Doubles would round up to a 15-digit text beyond the Double
    // range, which could never be read back: those keep their digits cut instead.
    if (d.exponente == 308 && d.cifras > "179769313486231") d.cifras = "179769313486231";
    std::string cifras = d.cifras;
    while (cifras.size() > 1 && cifras.back() == '0') cifras.pop_back();
    std::string s = d.negativo ? "-" : "";
    const int e = d.exponente;
    if (e >= 15 || e < -4) {
        s += cifras[0];
        if (cifras.size() > 1) s += "," + cifras.substr(1);
        s += e < 0 ? "E-" : "E+";
        const int a = e < 0 ? -e : e;
        if (a < 10) s += '0';
        s += std::to_string(a);
    } else if (e < 0) {
        s += "0," + std::string(static_cast<size_t>(-e - 1), '0') + cifras;
    } else {
        const size_t antes = static_cast<size_t>(e) + 1;
        if (cifras.size() <= antes) {
            s += cifras + std::string(antes - cifras.size(), '0');
        } else {
            s += cifras.substr(0, antes) + "," + cifras.substr(antes);
        }
    }
    return s;
}

std::string EnteroATexto(int64_t valor) { return std::to_string(valor); }

std::string FormatoMiles(double valor) { return Formatear(valor, 0, true, false); }
std::string FormatoDosDecimales(double valor) { return Formatear(valor, 2, true, true); }
std::string FormatoCuatroDecimales(double valor) { return Formatear(valor, 4, true, true); }
std::string FormatoCuatroSinMiles(double valor) { return Formatear(valor, 4, false, true); }
std::string FormatoEnteroMiles(double valor) { return FormatoMiles(valor); }

double NumeroInicial(std::string_view texto)
{
    std::string limpio;
    limpio.reserve(texto.size());
    for (char c : texto)
        if (c != ' ' && c != '\t' && c != '\n') limpio.push_back(c);
    size_t i = 0;
    const size_t n = limpio.size();
    std::string c;
    if (i < n && (limpio[i] == '+' || limpio[i] == '-')) c.push_back(limpio[i++]);
    bool hayCifras = false, punto = false;
    while (i < n && (EsDigito(limpio[i]) || (limpio[i] == '.' && !punto))) {
        if (limpio[i] == '.') punto = true;
        else hayCifras = true;
        c.push_back(limpio[i++]);
    }
    if (!hayCifras) return 0.0;
    if (i + 1 < n && (limpio[i] == 'E' || limpio[i] == 'e')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < n && (limpio[j] == '+' || limpio[j] == '-')) exp.push_back(limpio[j++]);
        if (j < n && EsDigito(limpio[j])) {
            while (j < n && EsDigito(limpio[j])) exp.push_back(limpio[j++]);
            c += exp;
        }
    }
    return ConvertirC(c);
}

}  // namespace tarvelon
