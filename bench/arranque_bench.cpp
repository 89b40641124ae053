// Start-up of the program, from a fresh process's start to its main window shown (both on the
// monotonic clock, which every process shares), the splash and the decimal-comma notice answered at once.
//   tarvelon-arranque [RUNS]     (default 20)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string_view>

#include "ApoyoVentanas.h"
#include "windows/Arranque.h"
#include "windows/Inicio.h"

using namespace tarvelon;

long long AhoraNs() { return std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1); }

int main(int argc, char** argv)
{
    if (argc > 1 && argv[1] == std::string_view("--hijo")) {  // one start-up: prints when the window was shown
        QApplication app(argc, argv);
        PlataformaGuion plataforma;
        OpcionesArranque opciones;
        opciones.intervaloSplash = 0;
        auto inicio = Main(plataforma, opciones);
        if (!bench::Esperar([&] { return bench::Expuesta(*inicio); })) return 1;
        QCoreApplication::processEvents();
        std::printf("%lld\n", AhoraNs());
        return 0;
    }
    const int vueltas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> tiempos;
    long memoria = 0;
    for (int i = 0; i < vueltas; ++i) {
        int tubo[2];
        if (pipe(tubo) != 0) return 1;
        const long long inicio = AhoraNs();
        const pid_t pid = fork();
        if (pid == 0 && (dup2(tubo[1], STDOUT_FILENO) < 0 || execl("/proc/self/exe", argv[0], "--hijo", nullptr)))
            _exit(127);
        close(tubo[1]);
        char salida[32] = {};
        const bool leida = read(tubo[0], salida, sizeof salida - 1) > 0;
        close(tubo[0]);
        rusage uso{};  // the child's peak resident memory
        if (!leida || wait4(pid, nullptr, 0, &uso) != pid)
            return bench::Fallo("la vuelta %d no mostró la ventana principal\n", i + 1);
        tiempos.push_back(static_cast<double>(std::atoll(salida) - inicio) / 1e6);
        memoria = std::max(memoria, uso.ru_maxrss);
    }
    std::printf("arranque hasta la ventana principal mostrada (%d vueltas, plataforma %s):\n", vueltas,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "por defecto");
    bench::Resumen(tiempos);
    std::printf("  memoria máxima residente %.1f MiB\n", static_cast<double>(memoria) / 1024.0);
    return 0;
}
