// The Spanish number conversions and display patterns. First byte even: the
// rest is a text for TextoANumero, against a grammar written out here, and for
// the net price of "BRUTO|DESCUENTO". First byte odd: the next 8 bytes are a
// Double (any bit pattern) for the general number form, the rounding and the
// display patterns; a tenth byte scales it into the ranges reports use.
#include <cstring>
#include <regex>
#include <tuple>

#include "ApoyoFuzz.h"
#include "data/Texto.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioNeto.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

// Blanks, sign, whole digits (plain, or grouped in thousands by points: a
// first group of 1 to 3 digits not begun by 0, then groups of exactly 3), a
// comma with decimals, an exponent; at least one digit before the exponent.
// The value is the C library's reading of the same number with the points
// dropped. Gives the error TextoANumero must raise: 13 for no number, 6 for
// one out of range.
int Gramatica(const std::string& texto, double& valor)
{
    static const std::regex r(
        R"([ \t]*([+-]?)((?:[1-9]\d{0,2}(?:\.\d{3})+|\d+)?)(?:,(\d*))?(?:[eE]([+-]?\d+))?[ \t]*)");
    std::smatch m;
    if (!std::regex_match(texto, m, r) || (m[2].length() == 0 && m[3].length() == 0)) return kTiposNoCoinciden;
    std::string entero = m[2].str();
    std::erase(entero, '.');
    valor = std::strtod((m[1].str() + entero + "." + m[3].str() + "e" + (m[4].matched ? m[4].str() : "0")).c_str(),
                        nullptr);
    return std::isfinite(valor) ? 0 : kDesbordamiento;
}

// Plain form from 1E-4 to below 1E15, exponent form outside (the 15 digits
// are unit-tested); it reads back to a value that gives the same text.
void ComprobarFormaGeneral(double v)
{
    static const std::regex plano(R"(-?(0|[1-9]\d*)(,\d*[1-9])?)"), exponencial(R"(-?[1-9](,\d*[1-9])?E[+-]\d{2,3})");
    if (!std::isfinite(v)) Fallo("valor no finito aceptado");
    const std::string t = NumeroATexto(v);
    const double v2 = TextoANumero(t);  // an error here escapes: a finding
    const bool exponente = v2 != 0.0 && (std::fabs(v2) >= 1e15 || std::fabs(v2) < 1e-4);
    if (!std::regex_match(t, exponente ? exponencial : plano)) Fallo("forma general mal formada", t);
    if (std::fabs(v2 - v) > std::fabs(v) * 1e-14 || NumeroATexto(v2) != t) Fallo("ida y vuelta", t);
}

// Nearest whole number, halves to even, or error 6 only when it does not fit
// (the exact limits are unit-tested); out of range casts are for UBSan.
void ComprobarRedondeo(double v)
{
    try {
        if (RedondearLong(v) != std::nearbyint(v) || RedondearInteger(v) != std::nearbyint(v)) Fallo("redondeo");
    } catch (const ErrorEjecucion& e) {
        if (e.Numero() != kDesbordamiento || std::fabs(std::nearbyint(v)) < 32767) Fallo("redondeo", e.what());
    }
}

// The patterns print only digits, '.', ',' and '-' in their own shape, and
// the value to within half a unit of the last place shown (after rounding to
// the 15 significant digits a Double holds).
void ComprobarFormatos(double v)
{
    static const std::tuple<std::string (*)(double), int, std::regex> formatos[] = {
        {FormatoMiles, 0, std::regex(R"(-?([1-9]\d{0,2}(\.\d{3})*)?)")},
        {FormatoEnteroMiles, 0, std::regex(R"(-?([1-9]\d{0,2}(\.\d{3})*)?)")},
        {FormatoDosDecimales, 2, std::regex(R"(-?(0|[1-9]\d{0,2}(\.\d{3})*),\d{2})")},
        {FormatoCuatroDecimales, 4, std::regex(R"(-?(0|[1-9]\d{0,2}(\.\d{3})*),\d{4})")},
        {FormatoCuatroSinMiles, 4, std::regex(R"(-?(0|[1-9]\d*),\d{4})")},
    };
    for (const auto& [formato, decimales, forma] : formatos) {
        std::string t;
        try {
            t = formato(v);
        } catch (const ErrorEjecucion& e) {
            // Only a value that is not a number at all may refuse to be shown.
            if (std::isfinite(v) || e.Numero() != kDesbordamiento) Fallo("formato: error inesperado", e.what());
            continue;
        }
        if (!std::isfinite(v) || !std::regex_match(t, forma)) Fallo("formato mal formado", t);
        if (t[0] == '-' && t.find_first_of("123456789") == std::string::npos) Fallo("formato: cero negativo", t);
        std::string leido;
        for (char c : t)
            if (c != '.') leido.push_back(c == ',' ? '.' : c);
        const double error = std::fabs(std::strtod(leido.c_str(), nullptr) - v);
        if (std::fabs(v) < 1e18 && error > 0.5000001 * std::pow(10.0, -decimales) + std::fabs(v) * 1e-14)
            Fallo("formato con otro valor", t, NumeroATexto(v));
    }
}

// A box never holds more than its width, and a text that fits stays as it is.
void ComprobarCorte(const std::string& texto)
{
    for (size_t maximo = 0; maximo <= 24; maximo += 3) {
        const std::string c = CortarParaCaja(texto, maximo);
        if (LongitudTexto(c) > maximo || (LongitudTexto(texto) <= maximo && c != texto)) Fallo("caja", texto, c);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    if (data[0] & 1) {
        if (size < 9) return 0;
        double v;
        std::memcpy(&v, data + 1, sizeof v);
        ComprobarRedondeo(v);
        if (std::isfinite(v)) ComprobarFormaGeneral(v), ComprobarCorte(NumeroATexto(v));
        if (size > 9 && std::isfinite(v)) v = std::ldexp(std::fmod(v, 1.0), data[9] % 64);
        ComprobarFormatos(v);
        return 0;
    }
    const std::string texto(reinterpret_cast<const char*>(data + 1), size - 1);
    (void)NumeroInicial(texto);
    ComprobarCorte(texto);
    if (const size_t barra = texto.find('|'); barra != std::string::npos) {
        const auto neto = PrecioNeto(texto.substr(0, barra), texto.substr(barra + 1));
        if (neto && !std::isfinite(*neto)) Fallo("PrecioNeto no finito", texto);
    }
    double v = 0, referencia = 0;
    int error = 0;
    try {
        v = TextoANumero(texto);
    } catch (const ErrorEjecucion& e) {
        error = e.Numero();
    }
    // The regular expression is only asked about short texts.
    if (texto.size() <= 200 && (Gramatica(texto, referencia) != error || (error == 0 && v != referencia)))
        Fallo("TextoANumero distinto de la gramática", texto);
    if (error == 0) ComprobarFormaGeneral(v), ComprobarRedondeo(v);
    return 0;
}
