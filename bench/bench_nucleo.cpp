// bench_nucleo: the core computing a vehicle with its detailed report, reading a large reference data
// file (against a plain read of the same bytes), analysing one record; the fleet table of tarvelon-datos.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "cli/Datos.h"
#include "data/Ficheros.h"
#include "model/Analisis.h"
#include "model/FlotaSiEntonces.h"
#include "reports/Informes.h"

namespace {

using namespace tarvelon;

struct Callado : Avisador {
    Respuesta Mostrar(const Aviso&) override { return Respuesta::Aceptar; }
};

// The first sample vehicle, an articulated one, from the Config.txt beside this program.
Simulacion Vehiculo()
{
    Callado avisos;
    const std::string ruta = (std::filesystem::canonical("/proc/self/exe").parent_path() / "Config.txt").string();
    Simulacion s;
    s.FromArray(LeerBloque(ruta, LeerTipos(ruta, avisos).at(0), avisos));
    return s;
}

void BM_CalcularEInformeDetallado(benchmark::State& state)
{
    const Simulacion base = Vehiculo();
    const EntradaSeguro seguro = SeguroDesdeRegistro(base);
    std::vector<std::string> lineas;
    for (auto _ : state) {
        Simulacion s = base;
        s.Calcular(seguro);
        lineas.clear();
        InformeDetallado(s, lineas);
        benchmark::DoNotOptimize(lineas.data());
    }
    if (lineas.size() != 35) state.SkipWithError("el informe detallado no tiene 35 líneas");
}
BENCHMARK(BM_CalcularEInformeDetallado);

// The whole analysis of one vehicle: structure, comparison, sensitivity at ±10 %, km curve (about 80 calculations).
void BM_AnalisisDeUnRegistro(benchmark::State& state)
{
    const Simulacion base = Vehiculo();
    for (auto _ : state) {
        const Simulacion c = Calculada(base);
        benchmark::DoNotOptimize(Estructura(c).totalPorKm + Comparar(c, c).filas.back().a +
                                 AnalizarSensibilidad(base).costeKm);
    }
}
BENCHMARK(BM_AnalisisDeUnRegistro)->Unit(benchmark::kMicrosecond);

// The fleet «¿Y si…?» of 10 000 vehicles recomputed, as at each keystroke: every
// change at once, before and after of each vehicle and both totals rows.
void BM_SiEntoncesFlota(benchmark::State& state)
{
    std::vector<Simulacion> flota(10000, Vehiculo());
    for (size_t i = 0; i < flota.size(); ++i) flota[i].KilometrajeAnual += static_cast<double>(i);
    const CambiosFlota cambios{7.5, 3, 10, -5, 2, 80};
    double total = 0;
    for (auto _ : state) {
        TotalesFlota antes, despues;
        for (const auto& s : flota) {
            const SiEntoncesVehiculo v = SiEntonces(s, cambios);
            antes.Sumar(*v.antes);
            despues.Sumar(*v.despues);
        }
        total = despues.Total().costeAnual - antes.Total().costeAnual;
        benchmark::DoNotOptimize(total);
    }
    if (!(total > 0)) state.SkipWithError("los cambios no subieron el coste de la flota");
}
BENCHMARK(BM_SiEntoncesFlota)->Unit(benchmark::kMillisecond);

// The generated files: 10 000 copies of the vehicle, in a scratch folder removed at exit.
constexpr int kVehiculos = 10000;

const struct Carpeta {
    std::filesystem::path ruta =
        std::filesystem::temp_directory_path() / ("tarvelon_bench_" + std::to_string(getpid()));
    bool creada = std::filesystem::create_directory(ruta);
    std::error_code error;
    ~Carpeta() { std::filesystem::remove_all(ruta, error); }
} carpeta;

// Copies `desde` to `hasta` of the vehicle, told apart by their annual km and,
// when `nombradas`, named after their number, written as one data file.
void Grabar(const std::string& ruta, int desde, int hasta, bool nombradas)
{
    static const Simulacion base = Vehiculo();
    std::vector<std::string> lineas;
    for (int i = desde; i <= hasta; ++i) {
        Simulacion s = base;
        if (nombradas) s.Tipo = "Tipo de vehículo de prueba nº " + std::to_string(i);
        s.KilometrajeAnual = 100000 + i;
        const TablaLineas t = s.ToArray();
        for (int f = 1; f <= t.UltimaFila(); ++f) lineas.push_back(t.Linea(f));
    }
    GrabarLineasCifradas(ruta, lineas);
}

// The whole file into memory in one go: the yardstick for the readers.
size_t LeerTodo(const std::string& ruta, size_t bytes)
{
    std::string todo(bytes, '\0');
    FILE* f = std::fopen(ruta.c_str(), "rb");
    if (!f || std::fread(todo.data(), 1, bytes, f) != bytes || std::fclose(f) != 0) std::abort();
    return todo.size();
}

// A reference data file of all the copies as types, each a full 86-line block,
// and the CPU time of one plain read of it: median of 20, after one to warm the cache.
struct FicheroGrande {
    std::string ruta = (carpeta.ruta / "Config.txt").string();
    size_t bytes = 0;
    double lecturaPlana = 0;
    FicheroGrande()
    {
        Grabar(ruta, 1, kVehiculos, true);
        bytes = std::filesystem::file_size(ruta);
        std::vector<double> t(21);
        for (double& s : t) {
            const std::clock_t c0 = std::clock();
            LeerTodo(ruta, bytes);
            s = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
        }
        std::nth_element(t.begin() + 1, t.begin() + 11, t.end());
        lecturaPlana = t[11];
    }
};

// Reader 0: the plain read, 1: LeerTipos, 2: LeerBloque of the last type; a short read is skipped, a type
// not found stops the run. The counter is its speed as a fraction of the plain read's, both in CPU time (user and
// system: the kernel's copy counts, other work on a shared machine does not).
void BM_Lectura(benchmark::State& state, int lector)
{
    static const FicheroGrande f;
    const std::string ultimo = "Tipo de vehículo de prueba nº " + std::to_string(kVehiculos);
    Callado avisos;
    size_t n = 0;
    const std::clock_t c0 = std::clock();
    for (auto _ : state)
        n = lector == 0   ? LeerTodo(f.ruta, f.bytes)
            : lector == 1 ? LeerTipos(f.ruta, avisos).size()
                          : static_cast<size_t>(LeerBloque(f.ruta, ultimo, avisos).UltimaFila());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes));
    const double segundos = static_cast<double>(std::clock() - c0) / CLOCKS_PER_SEC;
    state.counters["relacion_con_lectura_plana"] = f.lecturaPlana * static_cast<double>(state.iterations()) / segundos;
    if (n != (lector == 0 ? f.bytes : lector == 1 ? kVehiculos : kNumeroCampos))
        state.SkipWithError("lectura incompleta");
}
BENCHMARK_CAPTURE(BM_Lectura, LecturaPlana, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lectura, LeerTipos, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Lectura, LeerBloqueUltimoTipo, 2)->Unit(benchmark::kMillisecond);

// `tarvelon-datos informe --formato csv` over all the copies as personalised files, in-process:
// arguments, reading, validating and calculating each file, the fleet table; also in seconds per file.
void BM_TablaDeFlota(benchmark::State& state)
{
    std::vector<std::string> args = {"informe", "--formato", "csv"};
    for (int i = 0; i < kVehiculos; ++i) {
        args.push_back((carpeta.ruta / ("vehiculo" + std::to_string(i) + ".txt")).string());
        Grabar(args.back(), i, i, false);
    }
    int codigo = -1;
    for (auto _ : state) {
        std::ostringstream out, err;
        codigo = EjecutarDatos(args, carpeta.ruta.string(), out, err);
    }
    state.counters["por_fichero"] =
        benchmark::Counter(kVehiculos, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    if (codigo != 0) state.SkipWithError("la tabla de flota no salió bien");
}
BENCHMARK(BM_TablaDeFlota)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
