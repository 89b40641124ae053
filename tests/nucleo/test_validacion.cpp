// Validation of a record before the calculation, and the general-data
// window's own check of its boxes.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ApoyoPruebas.h"
#include "model/DatosGeneralesCheck.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

// The twelve rules in their order, each with a way to break it.
const std::pair<const char*, const char*> kReglas[] = {
    {"CFCabezaPrecioBruto=0", "Error en Precio de Cabeza Tractora"},
    {"CFCabezaPeriodoAmortizacion=0", "Error en Periodo de amortización de cabeza tractora"},
    {"CFDiasDeActividad=0,5", "Error en Días de actividad"},
    {"CFHorasAnualesTrabajadas=-3", "Error en Horas anuales trabajadas"},
    {"CFPeriodoAFinanciar=0", "Error en Periodo a financiar"},
    {"CFVehiculoCuantiaAFinanciar=0", "Error en Porcentaje a financiar del vehículo"},
    {"CVConsumoMedio=-1", "Error en Consumo Medio de combustible"},
    {"CVDuracionMediaDeLosNeumaticos=0", "Error en Duración Media de los Neumáticos"},
    {"CVPrecioBrutoDelGasoleo=0", "Error en Precio Bruto del Gasóleo"},
    {"DGNumeroTotalDeNeumaticos=0", "Error en Número Total de Neumáticos"},
    {"KilometrajeAnual=-100", "Error en Kilometros Anuales"},
    {"ServiciosDiarios=0", "Error en Servicios Diarios"}};

// Rule 1 appends without a separator, every later rule with "\r\n" even when
// nothing stands before it; each call starts afresh.
TEST(Validar, MensajesDeCadaReglaYDeTodas)
{
    Simulacion s = EjemploTrabajado();
    s.ErrorMsg = "de antes";
    EXPECT_TRUE(s.Validar());
    EXPECT_EQ(s.ErrorMsg, "");
    std::string todas;
    for (size_t i = 0; i < std::size(kReglas); ++i) {
        const std::string mensaje = (i == 0 ? "" : "\r\n") + std::string(kReglas[i].second);
        todas += mensaje;
        s = Cambiado(s, kReglas[i].first);
        EXPECT_FALSE(s.Validar());
        EXPECT_EQ(s.ErrorMsg, todas);
        Simulacion sola = Cambiado(EjemploTrabajado(), kReglas[i].first);
        EXPECT_FALSE(sola.Validar());
        EXPECT_FALSE(sola.Validar());
        EXPECT_EQ(sola.ErrorMsg, mensaje);
    }
    Simulacion nuevo;  // every checked field is 0
    EXPECT_FALSE(nuevo.Validar());
    EXPECT_EQ(nuevo.ErrorMsg, todas);
}

// Days, hours and tyres are rounded halves to even into 16 bits first.
TEST(Validar, RedondeoYLimites)
{
    // Days, hours, tyres and the outcome: 1 passes, 0 fails, 6 overflow.
    const std::tuple<double, double, int32_t, int> casos[] = {
        {0.5, 1760, 12, 0}, {0.51, 1760, 12, 1},  {220, 1.5, 12, 1},  {220, 0.5, 12, 0},    {220, 1760, 1, 1},
        {220, 1760, -4, 0}, {40000, 1760, 12, 6}, {220, -1e9, 12, 6}, {220, 1760, 70000, 6}};
    for (const auto& [dias, horas, neumaticos, resultado] : casos) {
        Simulacion s = EjemploTrabajado();
        s.CFDiasDeActividad = dias;
        s.CFHorasAnualesTrabajadas = horas;
        s.DGNumeroTotalDeNeumaticos = neumaticos;
        bool valido = false;
        const int error = NumeroDeError([&] { valido = s.Validar(); });
        EXPECT_EQ(error ? error : int{valido}, resultado) << dias << " " << horas << " " << neumaticos;
    }
    // Fields no rule checks may be 0.
    EXPECT_TRUE(Cambiado(EjemploTrabajado(),
                         "CFSemiPrecioBruto=0 CVPrecioMedioNeumaticos=0 CFSeguroTodoRiesgo=0 "
                         "CIGastosAnuales=0 CFTAE=0 CFSemiPeriodoAmortizacion=0")
                    .Validar());
}

// Values no vehicle can have, after the twelve rules; the bounds themselves pass.
TEST(Validar, ValoresImposibles)
{
    const std::string negativo = ": valor negativo", cien = ": más del 100 %";
    const std::pair<const char*, std::string> casos[] = {
        {"CFSemiPrecioBruto=0 CFTAE=-1 CVDescuentoMedioNeumaticos=-5 TipoSeguro=3", ""},
        {"CFVehiculoCuantiaAFinanciar=100 CFSemiValorResidual=100 CVPorcentajeDeServiciosQPaganPEajes=100", ""},
        {"CFDiasDeActividad=366 CVDietasNumeroDeDias=366 CFHorasAnualesTrabajadas=8784", ""},
        {"CFIVTM=-0,5", "Error en Impuesto de Vehículos de Tracción Mecánica" + negativo},
        {"CVPorcentajeDeServiciosQPaganPEajes=-0,5", "Error en Porcentaje de servicios que pagan peajes" + negativo},
        {"CFVehiculoCuantiaAFinanciar=100,5", "Error en Porcentaje a financiar del vehículo" + cien},
        {"CFSeguridadSocialEmpresa=132", "Error en Seguridad Social Empresa" + cien},
        {"CFDiasDeActividad=366,5", "Error en Días de actividad: más de 366 días al año"},
        {"CFHorasAnualesTrabajadas=8784,5", "Error en Horas anuales trabajadas: más de 8.784 horas al año"},
        {"TipoSeguro=-1", "Error en Tipo de seguro: opción desconocida"},
        {"KilometrajeAnual=-1 CFSemiPrecioMedio=-1 TipoSeguro=4",
         "\r\nError en Kilometros Anuales\r\nError en Precio neto del Semirremolque" + negativo +
             "\r\nError en Tipo de seguro: opción desconocida"}};
    for (const auto& [cambios, mensajes] : casos) {
        Simulacion s = Cambiado(EjemploTrabajado(), cambios);
        EXPECT_EQ(s.Validar(), mensajes.empty()) << cambios;
        EXPECT_EQ(s.ErrorMsg, mensajes.empty() || mensajes[0] == '\r' ? mensajes : "\r\n" + mensajes) << cambios;
    }
}

TEST(ComprobarDatosGenerales, Casos)
{
    const std::string km = "El campo Kilometraje anual debe tener un valor mayor que 0";
    const std::string serv = "El campo Servicios Diarios debe tener un valor mayor que 0";
    const std::string vacio = "El campo Kilometraje anual en vacio debe estar relleno";
    const std::tuple<const char*, const char*, const char*, std::string> casos[] = {
        {"120000", "2", "10", ""}, {"0.5", "2", "0", ""},
        {"0,5", "2", "0", km},     {"", "2", "0", km},
        {"-5", "2", "0", km},      {" 1 2", "1", "x", ""},
        {"100", "0", "0", serv},   {"100", "2", "", vacio},
        {"100", "2", " ", ""},     {"0", "0", "", km + "\r\n" + serv + "\r\n" + vacio}};
    for (const auto& [kilometraje, servicios, enVacio, mensajes] : casos)
        EXPECT_EQ(ComprobarDatosGenerales(kilometraje, servicios, enVacio), mensajes)
            << kilometraje << "|" << servicios << "|" << enVacio;
    EXPECT_EQ(
        PreguntaDatosGenerales(ComprobarDatosGenerales("0,5", "0", "5")),
        "Se ha producido el siguiente(s) error(es): \r\n" + km + "\r\n" + serv + "\r\n¿Desea corregir los errores?");
}

}  // namespace
