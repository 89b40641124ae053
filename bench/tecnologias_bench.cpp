// The whole-life cost model for the four technologies over 15 years, break-even
// km search included, on the first vehicle of the Config.txt beside this program
// and the tecnologias.txt beside it. Target: under 1 ms.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/Analisis.h"
#include "model/ReferenciaTecnologias.h"

using namespace tarvelon;

namespace {

struct Callado : Avisador {
    Respuesta Mostrar(const Aviso&) override { return Respuesta::Aceptar; }
};

void BM_CosteVidaCuatroTecnologias15Anios(benchmark::State& state)
{
    const auto carpeta = std::filesystem::canonical("/proc/self/exe").parent_path();
    Callado avisos;
    const std::string ruta = (carpeta / "Config.txt").string();
    Simulacion s;
    s.FromArray(LeerBloque(ruta, LeerTipos(ruta, avisos).at(0), avisos));
    const auto referencia = LeerReferenciaTecnologias(LeerFicheroEntero((carpeta / "tecnologias.txt").string()));
    EscenarioTecnologias e;
    e.horizonte = 15;
    e.primerAnio = 2026;
    e.tecnologias = ColumnasDelRegistro(Calculada(s), referencia);
    for (auto _ : state) benchmark::DoNotOptimize(CalcularTecnologias(s, e, 2025));
}
BENCHMARK(BM_CosteVidaCuatroTecnologias15Anios)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
