// Start-up time of the program: from the process start to its main window
// shown on the screen, with the splash window and the decimal-comma notice
// answered at once. Each run is a fresh process; the parent times it.
//
//   tarvelon-arranque [RUNS]     runs the program's start-up RUNS times (default 20)
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include "PlataformaGuion.h"
#include "windows/Arranque.h"
#include "windows/Inicio.h"

extern char** environ;

namespace {

long long AhoraNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

long PicoMemoriaKb()
{
    std::ifstream f("/proc/self/status");
    std::string linea;
    while (std::getline(f, linea))
        if (linea.rfind("VmHWM:", 0) == 0) return std::stol(linea.substr(6));
    return -1;
}

int Hijo(int argc, char** argv)
{
    QApplication app(argc, argv);
    tarvelon::PlataformaGuion plataforma;
    tarvelon::OpcionesArranque opciones;
    opciones.intervaloSplash = 0;
    auto inicio = tarvelon::Main(plataforma, opciones);
    QWindow* ventana = inicio->windowHandle();
    QElapsedTimer espera;
    espera.start();
    while ((!ventana || !ventana->isExposed()) && espera.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ventana = inicio->windowHandle();
    }
    QCoreApplication::processEvents();
    const long long mostrada = AhoraNs();
    std::printf("%lld %ld %d\n", mostrada, PicoMemoriaKb(), ventana && ventana->isExposed() ? 1 : 0);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--hijo") == 0) return Hijo(argc, argv);

    const int vueltas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> tiempos;
    long memoria = 0;
    for (int i = 0; i < vueltas; ++i) {
        int tubo[2];
        if (pipe(tubo) != 0) return 1;
        posix_spawn_file_actions_t acciones;
        posix_spawn_file_actions_init(&acciones);
        posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&acciones, tubo[0]);
        char hijo[] = "--hijo";
        char* args[] = {argv[0], hijo, nullptr};
        pid_t pid = 0;
        const long long inicio = AhoraNs();
        if (posix_spawn(&pid, "/proc/self/exe", &acciones, nullptr, args, environ) != 0) return 1;
        close(tubo[1]);
        std::string salida;
        char buf[256];
        ssize_t n;
        while ((n = read(tubo[0], buf, sizeof buf)) > 0) salida.append(buf, static_cast<size_t>(n));
        close(tubo[0]);
        int estado = 0;
        waitpid(pid, &estado, 0);
        posix_spawn_file_actions_destroy(&acciones);
        long long mostrada = 0;
        long kb = 0;
        int expuesta = 0;
        if (std::sscanf(salida.c_str(), "%lld %ld %d", &mostrada, &kb, &expuesta) != 3 || !expuesta) {
            std::fprintf(stderr, "la vuelta %d no mostró la ventana principal\n", i + 1);
            return 1;
        }
        tiempos.push_back((mostrada - inicio) / 1e6);
        memoria = std::max(memoria, kb);
    }
    std::sort(tiempos.begin(), tiempos.end());
    std::printf("arranque hasta la ventana principal mostrada (%d vueltas, plataforma %s):\n", vueltas,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "por defecto");
    std::printf("  mínimo %.1f ms, mediana %.1f ms, máximo %.1f ms\n", tiempos.front(), tiempos[tiempos.size() / 2],
                tiempos.back());
    std::printf("  memoria máxima residente (VmHWM) %.1f MiB\n", memoria / 1024.0);
    return 0;
}
