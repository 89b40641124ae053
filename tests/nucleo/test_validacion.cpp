// Validation of a record before the calculation, and the general-data
// window's own check of its boxes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ApoyoPruebas.h"
#include "model/DatosGeneralesCheck.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

struct Regla {
    std::function<void(Simulacion&)> romper;
    const char* mensaje;
};

// The twelve rules in their order, each with a way to break it.
const std::vector<Regla>& Reglas()
{
    static const std::vector<Regla> r = {
        {[](Simulacion& s) { s.CFCabezaPrecioBruto = 0; }, "Error en Precio de Cabeza Tractora"},
        {[](Simulacion& s) { s.CFCabezaPeriodoAmortizacion = 0; },
         "Error en Periodo de amortización de cabeza tractora"},
        {[](Simulacion& s) { s.CFDiasDeActividad = 0.5; }, "Error en Días de actividad"},
        {[](Simulacion& s) { s.CFHorasAnualesTrabajadas = -3; }, "Error en Horas anuales trabajadas"},
        {[](Simulacion& s) { s.CFPeriodoAFinanciar = 0; }, "Error en Periodo a financiar"},
        {[](Simulacion& s) { s.CFVehiculoCuantiaAFinanciar = 0; }, "Error en Porcentaje a financiar del vehículo"},
        {[](Simulacion& s) { s.CVConsumoMedio = -1; }, "Error en Consumo Medio de combustible"},
        {[](Simulacion& s) { s.CVDuracionMediaDeLosNeumaticos = 0; }, "Error en Duración Media de los Neumáticos"},
        {[](Simulacion& s) { s.CVPrecioBrutoDelGasoleo = 0; }, "Error en Precio Bruto del Gasóleo"},
        {[](Simulacion& s) { s.DGNumeroTotalDeNeumaticos = 0; }, "Error en Número Total de Neumáticos"},
        {[](Simulacion& s) { s.KilometrajeAnual = -100; }, "Error en Kilometros Anuales"},
        {[](Simulacion& s) { s.ServiciosDiarios = 0; }, "Error en Servicios Diarios"},
    };
    return r;
}

TEST(Validar, RegistroCorrectoDejaErrorMsgVacio)
{
    Simulacion s = EjemploTrabajado();
    s.ErrorMsg = "de antes";
    EXPECT_TRUE(s.Validar());
    EXPECT_EQ(s.ErrorMsg, "");
}

TEST(Validar, CadaReglaSolaDaSuMensaje)
{
    for (size_t i = 0; i < Reglas().size(); ++i) {
        SCOPED_TRACE(Reglas()[i].mensaje);
        Simulacion s = EjemploTrabajado();
        Reglas()[i].romper(s);
        EXPECT_FALSE(s.Validar());
        // Rule 1 appends without a separator, every later rule with one.
        const std::string esperado = std::string(i == 0 ? "" : "\r\n") + Reglas()[i].mensaje;
        EXPECT_EQ(s.ErrorMsg, esperado);
    }
}

TEST(Validar, TodasLasReglasFallanEnOrden)
{
    Simulacion s;  // a new record: every checked field is 0
    EXPECT_FALSE(s.Validar());
    std::string esperado;
    for (size_t i = 0; i < Reglas().size(); ++i) esperado += (i == 0 ? "" : "\r\n") + std::string(Reglas()[i].mensaje);
    EXPECT_EQ(s.ErrorMsg, esperado);

    // The same again with every rule broken on a filled record.
    Simulacion t = EjemploTrabajado();
    for (const auto& r : Reglas()) r.romper(t);
    EXPECT_FALSE(t.Validar());
    EXPECT_EQ(t.ErrorMsg, esperado);
}

TEST(Validar, CadaLlamadaEmpiezaDeNuevo)
{
    Simulacion s = EjemploTrabajado();
    s.ServiciosDiarios = 0;
    EXPECT_FALSE(s.Validar());
    EXPECT_FALSE(s.Validar());
    EXPECT_EQ(s.ErrorMsg, "\r\nError en Servicios Diarios");
    s.ServiciosDiarios = 2;
    EXPECT_TRUE(s.Validar());
    EXPECT_EQ(s.ErrorMsg, "");
}

TEST(Validar, RedondeoDeDiasYHoras)
{
    const struct {
        double dias;
        double horas;
        bool valido;
    } casos[] = {
        {0.5, 1760, false}, {0.51, 1760, true}, {220, 1.5, true}, {220, 0.5, false}, {220, 0.6, true},
        {-0.4, 1760, false}, {1, 2.5, true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << c.dias << " / " << c.horas);
        Simulacion s = EjemploTrabajado();
        s.CFDiasDeActividad = c.dias;
        s.CFHorasAnualesTrabajadas = c.horas;
        EXPECT_EQ(s.Validar(), c.valido);
    }
}

TEST(Validar, NeumaticosDesdeUno)
{
    Simulacion s = EjemploTrabajado();
    s.DGNumeroTotalDeNeumaticos = 1;
    EXPECT_TRUE(s.Validar());
    s.DGNumeroTotalDeNeumaticos = -4;
    EXPECT_FALSE(s.Validar());
}

TEST(Validar, CamposNoComprobadosPuedenSerCero)
{
    Simulacion s = EjemploTrabajado();
    s.CFSemiPrecioBruto = 0;
    s.CVPrecioMedioNeumaticos = 0;
    s.CFSeguroTodoRiesgo = 0;
    s.CFCabezaDescuentoMedio = 0;
    s.CIGastosAnuales = 0;
    s.CFTAE = 0;
    s.CFSemiPeriodoAmortizacion = 0;
    EXPECT_TRUE(s.Validar());
}

// Whole-number conversions beyond 16 bits stop the validation with overflow.
TEST(Validar, DesbordamientoAlConvertirA16Bits)
{
    const std::function<void(Simulacion&)> casos[] = {
        [](Simulacion& s) { s.CFDiasDeActividad = 40000; },
        [](Simulacion& s) { s.CFHorasAnualesTrabajadas = -1e9; },
        [](Simulacion& s) { s.DGNumeroTotalDeNeumaticos = 70000; },
    };
    for (const auto& romper : casos) {
        Simulacion s = EjemploTrabajado();
        romper(s);
        EXPECT_EQ(NumeroDeError([&] { (void)s.Validar(); }), 6);
    }
}

TEST(Validar, SoloCambiaErrorMsg)
{
    Simulacion s = EjemploTrabajado();
    s.ServiciosDiarios = 0;
    const TablaLineas antes = s.ToArray();
    (void)s.Validar();
    const TablaLineas despues = s.ToArray();
    for (int fila = 1; fila < antes.UltimaFila(); ++fila) {
        SCOPED_TRACE(antes.Clave(fila));
        EXPECT_EQ(antes.Valor(fila), despues.Valor(fila));
    }
}

TEST(ComprobarDatosGenerales, Casos)
{
    const std::string km = "El campo Kilometraje anual debe tener un valor mayor que 0";
    const std::string serv = "El campo Servicios Diarios debe tener un valor mayor que 0";
    const std::string vacio = "El campo Kilometraje anual en vacio debe estar relleno";
    const struct {
        const char* km;
        const char* servicios;
        const char* enVacio;
        std::string mensajes;
    } casos[] = {
        {"120000", "2", "10", ""},
        {"0.5", "2", "0", ""},
        {"0,5", "2", "0", km},
        {"", "2", "0", km},
        {"abc", "2", "0", km},
        {"-5", "2", "0", km},
        {" 1 2", "1", "x", ""},
        {"100", "0", "0", serv},
        {"100", "", "0", serv},
        {"100", "2", "", vacio},
        {"100", "2", " ", ""},
        {"0", "0", "", km + "\r\n" + serv + "\r\n" + vacio},
        {"100", "0", "", serv + "\r\n" + vacio},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::Message() << "[" << c.km << "] [" << c.servicios << "] [" << c.enVacio << "]");
        EXPECT_EQ(ComprobarDatosGenerales(c.km, c.servicios, c.enVacio), c.mensajes);
    }
}

TEST(ComprobarDatosGenerales, PreguntaConDosMensajes)
{
    const std::string mensajes = ComprobarDatosGenerales("0,5", "0", "5");
    EXPECT_EQ(PreguntaDatosGenerales(mensajes),
              "Se ha producido el siguiente(s) error(es): \r\n"
              "El campo Kilometraje anual debe tener un valor mayor que 0\r\n"
              "El campo Servicios Diarios debe tener un valor mayor que 0\r\n"
              "¿Desea corregir los errores?");
    EXPECT_EQ(kTituloComprobacionDatosGenerales, "Mirandel de costes de la VDR");
}

}  // namespace
