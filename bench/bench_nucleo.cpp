// bench_nucleo: how fast the core computes a vehicle with its detailed report,
// and how fast it reads a large reference data file compared with a plain read.
#include <benchmark/benchmark.h>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Datos.h"
#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "model/Analisis.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"

namespace {

using namespace tarvelon;

class AvisosContados : public Avisador {
public:
    Respuesta Mostrar(const Aviso&) override
    {
        ++mostrados;
        return Respuesta::Aceptar;
    }
    int mostrados = 0;
};

// An articulated vehicle: 120 000 km and 440 services a year.
Simulacion Vehiculo()
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
    s.TipoSeguro = 2;
    s.CFSeguroObligatorioYTerceros = 3000;
    s.CFSeguroMercancia = 600;
    s.CFResponsabilidadCivil = 400;
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

// "Obligatorio + Terceros" chosen in the insurance window.
EntradaSeguro Seguro() { return EntradaSeguro{2, "0", "3000", "0", "600", "400"}; }

void BM_CalcularEInformeDetallado(benchmark::State& state)
{
    const Simulacion base = Vehiculo();
    const EntradaSeguro seguro = Seguro();
    std::vector<std::string> lineas;
    lineas.reserve(40);
    for (auto _ : state) {
        Simulacion s = base;
        s.Calcular(seguro);
        lineas.clear();
        InformeDetallado(s, lineas);
        benchmark::DoNotOptimize(lineas.data());
        benchmark::ClobberMemory();
    }
    if (lineas.size() != 35) state.SkipWithError("el informe detallado no tiene 35 líneas");
}
BENCHMARK(BM_CalcularEInformeDetallado);

// A reference data file of 10 000 types, each a full 86-line block, made once
// in a scratch folder and removed at exit.
constexpr int kTipos = 10000;

// CPU time of this thread, user and system (the kernel's copy of the bytes
// included): other work on a shared machine does not count against us.
double SegundosCpu()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct FicheroGrande {
    std::filesystem::path carpeta;
    std::string ruta;
    std::string ultimoTipo;
    size_t bytes = 0;
    double segundosLecturaPlana = 0;  // one plain read of the whole file

    FicheroGrande()
    {
        std::string plantilla = (std::filesystem::temp_directory_path() / "tarvelon_bench_XXXXXX").string();
        if (!mkdtemp(plantilla.data())) std::abort();
        carpeta = plantilla;
        ruta = (carpeta / "Config.txt").string();

        Simulacion s = Vehiculo();
        std::vector<std::string> lineas;
        lineas.reserve(static_cast<size_t>(kTipos) * kNumeroCampos);
        for (int i = 1; i <= kTipos; ++i) {
            s.Tipo = "Tipo de vehículo de prueba nº " + std::to_string(i);
            s.KilometrajeAnual = 100000 + i;
            const TablaLineas t = s.ToArray();
            for (int f = 1; f <= t.UltimaFila(); ++f) lineas.push_back(t.Linea(f));
            ultimoTipo = s.Tipo;
        }
        GrabarLineasCifradas(ruta, lineas);
        bytes = std::filesystem::file_size(ruta);

        // The yardstick: median of several plain reads (the first one warms the cache).
        std::vector<double> tiempos;
        for (int k = 0; k < 21; ++k) {
            const double t0 = SegundosCpu();
            const std::string todo = LeerTodo();
            const double t1 = SegundosCpu();
            if (todo.size() != bytes) std::abort();
            if (k > 0) tiempos.push_back(t1 - t0);
        }
        std::nth_element(tiempos.begin(), tiempos.begin() + tiempos.size() / 2, tiempos.end());
        segundosLecturaPlana = tiempos[tiempos.size() / 2];
    }
    ~FicheroGrande()
    {
        std::error_code ec;
        std::filesystem::remove_all(carpeta, ec);
    }

    // The whole file into memory in one go: the yardstick for the readers.
    std::string LeerTodo() const
    {
        std::string todo;
        FILE* f = std::fopen(ruta.c_str(), "rb");
        if (!f) return todo;
        todo.resize(bytes);
        const size_t n = std::fread(todo.data(), 1, todo.size(), f);
        todo.resize(n);
        std::fclose(f);
        return todo;
    }
};

FicheroGrande& Fichero()
{
    static FicheroGrande f;
    return f;
}

// Runs `leer` once per iteration and reports its throughput and its speed as
// a fraction of the plain read's (1 = as fast as reading the bytes).
template <class F>
void MedirLectura(benchmark::State& state, F leer)
{
    const FicheroGrande& f = Fichero();
    double segundos = 0;
    for (auto _ : state) {
        const double t0 = SegundosCpu();
        leer(f);
        segundos += SegundosCpu() - t0;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(f.bytes));
    const double porLectura = segundos / static_cast<double>(state.iterations());
    state.counters["relacion_con_lectura_plana"] = f.segundosLecturaPlana / porLectura;
    state.counters["MB_fichero"] = static_cast<double>(f.bytes) / 1e6;
}

void BM_LecturaPlana(benchmark::State& state)
{
    MedirLectura(state, [](const FicheroGrande& f) {
        std::string todo = f.LeerTodo();
        benchmark::DoNotOptimize(todo.data());
    });
}
BENCHMARK(BM_LecturaPlana)->Unit(benchmark::kMillisecond);

void BM_LeerTipos(benchmark::State& state)
{
    AvisosContados avisos;
    size_t n = 0;
    MedirLectura(state, [&](const FicheroGrande& f) {
        auto tipos = LeerTipos(f.ruta, avisos);
        n = tipos.size();
        benchmark::DoNotOptimize(tipos.data());
    });
    if (avisos.mostrados || n != static_cast<size_t>(kTipos)) state.SkipWithError("LeerTipos no leyó los 10 000 tipos");
}
BENCHMARK(BM_LeerTipos)->Unit(benchmark::kMillisecond);

void BM_LeerBloqueUltimoTipo(benchmark::State& state)
{
    AvisosContados avisos;
    int filas = 0;
    MedirLectura(state, [&](const FicheroGrande& f) {
        const TablaLineas t = LeerBloque(f.ruta, f.ultimoTipo, avisos);
        filas = t.Dimensionada() ? t.UltimaFila() : 0;
        benchmark::DoNotOptimize(filas);
    });
    if (avisos.mostrados || filas != kNumeroCampos) state.SkipWithError("LeerBloque no encontró el último tipo");
}
BENCHMARK(BM_LeerBloqueUltimoTipo)->Unit(benchmark::kMillisecond);

// The whole analysis of one vehicle: structure, comparison, the sensitivity of
// every input at ±10 % and the km curve (83 calculations).
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

// `tarvelon-datos informe --formato csv` over 10 000 personalised files, in-process:
// arguments, reading, validating and calculating each file, the fleet table.
void BM_TablaDeFlota(benchmark::State& state)
{
    constexpr int kFicheros = 10000;
    std::string plantilla = (std::filesystem::temp_directory_path() / "tarvelon_flota_XXXXXX").string();
    if (!mkdtemp(plantilla.data())) std::abort();
    const std::filesystem::path carpeta = plantilla;
    std::vector<std::string> args = {"informe", "--formato", "csv"};
    Simulacion s = Vehiculo();
    for (int i = 0; i < kFicheros; ++i) {
        s.KilometrajeAnual = 100000 + i;
        const TablaLineas t = s.ToArray();
        std::string bytes;
        for (int f = 1; f <= t.UltimaFila(); ++f) bytes += CodificarLinea(t.Linea(f)) + "\r\n";
        args.push_back((carpeta / ("vehiculo" + std::to_string(i) + ".txt")).string());
        if (!(std::ofstream(args.back(), std::ios::binary) << bytes)) std::abort();
    }
    int codigo = -1;
    for (auto _ : state) {
        std::ostringstream out, err;
        codigo = EjecutarDatos(args, carpeta.string(), out, err);
    }
    // Seconds per file (shown with its own unit, e.g. 33us).
    state.counters["por_fichero"] =
        benchmark::Counter(kFicheros, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    std::error_code ec;
    std::filesystem::remove_all(carpeta, ec);
    if (codigo != 0) state.SkipWithError("la tabla de flota no salió bien");
}
BENCHMARK(BM_TablaDeFlota)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
