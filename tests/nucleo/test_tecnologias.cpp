// Whole-life cost by technology: the formulas against plain sums, the diesel
// column against the record, break-even, refund and carbon price; the
// reference and scenario readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include "ApoyoPruebas.h"

#include "model/Analisis.h"
#include "model/Numeros.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/InformesTecnologias.h"

namespace tarvelon::pruebas {
namespace {

EntradaTecnologia SinCarbono(const Simulacion& calculada)
{
    EntradaTecnologia d = DieselDelRegistro(calculada, {});
    d.devolucion = false;
    d.factorTtw = 2.66;
    return d;
}

// The worked example's diesel column (no refund, no carbon) and a copy named `otra`.
EscenarioTecnologias Escenario(int horizonte, double tasa)
{
    const EntradaTecnologia d = SinCarbono(Calculada(EjemploTrabajado()));
    EntradaTecnologia o = d;
    o.nombre = kElectrico;
    EscenarioTecnologias e;
    e.horizonte = horizonte;
    e.primerAnio = 2026;
    e.tasa = tasa;
    e.tecnologias = {d, o};
    return e;
}

TEST(Tecnologias, DieselDelAnioUnoEsElDelRegistroYLoComunElResto)
{
    const Simulacion s = Calculada(EjemploTrabajado());
    const auto r = CalcularTecnologias(EjemploTrabajado(), Escenario(5, 4), 2025);
    const AnioTecnologia& a = r.tecnologias[0].anios[0];
    EXPECT_NEAR(a.energia, s.CosteAnualCombustible, 0.005);
    EXPECT_NEAR(a.mantenimiento, s.CosteAnualMantenimiento, 0.005);
    EXPECT_NEAR(a.peajes, s.CosteAnualPeajes, 0.005);
    // Every annual cost of the record but the tractor's capital (amortisation and financing).
    const double semi = (100 - s.CFSemiValorResidual) * s.CFSemiPrecioMedio / 100 / s.CFSemiPeriodoAmortizacion;
    EXPECT_NEAR(a.total + s.CosteAnualAmortizacion - semi + s.CosteAnualDeFinanciacion,
                s.CostesDirectosAnuales + s.CostesInDirectosAnuales, 0.01);
}

// Each case changes the second column and the scenario, then checks the figures.
TEST(Tecnologias, FormulasCasoACaso)
{
    struct Caso {
        const char* nombre;
        std::function<void(EscenarioTecnologias&)> cambiar;
        std::function<void(const CosteVidaTecnologias&, const EscenarioTecnologias&)> comprobar;
    };
    const Caso casos[] = {
        {"igual al diésel: equilibrio en el año 1, mismas cifras", [](auto&) {},
         [](const auto& r, const auto&) {
             const auto &d = r.tecnologias[0], &o = r.tecnologias[1];
             EXPECT_EQ(o.anioEquilibrio, 1);
             EXPECT_EQ(o.recuperacionAnios, 0.0);
             EXPECT_EQ(o.valorPresente, d.valorPresente);
             EXPECT_EQ(d.anioEquilibrio, std::nullopt);
         }},
        {"tasa 0: sumas simples",
         [](auto& e) {
             e.tasa = 0.0;
             e.tecnologias[1].precio += 50000;
             e.tecnologias[1].consumo /= 2;
         },
         [](const auto& r, const auto& e) {
             for (const auto& t : r.tecnologias) {
                 double suma = t.capitalInicial - t.valorResidual;
                 for (const auto& a : t.anios) suma += a.total;
                 EXPECT_NEAR(t.valorPresente, suma, 1e-6);
                 EXPECT_NEAR(t.costeKm, suma / (*e.horizonte * r.kilometros), 1e-12);
                 EXPECT_EQ(t.anios.back().acumulado, t.valorPresente);
             }
             const auto &d = r.tecnologias[0], &o = r.tecnologias[1];
             EXPECT_DOUBLE_EQ(*o.recuperacionAnios, 50000 / (d.anios[0].total - o.anios[0].total));
             // Cheaper to run, dearer to buy: the costs cross at a km where both present costs are equal.
             ASSERT_TRUE(o.kmEquilibrio);
             EscenarioTecnologias en = e;
             en.horizonte = *e.horizonte;
             const auto k = CalcularTecnologias(
                 Cambiado(EjemploTrabajado(), "KilometrajeAnual=" + NumeroATexto(*o.kmEquilibrio)), en, 2025);
             EXPECT_NEAR(k.tecnologias[0].valorPresente, k.tecnologias[1].valorPresente, 1.0);
         }},
        {"sin ahorro anual: ni recuperación ni km de equilibrio", [](auto& e) { e.tecnologias[1].precio += 1000; },
         [](const auto& r, const auto&) {
             EXPECT_EQ(r.tecnologias[1].recuperacionAnios, std::nullopt);
             EXPECT_EQ(r.tecnologias[1].kmEquilibrio, std::nullopt);
             EXPECT_EQ(r.tecnologias[1].anioEquilibrio, std::nullopt);
         }},
        {"devolución hasta su tope",
         [](auto& e) {
             e.tecnologias[0].devolucion = e.tecnologias[1].devolucion = true;
             e.tecnologias[1].consumo = 80;  // 96.000 l a year, above the 50.000 l cap
         },
         [](const auto& r, const auto& e) {
             const auto& d = e.tecnologias[0];
             const double litros = r.kilometros * d.consumo / 100;
             EXPECT_NEAR(r.tecnologias[0].anios[0].energia, litros * d.precioEnergia - litros * 49 / 1000, 1e-6);
             EXPECT_NEAR(r.tecnologias[1].anios[0].energia, 96000 * d.precioEnergia - 50000 * 49 / 1000.0, 1e-6);
         }},
        {"precio del carbono desde su primer año; variación del precio desde el año 2",
         [](auto& e) {
             e.tecnologias[0].pagaCarbono = true;
             e.tecnologias[1].variacionPrecio = 10;
         },
         [](const auto& r, const auto& e) {
             const double t = r.kilometros * e.tecnologias[0].consumo / 100 * 2.66 / 1000;
             const auto& a = r.tecnologias[0].anios;
             EXPECT_EQ(a[0].carbono + a[1].carbono, 0.0);  // 2026, 2027
             EXPECT_DOUBLE_EQ(a[2].carbono, t * 45);
             EXPECT_EQ(r.tecnologias[1].anios[2].carbono, 0.0);
             EXPECT_EQ(r.tecnologias[1].anios[0].energia, a[0].energia);
             EXPECT_DOUBLE_EQ(r.tecnologias[1].anios[1].energia, a[0].energia * 1.1);
         }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        EscenarioTecnologias e = Escenario(6, 5);
        c.cambiar(e);
        c.comprobar(CalcularTecnologias(EjemploTrabajado(), e, 2025), e);
    }
}

TEST(Tecnologias, ElectricidadMasCaraNuncaAbarata)
{
    EscenarioTecnologias e = Escenario(10, 3);
    e.tecnologias[1].consumo = 120;
    e.tecnologias[1].cuotaPublica = 30;
    double anterior = -1e300;
    for (double p = 0; p <= 1; p += 0.05)
        for (double* campo : {&e.tecnologias[1].precioEnergia, &e.tecnologias[1].precioPublico}) {
            *campo = p;
            const double vp = CalcularTecnologias(EjemploTrabajado(), e, 2025).tecnologias[1].valorPresente;
            EXPECT_GE(vp, anterior) << p;
            anterior = vp;
        }
    EXPECT_EQ(PrecioCo2({{2028, 45}, {2030, 60}}, 2029), 45);
    EXPECT_EQ(CalcularTecnologias(EjemploTrabajado(), EscenarioTecnologias{{}, {}, {}, e.tecnologias}, 2031).primerAnio,
              2032);
}

TEST(Tecnologias, LectoresNombranLineaYClaveSinCambiarNada)
{
    const std::pair<const char*, const char*> malas[] = {
        {"# x\ngnl.consumo = 26 kg | f | 2024\ngnl.consumo = 2 kg | f | 2024",
         "Línea 3 (gnl.consumo): clave repetida."},
        {"gnl.consumo = 26,5.0 kg | f | 2024", "Línea 1 (gnl.consumo): «26,5.0» no es un número"},
        {"tren.consumo = 1 kg | f | 2024", "Línea 1 (tren.consumo): tecnología desconocida"},
        {"hvo.cuota_publica = 101 % | f | 2024", "Línea 1 (hvo.cuota_publica): valor fuera"},
        {"hvo.paga_carbono = 2 - | f | 2024", "Línea 1 (hvo.paga_carbono): se escribe 1"},
        {"hvo.consumo = 30 | f | 2024", "Línea 1 (hvo.consumo): falta la unidad"},
        {"\nhvo.consumo = 30 l | f", "Línea 2 (hvo.consumo): se escribe «valor unidad | fuente | fecha»."},
        {"hvo.color = 3 l | f | 2024", "Línea 1 (hvo.color): clave desconocida."},
    };
    for (const auto& [texto, mensaje] : malas) {
        try {
            LeerReferenciaTecnologias(texto);
            ADD_FAILURE() << texto;
        } catch (const ErrorReferencia& e) {
            EXPECT_EQ(std::string(e.what()).find(mensaje), 0u) << e.what();
        }
    }
    EscenarioTecnologias e = Escenario(6, 5);
    e.precioCo2 = {{2027, 30}, {2030, 80}};
    const std::string guardado = EscenarioAJson(e);
    EscenarioTecnologias leido{{}, {}, {}, {EntradaTecnologia{kDiesel}, EntradaTecnologia{kElectrico}}};
    LeerEscenarioTecnologias(guardado, leido);
    EXPECT_EQ(EscenarioAJson(leido), guardado);
    for (const char* malo : {R"({"version":1,"horizonte":6,"tasa":"5"})", R"({"version":2})",
                             R"({"version":1,"tecnologias":[{"nombre":"GNL"}]})",
                             R"({"version":1,"precio_co2":{"20x":5}})", R"({"version":1,"horizonte":1e300})"}) {
        EXPECT_THROW(LeerEscenarioTecnologias(malo, leido), ErrorEscenario) << malo;
        EXPECT_EQ(EscenarioAJson(leido), guardado);
    }
}

// The cost-per-km curve takes in each break-even km, where the two lines meet.
TEST(Tecnologias, CurvaKmCruzaEnElKmDeEquilibrio)
{
    EscenarioTecnologias e = Escenario(6, 4);
    e.tecnologias[1].precio += 60000;
    e.tecnologias[1].precioEnergia /= 2;
    const auto r = CalcularTecnologias(EjemploTrabajado(), e, 2025);
    ASSERT_TRUE(r.tecnologias[1].kmEquilibrio);
    const double km = *r.tecnologias[1].kmEquilibrio;
    const auto curva = CurvaKmTecnologias(EjemploTrabajado(), e, r, 2025, 10);
    ASSERT_EQ(curva.size(), 11u);
    EXPECT_TRUE(std::is_sorted(curva.begin(), curva.end(), [](auto& a, auto& b) { return a.km < b.km; }));
    EXPECT_LE(curva.front().km, r.kilometros / 2);
    const auto cruce = std::find_if(curva.begin(), curva.end(), [&](auto& p) { return p.km == km; });
    ASSERT_NE(cruce, curva.end());
    EXPECT_NEAR(*cruce->costeKm[0], *cruce->costeKm[1], 1e-6);
}

TEST(Tecnologias, CaminoCo2EnTexto)
{
    const std::map<int, double> camino{{2028, 45}, {2030, 60.5}};
    EXPECT_EQ(CaminoCo2ATexto(camino), "2028: 45; 2030: 60,5");
    EXPECT_EQ(LeerCaminoCo2(" 2030: 60,5 ;2028:45;"), camino);
    EXPECT_TRUE(LeerCaminoCo2("").empty());
    for (const char* malo : {"2028 45", "28: 45", "2028: 4.5", "2028: -1", "2028: 45; 2028: 50"})
        EXPECT_THROW(LeerCaminoCo2(malo), ErrorEjecucion) << malo;
}

}  // namespace
}  // namespace tarvelon::pruebas
