// The analysis sequence shared by the analysis window and tarvelon-datos:
// each column stops at the first step that fails, says why, and keeps the
// run-time error for a caller that raises it.
#include <gtest/gtest.h>

#include "ApoyoPruebas.h"
#include "model/Errores.h"
#include "reports/SecuenciaAnalisis.h"

namespace tarvelon {
namespace {

using namespace pruebas;

LectorColumna Lector(const Simulacion& s)
{
    return [s](Simulacion& r) -> std::optional<std::string> {
        r = s;
        return std::nullopt;
    };
}

TEST(SecuenciaAnalisis, CadaColumnaParaEnSuPaso)
{
    const Simulacion bueno = EjemploTrabajado();
    const Simulacion malo = Cambiado(bueno, "KilometrajeAnual=0 ServiciosDiarios=-1");
    const EntradaSeguro seguroMalo{1, "x", "3000", "0", "600", "400"};
    const LectorColumna sinLeer = [](Simulacion&) { return std::optional<std::string>("Casilla «Km»: vacía"); };
    struct Caso {
        LectorColumna leer;
        std::optional<EntradaSeguro> seguro;
        bool valida, calculada, fallo;
    } casos[] = {{sinLeer, std::nullopt, false, false, false},
                 {Lector(malo), std::nullopt, false, false, false},
                 {Lector(bueno), seguroMalo, true, false, true},
                 {Lector(bueno), std::nullopt, true, true, false}};
    for (const auto& c : casos) {
        const ColumnaAnalizada r = AnalizarColumna(c.leer, c.seguro);
        EXPECT_EQ(r.valida, c.valida);
        EXPECT_EQ(r.calculada.has_value(), c.calculada);
        EXPECT_EQ(static_cast<bool>(r.fallo), c.fallo);
        EXPECT_EQ(r.motivo.empty(), c.calculada);
        if (c.fallo) {
            EXPECT_THROW(std::rethrow_exception(r.fallo), ErrorEjecucion);
        }
    }
    EXPECT_EQ(AnalizarColumna(sinLeer, std::nullopt).motivo, "Casilla «Km»: vacía");
    const ColumnaAnalizada invalida = AnalizarColumna(Lector(malo), std::nullopt);
    EXPECT_EQ(invalida.motivo, PrimerMensaje(invalida.registro.ErrorMsg));
    // The calculated column carries the insurance it was calculated with.
    const ColumnaAnalizada conSeguro = AnalizarColumna(Lector(bueno), SeguroDesdeRegistro(bueno));
    ASSERT_TRUE(conSeguro.calculada);
    EXPECT_EQ(conSeguro.estructura.componentes.size(), 12u);
    EXPECT_DOUBLE_EQ(conSeguro.totales.porKm, CosteTotalPorKm(*conSeguro.calculada));
}

TEST(SecuenciaAnalisis, ComparacionYSensibilidadSoloConLasColumnasCalculadas)
{
    const Simulacion bueno = EjemploTrabajado();
    const Simulacion malo = Cambiado(bueno, "KilometrajeAnual=0 ServiciosDiarios=-1");
    DatosAnalisis d = AnalizarColumnas(Lector(bueno), std::nullopt, Lector(bueno));
    ASSERT_TRUE(d.comparacion);
    for (const auto& f : d.comparacion->filas) EXPECT_EQ(f.diferencia, 0) << f.campo;
    AnadirSensibilidad(d, 10);
    EXPECT_TRUE(d.sensibilidad && d.curvaReferencia);

    d = AnalizarColumnas(Lector(malo), std::nullopt, Lector(bueno));
    EXPECT_FALSE(d.comparacion);
    AnadirSensibilidad(d, 10);
    EXPECT_FALSE(d.sensibilidad);
    EXPECT_EQ(d.motivoSensibilidad, d.simulacion.motivo);
    EXPECT_TRUE(d.curvaReferencia);
}

}  // namespace
}  // namespace tarvelon
