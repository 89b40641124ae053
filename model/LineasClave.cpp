// The record's key=value line form.
#include "model/Simulacion.h"

namespace tarvelon {

namespace {

// First row whose key matches exactly; "0" when none does.
const std::string& BuscarClave(std::string_view clave, const TablaLineas& tabla)
{
    static const std::string kCero = "0";
    const int ultima = tabla.UltimaFila();
    for (int fila = 1; fila <= ultima; ++fila)
        if (tabla.Clave(fila) == clave) return tabla.Valor(fila);
    return kCero;
}

}  // namespace

TablaLineas Simulacion::ToArray(TablaLineas& cLinea) const
{
    const auto& campos = CamposSimulacion();
    cLinea.Redimensionar(kNumeroCampos);
    for (int i = 0; i < kNumeroCampos; ++i)
        cLinea.Fijar(i + 1, std::string(campos[static_cast<size_t>(i)].nombre) + "=", TextoDeCampo(*this, i));
    return cLinea;
}

void Simulacion::FromArray(const TablaLineas& cLinea)
{
    const auto& campos = CamposSimulacion();
    for (int i = 0; i < kNumeroCampos; ++i)
        AsignarCampoDesdeTexto(*this, i, BuscarClave(campos[static_cast<size_t>(i)].nombre, cLinea));
}

}  // namespace tarvelon
