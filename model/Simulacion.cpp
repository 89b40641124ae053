#include "model/Simulacion.h"

#include <variant>

#include "model/Numeros.h"

namespace tarvelon {

namespace {

using Miembro =
    std::variant<std::string Simulacion::*, double Simulacion::*, int32_t Simulacion::*, int16_t Simulacion::*>;

struct Campo {
    std::string_view nombre;
    Miembro miembro;
};

// clang-format off
#define CAMPO(n) Campo{#n, &Simulacion::n}

// Storage order: the order of the key=value lines.
const std::array<Campo, kNumeroCampos> kCampos = {
    CAMPO(Tipo), CAMPO(DGRecorridoMedioPorVehiculo), CAMPO(DGTiempoMedioPorVehiculo),
    CAMPO(DGKilometrajeAnualEnVacio), CAMPO(DGPotenciaCV), CAMPO(DGPesoMaximoAutorizado), CAMPO(DGCargaUtil),
    CAMPO(DGNumeroDeEjes), CAMPO(DGNumeroTotalDeNeumaticos), CAMPO(CFCabezaPrecioBruto), CAMPO(CFSemiPrecioBruto),
    CAMPO(CFCabezaDescuentoMedio), CAMPO(CFSemiDescuentoMedio), CAMPO(CFCabezaPrecioMedio),
    CAMPO(CFSemiPrecioMedio), CAMPO(CFCabezaValorResidual), CAMPO(CFSemiValorResidual),
    CAMPO(CFCabezaPeriodoAmortizacion), CAMPO(CFSemiPeriodoAmortizacion), CAMPO(CFVehiculoCuantiaAFinanciar),
    CAMPO(CFPeriodoAFinanciar), CAMPO(CFTAE), CAMPO(CFHorasAnualesTrabajadas), CAMPO(CFDiasDeActividad),
    CAMPO(CFSeguridadSocialEmpresa), CAMPO(CFRetribucionOrdinaria1ConductorMecanico), CAMPO(CFPlusDeAsistencia),
    CAMPO(CFVisado), CAMPO(CFIVTM), CAMPO(CFITV), CAMPO(CFIAE), CAMPO(CFATP), CAMPO(CFADR),
    CAMPO(CFCosteRevisionTacografo), CAMPO(TipoSeguro), CAMPO(CFSeguroObligatorio),
    CAMPO(CFSeguroObligatorioYTerceros), CAMPO(CFSeguroTodoRiesgo), CAMPO(CFSeguroMercancia),
    CAMPO(CFResponsabilidadCivil), CAMPO(CFOtrosGastosFijos), CAMPO(CVPrecioBrutoDelGasoleo),
    CAMPO(CVDescuentoMedioSobreCombustible), CAMPO(CVPrecioDelGasoleo), CAMPO(CVConsumoMedio),
    CAMPO(CVDietaMedia), CAMPO(CVDietasNumeroDeDias), CAMPO(CVPrecioBrutoNeumaticos),
    CAMPO(CVDescuentoMedioNeumaticos), CAMPO(CVPrecioMedioNeumaticos), CAMPO(CVDuracionMediaDeLosNeumaticos),
    CAMPO(CVMantenimientoYReparacion), CAMPO(CVCosteMedioDelKMEnAutopista),
    CAMPO(CVPorcentajeDeServiciosQPaganPEajes), CAMPO(CIGastosAnuales), CAMPO(ServiciosDiarios),
    CAMPO(KilometrajeAnual), CAMPO(NumeroServiciosAnuales), CAMPO(CosteAnualAmortizacion),
    CAMPO(CosteAnualDeFinanciacion), CAMPO(CosteAnualDePersonal), CAMPO(CosteAnualCargasFiscales),
    CAMPO(CosteAnualSegurosDelVehiculo), CAMPO(CosteAnualOtrosGastosFijos), CAMPO(CostesFijosAnuales),
    CAMPO(CostesFijosAnualesporKm), CAMPO(CostesFijosAnualesporKmServicio), CAMPO(CostesFijosAnualesporServicio),
    CAMPO(CosteAnualCombustible), CAMPO(CosteAnualDietas), CAMPO(CosteAnualNeumaticos),
    CAMPO(CosteAnualMantenimiento), CAMPO(CosteAnualPeajes), CAMPO(CostesVariablesAnuales),
    CAMPO(CostesVariablesAnualesporKm), CAMPO(CostesVariablesAnualesporKmServicio),
    CAMPO(CostesVariablesAnualesporServicio), CAMPO(CostesDirectosAnuales), CAMPO(CostesDirectosporKm),
    CAMPO(CostesDirectosporServicio), CAMPO(CostesInDirectosAnuales), CAMPO(CostesInDirectosporKm),
    CAMPO(CostesInDirectosporServicio), CAMPO(CostesFijosPorDia), CAMPO(CostesFijosPorHora), CAMPO(ErrorMsg),
};

#undef CAMPO
// clang-format on

TipoCampo TipoDe(const Miembro& m)
{
    switch (m.index()) {
    case 0: return TipoCampo::Texto;
    case 1: return TipoCampo::Double;
    case 2: return TipoCampo::Long;
    default: return TipoCampo::Integer;
    }
}

std::array<DescriptorCampo, kNumeroCampos> HacerDescriptores()
{
    std::array<DescriptorCampo, kNumeroCampos> d{};
    for (size_t i = 0; i < kCampos.size(); ++i) d[i] = {kCampos[i].nombre, TipoDe(kCampos[i].miembro)};
    return d;
}

const Campo& CampoEn(int indice)
{
    if (indice < 0 || indice >= kNumeroCampos) throw ErrorEjecucion(kSubindice);
    return kCampos[static_cast<size_t>(indice)];
}

}  // namespace

const std::array<DescriptorCampo, kNumeroCampos>& CamposSimulacion()
{
    static const auto descriptores = HacerDescriptores();
    return descriptores;
}

int IndiceCampo(std::string_view nombre)
{
    for (size_t i = 0; i < kCampos.size(); ++i)
        if (kCampos[i].nombre == nombre) return static_cast<int>(i);
    return -1;
}

std::string TextoDeCampo(const Simulacion& s, int indice)
{
    const Campo& c = CampoEn(indice);
    return std::visit(
        [&s](auto m) -> std::string {
            const auto& v = s.*m;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) return v;
            else if constexpr (std::is_same_v<T, double>) return NumeroATexto(v);
            else return EnteroATexto(v);
        },
        c.miembro);
}

double* DoubleDeCampo(Simulacion& s, int indice)
{
    if (indice < 0 || indice >= kNumeroCampos) return nullptr;
    const auto* m = std::get_if<double Simulacion::*>(&kCampos[static_cast<size_t>(indice)].miembro);
    return m ? &(s.**m) : nullptr;
}

const double* DoubleDeCampo(const Simulacion& s, int indice)
{
    return DoubleDeCampo(const_cast<Simulacion&>(s), indice);
}

void AsignarCampoDesdeTexto(Simulacion& s, int indice, std::string_view texto, bool vacioEsCero)
{
    const Campo& c = CampoEn(indice);
    std::visit(
        [&](auto m) {
            auto& v = s.*m;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                v = std::string(texto);
            } else {
                const double d = vacioEsCero ? TextoANumeroVacioCero(texto) : TextoANumero(texto);
                if constexpr (std::is_same_v<T, double>) v = d;
                else if constexpr (std::is_same_v<T, int32_t>) v = RedondearLong(d);
                else v = RedondearInteger(d);
            }
        },
        c.miembro);
}

EntradaSeguro SeguroDesdeRegistro(const Simulacion& s)
{
    EntradaSeguro e;
    e.opcion = (s.TipoSeguro >= 1 && s.TipoSeguro <= 3) ? s.TipoSeguro : 0;
    e.primaObligatorio = NumeroATexto(s.CFSeguroObligatorio);
    e.primaObligatorioYTerceros = NumeroATexto(s.CFSeguroObligatorioYTerceros);
    e.primaTodoRiesgo = NumeroATexto(s.CFSeguroTodoRiesgo);
    e.mercancia = NumeroATexto(s.CFSeguroMercancia);
    e.responsabilidadCivil = NumeroATexto(s.CFResponsabilidadCivil);
    return e;
}

}  // namespace tarvelon
