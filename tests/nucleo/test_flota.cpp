// The fleet «¿Y si…?»: each change moves only what it should, on the worked example.
#include <gtest/gtest.h>

#include "model/FlotaSiEntonces.h"
#include "tests/nucleo/ApoyoPruebas.h"

namespace tarvelon::pruebas {
namespace {

// Worked example: fuel 41.580 €, personal 32.880 €, tolls 5.280 €, maintenance
// 9.600 €, tyres 3.840 €, 39.600 litres over 120.000 km and 440 services.
TEST(FlotaSiEntonces, CadaCambioMueveSoloLoSuyo)
{
    struct Caso {
        CambiosFlota cambios;
        double costeAnual, km, litros;  // differences after − before
    };
    const double co2 = 39600 * kCo2GasoleoKgPorLitro / 1000;
    const Caso casos[] = {
        {{}, 0, 0, 0},
        {{10, 0, 0, 0, 0, 0}, 4158, 0, 0},
        {{0, 10, 0, 0, 0, 0}, 3288, 0, 0},  // pay, attendance bonus and social security on the pay
        {{0, 0, 10, 0, 0, 0}, 528, 0, 0},
        {{0, 0, 0, 10, 0, 0}, 960, 0, 0},
        {{0, 0, 0, 0, 10, 0}, 4158 + 960 + 384, 12000, 3960},
        {{0, 0, 0, 0, 0, 100}, co2 * 100, 0, 0},
        {{-100, 0, 0, -100, 0, 0}, -41580 - 9600, 0, 0},
    };
    for (const auto& c : casos) {
        const SiEntoncesVehiculo v = SiEntonces(EjemploTrabajado(), c.cambios);
        ASSERT_TRUE(v.antes && v.despues && !v.error);
        const CifrasVehiculo &a = *v.antes, &d = *v.despues;
        EXPECT_NEAR(d.costeAnual - a.costeAnual, c.costeAnual, 1e-6) << c.cambios.gasoleo << c.cambios.km;
        EXPECT_NEAR(d.km - a.km, c.km, 1e-9);
        EXPECT_NEAR(d.litros - a.litros, c.litros, 1e-9);
        EXPECT_NEAR(d.co2, d.litros * kCo2GasoleoKgPorLitro / 1000, 1e-9);
        EXPECT_EQ(d.servicios, a.servicios);
        EXPECT_NEAR(d.costeKm, d.costeAnual / d.km, 1e-12);
        EXPECT_NEAR(d.costeServicio, d.costeAnual / d.servicios, 1e-9);
    }
    EXPECT_NEAR(SiEntonces(EjemploTrabajado(), {}).antes->litros, 39600, 1e-9);
    const Simulacion s = ConCambios(EjemploTrabajado(), {10, 0, 0, 0, 0, 0});
    EXPECT_NEAR(s.CVPrecioBrutoDelGasoleo, 1.375, 1e-12);  // the gross price with the net one
    EXPECT_NEAR(s.CVPrecioDelGasoleo, 1.155, 1e-12);
    // No km left: the copy fails and keeps its error, with no figures.
    const SiEntoncesVehiculo sinKm = SiEntonces(EjemploTrabajado(), {0, 0, 0, 0, -100, 0});
    EXPECT_TRUE(sinKm.error && !sinKm.antes && !sinKm.despues);
}

TEST(FlotaSiEntonces, TotalesYMediasPonderadasPorKm)
{
    const CifrasVehiculo a = Cifras(Calculada(EjemploTrabajado()));
    const CifrasVehiculo b = Cifras(Calculada(Cambiado(EjemploTrabajado(), "KilometrajeAnual=60000 CFTAE=0")));
    TotalesFlota t;
    EXPECT_EQ(t.Total().costeKm, 0);
    t.Sumar(a);
    t.Sumar(b);
    const CifrasVehiculo r = t.Total();
    EXPECT_EQ(t.vehiculos(), 2);
    EXPECT_DOUBLE_EQ(r.km, 180000);
    EXPECT_DOUBLE_EQ(r.servicios, 880);
    EXPECT_DOUBLE_EQ(r.costeAnual, a.costeAnual + b.costeAnual);
    EXPECT_DOUBLE_EQ(r.litros, a.litros + b.litros);
    EXPECT_DOUBLE_EQ(r.co2, a.co2 + b.co2);
    EXPECT_DOUBLE_EQ(r.costeKm, (a.costeAnual + b.costeAnual) / 180000);
    EXPECT_DOUBLE_EQ(r.costeServicio, (a.costeServicio * 120000 + b.costeServicio * 60000) / 180000);
}

TEST(FlotaSiEntonces, CambioPorcentaje)
{
    const std::pair<const char*, std::optional<double>> casos[] = {
        {"3,5", 3.5},          {"-100", -100.0},      {"1.000", 1000.0}, {"-100,01", std::nullopt},
        {"1.5", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}};
    for (const auto& [texto, esperado] : casos) EXPECT_EQ(CambioPorcentaje(texto), esperado) << texto;
}

}  // namespace
}  // namespace tarvelon::pruebas
