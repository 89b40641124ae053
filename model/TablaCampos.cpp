#include "model/TablaCampos.h"

namespace tarvelon {

namespace {

using V = VentanaCampo;

// clang-format off
// A field with boxes in an input step: key, step, position in the transfers,
// characters of its box, whether an empty box reads 0, decimals, per km,
// short name, unit, caption of its row.
#define DATO(c, paso, orden, max, vacio, dec, km, nombre, unidad, rotulo) \
    FilaCampo{#c, &Simulacion::c, nombre, unidad, rotulo, dec, km, V::paso, orden, #c, max, vacio, ""}
// The same, for the boxes not named after their field.
#define CAJA(c, sufijo, paso, orden, dec, nombre, unidad, rotulo) \
    FilaCampo{#c, &Simulacion::c, nombre, unidad, rotulo, dec, false, V::paso, orden, sufijo, 14, true, ""}
// A result, or a field that only files carry: no box.
#define CAMPO(c, dec, km, nombre, unidad, rotulo) \
    FilaCampo{#c, &Simulacion::c, nombre, unidad, rotulo, dec, km, V::Ninguna, 0, "", 0, false, ""}

constexpr std::array<FilaCampo, kNumeroCampos> kTabla = {
    FilaCampo{"Tipo", &Simulacion::Tipo, "", "", "", 0, false, V::Vehiculo, 1, "", 14, false, ""},
    CAMPO(DGRecorridoMedioPorVehiculo, 2, false, "Recorrido medio por vehículo", "km", ""),
    CAMPO(DGTiempoMedioPorVehiculo, 2, false, "Tiempo medio por vehículo", "horas", ""),
    DATO(DGKilometrajeAnualEnVacio, DatosGenerales, 4, 14, true, 2, false, "Kilometraje anual en vacío", "%", "% Kilometraje anual en vacio"),
    DATO(DGPotenciaCV, Vehiculo, 5, 14, true, 0, false, "", "", "Potencia aproximada (CV)"),
    DATO(DGPesoMaximoAutorizado, Vehiculo, 6, 14, true, 2, false, "", "", "Masa máxima autorizada (MMA-Tons)"),
    DATO(DGCargaUtil, Vehiculo, 7, 14, true, 0, false, "", "", "Carga útil (Kg)"),
    DATO(DGNumeroDeEjes, Vehiculo, 8, 14, true, 0, false, "", "", "Número de ejes"),
    DATO(DGNumeroTotalDeNeumaticos, CostesVariablesB, 47, 14, true, 0, false, "", "", "Número total de neumáticos"),
    DATO(CFCabezaPrecioBruto, CostesFijosA, 9, 14, true, 2, false, "Precio cabeza sin IVA", "€", "Precio Venta sin IVA (€)"),
    DATO(CFSemiPrecioBruto, CostesFijosA, 14, 14, true, 2, false, "Precio semirremolque sin IVA", "€", ""),
    DATO(CFCabezaDescuentoMedio, CostesFijosA, 10, 14, true, 2, false, "Descuento cabeza", "%", "Dto. Medio sobre Tarifa (%)"),
    DATO(CFSemiDescuentoMedio, CostesFijosA, 15, 14, true, 2, false, "Descuento semirremolque", "%", ""),
    DATO(CFCabezaPrecioMedio, CostesFijosA, 11, 14, true, 2, false, "Precio neto cabeza", "€", "Precio neto (€)"),
    DATO(CFSemiPrecioMedio, CostesFijosA, 16, 14, true, 2, false, "Precio neto semirremolque", "€", ""),
    DATO(CFCabezaValorResidual, CostesFijosA, 12, 14, true, 2, false, "Valor residual cabeza", "%", "Valor residual (%)"),
    DATO(CFSemiValorResidual, CostesFijosA, 17, 14, true, 2, false, "Valor residual semirremolque", "%", ""),
    DATO(CFCabezaPeriodoAmortizacion, CostesFijosA, 13, 14, true, 0, false, "Amortización cabeza", "años", "Periodo amortización (años)"),
    DATO(CFSemiPeriodoAmortizacion, CostesFijosA, 18, 14, true, 0, false, "Amortización semirremolque", "años", ""),
    DATO(CFVehiculoCuantiaAFinanciar, CostesFijosA, 19, 14, true, 2, false, "Cuantía a financiar", "%", "Vehículo: cuantía a financiar (%)"),
    DATO(CFPeriodoAFinanciar, CostesFijosA, 20, 14, true, 0, false, "", "", "Periodo a financiar (años)"),
    DATO(CFTAE, CostesFijosA, 21, 14, true, 2, false, "Tipo de interés", "TAE", "Tipo interés anual (TAE)"),
    FilaCampo{"CFHorasAnualesTrabajadas", &Simulacion::CFHorasAnualesTrabajadas, "", "", "Horas anuales trabajadas", 0, false,
              V::DatosGenerales, 22, "CFHorasAnualesTrabajadas", 7, true, "Horas laborales básicas anuales"},
    DATO(CFDiasDeActividad, DatosGenerales, 23, 6, true, 0, false, "Días de actividad", "", "Días de Actividad"),
    DATO(CFSeguridadSocialEmpresa, CostesFijosB, 24, 5, true, 2, false, "Seguridad Social empresa", "%", "Seguridad Social Empresa (%)"),
    DATO(CFRetribucionOrdinaria1ConductorMecanico, CostesFijosB, 25, 10, true, 2, false, "Retribución del conductor", "€/año", "Retribución ordinaria 1 conductor mecánico (€/Año)"),
    DATO(CFPlusDeAsistencia, CostesFijosB, 26, 10, true, 2, false, "Plus de asistencia", "€/año", "Plus de Asistencia (€/año)"),
    DATO(CFVisado, CostesFijosB, 27, 10, true, 2, false, "Visado", "€/año", "Visado autorización de Tte. (€/año)"),
    DATO(CFIVTM, CostesFijosB, 28, 14, true, 2, false, "IVTM", "€/año", "Impuesto Veh. Tracción Mec. (€/año)"),
    DATO(CFITV, CostesFijosB, 29, 14, true, 2, false, "ITV", "€/año", "Coste ITV (€/año)"),
    DATO(CFIAE, CostesFijosB, 30, 14, true, 2, false, "IAE", "€/año", "Coste IAE (€/Año)"),
    DATO(CFATP, CostesFijosB, 31, 14, true, 2, false, "ATP", "€/año", "Coste ATP (€/Año)"),
    DATO(CFADR, CostesFijosB, 32, 14, true, 2, false, "ADR", "€/año", "Coste ADR (€/Año)"),
    DATO(CFCosteRevisionTacografo, CostesFijosB, 33, 14, true, 2, false, "Revisión del tacógrafo", "€/año", "Coste Revisión Tacógrafo (€/Año)"),
    // Its simulation column is the three option buttons; its reference box is hidden.
    DATO(TipoSeguro, CostesFijosC, 34, 14, false, 0, false, "Tipo de seguro", "", ""),
    DATO(CFSeguroObligatorio, CostesFijosC, 35, 14, true, 2, false, "Seguro solo obligatorio", "€/año", "Solo Obligatorio  (€/año)"),
    DATO(CFSeguroObligatorioYTerceros, CostesFijosC, 36, 14, true, 2, false, "Seguro obligatorio + terceros", "€/año", "Obligatorio + Terceros (€/año)"),
    DATO(CFSeguroTodoRiesgo, CostesFijosC, 37, 14, true, 2, false, "Seguro todo riesgo", "€/año", "Todo Riesgo (€/año)"),
    DATO(CFSeguroMercancia, CostesFijosC, 39, 14, true, 2, false, "Seguro de mercancía", "€/año", "Seguro mercancía  (€/año)"),
    DATO(CFResponsabilidadCivil, CostesFijosC, 38, 14, true, 2, false, "", "", "Responsabilidad civil (€/año)"),
    DATO(CFOtrosGastosFijos, CostesFijosC, 40, 14, true, 2, false, "", "", "Otros Gastos Fijos (€/año)"),
    DATO(CVPrecioBrutoDelGasoleo, CostesVariablesA, 41, 14, true, 4, false, "Precio bruto del gasóleo", "€/litro", "Precio bruto del gasóleo SIN IVA (€/litro) "),
    CAJA(CVDescuentoMedioSobreCombustible, "CVDescuentoMediosobreCombustible", CostesVariablesA, 42, 2, "Descuento sobre combustible", "%", "Descuento medio sobre combustible %"),
    DATO(CVPrecioDelGasoleo, CostesVariablesA, 43, 14, true, 4, false, "Precio del gasóleo", "€/litro", "Precio del gasóleo (€/litro) "),
    DATO(CVConsumoMedio, CostesVariablesA, 44, 14, true, 2, false, "Consumo medio", "l/100 km", "Consumo medio (lit/100 km)"),
    DATO(CVDietaMedia, CostesVariablesA, 45, 14, true, 2, false, "Dieta media", "€/día", "Dieta Media (€/día)"),
    DATO(CVDietasNumeroDeDias, CostesVariablesA, 46, 14, true, 0, false, "Días de dietas", "", "Nº de días"),
    DATO(CVPrecioBrutoNeumaticos, CostesVariablesB, 48, 14, true, 2, false, "Precio bruto neumáticos", "€/unidad", "Precio Bruto Neumáticos (€/unidad)"),
    CAJA(CVDescuentoMedioNeumaticos, "CVDescuentoMediaNeumaticos", CostesVariablesB, 49, 2, "Descuento neumáticos", "%", "Descuento Medio sobre Neumáticos %"),
    DATO(CVPrecioMedioNeumaticos, CostesVariablesB, 50, 14, true, 2, false, "Precio neumáticos", "€/unidad", "Precio Medio Neumáticos (€/unidad)"),
    DATO(CVDuracionMediaDeLosNeumaticos, CostesVariablesB, 51, 14, true, 0, false, "Duración de los neumáticos", "km", "Duración Media de los Neumáticos(km)"),
    DATO(CVMantenimientoYReparacion, CostesVariablesB, 52, 14, true, 4, true, "Mantenimiento y reparación", "€/km", "Mantenim. y Reparacion anual ( €/Km)"),
    DATO(CVCosteMedioDelKMEnAutopista, CostesVariablesB, 53, 14, true, 2, false, "Peaje medio", "€/servicio", "Coste medio del Km en autopista (€/Servicio)"),
    CAJA(CVPorcentajeDeServiciosQPaganPEajes, "CVPorcentajeServiciosQPaganPeajes", CostesVariablesB, 54, 2, "Servicios con peaje", "%", "Porcentaje de servicios que pagan peajes"),
    DATO(CIGastosAnuales, CostesIndirectos, 55, 14, true, 2, false, "Gastos generales", "€/año", "Gastos anuales generales (instalaciones, equipos, personal no conductor, etc, en euros)"),
    DATO(ServiciosDiarios, DatosGenerales, 2, 14, false, 2, false, "Servicios diarios", "", "Nº de servicios diarios por vehículo"),
    DATO(KilometrajeAnual, DatosGenerales, 3, 14, false, 0, false, "Kilometraje anual", "km", "Kilometraje anual (Km/año)"),
    CAMPO(NumeroServiciosAnuales, 2, false, "Servicios anuales", "", ""),
    CAMPO(CosteAnualAmortizacion, 2, false, "Amortización", "€/año", "Coste Anual Amortización"),
    CAMPO(CosteAnualDeFinanciacion, 2, false, "Financiación", "€/año", "Coste Anual de Financiación"),
    CAMPO(CosteAnualDePersonal, 2, false, "Personal", "€/año", "Coste Fijo Personal"),
    CAMPO(CosteAnualCargasFiscales, 2, false, "Cargas fiscales", "€/año", "Coste Anual de Cargas Fiscales"),
    CAMPO(CosteAnualSegurosDelVehiculo, 2, false, "Seguros del vehículo", "€/año", "Coste Anual Seguros Veh."),
    CAMPO(CosteAnualOtrosGastosFijos, 2, false, "Otros gastos fijos", "€/año", "Otros Gastos Fijos"),
    CAMPO(CostesFijosAnuales, 2, false, "Costes fijos", "€/año", "Costes Fijos Anuales"),
    CAMPO(CostesFijosAnualesporKm, 4, true, "Costes fijos", "€/km", "Costes Fijos por Km"),
    CAMPO(CostesFijosAnualesporKmServicio, 4, true, "Costes fijos", "€/km y servicio", ""),
    CAMPO(CostesFijosAnualesporServicio, 2, false, "Costes fijos", "€/servicio", "Costes Fijos por Servicio (€/Serv)"),
    CAMPO(CosteAnualCombustible, 2, false, "Combustible", "€/año", "Coste Anual Combustible"),
    CAMPO(CosteAnualDietas, 2, false, "Dietas", "€/año", "Coste Anual Dietas"),
    CAMPO(CosteAnualNeumaticos, 2, false, "Neumáticos", "€/año", "Coste Anual Neumáticos"),
    CAMPO(CosteAnualMantenimiento, 2, false, "Mantenimiento y reparación", "€/año", "Coste Anual Mantenimiento y Rep"),
    CAMPO(CosteAnualPeajes, 2, false, "Peajes", "€/año", "Coste Anual Peajes"),
    CAMPO(CostesVariablesAnuales, 2, false, "Costes variables", "€/año", "Costes Variables Anuales"),
    CAMPO(CostesVariablesAnualesporKm, 4, true, "Costes variables", "€/km", "Costes Variables por Km"),
    CAMPO(CostesVariablesAnualesporKmServicio, 4, true, "Costes variables", "€/km y servicio", ""),
    CAMPO(CostesVariablesAnualesporServicio, 2, false, "Costes variables", "€/servicio", "Costes Variables por Servicio"),
    CAMPO(CostesDirectosAnuales, 2, false, "Costes directos", "€/año", "Costes Directos Anuales"),
    CAMPO(CostesDirectosporKm, 4, true, "Costes directos", "€/km", "Costes Directos por Km"),
    CAMPO(CostesDirectosporServicio, 2, false, "Costes directos", "€/servicio", "Costes Directos por Servicios"),
    CAMPO(CostesInDirectosAnuales, 2, false, "Costes indirectos", "€/año", "Costes Indirectos Anuales"),
    CAMPO(CostesInDirectosporKm, 4, true, "Costes indirectos", "€/km", "Costes Indirectos por Km"),
    CAMPO(CostesInDirectosporServicio, 2, false, "Costes indirectos", "€/servicio", "Costes Indirectos por Servicios"),
    CAMPO(CostesFijosPorDia, 2, false, "Costes fijos", "€/día", "Costes Fijos Por Días"),
    CAMPO(CostesFijosPorHora, 2, false, "Costes fijos", "€/hora", "Costes Fijos Por Horas"),
    CAMPO(ErrorMsg, 0, false, "", "", ""),
};

#undef DATO
#undef CAJA
#undef CAMPO
// clang-format on

}  // namespace

const std::array<FilaCampo, kNumeroCampos>& TablaCampos() { return kTabla; }

const FilaCampo* BuscarFilaCampo(std::string_view clave)
{
    for (const auto& f : kTabla)
        if (clave == f.clave) return &f;
    return nullptr;
}

std::string EtiquetaDeFila(const FilaCampo& f)
{
    if (*f.nombre == '\0') return f.rotulo;
    std::string e = f.nombre;
    if (*f.unidad != '\0') e += std::string(" (") + f.unidad + ")";
    return e;
}

std::string RotuloDeFila(const FilaCampo& f) { return *f.rotulo != '\0' ? std::string(f.rotulo) : EtiquetaDeFila(f); }

}  // namespace tarvelon
