#include "windows/MapaCajas.h"

#include <algorithm>

namespace tarvelon {

namespace {
using V = VentanaCampo;

constexpr CajaCampo kMapa[] = {
    {"Tipo", "", V::Vehiculo, false},
    {"ServiciosDiarios", "ServiciosDiarios", V::DatosGenerales, false},
    {"KilometrajeAnual", "KilometrajeAnual", V::DatosGenerales, false},
    {"DGKilometrajeAnualEnVacio", "DGKilometrajeAnualEnVacio", V::DatosGenerales, true},
    {"DGPotenciaCV", "DGPotenciaCV", V::Vehiculo, true},
    {"DGPesoMaximoAutorizado", "DGPesoMaximoAutorizado", V::Vehiculo, true},
    {"DGCargaUtil", "DGCargaUtil", V::Vehiculo, true},
    {"DGNumeroDeEjes", "DGNumeroDeEjes", V::Vehiculo, true},
    {"CFCabezaPrecioBruto", "CFCabezaPrecioBruto", V::CostesFijosA, true},
    {"CFCabezaDescuentoMedio", "CFCabezaDescuentoMedio", V::CostesFijosA, true},
    {"CFCabezaPrecioMedio", "CFCabezaPrecioMedio", V::CostesFijosA, true},
    {"CFCabezaValorResidual", "CFCabezaValorResidual", V::CostesFijosA, true},
    {"CFCabezaPeriodoAmortizacion", "CFCabezaPeriodoAmortizacion", V::CostesFijosA, true},
    {"CFSemiPrecioBruto", "CFSemiPrecioBruto", V::CostesFijosA, true},
    {"CFSemiDescuentoMedio", "CFSemiDescuentoMedio", V::CostesFijosA, true},
    {"CFSemiPrecioMedio", "CFSemiPrecioMedio", V::CostesFijosA, true},
    {"CFSemiValorResidual", "CFSemiValorResidual", V::CostesFijosA, true},
    {"CFSemiPeriodoAmortizacion", "CFSemiPeriodoAmortizacion", V::CostesFijosA, true},
    {"CFVehiculoCuantiaAFinanciar", "CFVehiculoCuantiaAFinanciar", V::CostesFijosA, true},
    {"CFPeriodoAFinanciar", "CFPeriodoAFinanciar", V::CostesFijosA, true},
    {"CFTAE", "CFTAE", V::CostesFijosA, true},
    {"CFHorasAnualesTrabajadas", "CFHorasAnualesTrabajadas", V::DatosGenerales, true},
    {"CFDiasDeActividad", "CFDiasDeActividad", V::DatosGenerales, true},
    {"CFSeguridadSocialEmpresa", "CFSeguridadSocialEmpresa", V::CostesFijosB, true},
    {"CFRetribucionOrdinaria1ConductorMecanico", "CFRetribucionOrdinaria1ConductorMecanico", V::CostesFijosB, true},
    {"CFPlusDeAsistencia", "CFPlusDeAsistencia", V::CostesFijosB, true},
    {"CFVisado", "CFVisado", V::CostesFijosB, true},
    {"CFIVTM", "CFIVTM", V::CostesFijosB, true},
    {"CFITV", "CFITV", V::CostesFijosB, true},
    {"CFIAE", "CFIAE", V::CostesFijosB, true},
    {"CFATP", "CFATP", V::CostesFijosB, true},
    {"CFADR", "CFADR", V::CostesFijosB, true},
    {"CFCosteRevisionTacografo", "CFCosteRevisionTacografo", V::CostesFijosB, true},
    {"TipoSeguro", "TipoSeguro", V::CostesFijosC, false},
    {"CFSeguroObligatorio", "CFSeguroObligatorio", V::CostesFijosC, true},
    {"CFSeguroObligatorioYTerceros", "CFSeguroObligatorioYTerceros", V::CostesFijosC, true},
    {"CFSeguroTodoRiesgo", "CFSeguroTodoRiesgo", V::CostesFijosC, true},
    {"CFResponsabilidadCivil", "CFResponsabilidadCivil", V::CostesFijosC, true},
    {"CFSeguroMercancia", "CFSeguroMercancia", V::CostesFijosC, true},
    {"CFOtrosGastosFijos", "CFOtrosGastosFijos", V::CostesFijosC, true},
    {"CVPrecioBrutoDelGasoleo", "CVPrecioBrutoDelGasoleo", V::CostesVariablesA, true},
    {"CVDescuentoMedioSobreCombustible", "CVDescuentoMediosobreCombustible", V::CostesVariablesA, true},
    {"CVPrecioDelGasoleo", "CVPrecioDelGasoleo", V::CostesVariablesA, true},
    {"CVConsumoMedio", "CVConsumoMedio", V::CostesVariablesA, true},
    {"CVDietaMedia", "CVDietaMedia", V::CostesVariablesA, true},
    {"CVDietasNumeroDeDias", "CVDietasNumeroDeDias", V::CostesVariablesA, true},
    {"DGNumeroTotalDeNeumaticos", "DGNumeroTotalDeNeumaticos", V::CostesVariablesB, true},
    {"CVPrecioBrutoNeumaticos", "CVPrecioBrutoNeumaticos", V::CostesVariablesB, true},
    {"CVDescuentoMedioNeumaticos", "CVDescuentoMediaNeumaticos", V::CostesVariablesB, true},
    {"CVPrecioMedioNeumaticos", "CVPrecioMedioNeumaticos", V::CostesVariablesB, true},
    {"CVDuracionMediaDeLosNeumaticos", "CVDuracionMediaDeLosNeumaticos", V::CostesVariablesB, true},
    {"CVMantenimientoYReparacion", "CVMantenimientoYReparacion", V::CostesVariablesB, true},
    {"CVCosteMedioDelKMEnAutopista", "CVCosteMedioDelKMEnAutopista", V::CostesVariablesB, true},
    {"CVPorcentajeDeServiciosQPaganPEajes", "CVPorcentajeServiciosQPaganPeajes", V::CostesVariablesB, true},
    {"CIGastosAnuales", "CIGastosAnuales", V::CostesIndirectos, true},
};
}  // namespace

std::span<const CajaCampo> MapaCajas() { return kMapa; }

std::string SufijoCaja(std::string_view campo)
{
    const auto* it =
        std::find_if(std::begin(kMapa), std::end(kMapa), [&](const CajaCampo& c) { return c.campo == campo; });
    return it == std::end(kMapa) ? std::string(campo) : std::string(it->sufijo);
}

}  // namespace tarvelon
