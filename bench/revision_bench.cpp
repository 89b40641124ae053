// bench_revision: the fuel-price revision of a list of 100,000 services, streamed from a file to a
// file, against copying the same bytes with the same streams (what `cat` does).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/SerieGasoleo.h"
#include "reports/RevisionLote.h"

namespace {

using namespace tarvelon;

constexpr int kServicios = 100000;

std::string Carpeta() { return std::filesystem::temp_directory_path().string(); }

// A series of ten years and a list of services spread over it, written once.
const std::string& Servicios()
{
    static const std::string ruta = [] {
        const std::string r = Carpeta() + "/bench-servicios.csv";
        std::ofstream f(r, std::ios::binary);
        f << "referencia;fecha_contrato;fecha_servicio;precio;masa_t\r\n";
        for (int i = 0; i < kServicios; ++i) {
            char linea[96];
            std::snprintf(linea, sizeof linea, "S-%06d;20%02d-%02d-%02d;20%02d-%02d-%02d;%d,%02d;%d\r\n", i, 15 + i % 5,
                          1 + i % 12, 1 + i % 28, 16 + i % 5, 1 + (i / 12) % 12, 1 + (i / 7) % 28, 300 + i % 2000,
                          i % 100, (i % 3) ? 40 : 12);
            f << linea;
        }
        return r;
    }();
    return ruta;
}

SerieGasoleo Serie()
{
    std::string texto;
    for (int anio = 2015; anio <= 2024; ++anio)
        for (int mes = 1; mes <= 12; ++mes)
            texto += std::to_string(anio) + (mes < 10 ? "-0" : "-") + std::to_string(mes) + ";1," +
                     std::to_string(300 + (anio * 7 + mes * 13) % 400) + "\n";
    return SerieGasoleo::Leer(texto);
}

void BM_RevisionLote(benchmark::State& state)
{
    const SerieGasoleo serie = Serie();
    for (auto _ : state) {
        std::ifstream entrada(Servicios(), std::ios::binary);
        std::ofstream salida(Carpeta() + "/bench-revisados.csv", std::ios::binary);
        std::ofstream errores("/dev/null");
        const ResumenLote r = RevisarServicios(entrada, salida, errores, serie);
        if (r.revisados != kServicios) state.SkipWithError("servicios sin revisar");
    }
    state.SetItemsProcessed(state.iterations() * kServicios);
}
BENCHMARK(BM_RevisionLote)->Unit(benchmark::kMillisecond);

void BM_CopiaPlana(benchmark::State& state)
{
    for (auto _ : state) {
        std::ifstream entrada(Servicios(), std::ios::binary);
        std::ofstream salida(Carpeta() + "/bench-copia.csv", std::ios::binary);
        salida << entrada.rdbuf();
    }
    state.SetItemsProcessed(state.iterations() * kServicios);
}
BENCHMARK(BM_CopiaPlana)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
