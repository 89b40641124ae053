// Spanish number conversions, display patterns and text helpers, whatever the locale.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "ApoyoPruebas.h"
#include "data/Texto.h"
#include "model/Numeros.h"

using namespace tarvelon;
using tarvelon::pruebas::NumeroDeError;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(TextoANumero, FormaEspanolaYErrores)
{
    const std::pair<const char*, double> numeros[] = {{"1.500", 1500},        {"12.345,67", 12345.67},
                                                      {"1.234.567", 1234567}, {" 1.500 ", 1500},
                                                      {"-1.500,5", -1500.5},  {"-1,5E-05", -1.5e-5},
                                                      {"1,5E+20", 1.5e20},    {"-1,5E+20", -1.5e20},
                                                      {"+1.000E3", 1e6},      {"12,", 12}};
    for (const auto& [texto, valor] : numeros) EXPECT_EQ(TextoANumero(texto), valor) << texto;
    // A point only where it groups thousands: any other is a decimal point in
    // the wrong convention, and the text is not a number.
    for (const char* texto :
         {"6.5",      "1.25",      "31.5", "1.5.3", "1.50", "1.5000", "1.50.000", ".5", "1.", "0.500",
          "1234.567", "1.234,5.6", "",     " ",     "abc",  "12abc",  "1,5E",     "5E", "E5", ","})
        EXPECT_EQ(NumeroDeError([texto] { (void)TextoANumero(texto); }), 13) << texto;
    EXPECT_EQ(NumeroDeError([] { (void)TextoANumero("1E400"); }), 6);
    // Only the exactly empty text counts as 0.
    EXPECT_EQ(TextoANumeroVacioCero(""), 0.0);
    EXPECT_EQ(TextoANumeroVacioCero("3,5"), 3.5);
    EXPECT_EQ(NumeroDeError([] { (void)TextoANumeroVacioCero(" "); }), 13);
}

// Halves to the even neighbour; X marks an overflow (error 6).
TEST(Redondeo, MitadesAlParYRango)
{
    constexpr int64_t X = std::numeric_limits<int64_t>::min();
    const std::tuple<double, int64_t, int64_t> casos[] = {{2.5, 2, 2},
                                                          {3.5, 4, 4},
                                                          {-2.5, -2, -2},
                                                          {32767.5, 32768, X},
                                                          {-32768.5, -32768, -32768},
                                                          {-32769, -32769, X},
                                                          {2147483647, 2147483647, X},
                                                          {2147483647.5, X, X},
                                                          {-2147483649.0, X, X},
                                                          {kNaN, X, X}};
    for (const auto& [valor, largo, corto] : casos) {
        int64_t l = X, c = X;
        EXPECT_EQ(NumeroDeError([&l, x = valor] { l = RedondearLong(x); }), largo == X ? 6 : 0) << valor;
        EXPECT_EQ(NumeroDeError([&c, x = valor] { c = RedondearInteger(x); }), corto == X ? 6 : 0) << valor;
        EXPECT_EQ(l, largo) << valor;
        EXPECT_EQ(c, corto) << valor;
    }
}

// The general form, and the display patterns halving away from zero after
// rounding to 15 significant digits. The ordinary figures are checked through
// the reports' golden files; these are the edges.
TEST(Formatos, FormaGeneralYPatrones)
{
    using F = std::string (*)(double);
    const F gen = NumeroATexto, dos = FormatoDosDecimales, sinMiles = FormatoCuatroSinMiles, miles = FormatoMiles,
            neto = FormatoEnteroMiles;
    const std::tuple<F, double, const char*> casos[] = {{gen, 2.0 / 3.0, "0,666666666666667"},
                                                        {gen, 0.0001, "0,0001"},
                                                        {gen, -1.5e-5, "-1,5E-05"},
                                                        {gen, -1.5e20, "-1,5E+20"},
                                                        {gen, 999999999999999.0, "999999999999999"},
                                                        {gen, 1234567890123456.0, "1,23456789012346E+15"},
                                                        {dos, 1.005, "1,01"},
                                                        {dos, -0.004, "0,00"},
                                                        {dos, 999.995, "1.000,00"},
                                                        {sinMiles, 12345.5, "12345,5000"},
                                                        {miles, 0.4, ""},
                                                        {neto, 84999.5, "85.000"}};
    for (const auto& [formato, valor, texto] : casos) EXPECT_EQ(formato(valor), texto) << valor;
}

// The general-data window reads a leading number with a period.
TEST(NumeroInicial, LeeElNumeroDelPrincipioConPunto)
{
    const std::pair<const char*, double> casos[] = {{"0,5", 0},     {" 1 2.5", 12.5},  {"abc", 0},
                                                    {"1.2.3", 1.2}, {"\t-3.5x", -3.5}, {"2.5e-1kg", 0.25}};
    for (const auto& [texto, valor] : casos) EXPECT_EQ(NumeroInicial(texto), valor) << texto;
}

// Padding is checked through the reports' golden files.
TEST(Texto, RepeticionYLongitud)
{
    EXPECT_EQ(RepetirTexto("é", 2), "éé");
    EXPECT_EQ(RepetirTexto("=", -7), "");
    EXPECT_EQ(RepetirTexto("=", 32767).size(), 32767u);
    EXPECT_EQ(NumeroDeError([] { (void)RepetirTexto("", 32768); }), 6);
    EXPECT_EQ(LongitudTexto("€/Día"), 5u);
    EXPECT_EQ(LongitudTexto("a\xFF"
                            "b中"),
              4u);  // a stray byte counts as one
    EXPECT_EQ(CortarTexto("áéíóú", 3), "áéí");
    // A figure too long for its box keeps its exponent, with fewer digits.
    EXPECT_EQ(CortarParaCaja("1,23456789012346E+15", 14), "1,23456789E+15");
    EXPECT_EQ(CortarParaCaja("1,20000000000001E+20", 14), "1,2E+20");
}

TEST(Texto, Windows1252)
{
    const std::pair<const char*, const char*> casos[] = {
        {"ñÑáéíóúü", "\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC"}, {"€º¿", "\x80\xBA\xBF"}, {"“x”", "\x93x\x94"}};
    for (const auto& [utf8, cp1252] : casos) {
        EXPECT_EQ(Utf8ACp1252(utf8), cp1252);
        EXPECT_EQ(Cp1252AUtf8(cp1252), utf8);
    }
    // What Windows-1252 cannot hold, and broken or overlong UTF-8, becomes "?".
    EXPECT_EQ(Utf8ACp1252("中a😀\xFF\xC3\xC0\xAF"), "?a?????");  // the last two: an overlong "/"
}

// A valid sequence is one character; an invalid one, one per byte: the
// smallest and largest code point of each length, overlong forms, encoded
// surrogates and values beyond U+10FFFF.
TEST(Texto, DecodificadorUtf8)
{
    const std::pair<const char*, size_t> casos[] = {
        {"\xC2\x80", 1},     {"\xE0\xA0\x80", 1},     {"\xF0\x90\x80\x80", 1}, {"\xF4\x8F\xBF\xBF", 1},
        {"\xED\x9F\xBF", 1}, {"\xEE\x80\x80", 1},     {"\xC0\xAF", 2},         {"\xC1\xBF", 2},
        {"\xE0\x80\xAF", 3}, {"\xE0\x9F\xBF", 3},     {"\xF0\x8F\xBF\xBF", 4}, {"\xED\xA0\x80", 3},
        {"\xED\xBF\xBF", 3}, {"\xF4\x90\x80\x80", 4}, {"\xF7\xBF\xBF\xBF", 4}, {"\xE2\x82", 2}};
    for (const auto& [bytes, caracteres] : casos)
        EXPECT_EQ(LongitudTexto(bytes), caracteres) << ::testing::PrintToString(std::string(bytes));
}

}  // namespace
