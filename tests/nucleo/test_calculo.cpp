// The cost calculation: the worked example, its variants and the failures
// that stop it at a given step.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ApoyoPruebas.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

constexpr double kCuatroDecimales = 5e-5;
constexpr double kMarca = -777.25;

// Every result with the step that stores it and its value in the worked example.
struct Resultado {
    int paso;
    const char* nombre;
    double Simulacion::*campo;
    double ejemplo;
};
#define R(paso, campo, valor) \
    Resultado { paso, #campo, &Simulacion::campo, valor }
const Resultado kResultados[] = {R(4, CosteAnualAmortizacion, 13400),
                                 R(5, CosteAnualDeFinanciacion, 1946.3194),
                                 R(6, CosteAnualDePersonal, 32880),
                                 R(7, CosteAnualCargasFiscales, 1100),
                                 R(8, CosteAnualSegurosDelVehiculo, 4000),
                                 R(9, CosteAnualOtrosGastosFijos, 1000),
                                 R(10, CostesFijosAnuales, 54326.3194),
                                 R(11, CostesFijosAnualesporKm, 0.4527),
                                 R(12, NumeroServiciosAnuales, 440),
                                 R(13, CostesFijosAnualesporServicio, 123.4689),
                                 R(14, CosteAnualCombustible, 41580),
                                 R(15, CosteAnualDietas, 6600),
                                 R(16, CosteAnualNeumaticos, 3840),
                                 R(17, CosteAnualMantenimiento, 9600),
                                 R(18, CosteAnualPeajes, 5280),
                                 R(19, CostesVariablesAnuales, 66900),
                                 R(20, CostesVariablesAnualesporKm, 0.5575),
                                 R(21, CostesVariablesAnualesporServicio, 152.0455),
                                 R(22, CostesDirectosAnuales, 121226.3194),
                                 R(23, CostesDirectosporKm, 1.0102),
                                 R(24, CostesDirectosporServicio, 275.5144),
                                 R(25, CostesInDirectosAnuales, 12000),
                                 R(26, CostesInDirectosporKm, 0.1),
                                 R(27, CostesInDirectosporServicio, 27.2727),
                                 R(28, CostesFijosPorDia, 246.9378),
                                 R(29, CostesFijosPorHora, 30.8672)};
#undef R

void MarcarResultados(Simulacion& s)
{
    for (const auto& r : kResultados) s.*r.campo = kMarca;
}

// Every result is stored over what was there; no other row of the record changes.
TEST(Calcular, EjemploTrabajadoACuatroDecimales)
{
    Simulacion s = Cambiado(EjemploTrabajado(), "CostesFijosAnualesporKmServicio=5,5 ErrorMsg=anterior");
    MarcarResultados(s);
    const TablaLineas antes = s.ToArray();
    s.Calcular(SeguroEjemplo());
    for (const auto& r : kResultados) EXPECT_NEAR(s.*r.campo, r.ejemplo, kCuatroDecimales) << r.nombre;
    const TablaLineas despues = s.ToArray();
    for (int fila = 1; fila <= antes.UltimaFila(); ++fila) {
        bool resultado = false;
        for (const auto& r : kResultados) resultado = resultado || antes.Clave(fila) == r.nombre + std::string("=");
        EXPECT_EQ(antes.Valor(fila), resultado ? antes.Valor(fila) : despues.Valor(fila)) << antes.Clave(fila);
    }
}

const EntradaSeguro kSeguro = SeguroEjemplo();

TEST(Calcular, Variantes)
{
    const std::tuple<const char*, EntradaSeguro, double Simulacion::*, double> variantes[] = {
        {"CFPeriodoAFinanciar=3", kSeguro, &Simulacion::CosteAnualDeFinanciacion, 1544.7105},
        // Interest is spread over the tractor's amortisation period: 8 years instead of 6.
        {"CFCabezaPeriodoAmortizacion=8", kSeguro, &Simulacion::CosteAnualDeFinanciacion, 1946.3194 * 6 / 8},
        {"CFSemiPeriodoAmortizacion=0 CFSemiPrecioMedio=1000000 CFSemiValorResidual=-50 CFVehiculoCuantiaAFinanciar=0",
         kSeguro, &Simulacion::CosteAnualAmortizacion, 10400},
        // Tyres worth more than the tractor: a negative amortisation, used as it is.
        {"DGNumeroTotalDeNeumaticos=300", kSeguro, &Simulacion::CosteAnualAmortizacion, (67200.0 - 120000) / 6 + 3000},
        {"CFTAE=0", kSeguro, &Simulacion::CosteAnualDeFinanciacion, 0},
        {"CFADR=250 CFATP=50", kSeguro, &Simulacion::CosteAnualCargasFiscales, 1400},
        {"", {0, "0", "3000", "0", "600", "400"}, &Simulacion::CosteAnualSegurosDelVehiculo, 1000},
        {"", {3, "", "abc", "5000", "600", "400"}, &Simulacion::CosteAnualSegurosDelVehiculo, 6000},
        {"", {1, " 1.500,5 ", "", "x", "600", "400"}, &Simulacion::CosteAnualSegurosDelVehiculo, 2500.5},
        {"CFPlusDeAsistencia=10000", kSeguro, &Simulacion::CosteAnualDePersonal, 24000 + 10000 + 0.32 * 24000},
        {"CVPorcentajeDeServiciosQPaganPEajes=100", kSeguro, &Simulacion::CosteAnualPeajes, 440 * 30},
        // Overheads stay out of the direct costs; per day is fixed costs only.
        {"CIGastosAnuales=99999", kSeguro, &Simulacion::CostesDirectosAnuales, 121226.3194},
        {"CIGastosAnuales=99999", kSeguro, &Simulacion::CostesFijosPorDia, 246.9378}};
    for (const auto& [cambios, seguro, campo, esperado] : variantes) {
        SCOPED_TRACE(testing::Message() << cambios << " / opcion " << seguro.opcion);
        Simulacion s = Cambiado(EjemploTrabajado(), cambios);
        const EntradaSeguro e = seguro;
        ASSERT_EQ(NumeroDeError([&] { s.Calcular(e); }), 0);
        EXPECT_NEAR(s.*campo, esperado, kCuatroDecimales);
    }
}

// TipoSeguro 1 to 3 chooses the premium; any other value, none.
TEST(Calcular, SeguroTomadoDelPropioRegistro)
{
    Simulacion s = Cambiado(EjemploTrabajado(),
                            "CFSeguroObligatorio=100 CFSeguroObligatorioYTerceros=3000 "
                            "CFSeguroTodoRiesgo=300 CFSeguroMercancia=600,5 "
                            "CFResponsabilidadCivil=400");
    const double casos[][3] = {{1, 1, 1100.5}, {2, 2, 4000.5}, {3, 3, 1300.5},
                               {0, 0, 1000.5}, {4, 0, 1000.5}, {-1, 0, 1000.5}};
    for (const auto& [tipo, opcion, seguros] : casos) {
        s.TipoSeguro = static_cast<int16_t>(tipo);
        const EntradaSeguro e = SeguroDesdeRegistro(s);
        EXPECT_EQ(e.opcion, opcion) << tipo;
        EXPECT_EQ(e.mercancia, "600,5");
        s.Calcular(e);
        EXPECT_NEAR(s.CosteAnualSegurosDelVehiculo, seguros, kCuatroDecimales) << tipo;
    }
}

// The first failing step raises its error; earlier steps keep their results,
// the failing one and all later ones store nothing.
TEST(Calcular, FallosParanEnSuPaso)
{
    const std::tuple<const char*, EntradaSeguro, int, int> fallos[] = {
        {"CFCabezaPrecioMedio=1,5E+308 CFSemiPrecioMedio=1,5E+308", kSeguro, 1, 6},
        {"CFCabezaPeriodoAmortizacion=0", kSeguro, 2, 11},
        {"CFCabezaPeriodoAmortizacion=0 CFCabezaValorResidual=100 DGNumeroTotalDeNeumaticos=0", kSeguro, 2, 6},
        {"CFPeriodoAFinanciar=0", kSeguro, 5, 11},
        {"CFPeriodoAFinanciar=0 CFTAE=0", kSeguro, 5, 11},
        {"CFPeriodoAFinanciar=32768", kSeguro, 5, 6},
        {"CFIVTM=1E+308 CFVisado=1E+308", kSeguro, 7, 6},
        {"", {2, "0", "3000", "0", "600", ""}, 8, 13},
        {"", {1, "x", "3000", "0", "600", "400"}, 8, 13},
        {"KilometrajeAnual=0", kSeguro, 11, 11},
        {"CFDiasDeActividad=0", kSeguro, 13, 11},
        {"ServiciosDiarios=0", kSeguro, 13, 11},
        {"CVConsumoMedio=1E+200 CVPrecioDelGasoleo=1E+200", kSeguro, 14, 6},
        {"CVDuracionMediaDeLosNeumaticos=0", kSeguro, 16, 11},
        {"CVDuracionMediaDeLosNeumaticos=0 DGNumeroTotalDeNeumaticos=0", kSeguro, 16, 6},
        {"CVCosteMedioDelKMEnAutopista=1E+307", kSeguro, 18, 6},
        {"CFHorasAnualesTrabajadas=0", kSeguro, 29, 11}};
    for (const auto& [cambios, seguro, paso, error] : fallos) {
        SCOPED_TRACE(testing::Message() << cambios << " / " << seguro.mercancia << seguro.responsabilidadCivil);
        Simulacion s = Cambiado(EjemploTrabajado(), cambios);
        MarcarResultados(s);
        const EntradaSeguro e = seguro;
        EXPECT_EQ(NumeroDeError([&] { s.Calcular(e); }), error);
        for (const auto& r : kResultados) EXPECT_EQ(s.*r.campo == kMarca, r.paso >= paso) << r.nombre;
    }
}

}  // namespace
