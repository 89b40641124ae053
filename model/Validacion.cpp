#include <variant>

#include "model/DatosGeneralesCheck.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"

namespace tarvelon {

namespace {

// What no vehicle can have. Each rule fails on its side only: the first
// twelve rules already refuse a zero or negative value where one is needed.
enum class Regla {
    Negativo,         // below 0
    MasDeCien,        // a share above 100 %
    MasDeUnAnoDias,   // more days than a leap year has
    MasDeUnAnoHoras,  // more hours than a leap year has
    FueraDeLista,     // an insurance option other than none (0) and the three of its window
};

using Miembro = std::variant<double Simulacion::*, int32_t Simulacion::*, int16_t Simulacion::*>;

struct Plausible {
    Miembro campo;
    Regla regla;
    const char* mensaje;
};

// clang-format off
const Plausible kPlausibles[] = {
    {&Simulacion::DGRecorridoMedioPorVehiculo, Regla::Negativo, "Error en Recorrido medio por vehículo: valor negativo"},
    {&Simulacion::DGTiempoMedioPorVehiculo, Regla::Negativo, "Error en Tiempo medio por vehículo: valor negativo"},
    {&Simulacion::DGKilometrajeAnualEnVacio, Regla::Negativo, "Error en % Kilometraje anual en vacío: valor negativo"},
    {&Simulacion::DGKilometrajeAnualEnVacio, Regla::MasDeCien, "Error en % Kilometraje anual en vacío: más del 100 %"},
    {&Simulacion::DGPotenciaCV, Regla::Negativo, "Error en Potencia: valor negativo"},
    {&Simulacion::DGPesoMaximoAutorizado, Regla::Negativo, "Error en Peso máximo autorizado: valor negativo"},
    {&Simulacion::DGCargaUtil, Regla::Negativo, "Error en Carga útil: valor negativo"},
    {&Simulacion::DGNumeroDeEjes, Regla::Negativo, "Error en Número de ejes: valor negativo"},
    {&Simulacion::CFSemiPrecioBruto, Regla::Negativo, "Error en Precio del Semirremolque: valor negativo"},
    {&Simulacion::CFCabezaPrecioMedio, Regla::Negativo, "Error en Precio neto de Cabeza Tractora: valor negativo"},
    {&Simulacion::CFSemiPrecioMedio, Regla::Negativo, "Error en Precio neto del Semirremolque: valor negativo"},
    {&Simulacion::CFCabezaValorResidual, Regla::Negativo, "Error en Valor residual de cabeza tractora: valor negativo"},
    {&Simulacion::CFCabezaValorResidual, Regla::MasDeCien, "Error en Valor residual de cabeza tractora: más del 100 %"},
    {&Simulacion::CFSemiValorResidual, Regla::Negativo, "Error en Valor residual del semirremolque: valor negativo"},
    {&Simulacion::CFSemiValorResidual, Regla::MasDeCien, "Error en Valor residual del semirremolque: más del 100 %"},
    {&Simulacion::CFSemiPeriodoAmortizacion, Regla::Negativo, "Error en Periodo de amortización del semirremolque: valor negativo"},
    {&Simulacion::CFVehiculoCuantiaAFinanciar, Regla::MasDeCien, "Error en Porcentaje a financiar del vehículo: más del 100 %"},
    {&Simulacion::CFHorasAnualesTrabajadas, Regla::MasDeUnAnoHoras, "Error en Horas anuales trabajadas: más de 8.784 horas al año"},
    {&Simulacion::CFDiasDeActividad, Regla::MasDeUnAnoDias, "Error en Días de actividad: más de 366 días al año"},
    {&Simulacion::CFSeguridadSocialEmpresa, Regla::Negativo, "Error en Seguridad Social Empresa: valor negativo"},
    {&Simulacion::CFSeguridadSocialEmpresa, Regla::MasDeCien, "Error en Seguridad Social Empresa: más del 100 %"},
    {&Simulacion::CFRetribucionOrdinaria1ConductorMecanico, Regla::Negativo, "Error en Retribución ordinaria del conductor: valor negativo"},
    {&Simulacion::CFPlusDeAsistencia, Regla::Negativo, "Error en Plus de Asistencia: valor negativo"},
    {&Simulacion::CFVisado, Regla::Negativo, "Error en Visado autorización de transporte: valor negativo"},
    {&Simulacion::CFIVTM, Regla::Negativo, "Error en Impuesto de Vehículos de Tracción Mecánica: valor negativo"},
    {&Simulacion::CFITV, Regla::Negativo, "Error en Coste ITV: valor negativo"},
    {&Simulacion::CFIAE, Regla::Negativo, "Error en Coste IAE: valor negativo"},
    {&Simulacion::CFATP, Regla::Negativo, "Error en Coste ATP: valor negativo"},
    {&Simulacion::CFADR, Regla::Negativo, "Error en Coste ADR: valor negativo"},
    {&Simulacion::CFCosteRevisionTacografo, Regla::Negativo, "Error en Coste Revisión Tacógrafo: valor negativo"},
    {&Simulacion::TipoSeguro, Regla::FueraDeLista, "Error en Tipo de seguro: opción desconocida"},
    {&Simulacion::CFSeguroObligatorio, Regla::Negativo, "Error en Seguro Solo Obligatorio: valor negativo"},
    {&Simulacion::CFSeguroObligatorioYTerceros, Regla::Negativo, "Error en Seguro Obligatorio + Terceros: valor negativo"},
    {&Simulacion::CFSeguroTodoRiesgo, Regla::Negativo, "Error en Seguro Todo Riesgo: valor negativo"},
    {&Simulacion::CFSeguroMercancia, Regla::Negativo, "Error en Seguro mercancía: valor negativo"},
    {&Simulacion::CFResponsabilidadCivil, Regla::Negativo, "Error en Responsabilidad civil: valor negativo"},
    {&Simulacion::CFOtrosGastosFijos, Regla::Negativo, "Error en Otros Gastos Fijos: valor negativo"},
    {&Simulacion::CVPrecioDelGasoleo, Regla::Negativo, "Error en Precio del gasóleo: valor negativo"},
    {&Simulacion::CVDietaMedia, Regla::Negativo, "Error en Dieta Media: valor negativo"},
    {&Simulacion::CVDietasNumeroDeDias, Regla::Negativo, "Error en Número de días de dietas: valor negativo"},
    {&Simulacion::CVDietasNumeroDeDias, Regla::MasDeUnAnoDias, "Error en Número de días de dietas: más de 366 días al año"},
    {&Simulacion::CVPrecioBrutoNeumaticos, Regla::Negativo, "Error en Precio Bruto Neumáticos: valor negativo"},
    {&Simulacion::CVPrecioMedioNeumaticos, Regla::Negativo, "Error en Precio Medio Neumáticos: valor negativo"},
    {&Simulacion::CVMantenimientoYReparacion, Regla::Negativo, "Error en Mantenimiento y Reparación: valor negativo"},
    {&Simulacion::CVCosteMedioDelKMEnAutopista, Regla::Negativo, "Error en Coste medio de autopista: valor negativo"},
    {&Simulacion::CVPorcentajeDeServiciosQPaganPEajes, Regla::Negativo, "Error en Porcentaje de servicios que pagan peajes: valor negativo"},
    {&Simulacion::CVPorcentajeDeServiciosQPaganPEajes, Regla::MasDeCien, "Error en Porcentaje de servicios que pagan peajes: más del 100 %"},
    {&Simulacion::CIGastosAnuales, Regla::Negativo, "Error en Gastos anuales generales: valor negativo"},
};
// clang-format on

bool Falla(Regla regla, double v)
{
    switch (regla) {
    case Regla::Negativo: return v < 0.0;
    case Regla::MasDeCien: return v > 100.0;
    case Regla::MasDeUnAnoDias: return v > 366.0;
    case Regla::MasDeUnAnoHoras: return v > 8784.0;
    case Regla::FueraDeLista: return !(v == 0.0 || v == 1.0 || v == 2.0 || v == 3.0);
    }
    return false;
}

}  // namespace

bool Simulacion::Validar()
{
    ErrorMsg.clear();
    // Every rule after the first puts its separator in front, even when
    // nothing stands before it; the result lists show that as an empty line.
    auto regla = [this](bool falla, const char* mensaje, bool primera = false) {
        if (!falla) return;
        if (!primera) ErrorMsg += "\r\n";
        ErrorMsg += mensaje;
    };
    regla(CFCabezaPrecioBruto <= 0.0, "Error en Precio de Cabeza Tractora", true);
    regla(CFCabezaPeriodoAmortizacion <= 0, "Error en Periodo de amortización de cabeza tractora");
    regla(RedondearInteger(CFDiasDeActividad) <= 0, "Error en Días de actividad");
    regla(RedondearInteger(CFHorasAnualesTrabajadas) <= 0, "Error en Horas anuales trabajadas");
    regla(CFPeriodoAFinanciar <= 0, "Error en Periodo a financiar");
    regla(CFVehiculoCuantiaAFinanciar <= 0.0, "Error en Porcentaje a financiar del vehículo");
    regla(CVConsumoMedio <= 0.0, "Error en Consumo Medio de combustible");
    regla(CVDuracionMediaDeLosNeumaticos <= 0, "Error en Duración Media de los Neumáticos");
    regla(CVPrecioBrutoDelGasoleo <= 0.0, "Error en Precio Bruto del Gasóleo");
    regla(RedondearInteger(DGNumeroTotalDeNeumaticos) < 1, "Error en Número Total de Neumáticos");
    regla(KilometrajeAnual <= 0.0, "Error en Kilometros Anuales");
    regla(ServiciosDiarios <= 0.0, "Error en Servicios Diarios");
    for (const auto& p : kPlausibles) {
        const double valor = std::visit([this](auto m) { return static_cast<double>(this->*m); }, p.campo);
        regla(Falla(p.regla, valor), p.mensaje);
    }
    return ErrorMsg.empty();
}

}  // namespace tarvelon
