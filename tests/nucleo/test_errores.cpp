// Every failure reaches the user as one numbered run-time error.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "model/Errores.h"

using namespace tarvelon;

TEST(ComoErrorEjecucion, UnNumeroParaCadaFallo)
{
    auto como = [](auto excepcion) { return ComoErrorEjecucion(std::make_exception_ptr(excepcion)); };
    const ErrorEjecucion propio = como(ErrorEjecucion(kDivisionPorCero));
    EXPECT_EQ(propio.Numero(), kDivisionPorCero);
    EXPECT_EQ(propio.Descripcion(), DescripcionError(kDivisionPorCero));

    const ErrorEjecucion memoria = como(std::bad_alloc());
    EXPECT_EQ(memoria.Numero(), 7);
    EXPECT_EQ(memoria.Descripcion(), DescripcionError(7));

    // Never the standard library's own text.
    for (const ErrorEjecucion& e : {como(std::out_of_range("basic_string::substr")), como(42)}) {
        EXPECT_EQ(e.Numero(), kErrorInterno);
        EXPECT_EQ(MensajeError(e), "Se ha producido el error nº 51 ( Error interno) ");
    }
}
