#include "model/Simulacion.h"

#include <variant>

#include "model/Numeros.h"
#include "model/TablaCampos.h"

namespace tarvelon {

namespace {

TipoCampo TipoDe(const MiembroCampo& m)
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
    const auto& tabla = TablaCampos();
    for (size_t i = 0; i < tabla.size(); ++i) d[i] = {tabla[i].clave, TipoDe(tabla[i].miembro)};
    return d;
}

const FilaCampo& CampoEn(int indice)
{
    if (indice < 0 || indice >= kNumeroCampos) throw ErrorEjecucion(kSubindice);
    return TablaCampos()[static_cast<size_t>(indice)];
}

}  // namespace

const std::array<DescriptorCampo, kNumeroCampos>& CamposSimulacion()
{
    static const auto descriptores = HacerDescriptores();
    return descriptores;
}

int IndiceCampo(std::string_view nombre)
{
    const FilaCampo* f = BuscarFilaCampo(nombre);
    if (f) return static_cast<int>(f - TablaCampos().data());
    return -1;
}

std::string TextoDeCampo(const Simulacion& s, int indice)
{
    const FilaCampo& c = CampoEn(indice);
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
    const auto* m = std::get_if<double Simulacion::*>(&TablaCampos()[static_cast<size_t>(indice)].miembro);
    return m ? &(s.**m) : nullptr;
}

const double* DoubleDeCampo(const Simulacion& s, int indice)
{
    return DoubleDeCampo(const_cast<Simulacion&>(s), indice);
}

void AsignarCampoDesdeTexto(Simulacion& s, int indice, std::string_view texto, bool vacioEsCero)
{
    const FilaCampo& c = CampoEn(indice);
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
