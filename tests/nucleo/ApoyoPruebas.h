#pragma once
// Shared helpers of the core tests: a message recorder, scratch folders, raw
// file access and the worked example vehicle.
#include <gtest/gtest.h>

#include <algorithm>
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
        return respuesta;
    }
    std::vector<Aviso> avisos;
    Respuesta respuesta = Respuesta::Aceptar;
};

// A fresh folder under the test framework's temporary folder, removed afterwards.
class CarpetaTemporal {
public:
    CarpetaTemporal()
    {
        std::string plantilla = ::testing::TempDir() + "tarvelon_XXXXXX";
        if (!::mkdtemp(plantilla.data())) throw std::runtime_error("no se pudo crear " + plantilla);
        ruta_ = plantilla;
    }
    ~CarpetaTemporal()
    {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }
    std::string Fichero(std::string_view nombre) const { return (ruta_ / std::string(nombre)).string(); }

private:
    std::filesystem::path ruta_;
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

// Characters of a UTF-8 text, counted here without the program's own helpers.
inline size_t NumCaracteres(std::string_view s)
{
    return static_cast<size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The vehicle of the worked example: articulated tractor and semi-trailer,
// 120 000 km and 440 services a year.
inline Simulacion EjemploTrabajado()
{
    return {.Tipo = "Tractora con semirremolque",
            .DGNumeroTotalDeNeumaticos = 12,
            .CFCabezaPrecioBruto = 90000,
            .CFCabezaPrecioMedio = 84000,
            .CFSemiPrecioMedio = 30000,
            .CFCabezaValorResidual = 20,
            .CFSemiValorResidual = 10,
            .CFCabezaPeriodoAmortizacion = 6,
            .CFSemiPeriodoAmortizacion = 9,
            .CFVehiculoCuantiaAFinanciar = 80,
            .CFPeriodoAFinanciar = 4,
            .CFTAE = 5,
            .CFHorasAnualesTrabajadas = 1760,
            .CFDiasDeActividad = 220,
            .CFSeguridadSocialEmpresa = 32,
            .CFRetribucionOrdinaria1ConductorMecanico = 24000,
            .CFPlusDeAsistencia = 1200,
            .CFVisado = 100,
            .CFIVTM = 500,
            .CFITV = 150,
            .CFIAE = 300,
            .CFATP = 0,
            .CFADR = 0,
            .CFCosteRevisionTacografo = 50,
            .CFOtrosGastosFijos = 1000,
            .CVPrecioBrutoDelGasoleo = 1.25,
            .CVPrecioDelGasoleo = 1.05,
            .CVConsumoMedio = 33,
            .CVDietaMedia = 30,
            .CVDietasNumeroDeDias = 220,
            .CVPrecioMedioNeumaticos = 400,
            .CVDuracionMediaDeLosNeumaticos = 150000,
            .CVMantenimientoYReparacion = 0.08,
            .CVCosteMedioDelKMEnAutopista = 30,
            .CVPorcentajeDeServiciosQPaganPEajes = 40,
            .CIGastosAnuales = 12000,
            .ServiciosDiarios = 2,
            .KilometrajeAnual = 120000,
            .ErrorMsg = {}};
}

// The insurance window of the worked example: "Obligatorio + Terceros" chosen.
inline EntradaSeguro SeguroEjemplo() { return {2, "0", "3000", "0", "600", "400"}; }

// A record changed by "Clave=valor" words separated by blanks, values in the
// Spanish form ("CFTAE=0 CFVisado=1,5E+308").
inline Simulacion Cambiado(Simulacion s, const std::string& cambios)
{
    std::istringstream palabras(cambios);
    for (std::string p; palabras >> p;)
        AsignarCampoDesdeTexto(s, IndiceCampo(p.substr(0, p.find('='))), p.substr(p.find('=') + 1));
    return s;
}

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
