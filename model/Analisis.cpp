#include "model/Analisis.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/Aritmetica.h"
#include "model/TablaCampos.h"

namespace tarvelon {

using namespace aritmetica;

namespace {

// Each component's field; its name is the field's short name (without the
// unit) and its figures are filled from the record.
struct DefinicionComponente {
    double Simulacion::*miembro;
    ComponenteCoste plantilla;
};

DefinicionComponente Definir(double Simulacion::*miembro, std::string_view campo, GrupoCoste grupo)
{
    DefinicionComponente d{miembro, {}};
    d.plantilla.campo = campo;
    const FilaCampo* f = BuscarFilaCampo(campo);
    d.plantilla.componente = f ? f->nombre : campo;
    d.plantilla.grupo = grupo;
    return d;
}

const std::array<DefinicionComponente, 12> kComponentes = {
    Definir(&Simulacion::CosteAnualAmortizacion, "CosteAnualAmortizacion", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualDeFinanciacion, "CosteAnualDeFinanciacion", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualDePersonal, "CosteAnualDePersonal", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualCargasFiscales, "CosteAnualCargasFiscales", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualSegurosDelVehiculo, "CosteAnualSegurosDelVehiculo", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualOtrosGastosFijos, "CosteAnualOtrosGastosFijos", GrupoCoste::Fijo),
    Definir(&Simulacion::CosteAnualCombustible, "CosteAnualCombustible", GrupoCoste::Variable),
    Definir(&Simulacion::CosteAnualDietas, "CosteAnualDietas", GrupoCoste::Variable),
    Definir(&Simulacion::CosteAnualNeumaticos, "CosteAnualNeumaticos", GrupoCoste::Variable),
    Definir(&Simulacion::CosteAnualMantenimiento, "CosteAnualMantenimiento", GrupoCoste::Variable),
    Definir(&Simulacion::CosteAnualPeajes, "CosteAnualPeajes", GrupoCoste::Variable),
    Definir(&Simulacion::CostesInDirectosAnuales, "CostesInDirectosAnuales", GrupoCoste::Indirecto),
};

// x as a percentage of `referencia`; none when there is nothing to compare
// with or the ratio is beyond the Double range.
std::optional<double> Porcentaje(double x, double referencia)
{
    if (referencia == 0.0) return std::nullopt;
    const double r = x / referencia * 100.0;
    if (!std::isfinite(r)) return std::nullopt;
    return r;
}

FalloCalculo Fallo(const ErrorEjecucion& e) { return {e.Numero(), e.Descripcion()}; }

// Total cost per km of `registro` with one Double field set to `valor`.
double CosteConCampo(const Simulacion& registro, int indice, double valor)
{
    Simulacion copia = registro;
    *DoubleDeCampo(copia, indice) = valor;
    return CosteTotalPorKm(Calculada(copia));
}

const int kIndiceKm = IndiceCampo("KilometrajeAnual");

}  // namespace

Simulacion Calculada(const Simulacion& registro)
{
    Simulacion s = registro;
    s.Calcular(SeguroDesdeRegistro(s));
    return s;
}

double CosteTotalPorKm(const Simulacion& calculada)
{
    return Suma(calculada.CostesDirectosporKm, calculada.CostesInDirectosporKm);
}

EstructuraCostes Estructura(const Simulacion& calculada)
{
    EstructuraCostes e;
    e.totalAnual = Suma(calculada.CostesDirectosAnuales, calculada.CostesInDirectosAnuales);
    e.totalPorKm = CosteTotalPorKm(calculada);
    e.totalPorServicio = Suma(calculada.CostesDirectosporServicio, calculada.CostesInDirectosporServicio);
    e.componentes.reserve(kComponentes.size());
    for (const auto& d : kComponentes) {
        ComponenteCoste c = d.plantilla;
        c.anual = calculada.*d.miembro;
        c.porKm = Cociente(c.anual, calculada.KilometrajeAnual);
        c.porcentaje = Porcentaje(c.anual, e.totalAnual);
        e.componentes.push_back(c);
    }
    return e;
}

Comparacion Comparar(const Simulacion& a, const Simulacion& b)
{
    Comparacion c;
    c.tipoA = a.Tipo;
    c.tipoB = b.Tipo;
    const auto& campos = CamposSimulacion();
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        FilaComparacion f;
        f.campo = campos[static_cast<size_t>(i)].nombre;
        f.a = *DoubleDeCampo(a, i);
        f.b = *DoubleDeCampo(b, i);
        f.diferencia = Resta(f.a, f.b);
        f.porcentaje = Porcentaje(f.diferencia, f.b);
        c.filas.push_back(f);
    }
    return c;
}

const std::vector<std::string_view>& CamposSensibles()
{
    // The Double fields named in Calcular, in storage order.
    static const std::vector<std::string_view> campos = {
        "CFCabezaPrecioMedio",
        "CFSemiPrecioMedio",
        "CFCabezaValorResidual",
        "CFSemiValorResidual",
        "CFVehiculoCuantiaAFinanciar",
        "CFTAE",
        "CFHorasAnualesTrabajadas",
        "CFDiasDeActividad",
        "CFSeguridadSocialEmpresa",
        "CFRetribucionOrdinaria1ConductorMecanico",
        "CFPlusDeAsistencia",
        "CFVisado",
        "CFIVTM",
        "CFITV",
        "CFIAE",
        "CFATP",
        "CFADR",
        "CFCosteRevisionTacografo",
        "CFOtrosGastosFijos",
        "CVPrecioDelGasoleo",
        "CVConsumoMedio",
        "CVDietaMedia",
        "CVPrecioMedioNeumaticos",
        "CVMantenimientoYReparacion",
        "CVCosteMedioDelKMEnAutopista",
        "CVPorcentajeDeServiciosQPaganPEajes",
        "CIGastosAnuales",
        "ServiciosDiarios",
        "KilometrajeAnual",
    };
    return campos;
}

std::vector<PuntoCurvaKm> CurvaKm(const Simulacion& registro)
{
    std::vector<PuntoCurvaKm> curva;
    curva.reserve(21);
    for (int i = 0; i <= 20; ++i) {
        PuntoCurvaKm p;
        p.km = registro.KilometrajeAnual * ((50.0 + 5.0 * i) / 100.0);
        try {
            p.costeKm = CosteConCampo(registro, kIndiceKm, p.km);
        } catch (const ErrorEjecucion& e) {
            p.error = Fallo(e);
        }
        curva.push_back(std::move(p));
    }
    return curva;
}

Sensibilidad AnalizarSensibilidad(const Simulacion& registro, double variacion)
{
    if (!(variacion >= kVariacionMinima && variacion <= kVariacionMaxima))
        throw ErrorEjecucion(5, "Llamada a procedimiento o argumento no válidos");
    Sensibilidad r;
    r.variacion = variacion;
    r.costeKm = CosteTotalPorKm(Calculada(registro));
    const double factorMenos = 1.0 - variacion / 100.0;
    const double factorMas = 1.0 + variacion / 100.0;
    for (std::string_view campo : CamposSensibles()) {
        const int indice = IndiceCampo(campo);
        const double valor = *DoubleDeCampo(registro, indice);
        if (valor == 0.0) continue;
        EntradaSensibilidad e;
        e.campo = campo;
        e.valor = valor;
        try {
            e.menos = CosteConCampo(registro, indice, Producto(valor, factorMenos));
            e.mas = CosteConCampo(registro, indice, Producto(valor, factorMas));
            e.efecto = std::max(std::fabs(e.menos - r.costeKm), std::fabs(e.mas - r.costeKm));
        } catch (const ErrorEjecucion& x) {
            e.menos = e.mas = e.efecto = 0;
            e.error = Fallo(x);
        }
        r.entradas.push_back(std::move(e));
    }
    std::stable_sort(r.entradas.begin(), r.entradas.end(), [](const auto& x, const auto& y) {
        if (x.error || y.error) return !x.error && y.error;
        return x.efecto > y.efecto;
    });
    r.curvaKm = CurvaKm(registro);
    return r;
}

}  // namespace tarvelon
