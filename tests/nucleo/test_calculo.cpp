// The cost calculation: the worked example, its variants and the failures
// that stop it at a given step.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ApoyoPruebas.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

constexpr double kCuatroDecimales = 5e-5;

// Every result field with the step of the calculation that stores it.
struct Resultado {
    int paso;
    const char* nombre;
    double Simulacion::*campo;
};

const std::vector<Resultado>& Resultados()
{
    static const std::vector<Resultado> r = {
        {4, "CosteAnualAmortizacion", &Simulacion::CosteAnualAmortizacion},
        {5, "CosteAnualDeFinanciacion", &Simulacion::CosteAnualDeFinanciacion},
        {6, "CosteAnualDePersonal", &Simulacion::CosteAnualDePersonal},
        {7, "CosteAnualCargasFiscales", &Simulacion::CosteAnualCargasFiscales},
        {8, "CosteAnualSegurosDelVehiculo", &Simulacion::CosteAnualSegurosDelVehiculo},
        {9, "CosteAnualOtrosGastosFijos", &Simulacion::CosteAnualOtrosGastosFijos},
        {10, "CostesFijosAnuales", &Simulacion::CostesFijosAnuales},
        {11, "CostesFijosAnualesporKm", &Simulacion::CostesFijosAnualesporKm},
        {12, "NumeroServiciosAnuales", &Simulacion::NumeroServiciosAnuales},
        {13, "CostesFijosAnualesporServicio", &Simulacion::CostesFijosAnualesporServicio},
        {14, "CosteAnualCombustible", &Simulacion::CosteAnualCombustible},
        {15, "CosteAnualDietas", &Simulacion::CosteAnualDietas},
        {16, "CosteAnualNeumaticos", &Simulacion::CosteAnualNeumaticos},
        {17, "CosteAnualMantenimiento", &Simulacion::CosteAnualMantenimiento},
        {18, "CosteAnualPeajes", &Simulacion::CosteAnualPeajes},
        {19, "CostesVariablesAnuales", &Simulacion::CostesVariablesAnuales},
        {20, "CostesVariablesAnualesporKm", &Simulacion::CostesVariablesAnualesporKm},
        {21, "CostesVariablesAnualesporServicio", &Simulacion::CostesVariablesAnualesporServicio},
        {22, "CostesDirectosAnuales", &Simulacion::CostesDirectosAnuales},
        {23, "CostesDirectosporKm", &Simulacion::CostesDirectosporKm},
        {24, "CostesDirectosporServicio", &Simulacion::CostesDirectosporServicio},
        {25, "CostesInDirectosAnuales", &Simulacion::CostesInDirectosAnuales},
        {26, "CostesInDirectosporKm", &Simulacion::CostesInDirectosporKm},
        {27, "CostesInDirectosporServicio", &Simulacion::CostesInDirectosporServicio},
        {28, "CostesFijosPorDia", &Simulacion::CostesFijosPorDia},
        {29, "CostesFijosPorHora", &Simulacion::CostesFijosPorHora},
    };
    return r;
}

constexpr double kMarca = -777.25;

void MarcarResultados(Simulacion& s)
{
    for (const auto& r : Resultados()) s.*r.campo = kMarca;
}

TEST(Calcular, EjemploTrabajadoACuatroDecimales)
{
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    const struct {
        double Simulacion::*campo;
        double valor;
    } esperados[] = {
        {&Simulacion::CosteAnualAmortizacion, 13400},
        {&Simulacion::CosteAnualDeFinanciacion, 1946.3194},
        {&Simulacion::CosteAnualDePersonal, 32880},
        {&Simulacion::CosteAnualCargasFiscales, 1100},
        {&Simulacion::CosteAnualSegurosDelVehiculo, 4000},
        {&Simulacion::CosteAnualOtrosGastosFijos, 1000},
        {&Simulacion::CostesFijosAnuales, 54326.3194},
        {&Simulacion::CostesFijosAnualesporKm, 0.4527},
        {&Simulacion::NumeroServiciosAnuales, 440},
        {&Simulacion::CostesFijosAnualesporServicio, 123.4689},
        {&Simulacion::CosteAnualCombustible, 41580},
        {&Simulacion::CosteAnualDietas, 6600},
        {&Simulacion::CosteAnualNeumaticos, 3840},
        {&Simulacion::CosteAnualMantenimiento, 9600},
        {&Simulacion::CosteAnualPeajes, 5280},
        {&Simulacion::CostesVariablesAnuales, 66900},
        {&Simulacion::CostesVariablesAnualesporKm, 0.5575},
        {&Simulacion::CostesVariablesAnualesporServicio, 152.0455},
        {&Simulacion::CostesDirectosAnuales, 121226.3194},
        {&Simulacion::CostesDirectosporKm, 1.0102},
        {&Simulacion::CostesDirectosporServicio, 275.5144},
        {&Simulacion::CostesInDirectosAnuales, 12000},
        {&Simulacion::CostesInDirectosporKm, 0.1},
        {&Simulacion::CostesInDirectosporServicio, 27.2727},
        {&Simulacion::CostesFijosPorDia, 246.9378},
        {&Simulacion::CostesFijosPorHora, 30.8672},
    };
    ASSERT_EQ(std::size(esperados), Resultados().size());
    for (size_t i = 0; i < std::size(esperados); ++i) {
        SCOPED_TRACE(Resultados()[i].nombre);
        EXPECT_NEAR(s.*esperados[i].campo, esperados[i].valor, kCuatroDecimales);
    }
}

TEST(Calcular, PagoAnualDelPrestamo)
{
    EXPECT_NEAR(PagoAnualPrestamo(91200, 0.05, 4), 25719.4791, kCuatroDecimales);
    EXPECT_NEAR(PagoAnualPrestamo(91200, 0.05, 3), 33489.4211, kCuatroDecimales);
    // A 0 % loan is repaid in equal parts.
    EXPECT_DOUBLE_EQ(PagoAnualPrestamo(91200, 0, 4), 22800);
    EXPECT_DOUBLE_EQ(PagoAnualPrestamo(0, 0, 4), 0);
    EXPECT_EQ(NumeroDeError([] { (void)PagoAnualPrestamo(91200, 0.05, 0); }), 11);
    EXPECT_EQ(NumeroDeError([] { (void)PagoAnualPrestamo(0, 0.05, 0); }), 6);
    EXPECT_EQ(NumeroDeError([] { (void)PagoAnualPrestamo(91200, 0, 0); }), 11);
}

TEST(Calcular, CadaResultadoSobrescribeLoAnterior)
{
    Simulacion s = EjemploTrabajado();
    MarcarResultados(s);
    s.Calcular(SeguroEjemplo());
    for (const auto& r : Resultados()) {
        SCOPED_TRACE(r.nombre);
        EXPECT_NE(s.*r.campo, kMarca);
    }
}

// Rows of the key=value form that are not results must not change.
TEST(Calcular, NoTocaNingunCampoQueNoSeaResultado)
{
    Simulacion s = EjemploTrabajado();
    s.CostesFijosAnualesporKmServicio = 5.5;
    s.CostesVariablesAnualesporKmServicio = 6.5;
    s.ErrorMsg = "anterior";
    s.TipoSeguro = 3;
    s.CFSeguroTodoRiesgo = 9999;
    const TablaLineas antes = s.ToArray();
    s.Calcular(SeguroEjemplo());
    const TablaLineas despues = s.ToArray();
    ASSERT_EQ(antes.UltimaFila(), despues.UltimaFila());
    for (int fila = 1; fila <= antes.UltimaFila(); ++fila) {
        std::string clave = antes.Clave(fila);
        clave.pop_back();  // the trailing "="
        bool esResultado = false;
        for (const auto& r : Resultados()) esResultado = esResultado || clave == r.nombre;
        if (!esResultado) {
            SCOPED_TRACE(clave);
            EXPECT_EQ(antes.Valor(fila), despues.Valor(fila));
        }
    }
}

struct Variante {
    const char* nombre;
    std::function<void(Simulacion&, EntradaSeguro&)> cambiar;
    double Simulacion::*campo;
    double esperado;
};

TEST(Calcular, Variantes)
{
    const Variante variantes[] = {
        {"financiacion a tres anos", [](Simulacion& s, EntradaSeguro&) { s.CFPeriodoAFinanciar = 3; },
         &Simulacion::CosteAnualDeFinanciacion, 1544.7105},
        // Interest is spread over the tractor's amortisation period: 8 years instead of 6.
        {"amortizacion de la cabeza en 8 anos",
         [](Simulacion& s, EntradaSeguro&) { s.CFCabezaPeriodoAmortizacion = 8; },
         &Simulacion::CosteAnualDeFinanciacion, 1946.3194 * 6 / 8},
        {"sin semirremolque amortizado",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFSemiPeriodoAmortizacion = 0;
             s.CFSemiPrecioMedio = 1e6;
             s.CFSemiValorResidual = -50;
             s.CFVehiculoCuantiaAFinanciar = 0;
         },
         &Simulacion::CosteAnualAmortizacion, 10400},
        {"neumaticos que valen mas que la cabeza",
         [](Simulacion& s, EntradaSeguro&) {
             s.DGNumeroTotalDeNeumaticos = 300;
             s.CVPrecioMedioNeumaticos = 1000;
         },
         &Simulacion::CosteAnualAmortizacion, (67200.0 - 300000.0) / 6 + 3000},
        {"prestamo al 0 %", [](Simulacion& s, EntradaSeguro&) { s.CFTAE = 0; },
         &Simulacion::CosteAnualDeFinanciacion, 0},
        {"prestamo al 0 % sin nada financiado",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFTAE = 0;
             s.CFVehiculoCuantiaAFinanciar = 0;
         },
         &Simulacion::CosteAnualDeFinanciacion, 0},
        {"ningun seguro de danos elegido",
         [](Simulacion&, EntradaSeguro& e) { e.opcion = 0; },
         &Simulacion::CosteAnualSegurosDelVehiculo, 1000},
        {"todo riesgo con la casilla de solo obligatorio vacia",
         [](Simulacion&, EntradaSeguro& e) {
             e.opcion = 3;
             e.primaObligatorio = "";
             e.primaObligatorioYTerceros = "abc";
             e.primaTodoRiesgo = "5000";
         },
         &Simulacion::CosteAnualSegurosDelVehiculo, 6000},
        {"solo obligatorio con punto de miles y coma",
         [](Simulacion&, EntradaSeguro& e) {
             e.opcion = 1;
             e.primaObligatorio = " 1.500,5 ";
             e.primaObligatorioYTerceros = "";
         },
         &Simulacion::CosteAnualSegurosDelVehiculo, 2500.5},
        {"seguridad social solo sobre la retribucion ordinaria",
         [](Simulacion& s, EntradaSeguro&) { s.CFPlusDeAsistencia = 10000; },
         &Simulacion::CosteAnualDePersonal, 24000 + 10000 + 0.32 * 24000},
        {"peajes por servicio", [](Simulacion& s, EntradaSeguro&) { s.CVPorcentajeDeServiciosQPaganPEajes = 100; },
         &Simulacion::CosteAnualPeajes, 440 * 30},
        {"indirectos fuera de los directos", [](Simulacion& s, EntradaSeguro&) { s.CIGastosAnuales = 99999; },
         &Simulacion::CostesDirectosAnuales, 121226.3194},
        {"por dia solo costes fijos", [](Simulacion& s, EntradaSeguro&) { s.CIGastosAnuales = 99999; },
         &Simulacion::CostesFijosPorDia, 246.9378},
    };
    for (const auto& v : variantes) {
        SCOPED_TRACE(v.nombre);
        Simulacion s = EjemploTrabajado();
        EntradaSeguro e = SeguroEjemplo();
        v.cambiar(s, e);
        ASSERT_EQ(NumeroDeError([&] { s.Calcular(e); }), 0);
        EXPECT_NEAR(s.*v.campo, v.esperado, kCuatroDecimales);
    }
}

// Inputs that the calculation does not use, and the record's own insurance
// fields (the window's are used instead), change no result.
TEST(Calcular, EntradasQueNoIntervienen)
{
    Simulacion base = EjemploTrabajado();
    base.Calcular(SeguroEjemplo());

    Simulacion s = EjemploTrabajado();
    s.Tipo = "Otro";
    s.DGKilometrajeAnualEnVacio = 35;
    s.DGPotenciaCV = 480;
    s.DGPesoMaximoAutorizado = 40;
    s.DGCargaUtil = 25000;
    s.DGNumeroDeEjes = 5;
    s.CFCabezaPrecioBruto = 1;
    s.CFSemiPrecioBruto = 2;
    s.CFCabezaDescuentoMedio = 250;
    s.CFSemiDescuentoMedio = -3;
    s.CVPrecioBrutoDelGasoleo = 7;
    s.CVDescuentoMedioSobreCombustible = 8;
    s.CVPrecioBrutoNeumaticos = 9;
    s.CVDescuentoMedioNeumaticos = 10;
    s.TipoSeguro = 3;
    s.CFSeguroObligatorio = 11;
    s.CFSeguroObligatorioYTerceros = 12;
    s.CFSeguroTodoRiesgo = 13;
    s.CFSeguroMercancia = 14;
    s.CFResponsabilidadCivil = 15;
    s.Calcular(SeguroEjemplo());
    for (const auto& r : Resultados()) {
        SCOPED_TRACE(r.nombre);
        EXPECT_EQ(s.*r.campo, base.*r.campo);
    }
}

TEST(Calcular, SeguroTomadoDelPropioRegistro)
{
    Simulacion s = EjemploTrabajado();
    s.TipoSeguro = 2;
    s.CFSeguroObligatorio = 100;
    s.CFSeguroObligatorioYTerceros = 3000;
    s.CFSeguroTodoRiesgo = 300;
    s.CFSeguroMercancia = 600.5;
    s.CFResponsabilidadCivil = 400;
    const EntradaSeguro e = SeguroDesdeRegistro(s);
    EXPECT_EQ(e.opcion, 2);
    EXPECT_EQ(e.primaObligatorioYTerceros, "3000");
    EXPECT_EQ(e.mercancia, "600,5");
    EXPECT_EQ(e.responsabilidadCivil, "400");
    s.Calcular(e);
    EXPECT_NEAR(s.CosteAnualSegurosDelVehiculo, 4000.5, kCuatroDecimales);

    for (int16_t otro : {int16_t{0}, int16_t{4}, int16_t{-1}}) {
        s.TipoSeguro = otro;
        EXPECT_EQ(SeguroDesdeRegistro(s).opcion, 0) << otro;
    }
    s.TipoSeguro = 1;
    EXPECT_EQ(SeguroDesdeRegistro(s).primaObligatorio, "100");
    s.TipoSeguro = 3;
    EXPECT_EQ(SeguroDesdeRegistro(s).primaTodoRiesgo, "300");
}

struct Fallo {
    const char* nombre;
    std::function<void(Simulacion&, EntradaSeguro&)> cambiar;
    int paso;
    int error;
};

// The first failing step raises its error; earlier steps keep their results,
// the failing one and all later ones store nothing.
TEST(Calcular, FallosParanEnSuPaso)
{
    const Fallo fallos[] = {
        {"amortizacion de cabeza 0", [](Simulacion& s, EntradaSeguro&) { s.CFCabezaPeriodoAmortizacion = 0; }, 2,
         11},
        {"amortizacion de cabeza 0 con importe 0",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFCabezaPeriodoAmortizacion = 0;
             s.CFCabezaValorResidual = 100;
             s.DGNumeroTotalDeNeumaticos = 0;
         },
         2, 6},
        {"valor del vehiculo fuera de rango",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFCabezaPrecioMedio = 1.5e308;
             s.CFSemiPrecioMedio = 1.5e308;
         },
         1, 6},
        {"periodo a financiar 0", [](Simulacion& s, EntradaSeguro&) { s.CFPeriodoAFinanciar = 0; }, 5, 11},
        {"periodo a financiar 0 sin financiar",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFPeriodoAFinanciar = 0;
             s.CFVehiculoCuantiaAFinanciar = 0;
         },
         5, 6},
        {"periodo a financiar 0 al 0 %",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFPeriodoAFinanciar = 0;
             s.CFTAE = 0;
         },
         5, 11},
        {"periodo a financiar 32768", [](Simulacion& s, EntradaSeguro&) { s.CFPeriodoAFinanciar = 32768; }, 5, 6},
        {"periodo a financiar -40000", [](Simulacion& s, EntradaSeguro&) { s.CFPeriodoAFinanciar = -40000; }, 5, 6},
        {"cargas fiscales fuera de rango",
         [](Simulacion& s, EntradaSeguro&) {
             s.CFIVTM = 1e308;
             s.CFVisado = 1e308;
         },
         7, 6},
        {"responsabilidad civil vacia", [](Simulacion&, EntradaSeguro& e) { e.responsabilidadCivil = ""; }, 8, 13},
        {"mercancia no numerica", [](Simulacion&, EntradaSeguro& e) { e.mercancia = "abc"; }, 8, 13},
        {"prima elegida vacia", [](Simulacion&, EntradaSeguro& e) { e.primaObligatorioYTerceros = ""; }, 8, 13},
        {"solo obligatorio con texto", [](Simulacion&, EntradaSeguro& e) {
             e.opcion = 1;
             e.primaObligatorio = "x";
         },
         8, 13},
        {"kilometraje anual 0", [](Simulacion& s, EntradaSeguro&) { s.KilometrajeAnual = 0; }, 11, 11},
        {"dias de actividad 0", [](Simulacion& s, EntradaSeguro&) { s.CFDiasDeActividad = 0; }, 13, 11},
        {"servicios diarios 0", [](Simulacion& s, EntradaSeguro&) { s.ServiciosDiarios = 0; }, 13, 11},
        {"combustible fuera de rango",
         [](Simulacion& s, EntradaSeguro&) {
             s.CVConsumoMedio = 1e200;
             s.CVPrecioDelGasoleo = 1e200;
         },
         14, 6},
        {"duracion de neumaticos 0", [](Simulacion& s, EntradaSeguro&) { s.CVDuracionMediaDeLosNeumaticos = 0; },
         16, 11},
        {"duracion de neumaticos 0 sin neumaticos",
         [](Simulacion& s, EntradaSeguro&) {
             s.CVDuracionMediaDeLosNeumaticos = 0;
             s.DGNumeroTotalDeNeumaticos = 0;
         },
         16, 6},
        {"peajes fuera de rango", [](Simulacion& s, EntradaSeguro&) { s.CVCosteMedioDelKMEnAutopista = 1e307; },
         18, 6},
        {"horas anuales 0", [](Simulacion& s, EntradaSeguro&) { s.CFHorasAnualesTrabajadas = 0; }, 29, 11},
    };
    for (const auto& f : fallos) {
        SCOPED_TRACE(f.nombre);
        Simulacion s = EjemploTrabajado();
        EntradaSeguro e = SeguroEjemplo();
        f.cambiar(s, e);
        MarcarResultados(s);
        EXPECT_EQ(NumeroDeError([&] { s.Calcular(e); }), f.error);
        for (const auto& r : Resultados()) {
            SCOPED_TRACE(r.nombre);
            if (r.paso < f.paso)
                EXPECT_NE(s.*r.campo, kMarca);
            else
                EXPECT_EQ(s.*r.campo, kMarca);
        }
    }
}

TEST(Calcular, ResponsabilidadCivilVaciaDejaLosPasosUnoASiete)
{
    Simulacion s = EjemploTrabajado();
    EntradaSeguro e = SeguroEjemplo();
    e.responsabilidadCivil = "";
    EXPECT_EQ(NumeroDeError([&] { s.Calcular(e); }), 13);
    EXPECT_NEAR(s.CosteAnualAmortizacion, 13400, kCuatroDecimales);
    EXPECT_NEAR(s.CosteAnualDeFinanciacion, 1946.3194, kCuatroDecimales);
    EXPECT_NEAR(s.CosteAnualDePersonal, 32880, kCuatroDecimales);
    EXPECT_NEAR(s.CosteAnualCargasFiscales, 1100, kCuatroDecimales);
    EXPECT_EQ(s.CosteAnualSegurosDelVehiculo, 0);
    EXPECT_EQ(s.CostesFijosAnuales, 0);
}

TEST(Calcular, InteresDeMenosCienNoRompeElPrograma)
{
    Simulacion s = EjemploTrabajado();
    s.CFTAE = -100;
    EXPECT_NE(NumeroDeError([&] { s.Calcular(SeguroEjemplo()); }), -1);
}

}  // namespace
