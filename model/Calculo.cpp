// The annual cost structure of one vehicle. Every operation is checked as it
// is formed, so a failing step raises its error and the steps before it keep
// the results they stored.
#include "model/Aritmetica.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"

namespace tarvelon {

using namespace aritmetica;

namespace {

// The premium of the chosen damage insurance; only that box is read.
double PrimaElegida(const EntradaSeguro& seguro)
{
    switch (seguro.opcion) {
    case 1: return TextoANumero(seguro.primaObligatorio);
    case 2: return TextoANumero(seguro.primaObligatorioYTerceros);
    case 3: return TextoANumero(seguro.primaTodoRiesgo);
    default: return 0.0;
    }
}

}  // namespace

double PagoAnualPrestamo(double importe, double tipo, int16_t pagos)
{
    // A 0 % loan is repaid in equal parts; the formula would be 0 / 0.
    if (tipo == 0.0) return Cociente(importe, pagos);
    const double interes = Producto(importe, tipo);
    const double factor = Potencia(Suma(1.0, tipo), -static_cast<double>(pagos));
    return Cociente(interes, Resta(1.0, factor));
}

void Simulacion::Calcular(const EntradaSeguro& seguro)
{
    // 1-4: amortisation. The full tyre set is a variable cost, so its value
    // comes out of the tractor's amortised amount.
    const double valorVehiculo = Suma(CFSemiPrecioMedio, CFCabezaPrecioMedio);
    const double amortizacionCabeza =
        Cociente(Resta(Cociente(Producto(Resta(100.0, CFCabezaValorResidual), CFCabezaPrecioMedio), 100.0),
                       Producto(DGNumeroTotalDeNeumaticos, CVPrecioMedioNeumaticos)),
                 CFCabezaPeriodoAmortizacion);
    double amortizacionSemi = 0.0;
    if (CFSemiPeriodoAmortizacion != 0)
        amortizacionSemi = Cociente(Cociente(Producto(Resta(100.0, CFSemiValorResidual), CFSemiPrecioMedio), 100.0),
                                    CFSemiPeriodoAmortizacion);
    CosteAnualAmortizacion = Suma(amortizacionCabeza, amortizacionSemi);

    // 5: financing. The interest paid over the loan is spread over the
    // tractor's amortisation period.
    const double financiado = Cociente(Producto(CFVehiculoCuantiaAFinanciar, valorVehiculo), 100.0);
    const int16_t pagos = RedondearInteger(CFPeriodoAFinanciar);
    const double tipo = Cociente(CFTAE, 100.0);
    const double pago = PagoAnualPrestamo(financiado, tipo, pagos);
    // A 0 % loan carries no interest at all, whatever the rounding of its instalments.
    CosteAnualDeFinanciacion =
        tipo == 0.0 ? 0.0 : Cociente(Resta(Producto(pago, pagos), financiado), CFCabezaPeriodoAmortizacion);

    // 6: one driver; social security applies to the ordinary pay only.
    CosteAnualDePersonal =
        Suma(Suma(CFPlusDeAsistencia, CFRetribucionOrdinaria1ConductorMecanico),
             Cociente(Producto(CFSeguridadSocialEmpresa, CFRetribucionOrdinaria1ConductorMecanico), 100.0));

    // 7
    double cargas = Suma(CFIVTM, CFVisado);
    cargas = Suma(cargas, CFITV);
    cargas = Suma(cargas, CFIAE);
    cargas = Suma(cargas, CFCosteRevisionTacografo);
    cargas = Suma(cargas, CFATP);
    CosteAnualCargasFiscales = Suma(cargas, CFADR);

    // 8: insurance as the insurance window shows it.
    const double prima = PrimaElegida(seguro);
    const double mercancia = TextoANumero(seguro.mercancia);
    const double responsabilidad = TextoANumero(seguro.responsabilidadCivil);
    CosteAnualSegurosDelVehiculo = Suma(Suma(mercancia, prima), responsabilidad);

    // 9-13
    CosteAnualOtrosGastosFijos = CFOtrosGastosFijos;
    double fijos = Suma(CosteAnualDeFinanciacion, CosteAnualAmortizacion);
    fijos = Suma(fijos, CosteAnualDePersonal);
    fijos = Suma(fijos, CosteAnualCargasFiscales);
    fijos = Suma(fijos, CosteAnualSegurosDelVehiculo);
    CostesFijosAnuales = Suma(fijos, CFOtrosGastosFijos);
    CostesFijosAnualesporKm = Cociente(CostesFijosAnuales, KilometrajeAnual);
    NumeroServiciosAnuales = Producto(CFDiasDeActividad, ServiciosDiarios);
    CostesFijosAnualesporServicio = Cociente(CostesFijosAnuales, NumeroServiciosAnuales);

    // 14-18: variable costs.
    CosteAnualCombustible = Cociente(Producto(Producto(CVConsumoMedio, CVPrecioDelGasoleo), KilometrajeAnual), 100.0);
    CosteAnualDietas = Producto(CVDietasNumeroDeDias, CVDietaMedia);
    CosteAnualNeumaticos =
        Cociente(Producto(Producto(DGNumeroTotalDeNeumaticos, CVPrecioMedioNeumaticos), KilometrajeAnual),
                 CVDuracionMediaDeLosNeumaticos);
    CosteAnualMantenimiento = Producto(KilometrajeAnual, CVMantenimientoYReparacion);
    CosteAnualPeajes = Cociente(
        Producto(Producto(NumeroServiciosAnuales, CVCosteMedioDelKMEnAutopista), CVPorcentajeDeServiciosQPaganPEajes),
        100.0);

    // 19-24
    double variables = Suma(CosteAnualDietas, CosteAnualCombustible);
    variables = Suma(variables, CosteAnualNeumaticos);
    variables = Suma(variables, CosteAnualMantenimiento);
    CostesVariablesAnuales = Suma(variables, CosteAnualPeajes);
    CostesVariablesAnualesporKm = Cociente(CostesVariablesAnuales, KilometrajeAnual);
    CostesVariablesAnualesporServicio = Cociente(CostesVariablesAnuales, NumeroServiciosAnuales);
    CostesDirectosAnuales = Suma(CostesVariablesAnuales, CostesFijosAnuales);
    CostesDirectosporKm = Suma(CostesVariablesAnualesporKm, CostesFijosAnualesporKm);
    CostesDirectosporServicio = Suma(CostesVariablesAnualesporServicio, CostesFijosAnualesporServicio);

    // 25-29: overheads stand beside the direct costs, never inside them.
    CostesInDirectosAnuales = CIGastosAnuales;
    CostesInDirectosporKm = Cociente(CostesInDirectosAnuales, KilometrajeAnual);
    CostesInDirectosporServicio = Cociente(CostesInDirectosAnuales, NumeroServiciosAnuales);
    CostesFijosPorDia = Cociente(CostesFijosAnuales, CFDiasDeActividad);
    CostesFijosPorHora = Cociente(CostesFijosAnuales, CFHorasAnualesTrabajadas);
}

}  // namespace tarvelon
