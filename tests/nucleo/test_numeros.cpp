// Spanish number conversions and display patterns, independent of the locale.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "ApoyoPruebas.h"
#include "model/Numeros.h"

using namespace tarvelon;
using tarvelon::pruebas::NumeroDeError;

namespace {

struct CasoTexto {
    const char* texto;
    double esperado;
};

TEST(TextoANumero, ConvierteLaFormaEspanola)
{
    const CasoTexto casos[] = {
        {"0", 0},
        {"12", 12},
        {"1234,5", 1234.5},
        {"1.500", 1500},
        {"1.234.567,89", 1234567.89},
        {" 2,5 ", 2.5},
        {"-3,25", -3.25},
        {"0,25", 0.25},
        {"1E+16", 1e16},
        {"1,5E-05", 1.5e-5},
        {"1,23456789012346E+15", 1.23456789012346e15},
        {"0,333333333333333", 0.333333333333333},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(TextoANumero(c.texto), c.esperado);
    }
}

TEST(TextoANumero, RechazaTextosQueNoSonNumeros)
{
    const struct {
        const char* texto;
        int error;
    } casos[] = {
        {"", 13},
        {"abc", 13},
        {"   ", 13},
        {"12abc", 13},
        {"1E400", 6},
        {"-1E400", 6},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(NumeroDeError([&] { (void)TextoANumero(c.texto); }), c.error);
    }
}

TEST(TextoANumero, VacioCeroSoloParaElTextoExactamenteVacio)
{
    EXPECT_EQ(TextoANumeroVacioCero(""), 0.0);
    EXPECT_EQ(TextoANumeroVacioCero("3,5"), 3.5);
    EXPECT_EQ(NumeroDeError([] { (void)TextoANumeroVacioCero(" "); }), 13);
    EXPECT_EQ(NumeroDeError([] { (void)TextoANumeroVacioCero("x"); }), 13);
}

TEST(Redondeo, MitadesAlParYRangoDeLong)
{
    const struct {
        double valor;
        int32_t esperado;
    } casos[] = {
        {2.5, 2},          {3.5, 4},        {-2.5, -2},          {-3.5, -4},
        {0.5, 0},          {1.5, 2},        {0.6, 1},            {2.4999, 2},
        {2147483647.0, 2147483647},         {-2147483648.5, -2147483647 - 1},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.valor);
        EXPECT_EQ(RedondearLong(c.valor), c.esperado);
    }
    for (double fuera : {2147483647.5, 2147483648.0, -2147483649.0, 1e300,
                         std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(fuera);
        EXPECT_EQ(NumeroDeError([&] { (void)RedondearLong(fuera); }), 6);
    }
}

TEST(Redondeo, MitadesAlParYRangoDeInteger)
{
    EXPECT_EQ(RedondearInteger(32767.4), 32767);
    EXPECT_EQ(RedondearInteger(-32768.5), -32768);
    EXPECT_EQ(RedondearInteger(2.5), 2);
    EXPECT_EQ(RedondearInteger(-0.5), 0);
    for (double fuera : {32767.5, 32768.0, -32769.0, 70000.0}) {
        SCOPED_TRACE(fuera);
        EXPECT_EQ(NumeroDeError([&] { (void)RedondearInteger(fuera); }), 6);
    }
}

TEST(NumeroATexto, FormaGeneral)
{
    const struct {
        double valor;
        const char* texto;
    } casos[] = {
        {0, "0"},
        {12, "12"},
        {1234.5, "1234,5"},
        {123456.7, "123456,7"},
        {-2.5, "-2,5"},
        {0.1, "0,1"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.0001, "0,0001"},
        {0.00001, "1E-05"},
        {1.5e-5, "1,5E-05"},
        {-1.5e-5, "-1,5E-05"},
        {1e-100, "1E-100"},
        {999999999999999.0, "999999999999999"},
        {1e15, "1E+15"},
        {1e16, "1E+16"},
        {1234567890123456.0, "1,23456789012346E+15"},
        {-1e16, "-1E+16"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(NumeroATexto(c.valor), c.texto);
    }
}

// The largest Doubles must still be written in a form that reads back.
TEST(NumeroATexto, ElMayorDoubleSePuedeVolverALeer)
{
    for (double x : {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                     std::nextafter(std::numeric_limits<double>::max(), 0.0)}) {
        const std::string texto = NumeroATexto(x);
        SCOPED_TRACE(texto);
        double y = 0;
        ASSERT_EQ(NumeroDeError([&] { y = TextoANumero(texto); }), 0);
        EXPECT_LE(std::fabs(y - x), std::fabs(x) * 1e-14);
    }
}

TEST(NumeroATexto, EnterosComoDigitos)
{
    EXPECT_EQ(EnteroATexto(0), "0");
    EXPECT_EQ(EnteroATexto(12), "12");
    EXPECT_EQ(EnteroATexto(-5), "-5");
    EXPECT_EQ(EnteroATexto(2147483647), "2147483647");
    EXPECT_EQ(EnteroATexto(-32768), "-32768");
}

// What is written must read back to the same value within 15 significant
// digits, and writing the read value again must give the same text.
TEST(NumeroATexto, IdaYVueltaConValoresAleatorios)
{
    std::mt19937_64 gen(20240611);
    std::uniform_real_distribution<double> mantisa(1.0, 10.0);
    std::uniform_int_distribution<int> exponente(-30, 30);
    std::bernoulli_distribution signo(0.3);
    for (int i = 0; i < 20000; ++i) {
        double x = mantisa(gen) * std::pow(10.0, exponente(gen));
        if (signo(gen)) x = -x;
        const std::string texto = NumeroATexto(x);
        SCOPED_TRACE(texto);
        ASSERT_EQ(texto.find('.'), std::string::npos);
        const double y = TextoANumero(texto);
        ASSERT_LE(std::fabs(y - x), std::fabs(x) * 1e-14);
        ASSERT_EQ(NumeroATexto(y), texto);
    }
}

// A value with at most 15 significant digits comes back bit for bit.
TEST(NumeroATexto, IdaYVueltaExactaConQuinceCifras)
{
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<long long> cifras(1, 999999999999999LL);
    std::uniform_int_distribution<int> exponente(-20, 5);
    for (int i = 0; i < 5000; ++i) {
        const std::string decimal = std::to_string(cifras(gen)) + "e" + std::to_string(exponente(gen));
        const double x = std::stod(decimal);
        SCOPED_TRACE(decimal);
        ASSERT_EQ(std::bit_cast<uint64_t>(TextoANumero(NumeroATexto(x))), std::bit_cast<uint64_t>(x));
    }
}

struct CasoFormato {
    double valor;
    const char* texto;
};

TEST(Formatos, DosDecimales)
{
    const CasoFormato casos[] = {
        {12345.678, "12.345,68"}, {1350, "1.350,00"},     {0, "0,00"},
        {1.005, "1,01"},          {2.675, "2,68"},         {0.004, "0,00"},
        {-1234.5, "-1.234,50"},   {999.995, "1.000,00"},   {1234567.891, "1.234.567,89"},
        {-0.125, "-0,13"},        {1e12, "1.000.000.000.000,00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatoDosDecimales(c.valor), c.texto);
    }
}

TEST(Formatos, CuatroDecimales)
{
    const CasoFormato casos[] = {
        {0.1234567, "0,1235"}, {1.14, "1,1400"}, {12345.6789, "12.345,6789"},
        {0, "0,0000"},         {0.1, "0,1000"}, {-0.45275, "-0,4528"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatoCuatroDecimales(c.valor), c.texto);
    }
}

TEST(Formatos, CuatroDecimalesSinMiles)
{
    const CasoFormato casos[] = {
        {1.14, "1,1400"}, {12345.5, "12345,5000"}, {0, "0,0000"}, {-2, "-2,0000"}, {0.99995, "1,0000"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatoCuatroSinMiles(c.valor), c.texto);
    }
}

TEST(Formatos, MilesSinDecimales)
{
    const CasoFormato casos[] = {
        {0, ""},          {0.4, ""},         {0.5, "1"},           {440, "440"},
        {1234.6, "1.235"}, {120000, "120.000"}, {999.5, "1.000"},  {1234567, "1.234.567"},
        {-1234, "-1.234"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatoMiles(c.valor), c.texto);
    }
}

TEST(Formatos, EnteroConMilesDeLosPreciosNetos)
{
    const CasoFormato casos[] = {
        {72000, "72.000"}, {84999.5, "85.000"}, {0, ""},  {0.49, ""},
        {1234567, "1.234.567"}, {-5, "-5"}, {999, "999"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(FormatoEnteroMiles(c.valor), c.texto);
    }
}

TEST(NumeroInicial, LeeElNumeroDelPrincipioConPunto)
{
    const CasoTexto casos[] = {
        {"0,5", 0},       {"12,5", 12},      {" 1 2.5", 12.5},  {"0.5", 0.5},
        {"abc", 0},       {"", 0},           {"\t-3.5x", -3.5}, {"1\n2", 12},
        {"1.2.3", 1.2},   {"+7", 7},         {"1E3", 1000},     {"2.5e-1kg", 0.25},
        {"120000", 120000}, {"-0", 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(NumeroInicial(c.texto), c.esperado);
    }
}

}  // namespace
