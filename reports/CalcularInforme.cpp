#include "reports/CalcularInforme.h"

#include <exception>

#include "reports/Informes.h"

namespace tarvelon {

ResultadoInforme CalcularInforme(Simulacion& s, const EntradaSeguro& seguro, const EscritorInforme& escribir,
                                 const TextosServicio* servicio)
{
    ResultadoInforme r;
    try {
        bool valido = s.Validar();
        if (servicio) {
            const std::string mensajes = ValidarServicio(*servicio);
            s.ErrorMsg += mensajes;
            valido = valido && mensajes.empty();
        }
        if (!valido) {
            r.noValido = true;
            r.lineas = LineasDeMensajes(s.ErrorMsg);
            return r;
        }
        s.Calcular(seguro);
        r.informe = true;
        escribir(s, r.lineas);
    } catch (...) {
        r.error = ComoErrorEjecucion(std::current_exception());
    }
    return r;
}

}  // namespace tarvelon
