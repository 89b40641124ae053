#include "reports/SecuenciaAnalisis.h"

#include "model/Errores.h"
#include "reports/Informes.h"

namespace tarvelon {

namespace {

void Calcular(ColumnaAnalizada& c, const EntradaSeguro& seguro)
{
    try {
        Simulacion s = c.registro;
        s.Calcular(seguro);
        c.totales = CostesTotalesDe(s);
        c.estructura = Estructura(s);
        c.calculada = std::move(s);
    } catch (const ErrorEjecucion& e) {
        c.motivo = MensajeError(e);
        c.fallo = std::current_exception();
    }
}

}  // namespace

std::string PrimerMensaje(const std::string& errorMsg)
{
    for (const auto& l : LineasDeMensajes(errorMsg))
        if (!l.empty()) return l;
    return errorMsg;
}

ColumnaAnalizada AnalizarColumna(const LectorColumna& leer, const std::optional<EntradaSeguro>& seguro)
{
    ColumnaAnalizada c;
    if (std::optional<std::string> motivo = leer(c.registro)) {
        c.motivo = std::move(*motivo);
        return c;
    }
    if (!c.registro.Validar()) {
        c.motivo = PrimerMensaje(c.registro.ErrorMsg);
        return c;
    }
    c.valida = true;
    if (seguro) {
        // The record carries the option the window shows (none is none), so
        // the core's copies of it calculate the insurance as the window does.
        c.registro.TipoSeguro = static_cast<int16_t>(seguro->opcion);
        Calcular(c, *seguro);
    } else {
        Calcular(c, SeguroDesdeRegistro(c.registro));
    }
    return c;
}

DatosAnalisis AnalizarColumnas(const LectorColumna& simulacion, const std::optional<EntradaSeguro>& seguro,
                               const LectorColumna& referencia)
{
    DatosAnalisis d;
    d.simulacion = AnalizarColumna(simulacion, seguro);
    d.referencia = AnalizarColumna(referencia, std::nullopt);
    if (d.simulacion.calculada && d.referencia.calculada) {
        try {
            d.comparacion = Comparar(*d.simulacion.calculada, *d.referencia.calculada);
        } catch (const ErrorEjecucion&) {
            // Differences beyond the Double range: no comparison to show.
        }
    }
    return d;
}

void AnadirSensibilidad(DatosAnalisis& d, double variacion)
{
    d.sensibilidad.reset();
    d.curvaReferencia.reset();
    d.motivoSensibilidad.clear();
    if (!d.simulacion.calculada) {
        d.motivoSensibilidad = d.simulacion.motivo;
    } else {
        try {
            d.sensibilidad = AnalizarSensibilidad(d.simulacion.registro, variacion);
        } catch (const ErrorEjecucion& e) {
            d.motivoSensibilidad = MensajeError(e);
        }
    }
    if (d.referencia.calculada) d.curvaReferencia = CurvaKm(d.referencia.registro);
}

}  // namespace tarvelon
