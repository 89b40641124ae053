// Faults found by the fuzz targets (fuzz/), each kept as the smallest input
// that showed it.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"

namespace tarvelon {
namespace {

using pruebas::AvisadorGrabador;
using pruebas::CarpetaTemporal;
using pruebas::NumeroDeError;

// fuzz_numeros (display patterns): an infinite or undefined value read past the end of the
// digit buffer. It has no digits to show, so every pattern refuses it with 6.
TEST(RegresionesFuzz, LosFormatosRechazanValoresNoFinitos)
{
    using Formato = std::string (*)(double);
    const Formato formatos[] = {FormatoMiles, FormatoEnteroMiles, FormatoDosDecimales, FormatoCuatroDecimales,
                                FormatoCuatroSinMiles};
    const double valores[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    for (Formato f : formatos)
        for (double v : valores) EXPECT_EQ(NumeroDeError([&] { f(v); }), kDesbordamiento) << v;
    // The largest finite values still show all their digits.
    EXPECT_EQ(FormatoMiles(DBL_MAX).size(), 309u + 102u);
    EXPECT_EQ(FormatoDosDecimales(-DBL_MAX).substr(0, 8), "-179.769");
}

// fuzz_numeros: the largest Doubles were written as 1,79769313486232E+308,
// beyond the Double range, so a saved value could not be read back (error 6).
TEST(RegresionesFuzz, LaFormaGeneralDeLosMayoresDoublesSeVuelveALeer)
{
    const double valores[] = {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308,
                              TextoANumero("1,7976931348623158E+308")};
    for (double v : valores) {
        const std::string t = NumeroATexto(v);
        double leido = 0;
        ASSERT_EQ(NumeroDeError([&] { leido = TextoANumero(t); }), 0) << t;
        EXPECT_NEAR(leido / v, 1.0, 1e-14) << t;
        EXPECT_EQ(NumeroATexto(leido), t);
    }
    // Just below, the ordinary rounding stands.
    EXPECT_EQ(NumeroATexto(1.79769313486231e308), "1,79769313486231E+308");
    EXPECT_EQ(NumeroATexto(1.7976931348623e308), "1,7976931348623E+308");
}

// The same fault as the user meets it: a record saved with such a value must load.
TEST(RegresionesFuzz, UnRegistroConElMayorDoubleSeGrabaYSeCarga)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    Simulacion s;
    s.Tipo = "Prueba";
    s.CFSeguroMercancia = DBL_MAX;
    const std::string ruta = carpeta.Fichero("datos.txt");
    ASSERT_TRUE(GrabarLineas(ruta, s.ToArray(), avisos));
    Simulacion leido;
    ASSERT_EQ(NumeroDeError([&] { leido.FromArray(LeerBloque(ruta, "", avisos)); }), 0);
    EXPECT_TRUE(avisos.avisos.empty());
    EXPECT_NEAR(leido.CFSeguroMercancia / DBL_MAX, 1.0, 1e-14);
    // The insurance box the calculation reads is that same text.
    EXPECT_EQ(NumeroDeError([&] { TextoANumero(SeguroDesdeRegistro(leido).mercancia); }), 0);
}

}  // namespace
}  // namespace tarvelon
