#pragma once
// The cost simulation of one vehicle: inputs, results of Calcular and the
// messages of the last Validar. Fields are declared in storage order, which is
// also the order of the record's key=value lines.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/Errores.h"
#include "model/TablaLineas.h"

namespace tarvelon {

// The insurance window's simulation column as it stands when Calcular runs:
// the damage-insurance option (0 none, 1 Solo Obligatorio, 2 Obligatorio +
// Terceros, 3 Todo Riesgo) and the texts of its boxes.
struct EntradaSeguro {
    int opcion = 0;
    std::string primaObligatorio;
    std::string primaObligatorioYTerceros;
    std::string primaTodoRiesgo;
    std::string mercancia;
    std::string responsabilidadCivil;
};

class Simulacion {
public:
    std::string Tipo;
    double DGRecorridoMedioPorVehiculo = 0;
    double DGTiempoMedioPorVehiculo = 0;
    double DGKilometrajeAnualEnVacio = 0;
    double DGPotenciaCV = 0;
    double DGPesoMaximoAutorizado = 0;
    double DGCargaUtil = 0;
    int32_t DGNumeroDeEjes = 0;
    int32_t DGNumeroTotalDeNeumaticos = 0;
    double CFCabezaPrecioBruto = 0;
    double CFSemiPrecioBruto = 0;
    double CFCabezaDescuentoMedio = 0;
    double CFSemiDescuentoMedio = 0;
    double CFCabezaPrecioMedio = 0;
    double CFSemiPrecioMedio = 0;
    double CFCabezaValorResidual = 0;
    double CFSemiValorResidual = 0;
    int32_t CFCabezaPeriodoAmortizacion = 0;
    int32_t CFSemiPeriodoAmortizacion = 0;
    double CFVehiculoCuantiaAFinanciar = 0;
    int32_t CFPeriodoAFinanciar = 0;
    double CFTAE = 0;
    double CFHorasAnualesTrabajadas = 0;
    double CFDiasDeActividad = 0;
    double CFSeguridadSocialEmpresa = 0;
    double CFRetribucionOrdinaria1ConductorMecanico = 0;
    double CFPlusDeAsistencia = 0;
    double CFVisado = 0;
    double CFIVTM = 0;
    double CFITV = 0;
    double CFIAE = 0;
    double CFATP = 0;
    double CFADR = 0;
    double CFCosteRevisionTacografo = 0;
    int16_t TipoSeguro = 0;
    double CFSeguroObligatorio = 0;
    double CFSeguroObligatorioYTerceros = 0;
    double CFSeguroTodoRiesgo = 0;
    double CFSeguroMercancia = 0;
    double CFResponsabilidadCivil = 0;
    double CFOtrosGastosFijos = 0;
    double CVPrecioBrutoDelGasoleo = 0;
    double CVDescuentoMedioSobreCombustible = 0;
    double CVPrecioDelGasoleo = 0;
    double CVConsumoMedio = 0;
    double CVDietaMedia = 0;
    int32_t CVDietasNumeroDeDias = 0;
    double CVPrecioBrutoNeumaticos = 0;
    double CVDescuentoMedioNeumaticos = 0;
    double CVPrecioMedioNeumaticos = 0;
    int32_t CVDuracionMediaDeLosNeumaticos = 0;
    double CVMantenimientoYReparacion = 0;
    double CVCosteMedioDelKMEnAutopista = 0;
    double CVPorcentajeDeServiciosQPaganPEajes = 0;
    double CIGastosAnuales = 0;
    double ServiciosDiarios = 0;
    double KilometrajeAnual = 0;
    double NumeroServiciosAnuales = 0;
    double CosteAnualAmortizacion = 0;
    double CosteAnualDeFinanciacion = 0;
    double CosteAnualDePersonal = 0;
    double CosteAnualCargasFiscales = 0;
    double CosteAnualSegurosDelVehiculo = 0;
    double CosteAnualOtrosGastosFijos = 0;
    double CostesFijosAnuales = 0;
    double CostesFijosAnualesporKm = 0;
    double CostesFijosAnualesporKmServicio = 0;
    double CostesFijosAnualesporServicio = 0;
    double CosteAnualCombustible = 0;
    double CosteAnualDietas = 0;
    double CosteAnualNeumaticos = 0;
    double CosteAnualMantenimiento = 0;
    double CosteAnualPeajes = 0;
    double CostesVariablesAnuales = 0;
    double CostesVariablesAnualesporKm = 0;
    double CostesVariablesAnualesporKmServicio = 0;
    double CostesVariablesAnualesporServicio = 0;
    double CostesDirectosAnuales = 0;
    double CostesDirectosporKm = 0;
    double CostesDirectosporServicio = 0;
    double CostesInDirectosAnuales = 0;
    double CostesInDirectosporKm = 0;
    double CostesInDirectosporServicio = 0;
    double CostesFijosPorDia = 0;
    double CostesFijosPorHora = 0;
    std::string ErrorMsg;

    // The record as its 86 key=value rows ("Tipo=" ... "ErrorMsg="). The
    // argument is re-dimensioned and filled, and a copy is returned.
    TablaLineas ToArray(TablaLineas& cLinea) const;
    TablaLineas ToArray() const
    {
        TablaLineas t;
        return ToArray(t);
    }

    // Sets all 86 fields from a table; the first row with a key wins, a
    // missing key reads "0". Stops at the first value that does not convert
    // (error 13 or 6, raised as ErrorCampo naming the field), keeping the
    // fields set so far; an undimensioned table is error 9.
    void FromArray(const TablaLineas& cLinea);

    // Computes every result from the inputs and the insurance window. The
    // first failing step raises its error; the earlier steps keep their results.
    void Calcular(const EntradaSeguro& seguro);

    // Checks twelve inputs, then the values no vehicle can have (negative
    // amounts, shares above 100 %, more days or hours than a year holds, an
    // unknown insurance option); rewrites ErrorMsg and answers whether it passed.
    bool Validar();
};

// A value of the key=value form that does not convert: the run-time error
// (13 or 6) as the user is shown it, with the field and the text it stopped at.
class ErrorCampo : public ErrorEjecucion {
public:
    ErrorCampo(const ErrorEjecucion& e, int campo, std::string texto)
        : ErrorEjecucion(e), campo_(campo), texto_(std::move(texto))
    {
    }
    int Campo() const noexcept { return campo_; }
    const std::string& Texto() const noexcept { return texto_; }

private:
    int campo_;
    std::string texto_;
};

// For someone fixing a file by hand: the field by its Spanish name and key,
// the text, and how numbers are written ("El dato «Consumo medio (l/100 km)»
// (CVConsumoMedio) no es un número: «31.5». ..."); `donde` names the file
// when given ("de «misdatos.txt»").
std::string ExplicacionErrorCampo(const ErrorCampo& e, std::string_view donde = {});

// Kinds of field, as the key=value form and the window transfers convert them.
enum class TipoCampo { Texto, Double, Long, Integer };

struct DescriptorCampo {
    std::string_view nombre;
    TipoCampo tipo;
};

inline constexpr int kNumeroCampos = 86;

// The 86 fields in storage order (index 0 is row 1, "Tipo").
const std::array<DescriptorCampo, kNumeroCampos>& CamposSimulacion();

// Index in CamposSimulacion of a field by its exact name, -1 when none.
int IndiceCampo(std::string_view nombre);

// Field value as the key=value form and the windows write it: texts unchanged,
// whole numbers as digits, Doubles in the general number form.
std::string TextoDeCampo(const Simulacion& s, int indice);

// The Double field at an index of CamposSimulacion; nullptr when that field is
// not a Double (or the index is out of range).
const double* DoubleDeCampo(const Simulacion& s, int indice);
double* DoubleDeCampo(Simulacion& s, int indice);

// Stores a text into a field: texts unchanged; Doubles by the strict
// conversion (or empty = 0 when asked); Long and Integer rounded halves to
// even with range checks. Conversion failures raise 13 or 6.
void AsignarCampoDesdeTexto(Simulacion& s, int indice, std::string_view texto, bool vacioEsCero = false);

// The insurance inputs a record itself carries, as the insurance window would
// show them after the record was written into it: TipoSeguro 1-3 chooses the
// option (anything else: none), amounts in the general number form.
EntradaSeguro SeguroDesdeRegistro(const Simulacion& s);

// Annual payment of a loan repaid in equal yearly instalments.
double PagoAnualPrestamo(double importe, double tipo, int16_t pagos);

}  // namespace tarvelon
