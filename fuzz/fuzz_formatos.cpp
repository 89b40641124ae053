// The display patterns on any Double: no crash, only digits, '.', ',' and
// '-', and, below 1E18, the same text as a reference written with whole-number
// arithmetic on the value's 15 significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "ApoyoFuzz.h"
#include "model/Errores.h"
#include "model/Numeros.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

using u128 = unsigned __int128;

u128 Potencia10(int n)
{
    u128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

std::string Cifras(u128 n)
{
    if (n == 0) return "0";
    std::string s;
    while (n > 0) {
        s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    }
    return s;
}

// |v| rounded to 15 significant digits, then to `decimales` places halves away
// from zero, as a whole number of 10^-decimales units.
u128 Unidades(double v, int decimales)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    // buf = "d.dddddddddddddde[+-]XX"
    uint64_t d = 0;
    const char* p = buf;
    for (; *p != 'e'; ++p)
        if (*p != '.') d = d * 10 + static_cast<uint64_t>(*p - '0');
    const int exp = std::atoi(p + 1);
    const int k = exp - 14 + decimales;  // value = d * 10^k units
    if (k >= 0) return static_cast<u128>(d) * Potencia10(k);
    if (-k > 30) return 0;
    const u128 div = Potencia10(-k);
    u128 q = d / div;
    if (2 * (d % div) >= div) ++q;
    return q;
}

std::string Referencia(double v, int decimales, bool miles, bool ceroEntero)
{
    const u128 u = Unidades(v, decimales);
    const u128 escala = Potencia10(decimales);
    std::string entero = Cifras(u / escala);
    if (entero == "0" && !ceroEntero) entero.clear();
    if (miles)
        for (int i = static_cast<int>(entero.size()) - 3; i > 0; i -= 3) entero.insert(static_cast<size_t>(i), ".");
    std::string s = (v < 0 && u != 0) ? "-" : "";
    s += entero;
    if (decimales > 0) {
        std::string f = Cifras(u % escala);
        s += "," + std::string(static_cast<size_t>(decimales) - f.size(), '0') + f;
    }
    return s;
}

void Comprobar(const std::string& t, double v, int decimales, bool miles, bool ceroEntero, const char* que)
{
    for (char c : t)
        if (!((c >= '0' && c <= '9') || c == '.' || c == ',' || c == '-')) Fallo(que, "carácter no permitido", t);
    if (std::fabs(v) < 1e18) {
        const std::string r = Referencia(v, decimales, miles, ceroEntero);
        if (r != t) Fallo(que, t, r);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    // A ninth byte scales the value down into the ranges the reports really use.
    if (size > 8 && std::isfinite(v)) v = std::ldexp(std::fmod(v, 1.0), data[8] % 64);
    struct Caso {
        std::string (*f)(double);
        int decimales;
        bool miles;
        bool ceroEntero;
        const char* nombre;
    };
    static const Caso casos[] = {
        {FormatoMiles, 0, true, false, "FormatoMiles"},
        {FormatoEnteroMiles, 0, true, false, "FormatoEnteroMiles"},
        {FormatoDosDecimales, 2, true, true, "FormatoDosDecimales"},
        {FormatoCuatroDecimales, 4, true, true, "FormatoCuatroDecimales"},
        {FormatoCuatroSinMiles, 4, false, true, "FormatoCuatroSinMiles"},
    };
    for (const Caso& c : casos) {
        std::string t;
        try {
            t = c.f(v);
        } catch (const ErrorEjecucion& e) {
            // Only a value that is not a number at all may refuse to be shown.
            if (std::isfinite(v) || e.Numero() != kDesbordamiento) Fallo(c.nombre, "error inesperado", e.what());
            continue;
        }
        if (!std::isfinite(v)) Fallo(c.nombre, "valor no finito mostrado", t);
        Comprobar(t, v, c.decimales, c.miles, c.ceroEntero, c.nombre);
    }
    return 0;
}
