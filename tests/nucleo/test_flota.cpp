// The fleet «¿Y si…?»: each change moves only what it should, on the worked example.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "data/Ficheros.h"
#include "model/FlotaSiEntonces.h"
#include "reports/ExportacionFlota.h"
#include "reports/VehiculoFlota.h"
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

TEST(FlotaSiEntonces, LeerCambiosDeLaVentana)
{
    struct Caso {
        std::array<std::string, 6> textos;
        int mal;  // -1: read
        CambiosFlota cambios;
    };
    const Caso casos[] = {
        {{"", " ", "", "", "", ""}, -1, {}},
        {{"10", "-5,5", "", "", "-99", "80"}, -1, {10, -5.5, 0, 0, -99, 80}},
        {{"", "", "", "", "-100", ""}, 4, {}},  // no km left
        {{"", "", "-100", "", "", ""}, -1, {0, 0, -100, 0, 0, 0}},
        {{"abc", "", "", "", "", ""}, 0, {}},
        {{"", "", "", "-101", "", ""}, 3, {}},
        {{"", "", "", "", "", "-1"}, 5, {}},
    };
    for (const auto& c : casos) {
        const LecturaCambios l = LeerCambios(c.textos);
        EXPECT_EQ(l.mal, c.mal) << c.textos[0] << c.textos[4] << c.textos[5];
        EXPECT_EQ(l.cambios.has_value(), c.mal < 0);
        EXPECT_EQ(l.motivo.empty(), c.mal < 0);
        if (!l.cambios) continue;
        EXPECT_EQ(l.cambios->gasoleo, c.cambios.gasoleo);
        EXPECT_EQ(l.cambios->salarios, c.cambios.salarios);
        EXPECT_EQ(l.cambios->peajes, c.cambios.peajes);
        EXPECT_EQ(l.cambios->km, c.cambios.km);
        EXPECT_EQ(l.cambios->precioCo2, c.cambios.precioCo2);
    }
}

// The files of a fleet as the window and the command read them, their
// changes, the sums with the twelve components, and the CSV.
TEST(VehiculoFlota, CargaCambiosSumasYCsv)
{
    const std::string carpeta = ::testing::TempDir() + "/flota_nucleo";
    std::filesystem::create_directories(carpeta);
    AvisadorGrabador avisos;
    GrabarLineas(carpeta + "/bueno.txt", EjemploTrabajado().ToArray(), avisos);
    GrabarLineas(carpeta + "/invalido.txt", Cambiado(EjemploTrabajado(), "CVConsumoMedio=-3").ToArray(), avisos);
    VehiculoFlota bueno = CargarVehiculoFlota(carpeta + "/bueno.txt", carpeta);
    VehiculoFlota invalido = CargarVehiculoFlota(carpeta + "/invalido.txt", carpeta);
    const VehiculoFlota falta = CargarVehiculoFlota(carpeta + "/falta.txt", carpeta);
    ASSERT_TRUE(bueno.registro && bueno.antes && bueno.despues);
    EXPECT_EQ(bueno.fallo, FalloVehiculo::Ninguno);
    EXPECT_EQ(invalido.fallo, FalloVehiculo::Validacion);
    EXPECT_FALSE(invalido.antes || invalido.registro || invalido.error.empty());
    EXPECT_EQ(falta.fallo, FalloVehiculo::Lectura);
    EXPECT_NE(falta.error.find("falta.txt"), std::string::npos);
    EXPECT_EQ(FicherosDeCarpeta(carpeta),
              std::vector<std::string>({carpeta + "/bueno.txt", carpeta + "/invalido.txt"}));

    // The twelve components make the annual cost; after a CO2 price, with it.
    const auto suma = [](const CifrasVehiculo& c) {
        double t = c.costeCo2;
        for (double x : c.componentes) t += x;
        return t;
    };
    EXPECT_NEAR(suma(*bueno.antes), bueno.antes->costeAnual, 1e-6);
    AplicarCambios(bueno, {10, 0, 0, 0, 0, 100});
    EXPECT_NEAR(suma(*bueno.despues), bueno.despues->costeAnual, 1e-6);
    EXPECT_NEAR(bueno.despues->costeCo2, bueno.despues->co2 * 100, 1e-9);
    EXPECT_NEAR(bueno.despues->componentes[6], bueno.antes->componentes[6] * 1.1, 1e-6);  // fuel
    // A copy that cannot be calculated keeps the reason; no change brings the figures back.
    AplicarCambios(bueno, {0, 0, 0, 0, -100, 0});
    EXPECT_TRUE(bueno.fallo == FalloVehiculo::Cambios && !bueno.despues && bueno.error.starts_with("Con los cambios"));
    AplicarCambios(bueno, {});
    EXPECT_TRUE(bueno.fallo == FalloVehiculo::Ninguno && bueno.error.empty());
    EXPECT_EQ(bueno.despues->costeAnual, bueno.antes->costeAnual);

    AplicarCambios(bueno, {0, 0, 0, 0, 0, 50});  // the CO2 price alone is a change
    EXPECT_NEAR(bueno.despues->costeAnual - bueno.antes->costeAnual, bueno.antes->co2 * 50, 1e-6);
    AplicarCambios(bueno, {0, 0, 0, 0, 10, 0});
    SumaFlota s;
    for (const VehiculoFlota* v : {&bueno, &invalido, &bueno}) s.Sumar(*v);
    EXPECT_EQ(s.antes.vehiculos(), 2);
    EXPECT_EQ(s.sinCifras, 1);
    EXPECT_DOUBLE_EQ(s.despues.Total().km, 2 * 132000);
    EXPECT_DOUBLE_EQ(s.antes.Total().componentes[2], 2 * bueno.antes->componentes[2]);
    const std::string csv = CsvFlota({&bueno, &invalido}, s);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);  // header, two rows, totals
    EXPECT_NE(csv.find("invalido.txt;"), std::string::npos);
    EXPECT_NE(csv.find("\r\n;Totales;240000;264000;24000;"), std::string::npos);
    std::filesystem::remove_all(carpeta);
}

}  // namespace
}  // namespace tarvelon::pruebas
