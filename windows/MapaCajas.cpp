#include "windows/MapaCajas.h"

#include <algorithm>
#include <vector>

namespace tarvelon {

namespace {
std::vector<CajaCampo> HacerMapa()
{
    std::vector<std::pair<int, CajaCampo>> filas;
    for (const auto& f : TablaCampos())
        if (f.traspaso > 0) filas.push_back({f.traspaso, {f.clave, f.sufijo, f.paso, f.vacioEsCero}});
    std::sort(filas.begin(), filas.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CajaCampo> mapa;
    for (const auto& f : filas) mapa.push_back(f.second);
    return mapa;
}
}  // namespace

std::span<const CajaCampo> MapaCajas()
{
    static const std::vector<CajaCampo> mapa = HacerMapa();
    return mapa;
}

std::string SufijoCaja(std::string_view campo)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    return f && f->traspaso > 0 ? std::string(f->sufijo) : std::string(campo);
}

}  // namespace tarvelon
