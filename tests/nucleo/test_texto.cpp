// Padding, repetition and character conversions of texts.
#include <gtest/gtest.h>

#include <string>

#include "ApoyoPruebas.h"
#include "data/Texto.h"

using namespace tarvelon;
using tarvelon::pruebas::NumeroDeError;

namespace {

struct CasoRelleno {
    const char* texto;
    int16_t ancho;
    const char* derecha;
    const char* izquierda;
};

TEST(Relleno, DerechaEIzquierda)
{
    const CasoRelleno casos[] = {
        {"abc", 5, "abc  ", "  abc"},
        {"abc", 3, "abc", "abc"},
        {"abc", 2, "abc", "abc"},
        {"abc", 0, "abc", "abc"},
        {"abc", -4, "abc", "abc"},
        {"", 3, "   ", "   "},
        {"", 0, "", ""},
        // Widths count characters, not bytes.
        {"Día", 5, "Día  ", "  Día"},
        {"€", 3, "€  ", "  €"},
        {"12.345,68 €", 12, "12.345,68 € ", " 12.345,68 €"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << "[" << c.texto << "] " << c.ancho);
        std::string d = c.texto;
        std::string i = c.texto;
        EXPECT_EQ(RellenarDerecha(d, c.ancho), c.derecha);
        EXPECT_EQ(RellenarIzquierda(i, c.ancho), c.izquierda);
        // The caller's own text is padded too.
        EXPECT_EQ(d, c.derecha);
        EXPECT_EQ(i, c.izquierda);
    }
}

TEST(RepetirTexto, Casos)
{
    EXPECT_EQ(RepetirTexto("=", 4), "====");
    EXPECT_EQ(RepetirTexto("ab", 3), "ababab");
    EXPECT_EQ(RepetirTexto("=", 0), "");
    EXPECT_EQ(RepetirTexto("=", -7), "");
    EXPECT_EQ(RepetirTexto("", 10), "");
    EXPECT_EQ(RepetirTexto("é", 2), "éé");
    EXPECT_EQ(RepetirTexto("=", 32767).size(), 32767u);
    EXPECT_EQ(NumeroDeError([] { (void)RepetirTexto("=", 32768); }), 6);
    EXPECT_EQ(NumeroDeError([] { (void)RepetirTexto("", 100000); }), 6);
}

TEST(LongitudTexto, CuentaCaracteres)
{
    EXPECT_EQ(LongitudTexto(""), 0u);
    EXPECT_EQ(LongitudTexto("abc"), 3u);
    EXPECT_EQ(LongitudTexto("Camión"), 6u);
    EXPECT_EQ(LongitudTexto("€/Día"), 5u);
    EXPECT_EQ(LongitudTexto("中"), 1u);
    EXPECT_EQ(LongitudTexto("a\xFF" "b"), 3u);  // a stray byte counts as one
}

TEST(CortarTexto, CortaPorCaracteres)
{
    EXPECT_EQ(CortarTexto("áéíóú", 3), "áéí");
    EXPECT_EQ(CortarTexto("0,333333333333333", 14), "0,333333333333");
    EXPECT_EQ(CortarTexto("abc", 10), "abc");
    EXPECT_EQ(CortarTexto("abc", 0), "");
}

TEST(Cp1252, IdaYVuelta)
{
    const struct {
        const char* utf8;
        const char* cp1252;
    } casos[] = {
        {"abc", "abc"},
        {"ñÑáéíóúü", "\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC"},
        {"€", "\x80"},
        {"º", "\xBA"},
        {"¿", "\xBF"},
        {"“x”", "\x93x\x94"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ACp1252(c.utf8), c.cp1252);
        EXPECT_EQ(Cp1252AUtf8(c.cp1252), c.utf8);
    }
}

TEST(Cp1252, LoQueNoCabeEsInterrogacion)
{
    EXPECT_EQ(Utf8ACp1252("中文"), "??");
    EXPECT_EQ(Utf8ACp1252("a😀b"), "a?b");
    EXPECT_EQ(Utf8ACp1252("a\xFF" "b"), "a?b");
    EXPECT_EQ(Utf8ACp1252("\xC3"), "?");  // cut UTF-8 sequence
}

}  // namespace
