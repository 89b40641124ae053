#include "model/EtiquetasCampos.h"

#include <array>
#include <utility>

namespace tarvelon {

namespace {

using Par = std::pair<std::string_view, std::string_view>;

const auto kEtiquetas = std::to_array<Par>({
    // Results.
    {"NumeroServiciosAnuales", "Servicios anuales"},
    {"CosteAnualAmortizacion", "Amortización (€/año)"},
    {"CosteAnualDeFinanciacion", "Financiación (€/año)"},
    {"CosteAnualDePersonal", "Personal (€/año)"},
    {"CosteAnualCargasFiscales", "Cargas fiscales (€/año)"},
    {"CosteAnualSegurosDelVehiculo", "Seguros del vehículo (€/año)"},
    {"CosteAnualOtrosGastosFijos", "Otros gastos fijos (€/año)"},
    {"CostesFijosAnuales", "Costes fijos (€/año)"},
    {"CostesFijosAnualesporKm", "Costes fijos (€/km)"},
    {"CostesFijosAnualesporKmServicio", "Costes fijos (€/km y servicio)"},
    {"CostesFijosAnualesporServicio", "Costes fijos (€/servicio)"},
    {"CosteAnualCombustible", "Combustible (€/año)"},
    {"CosteAnualDietas", "Dietas (€/año)"},
    {"CosteAnualNeumaticos", "Neumáticos (€/año)"},
    {"CosteAnualMantenimiento", "Mantenimiento y reparación (€/año)"},
    {"CosteAnualPeajes", "Peajes (€/año)"},
    {"CostesVariablesAnuales", "Costes variables (€/año)"},
    {"CostesVariablesAnualesporKm", "Costes variables (€/km)"},
    {"CostesVariablesAnualesporKmServicio", "Costes variables (€/km y servicio)"},
    {"CostesVariablesAnualesporServicio", "Costes variables (€/servicio)"},
    {"CostesDirectosAnuales", "Costes directos (€/año)"},
    {"CostesDirectosporKm", "Costes directos (€/km)"},
    {"CostesDirectosporServicio", "Costes directos (€/servicio)"},
    {"CostesInDirectosAnuales", "Costes indirectos (€/año)"},
    {"CostesInDirectosporKm", "Costes indirectos (€/km)"},
    {"CostesInDirectosporServicio", "Costes indirectos (€/servicio)"},
    {"CostesFijosPorDia", "Costes fijos (€/día)"},
    {"CostesFijosPorHora", "Costes fijos (€/hora)"},
    // Inputs varied by the sensitivity analysis.
    {"CFCabezaPrecioMedio", "Precio neto cabeza (€)"},
    {"CFSemiPrecioMedio", "Precio neto semirremolque (€)"},
    {"CFCabezaValorResidual", "Valor residual cabeza (%)"},
    {"CFSemiValorResidual", "Valor residual semirremolque (%)"},
    {"CFVehiculoCuantiaAFinanciar", "Cuantía a financiar (%)"},
    {"CFTAE", "Tipo de interés (TAE)"},
    {"CFHorasAnualesTrabajadas", "Horas anuales trabajadas"},
    {"CFDiasDeActividad", "Días de actividad"},
    {"CFSeguridadSocialEmpresa", "Seguridad Social empresa (%)"},
    {"CFRetribucionOrdinaria1ConductorMecanico", "Retribución del conductor (€/año)"},
    {"CFPlusDeAsistencia", "Plus de asistencia (€/año)"},
    {"CFVisado", "Visado (€/año)"},
    {"CFIVTM", "IVTM (€/año)"},
    {"CFITV", "ITV (€/año)"},
    {"CFIAE", "IAE (€/año)"},
    {"CFATP", "ATP (€/año)"},
    {"CFADR", "ADR (€/año)"},
    {"CFCosteRevisionTacografo", "Revisión del tacógrafo (€/año)"},
    {"CFOtrosGastosFijos", "Otros gastos fijos (€/año)"},
    {"CVPrecioDelGasoleo", "Precio del gasóleo (€/litro)"},
    {"CVConsumoMedio", "Consumo medio (l/100 km)"},
    {"CVDietaMedia", "Dieta media (€/día)"},
    {"CVPrecioMedioNeumaticos", "Precio neumáticos (€/unidad)"},
    {"CVMantenimientoYReparacion", "Mantenimiento (€/km)"},
    {"CVCosteMedioDelKMEnAutopista", "Peaje medio (€/servicio)"},
    {"CVPorcentajeDeServiciosQPaganPEajes", "Servicios con peaje (%)"},
    {"CIGastosAnuales", "Gastos generales (€/año)"},
    {"ServiciosDiarios", "Servicios diarios"},
    {"KilometrajeAnual", "Kilometraje anual (km)"},
    // The other inputs, for the messages about a value that is not a number.
    {"DGRecorridoMedioPorVehiculo", "Recorrido medio por vehículo (km)"},
    {"DGTiempoMedioPorVehiculo", "Tiempo medio por vehículo (horas)"},
    {"DGKilometrajeAnualEnVacio", "Kilometraje anual en vacío (%)"},
    {"DGPotenciaCV", "Potencia (CV)"},
    {"DGPesoMaximoAutorizado", "Peso máximo autorizado"},
    {"DGCargaUtil", "Carga útil"},
    {"DGNumeroDeEjes", "Número de ejes"},
    {"DGNumeroTotalDeNeumaticos", "Número total de neumáticos"},
    {"CFCabezaPrecioBruto", "Precio cabeza sin IVA (€)"},
    {"CFSemiPrecioBruto", "Precio semirremolque sin IVA (€)"},
    {"CFCabezaDescuentoMedio", "Descuento cabeza (%)"},
    {"CFSemiDescuentoMedio", "Descuento semirremolque (%)"},
    {"CFCabezaPeriodoAmortizacion", "Amortización cabeza (años)"},
    {"CFSemiPeriodoAmortizacion", "Amortización semirremolque (años)"},
    {"CFPeriodoAFinanciar", "Periodo a financiar (años)"},
    {"TipoSeguro", "Tipo de seguro"},
    {"CFSeguroObligatorio", "Seguro solo obligatorio (€/año)"},
    {"CFSeguroObligatorioYTerceros", "Seguro obligatorio + terceros (€/año)"},
    {"CFSeguroTodoRiesgo", "Seguro todo riesgo (€/año)"},
    {"CFSeguroMercancia", "Seguro de mercancía (€/año)"},
    {"CFResponsabilidadCivil", "Responsabilidad civil (€/año)"},
    {"CVPrecioBrutoDelGasoleo", "Precio bruto del gasóleo (€/litro)"},
    {"CVDescuentoMedioSobreCombustible", "Descuento sobre combustible (%)"},
    {"CVDietasNumeroDeDias", "Días de dietas"},
    {"CVPrecioBrutoNeumaticos", "Precio bruto neumáticos (€/unidad)"},
    {"CVDescuentoMedioNeumaticos", "Descuento neumáticos (%)"},
    {"CVDuracionMediaDeLosNeumaticos", "Duración de los neumáticos (km)"},
});

}  // namespace

std::string EtiquetaCampo(std::string_view campo)
{
    for (const auto& [nombre, etiqueta] : kEtiquetas)
        if (nombre == campo) return std::string(etiqueta);
    return std::string(campo);
}

}  // namespace tarvelon
