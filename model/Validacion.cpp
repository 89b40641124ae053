#include "model/DatosGeneralesCheck.h"
#include "model/Numeros.h"
#include "model/Simulacion.h"

namespace tarvelon {

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
    return ErrorMsg.empty();
}

}  // namespace tarvelon
