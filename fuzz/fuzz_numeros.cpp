// The strict number conversion and the general number form.
//
// First byte even: the rest is a text for TextoANumero, checked against a
// grammar written out separately, and whatever it accepts must survive
// NumeroATexto -> TextoANumero. First byte odd: the next 8 bytes are a Double
// (any bit pattern) for NumeroATexto, the rounding into Long and Integer and
// the round trip. Both modes also go through the box cutting of the input
// windows (CortarParaCaja) and, for "BRUTO|DESCUENTO" texts, the net price
// they derive (PrecioNeto).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

#include "ApoyoFuzz.h"
#include "data/Texto.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioNeto.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

// Blanks, sign, whole digits with points between digit groups, a comma with
// decimals, an exponent; at least one digit before the exponent.
const std::regex& Gramatica()
{
    static const std::regex r(R"(^[ \t]*([+-]?)((?:\d+(?:\.\d+)*)?)(?:,(\d*))?(?:[eE]([+-]?\d+))?[ \t]*$)");
    return r;
}

// The value the grammar gives, through the C library's reading of the plain form.
bool ValorReferencia(const std::string& texto, double& valor)
{
    std::smatch m;
    if (!std::regex_match(texto, m, Gramatica())) return false;
    std::string entero = m[2].str();
    std::string decimales = m[3].str();
    if (entero.empty() && decimales.empty()) return false;
    std::string c = m[1].str();
    for (char ch : entero)
        if (ch != '.') c.push_back(ch);
    c += "." + decimales;
    if (m[4].matched) c += "e" + m[4].str();
    if (c == "." || c == "-." || c == "+.") return false;
    valor = std::strtod(c.c_str(), nullptr);
    return true;
}

int CifrasSignificativas(std::string_view mantisa)
{
    int n = 0;
    bool empezado = false;
    for (char ch : mantisa) {
        if (ch < '0' || ch > '9') continue;
        if (ch != '0') empezado = true;
        if (empezado) ++n;
    }
    // Trailing zeros of the whole part of a plain number are not significant
    // digits of the form, but they are never more than the exponent allows.
    return n;
}

// Shape of the general number form and its round trip.
void ComprobarFormaGeneral(double v)
{
    const std::string t = NumeroATexto(v);
    static const std::regex plano(R"(^-?(0|[1-9]\d*)(,\d*[1-9])?$)");
    static const std::regex exponencial(R"(^-?[1-9](,\d*[1-9])?E[+-]\d{2,3}$)");
    const bool esExp = std::regex_match(t, exponencial);
    if (!esExp && !std::regex_match(t, plano)) Fallo("forma general mal formada", t);
    double v2;
    try {
        v2 = TextoANumero(t);
    } catch (const ErrorEjecucion& e) {
        Fallo("la forma general no se vuelve a leer", t, e.what());
    }
    if (std::signbit(v2) != std::signbit(v) && v2 != 0.0) Fallo("signo perdido", t);
    if (std::fabs(v2 - v) > std::fabs(v) * 1e-14) Fallo("ida y vuelta inexacta", t);
    if (NumeroATexto(v2) != t) Fallo("la forma general no es estable", t, NumeroATexto(v2));
    if (TextoANumero(NumeroATexto(v2)) != v2) Fallo("segunda vuelta distinta", t);
    const double a = std::fabs(v2);
    const bool debeExp = a != 0.0 && (a >= 1e15 || a < 1e-4);
    if (esExp != debeExp) Fallo("forma exponencial donde no toca (o al revés)", t);
    if (!esExp) {
        // Plain form: at most 15 significant digits once trailing whole zeros are dropped.
        std::string s = t;
        const size_t coma = s.find(',');
        if (coma == std::string::npos)
            while (s.size() > 1 && s.back() == '0') s.pop_back();
        if (CifrasSignificativas(s) > 15) Fallo("más de 15 cifras", t);
    } else if (CifrasSignificativas(t.substr(0, t.find('E'))) > 15) {
        Fallo("más de 15 cifras", t);
    }
}

void ComprobarRedondeo(double v)
{
    auto comprobar = [v](double minimo, double maximo, auto redondear, const char* que) {
        const double r = std::nearbyint(v);
        const bool cabe = std::isfinite(v) && r >= minimo && r <= maximo;
        try {
            const auto x = static_cast<double>(redondear(v));
            if (!cabe) Fallo(que, "fuera de rango sin error 6");
            const double d = std::fabs(x - v);
            if (d > 0.5) Fallo(que, "no es el más cercano");
            if (d == 0.5 && std::fmod(x, 2.0) != 0.0) Fallo(que, "la mitad no va al par");
        } catch (const ErrorEjecucion& e) {
            if (cabe || e.Numero() != kDesbordamiento) Fallo(que, "error inesperado", e.what());
        }
    };
    comprobar(-2147483648.0, 2147483647.0, RedondearLong, "RedondearLong");
    comprobar(-32768.0, 32767.0, RedondearInteger, "RedondearInteger");
}

// A box keeps at most `maximo` characters; a number in exponent form keeps its
// exponent, and so its magnitude, whenever the box has room for it.
void ComprobarCorte(const std::string& texto, double valor, bool esNumero)
{
    for (size_t maximo = 0; maximo <= 24; maximo += (maximo < 8 ? 4 : 1)) {
        const std::string c = CortarParaCaja(texto, maximo);
        if (LongitudTexto(texto) <= maximo) {
            if (c != texto) Fallo("CortarParaCaja cambia un texto que cabe", texto, c);
            continue;
        }
        if (LongitudTexto(c) > maximo) Fallo("CortarParaCaja: texto largo", c);
        if (c == CortarTexto(texto, maximo)) continue;
        const size_t e = texto.find('E');
        const size_t largoExp = e == std::string::npos ? 0 : texto.size() - e;
        if (e == std::string::npos || c.size() < largoExp || c.compare(c.size() - largoExp, largoExp, texto, e) != 0)
            Fallo("CortarParaCaja: ni prefijo ni exponente conservado", texto, c);
        if (esNumero) {
            double leido = 0;
            try {
                leido = TextoANumero(c);
            } catch (const ErrorEjecucion& err) {
                Fallo("CortarParaCaja deja un número que no se lee", c, err.what());
            }
            const double r = leido / valor;
            if (!(r > 0.1 && r < 10.0)) Fallo("CortarParaCaja cambia la magnitud", texto, c);
        }
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
        if (std::isfinite(v)) {
            ComprobarFormaGeneral(v);
            ComprobarCorte(NumeroATexto(v), v, true);
        }
        return 0;
    }

    const std::string texto(reinterpret_cast<const char*>(data + 1), size - 1);
    (void)NumeroInicial(texto);
    ComprobarCorte(texto, 0.0, false);
    const size_t barra = texto.find('|');
    if (barra != std::string::npos) {
        const std::string_view t(texto);
        const auto neto = PrecioNeto(t.substr(0, barra), t.substr(barra + 1));
        if (neto && !std::isfinite(*neto)) Fallo("PrecioNeto no finito", texto);
    }
    double v;
    bool acepta = true;
    int error = 0;
    try {
        v = TextoANumero(texto);
    } catch (const ErrorEjecucion& e) {
        acepta = false;
        error = e.Numero();
    }
    try {
        const double w = TextoANumeroVacioCero(texto);
        if (texto.empty() ? w != 0.0 : (!acepta || w != v)) Fallo("TextoANumeroVacioCero", texto);
    } catch (const ErrorEjecucion&) {
        if (texto.empty() || acepta) Fallo("TextoANumeroVacioCero falla donde no debe", texto);
    }
    // The regular-expression reference is only asked about short texts.
    if (texto.size() <= 200) {
        double ref = 0.0;
        const bool refAcepta = ValorReferencia(texto, ref);
        if (!refAcepta && acepta) Fallo("acepta un texto que no es un número", texto);
        if (refAcepta && !std::isfinite(ref)) {
            if (acepta || error != kDesbordamiento) Fallo("un número fuera de rango no da el error 6", texto);
        } else if (refAcepta) {
            if (!acepta) Fallo("rechaza un número", texto);
            if (v != ref && !(std::isnan(v) && std::isnan(ref))) Fallo("valor distinto", texto);
        } else if (error != kTiposNoCoinciden) {
            Fallo("un texto que no es un número no da el error 13", texto);
        }
    }
    if (acepta) {
        if (!std::isfinite(v)) Fallo("valor no finito aceptado", texto);
        ComprobarFormaGeneral(v);
        ComprobarRedondeo(v);
    }
    return 0;
}
