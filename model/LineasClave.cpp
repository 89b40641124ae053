// The record's key=value line form.
#include "model/EtiquetasCampos.h"
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
    for (int i = 0; i < kNumeroCampos; ++i) {
        const std::string& texto = BuscarClave(campos[static_cast<size_t>(i)].nombre, cLinea);
        try {
            AsignarCampoDesdeTexto(*this, i, texto);
        } catch (const ErrorEjecucion& e) {
            throw ErrorCampo(e, i, texto);
        }
    }
}

std::string ExplicacionErrorCampo(const ErrorCampo& e, std::string_view donde)
{
    const std::string_view clave = CamposSimulacion()[static_cast<size_t>(e.Campo())].nombre;
    // A long text is cut on a character boundary: the start is enough to find it.
    std::string texto = e.Texto();
    if (texto.size() > 40) {
        size_t corte = 40;
        while (corte > 0 && (static_cast<unsigned char>(texto[corte]) & 0xC0) == 0x80) --corte;
        texto.replace(corte, std::string::npos, "…");
    }
    const std::string dato = "El dato «" + EtiquetaCampo(clave) + "» (" + std::string(clave) + ") " +
                             (donde.empty() ? "" : "de " + std::string(donde) + " ");
    if (texto.empty()) return dato + "está vacío; escriba un número.";
    if (e.Numero() == kDesbordamiento) return dato + "se sale del intervalo de los números: «" + texto + "».";
    return dato + "no es un número: «" + texto +
           "». Escriba los decimales con coma (6,5); el punto solo separa los miles (1.500).";
}

}  // namespace tarvelon
