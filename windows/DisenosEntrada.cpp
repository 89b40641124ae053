#include "windows/DisenosEntrada.h"

#include "model/Numeros.h"
#include "windows/MapaCajas.h"

namespace tarvelon {

namespace {
FilaEntrada Fila(std::string etiqueta, std::string sufijo, int copiar, int maximo = 14)
{
    FilaEntrada f;
    f.etiqueta = std::move(etiqueta);
    f.sufijos = {std::move(sufijo)};
    f.copiar = copiar;
    f.maximo = maximo;
    return f;
}

FilaEntrada Derivada(std::string etiqueta, std::vector<std::string> sufijos)
{
    FilaEntrada f;
    f.etiqueta = std::move(etiqueta);
    f.sufijos = std::move(sufijos);
    f.derivada = true;
    return f;
}

FilaEntrada Doble(std::string etiqueta, std::string cabeza, std::string semi, int copiar)
{
    FilaEntrada f;
    f.etiqueta = std::move(etiqueta);
    f.sufijos = {std::move(cabeza), std::move(semi)};
    f.copiar = copiar;
    return f;
}
}  // namespace

DisenoVentana DisenoDatosGenerales()
{
    FilaEntrada horas = Fila("Horas anuales trabajadas", "CFHorasAnualesTrabajadas", 3, 7);
    horas.etiquetaReferencia = "Horas laborales básicas anuales";
    return {"DatosGenerales",
            "1-DATOS GENERALES",
            {{"CARACTERÍSTICAS DE EXPLOTACIÓN",
              "",
              {},
              {Fila("Nº de servicios diarios por vehículo", "ServiciosDiarios", 0),
               Fila("Kilometraje anual (Km/año)", "KilometrajeAnual", 1),
               Fila("% Kilometraje anual en vacio", "DGKilometrajeAnualEnVacio", 2), horas,
               Fila("Días de Actividad", "CFDiasDeActividad", 4, 6)}}},
            false,
            {}};
}

DisenoVentana DisenoCostesFijosA()
{
    return {"CostesFijosA",
            "2-Costes Fijos A - VEHICULOS Y EQUIPAMIENTOS",
            {{"AMORTIZACIÓN",
              "",
              {"Cabeza Tractora o Camión", "Semirremolque o Carrozado"},
              {Doble("Precio Venta sin IVA (€)", "CFCabezaPrecioBruto", "CFSemiPrecioBruto", 0),
               Doble("Dto. Medio sobre Tarifa (%)", "CFCabezaDescuentoMedio", "CFSemiDescuentoMedio", 1),
               Derivada("Precio neto (€)", {"CFCabezaPrecioMedio", "CFSemiPrecioMedio"}),
               Doble("Valor residual (%)", "CFCabezaValorResidual", "CFSemiValorResidual", 3),
               Doble("Periodo amortización (años)", "CFCabezaPeriodoAmortizacion", "CFSemiPeriodoAmortizacion", 4)}},
             {"FINANCIACIÓN",
              "",
              {},
              {Fila("Vehículo: cuantía a financiar (%)", "CFVehiculoCuantiaAFinanciar", 5),
               Fila("Periodo a financiar (años)", "CFPeriodoAFinanciar", 6),
               Fila("Tipo interés anual (TAE)", "CFTAE", 7)}}},
            true,
            {}};
}

DisenoVentana DisenoCostesFijosB()
{
    return {"CostesFijosB",
            "3-Costes Fijos B - PERSONAL, IMPUESTOS",
            {{"PERSONAL",
              "",
              {},
              {Fila("Seguridad Social Empresa (%)", "CFSeguridadSocialEmpresa", 0, 5),
               Fila("Retribución ordinaria 1 conductor mecánico (€/Año)", "CFRetribucionOrdinaria1ConductorMecanico", 1,
                    10),
               Fila("Plus de Asistencia (€/año)", "CFPlusDeAsistencia", 2, 10)}},
             {"IMPUESTOS",
              "",
              {},
              {Fila("Visado autorización de Tte. (€/año)", "CFVisado", 3, 10),
               Fila("Impuesto Veh. Tracción Mec. (€/año)", "CFIVTM", 4), Fila("Coste ITV (€/año)", "CFITV", 5),
               Fila("Coste IAE (€/Año)", "CFIAE", 6),
               Fila("Coste Revisión Tacógrafo (€/Año)", "CFCosteRevisionTacografo", 7),
               Fila("Coste ATP (€/Año)", "CFATP", 8), Fila("Coste ADR (€/Año)", "CFADR", 9)}}},
            false,
            {}};
}

DisenoVentana DisenoCostesFijosC()
{
    FilaEntrada obligatorio = Fila("Solo Obligatorio  (€/año)", "CFSeguroObligatorio", 0);
    obligatorio.opcion = "OptionSeguroObligatorio";
    FilaEntrada terceros = Fila("Obligatorio + Terceros (€/año)", "CFSeguroObligatorioYTerceros", 1);
    terceros.opcion = "OptionSeguroObligatorioyTerceros";
    FilaEntrada todoRiesgo = Fila("Todo Riesgo (€/año)", "CFSeguroTodoRiesgo", 2);
    todoRiesgo.opcion = "OptionTodoRiesgo";
    return {"CostesFijosC",
            "4-Costes Fijos C - SEGUROS, OTROS",
            {{"SEGUROS",
              "Seguro de daños del vehículo",
              {},
              {obligatorio, terceros, todoRiesgo, Fila("Seguro mercancía  (€/año)", "CFSeguroMercancia", 3),
               Fila("Responsabilidad civil (€/año)", "CFResponsabilidadCivil", 4)}},
             {"OTROS", "", {}, {Fila("Otros Gastos Fijos (€/año)", "CFOtrosGastosFijos", 5)}}},
            false,
            {"TipoSeguro"}};
}

DisenoVentana DisenoCostesVariablesA()
{
    return {"CostesVariablesA",
            "5-Costes Variables A - COMBUSTIBLE, DIETAS",
            {{"COMBUSTIBLE",
              "",
              {},
              {Fila("Precio bruto del gasóleo SIN IVA (€/litro) ", "CVPrecioBrutoDelGasoleo", 0),
               Fila("Descuento medio sobre combustible %", SufijoCaja("CVDescuentoMedioSobreCombustible"), 1),
               Derivada("Precio del gasóleo (€/litro) ", {"CVPrecioDelGasoleo"}),
               Fila("Consumo medio (lit/100 km)", "CVConsumoMedio", 2)}},
             {"DIETAS",
              "",
              {},
              {Fila("Dieta Media (€/día)", "CVDietaMedia", 3), Fila("Nº de días", "CVDietasNumeroDeDias", 4)}}},
            false,
            {}};
}

DisenoVentana DisenoCostesVariablesB()
{
    return {
        "CostesVariablesB",
        "6-Costes Variables B - NEUMÁTICOS, MANTENIM. Y REPARACIÓN, PEAJES",
        {{"NEUMÁTICOS",
          "",
          {},
          {Fila("Precio Bruto Neumáticos (€/unidad)", "CVPrecioBrutoNeumaticos", 0),
           Fila("Descuento Medio sobre Neumáticos %", SufijoCaja("CVDescuentoMedioNeumaticos"), 1),
           Derivada("Precio Medio Neumáticos (€/unidad)", {"CVPrecioMedioNeumaticos"}),
           Fila("Duración Media de los Neumáticos(km)", "CVDuracionMediaDeLosNeumaticos", 2),
           Fila("Número total de neumáticos", "DGNumeroTotalDeNeumaticos", 3)}},
         {"MANTENIMIENTO Y REPARACIÓN",
          "",
          {},
          {Fila("Mantenim. y Reparacion anual ( €/Km)", "CVMantenimientoYReparacion", 4)}},
         {"PEAJES",
          "",
          {},
          {Fila("Coste medio del Km en autopista (€/Servicio)", "CVCosteMedioDelKMEnAutopista", 5),
           Fila("Porcentaje de servicios que pagan peajes", SufijoCaja("CVPorcentajeDeServiciosQPaganPEajes"), 6)}}},
        false,
        {}};
}

DisenoVentana DisenoCostesIndirectos()
{
    return {"CostesIndirectos",
            "7.- Costes Indirectos",
            {{"COSTES INDIRECTOS",
              "",
              {},
              {Fila("Gastos anuales generales (instalaciones, equipos, personal no conductor, etc, en euros)",
                    "CIGastosAnuales", 0)}}},
            false,
            {}};
}

VentanaEntrada* CrearCostesFijosA(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesFijosA(), parent);
    v->EnlazarPrecioNeto("CFCabezaPrecioBruto", "CFCabezaDescuentoMedio", "CFCabezaPrecioMedio", FormatoEnteroMiles);
    v->EnlazarPrecioNeto("CFSemiPrecioBruto", "CFSemiDescuentoMedio", "CFSemiPrecioMedio", FormatoEnteroMiles);
    return v;
}

VentanaEntrada* CrearCostesFijosB(QWidget* parent) { return new VentanaEntrada(DisenoCostesFijosB(), parent); }

VentanaEntrada* CrearCostesVariablesA(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesVariablesA(), parent);
    v->EnlazarPrecioNeto("CVPrecioBrutoDelGasoleo", SufijoCaja("CVDescuentoMedioSobreCombustible"),
                         "CVPrecioDelGasoleo", FormatoCuatroSinMiles);
    return v;
}

VentanaEntrada* CrearCostesVariablesB(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesVariablesB(), parent);
    v->EnlazarPrecioNeto("CVPrecioBrutoNeumaticos", SufijoCaja("CVDescuentoMedioNeumaticos"), "CVPrecioMedioNeumaticos",
                         FormatoDosDecimales);
    return v;
}

VentanaEntrada* CrearCostesIndirectos(QWidget* parent) { return new VentanaEntrada(DisenoCostesIndirectos(), parent); }

}  // namespace tarvelon
