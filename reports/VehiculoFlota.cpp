#include "reports/VehiculoFlota.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "model/Errores.h"
#include "reports/CalcularInforme.h"
#include "reports/CargarRegistro.h"

namespace tarvelon {

std::vector<std::string> FicherosDeCarpeta(const std::string& carpeta)
{
    const auto nombrado = [&](int numero) { return EnFichero(ErrorEjecucion(numero), carpeta); };
    std::error_code ec;
    if (!std::filesystem::is_directory(carpeta, ec))
        throw nombrado(std::filesystem::exists(carpeta, ec) ? kErrorAcceso : kFicheroNoEncontrado);
    std::vector<std::string> r;
    std::filesystem::directory_iterator it(carpeta, ec), fin;
    if (ec) throw nombrado(kPermisoDenegado);
    for (; it != fin; it.increment(ec)) {
        if (it->is_regular_file(ec)) r.push_back(it->path().string());
    }
    if (ec) throw nombrado(kErrorES);
    std::sort(r.begin(), r.end());
    return r;
}

VehiculoFlota CargarVehiculoFlota(const std::string& ruta, const std::string& carpetaPrograma)
{
    VehiculoFlota v;
    v.fichero = ruta;
    try {
        Simulacion s = CargarRegistro(Origen{ruta, std::nullopt, std::nullopt}, carpetaPrograma);
        v.tipo = s.Tipo;
        Simulacion calculada = s;
        const ResultadoInforme r =
            CalcularInforme(calculada, SeguroDesdeRegistro(s), [](const Simulacion&, std::vector<std::string>&) {});
        if (r.error) throw *r.error;
        if (r.noValido) {
            for (const auto& m : r.lineas)
                if (!m.empty()) v.error += (v.error.empty() ? "" : " | ") + m;
            v.fallo = FalloVehiculo::Validacion;
            return v;
        }
        v.antes = Cifras(calculada);
        v.despues = v.antes;
        v.registro = std::move(s);
    } catch (...) {
        v.fallo = FalloVehiculo::Lectura;
        v.error = MensajeError(ComoErrorEjecucion(std::current_exception()));
        v.antes.reset();
        v.despues.reset();
    }
    return v;
}

bool HayCambios(const CambiosFlota& c)
{
    return c.gasoleo != 0 || c.salarios != 0 || c.peajes != 0 || c.mantenimiento != 0 || c.km != 0 || c.precioCo2 != 0;
}

void AplicarCambios(VehiculoFlota& v, const CambiosFlota& cambios)
{
    if (!v.registro || !v.antes) return;
    if (v.fallo == FalloVehiculo::Cambios) {
        v.fallo = FalloVehiculo::Ninguno;
        v.error.clear();
    }
    if (!HayCambios(cambios)) {
        v.despues = v.antes;
        return;
    }
    try {
        v.despues = Cifras(Calculada(ConCambios(*v.registro, cambios)), cambios.precioCo2);
    } catch (...) {
        v.despues.reset();
        v.fallo = FalloVehiculo::Cambios;
        v.error = "Con los cambios: " + MensajeError(ComoErrorEjecucion(std::current_exception()));
    }
}

void SumaFlota::Sumar(const VehiculoFlota& v)
{
    if (!v.antes || !v.despues) {
        ++sinCifras;
        return;
    }
    antes.Sumar(*v.antes);
    despues.Sumar(*v.despues);
}

SumaFlota Sumar(const std::vector<const VehiculoFlota*>& vehiculos)
{
    SumaFlota s;
    for (const VehiculoFlota* v : vehiculos) s.Sumar(*v);
    return s;
}

}  // namespace tarvelon
