#include "model/EtiquetasCampos.h"

#include "model/Numeros.h"
#include "model/TablaCampos.h"

namespace tarvelon {

std::string EtiquetaCampo(std::string_view campo)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    std::string e = f ? EtiquetaDeFila(*f) : std::string();
    return e.empty() ? std::string(campo) : e;
}

std::string RotuloCampo(std::string_view campo)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    std::string r = f ? RotuloDeFila(*f) : std::string();
    return r.empty() ? std::string(campo) : r;
}

std::string CifraCampo(std::string_view campo, double valor)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    return f && f->decimales == 4 ? FormatoCuatroDecimales(valor) : FormatoDosDecimales(valor);
}

}  // namespace tarvelon
