#pragma once
// Arithmetic that is checked as each result is formed: a division by zero is
// error 11, zero by zero and any result beyond the Double range error 6.
#include <cmath>

#include "model/Errores.h"

namespace tarvelon::aritmetica {

inline double Comprobar(double r)
{
    if (!std::isfinite(r)) throw ErrorEjecucion(kDesbordamiento);
    return r;
}

inline double Suma(double a, double b) { return Comprobar(a + b); }
inline double Resta(double a, double b) { return Comprobar(a - b); }
inline double Producto(double a, double b) { return Comprobar(a * b); }

inline double Cociente(double a, double b)
{
    if (b == 0.0) throw ErrorEjecucion(a == 0.0 ? kDesbordamiento : kDivisionPorCero);
    return Comprobar(a / b);
}

inline double Potencia(double base, double exponente) { return Comprobar(std::pow(base, exponente)); }

}  // namespace tarvelon::aritmetica
