#pragma once
// Shared helpers of the core tests: a message recorder, scratch folders, raw
// file access and the worked example vehicle.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "data/Avisador.h"
#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon::pruebas {

// Keeps every message the core asks to show and answers with a fixed button.
class AvisadorGrabador : public Avisador {
public:
    Respuesta Mostrar(const Aviso& aviso) override
    {
        avisos.push_back(aviso);
        return Respuesta::Aceptar;
    }
    std::vector<Aviso> avisos;
};

// A fresh folder under the test framework's temporary folder, removed afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal() : ruta_(Crear()) {}
    ~CarpetaTemporal() { std::filesystem::remove_all(ruta_, error_); }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;
    const std::filesystem::path& Ruta() const { return ruta_; }
    std::string Fichero(std::string_view nombre) const { return (ruta_ / std::string(nombre)).string(); }

private:
    static std::filesystem::path Crear()
    {
        std::string plantilla = ::testing::TempDir() + "tarvelon_XXXXXX";
        if (!::mkdtemp(plantilla.data())) throw std::runtime_error("no se pudo crear " + plantilla);
        return plantilla;
    }
    std::filesystem::path ruta_;
    std::error_code error_;
};

inline std::string LeerBytes(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void EscribirBytes(const std::string& ruta, std::string_view bytes)
{
    std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A record changed by "Clave=valor" words separated by `sep`, values in the
// Spanish form ("CFTAE=0 CFVisado=1,5E+308").
inline Simulacion Cambiado(Simulacion s, const std::string& cambios, char sep = ' ')
{
    std::istringstream palabras(cambios);
    for (std::string p; std::getline(palabras, p, sep);)
        if (!p.empty()) AsignarCampoDesdeTexto(s, IndiceCampo(p.substr(0, p.find('='))), p.substr(p.find('=') + 1));
    return s;
}

// The vehicle of the worked example: articulated tractor and semi-trailer,
// 120 000 km and 440 services a year.
inline Simulacion EjemploTrabajado()
{
    static const Simulacion ejemplo = Cambiado({}, LeerBytes(TARVELON_DATOS_PRUEBA "/ejemplo_trabajado.txt"), '\n');
    return ejemplo;
}

// Compares `texto` byte for byte with a golden file; TARVELON_REGENERAR=1
// rewrites the file instead (check the difference before committing it).
inline void ComoDorado(const std::string& ruta, const std::string& texto)
{
    if (std::getenv("TARVELON_REGENERAR")) EscribirBytes(ruta, texto);
    EXPECT_EQ(texto, LeerBytes(ruta)) << ruta;
}

// The insurance window of the worked example: "Obligatorio + Terceros" chosen.
inline EntradaSeguro SeguroEjemplo() { return {2, "0", "3000", "0", "600", "400"}; }

// Number of the run-time error that `f` raises; 0 when it raises none, -1 when
// it throws anything other than a run-time error.
template <class F>
int NumeroDeError(F&& f)
{
    try {
        f();
    } catch (const ErrorEjecucion& e) {
        return e.Numero();
    } catch (...) {
        return -1;
    }
    return 0;
}

}  // namespace tarvelon::pruebas
