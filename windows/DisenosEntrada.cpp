#include "windows/DisenosEntrada.h"

#include <stdexcept>

#include "model/Numeros.h"
#include "windows/MapaCajas.h"

namespace tarvelon {

namespace {
// Captions, box names and lengths come from the field table; the designs
// only place the fields and number their copy buttons.
const FilaCampo& Dato(std::string_view campo)
{
    const FilaCampo* d = BuscarFilaCampo(campo);
    if (!d || d->paso == VentanaCampo::Ninguna) throw std::logic_error("campo sin casilla: " + std::string(campo));
    return *d;
}

FilaEntrada Fila(std::string_view campo, int copiar)
{
    const FilaCampo& d = Dato(campo);
    FilaEntrada f;
    f.etiqueta = RotuloDeFila(d);
    f.etiquetaReferencia = d.rotuloReferencia;
    f.sufijos = {d.sufijo};
    f.copiar = copiar;
    f.maximo = d.maximo;
    return f;
}

// A net price row: grey boxes without a copy button.
FilaEntrada Derivada(std::initializer_list<std::string_view> campos)
{
    FilaEntrada f = Fila(*campos.begin(), -1);
    f.sufijos.clear();
    for (auto c : campos) f.sufijos.emplace_back(Dato(c).sufijo);
    f.derivada = true;
    return f;
}

// Tractor and semi-trailer side by side under the tractor's caption.
FilaEntrada Doble(std::string_view cabeza, std::string_view semi, int copiar)
{
    FilaEntrada f = Fila(cabeza, copiar);
    f.sufijos.emplace_back(Dato(semi).sufijo);
    return f;
}
}  // namespace

DisenoVentana DisenoDatosGenerales()
{
    return {"DatosGenerales",
            "1-DATOS GENERALES",
            {{"CARACTERÍSTICAS DE EXPLOTACIÓN",
              "",
              {},
              {Fila("ServiciosDiarios", 0), Fila("KilometrajeAnual", 1), Fila("DGKilometrajeAnualEnVacio", 2),
               Fila("CFHorasAnualesTrabajadas", 3), Fila("CFDiasDeActividad", 4)}}},
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
              {Doble("CFCabezaPrecioBruto", "CFSemiPrecioBruto", 0),
               Doble("CFCabezaDescuentoMedio", "CFSemiDescuentoMedio", 1),
               Derivada({"CFCabezaPrecioMedio", "CFSemiPrecioMedio"}),
               Doble("CFCabezaValorResidual", "CFSemiValorResidual", 3),
               Doble("CFCabezaPeriodoAmortizacion", "CFSemiPeriodoAmortizacion", 4)}},
             {"FINANCIACIÓN",
              "",
              {},
              {Fila("CFVehiculoCuantiaAFinanciar", 5), Fila("CFPeriodoAFinanciar", 6), Fila("CFTAE", 7)}}},
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
              {Fila("CFSeguridadSocialEmpresa", 0), Fila("CFRetribucionOrdinaria1ConductorMecanico", 1),
               Fila("CFPlusDeAsistencia", 2)}},
             {"IMPUESTOS",
              "",
              {},
              {Fila("CFVisado", 3), Fila("CFIVTM", 4), Fila("CFITV", 5), Fila("CFIAE", 6),
               Fila("CFCosteRevisionTacografo", 7), Fila("CFATP", 8), Fila("CFADR", 9)}}},
            false,
            {}};
}

DisenoVentana DisenoCostesFijosC()
{
    FilaEntrada obligatorio = Fila("CFSeguroObligatorio", 0);
    obligatorio.opcion = "OptionSeguroObligatorio";
    FilaEntrada terceros = Fila("CFSeguroObligatorioYTerceros", 1);
    terceros.opcion = "OptionSeguroObligatorioyTerceros";
    FilaEntrada todoRiesgo = Fila("CFSeguroTodoRiesgo", 2);
    todoRiesgo.opcion = "OptionTodoRiesgo";
    return {"CostesFijosC",
            "4-Costes Fijos C - SEGUROS, OTROS",
            {{"SEGUROS",
              "Seguro de daños del vehículo",
              {},
              {obligatorio, terceros, todoRiesgo, Fila("CFSeguroMercancia", 3), Fila("CFResponsabilidadCivil", 4)}},
             {"OTROS", "", {}, {Fila("CFOtrosGastosFijos", 5)}}},
            false,
            {SufijoCaja("TipoSeguro")}};
}

DisenoVentana DisenoCostesVariablesA()
{
    return {"CostesVariablesA",
            "5-Costes Variables A - COMBUSTIBLE, DIETAS",
            {{"COMBUSTIBLE",
              "",
              {},
              {Fila("CVPrecioBrutoDelGasoleo", 0), Fila("CVDescuentoMedioSobreCombustible", 1),
               Derivada({"CVPrecioDelGasoleo"}), Fila("CVConsumoMedio", 2)}},
             {"DIETAS", "", {}, {Fila("CVDietaMedia", 3), Fila("CVDietasNumeroDeDias", 4)}}},
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
          {Fila("CVPrecioBrutoNeumaticos", 0), Fila("CVDescuentoMedioNeumaticos", 1),
           Derivada({"CVPrecioMedioNeumaticos"}), Fila("CVDuracionMediaDeLosNeumaticos", 2),
           Fila("DGNumeroTotalDeNeumaticos", 3)}},
         {"MANTENIMIENTO Y REPARACIÓN", "", {}, {Fila("CVMantenimientoYReparacion", 4)}},
         {"PEAJES", "", {}, {Fila("CVCosteMedioDelKMEnAutopista", 5), Fila("CVPorcentajeDeServiciosQPaganPEajes", 6)}}},
        false,
        {}};
}

DisenoVentana DisenoCostesIndirectos()
{
    return {"CostesIndirectos",
            "7.- Costes Indirectos",
            {{"COSTES INDIRECTOS", "", {}, {Fila("CIGastosAnuales", 0)}}},
            false,
            {}};
}

VentanaEntrada* CrearCostesFijosA(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesFijosA(), parent);
    v->EnlazarPrecioNeto(SufijoCaja("CFCabezaPrecioBruto"), SufijoCaja("CFCabezaDescuentoMedio"),
                         SufijoCaja("CFCabezaPrecioMedio"), FormatoEnteroMiles);
    v->EnlazarPrecioNeto(SufijoCaja("CFSemiPrecioBruto"), SufijoCaja("CFSemiDescuentoMedio"),
                         SufijoCaja("CFSemiPrecioMedio"), FormatoEnteroMiles);
    return v;
}

VentanaEntrada* CrearCostesFijosB(QWidget* parent) { return new VentanaEntrada(DisenoCostesFijosB(), parent); }

VentanaEntrada* CrearCostesVariablesA(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesVariablesA(), parent);
    v->EnlazarPrecioNeto(SufijoCaja("CVPrecioBrutoDelGasoleo"), SufijoCaja("CVDescuentoMedioSobreCombustible"),
                         SufijoCaja("CVPrecioDelGasoleo"), FormatoCuatroSinMiles);
    return v;
}

VentanaEntrada* CrearCostesVariablesB(QWidget* parent)
{
    auto* v = new VentanaEntrada(DisenoCostesVariablesB(), parent);
    v->EnlazarPrecioNeto(SufijoCaja("CVPrecioBrutoNeumaticos"), SufijoCaja("CVDescuentoMedioNeumaticos"),
                         SufijoCaja("CVPrecioMedioNeumaticos"), FormatoDosDecimales);
    return v;
}

VentanaEntrada* CrearCostesIndirectos(QWidget* parent) { return new VentanaEntrada(DisenoCostesIndirectos(), parent); }

}  // namespace tarvelon
