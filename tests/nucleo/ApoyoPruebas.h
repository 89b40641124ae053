#pragma once
// Shared helpers of the core tests: a message recorder, scratch folders, raw
// file access and the worked example vehicle.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "data/Avisos.h"
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
        static std::atomic<int> contador{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nombre = "tarvelon_";
        if (info) nombre += std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : nombre)
            if (c == '/' || c == '\\') c = '_';
        nombre += "_" + std::to_string(contador++);
        ruta_ = std::filesystem::path(::testing::TempDir()) / nombre;
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
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

// The stored lines of a file, split at CR LF only, still scrambled.
inline std::vector<std::string> LineasCrudas(const std::string& bytes)
{
    std::vector<std::string> lineas;
    size_t inicio = 0;
    while (inicio < bytes.size()) {
        size_t p = bytes.find("\r\n", inicio);
        if (p == std::string::npos) {
            lineas.push_back(bytes.substr(inicio));
            break;
        }
        lineas.push_back(bytes.substr(inicio, p - inicio));
        inicio = p + 2;
    }
    return lineas;
}

// Code points of a UTF-8 text, so that column positions count characters.
inline std::u32string Caracteres(std::string_view s)
{
    std::u32string r;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
        char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < n && i + k < s.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        r.push_back(cp);
        i += static_cast<size_t>(n);
    }
    return r;
}

inline size_t NumCaracteres(std::string_view s) { return Caracteres(s).size(); }

// The vehicle of the worked example: articulated tractor and semi-trailer,
// 120 000 km and 440 services a year.
inline Simulacion EjemploTrabajado()
{
    Simulacion s;
    s.Tipo = "Tractora con semirremolque";
    s.CFCabezaPrecioBruto = 90000;
    s.CFCabezaPrecioMedio = 84000;
    s.CFSemiPrecioMedio = 30000;
    s.CFCabezaValorResidual = 20;
    s.CFSemiValorResidual = 10;
    s.CFCabezaPeriodoAmortizacion = 6;
    s.CFSemiPeriodoAmortizacion = 9;
    s.DGNumeroTotalDeNeumaticos = 12;
    s.CVPrecioMedioNeumaticos = 400;
    s.CFVehiculoCuantiaAFinanciar = 80;
    s.CFTAE = 5;
    s.CFPeriodoAFinanciar = 4;
    s.CFRetribucionOrdinaria1ConductorMecanico = 24000;
    s.CFPlusDeAsistencia = 1200;
    s.CFSeguridadSocialEmpresa = 32;
    s.CFIVTM = 500;
    s.CFVisado = 100;
    s.CFITV = 150;
    s.CFIAE = 300;
    s.CFCosteRevisionTacografo = 50;
    s.CFATP = 0;
    s.CFADR = 0;
    s.CFOtrosGastosFijos = 1000;
    s.KilometrajeAnual = 120000;
    s.CFDiasDeActividad = 220;
    s.ServiciosDiarios = 2;
    s.CFHorasAnualesTrabajadas = 1760;
    s.CVConsumoMedio = 33;
    s.CVPrecioBrutoDelGasoleo = 1.25;
    s.CVPrecioDelGasoleo = 1.05;
    s.CVDietasNumeroDeDias = 220;
    s.CVDietaMedia = 30;
    s.CVDuracionMediaDeLosNeumaticos = 150000;
    s.CVMantenimientoYReparacion = 0.08;
    s.CVCosteMedioDelKMEnAutopista = 30;
    s.CVPorcentajeDeServiciosQPaganPEajes = 40;
    s.CIGastosAnuales = 12000;
    return s;
}

// The insurance window of the worked example: "Obligatorio + Terceros" chosen.
inline EntradaSeguro SeguroEjemplo()
{
    EntradaSeguro e;
    e.opcion = 2;
    e.primaObligatorio = "0";
    e.primaObligatorioYTerceros = "3000";
    e.primaTodoRiesgo = "0";
    e.mercancia = "600";
    e.responsabilidadCivil = "400";
    return e;
}

}  // namespace tarvelon::pruebas

#include "model/Errores.h"

namespace tarvelon::pruebas {

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
