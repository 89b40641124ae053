#pragma once
// Runs the built tarvelon-datos as a separate process, with its arguments
// passed as they are (no shell) and its standard input read from a file, and
// keeps its exit code and both outputs.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/nucleo/ApoyoPruebas.h"

extern char** environ;

namespace tarvelon::pruebas_cli {

struct Salida {
    int codigo = -1;  // exit code; -1 when it crashed, or hung and was killed after 30 seconds
    std::string out, err;

    // stdout cut at "\n" (the tool ends every line with it).
    std::vector<std::string> Lineas() const
    {
        std::vector<std::string> r;
        for (size_t i = 0, p; i < out.size(); i = p + 1) {
            p = std::min(out.find('\n', i), out.size());
            r.push_back(out.substr(i, p - i));
        }
        return r;
    }
};

// `salida` sends stdout elsewhere: a path (/dev/full), "-" closed, "|" a pipe nobody reads.
// `limite`: the file size limit of the run (RLIMIT_FSIZE), 0 for none; `entrada` is stdin.
inline Salida Ejecutar(const std::vector<std::string>& args, const std::string& exe = TARVELON_DATOS_EXE,
                       const std::string& salida = "", rlim_t limite = 0, const std::string& entrada = "/dev/null")
{
    static int llamadas = 0;
    const std::string base =
        ::testing::TempDir() + "tarvelon_salida_" + std::to_string(::getpid()) + "_" + std::to_string(llamadas++);
    const std::string out = base + ".out", err = base + ".err";
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 0, entrada.c_str(), O_RDONLY, 0);
    int tubo[2] = {-1, -1};
    if (salida == "-") posix_spawn_file_actions_addclose(&acciones, 1);
    else if (salida == "|" && ::pipe2(tubo, O_CLOEXEC) == 0 && ::close(tubo[0]) == 0)
        posix_spawn_file_actions_adddup2(&acciones, tubo[1], 1);
    else
        posix_spawn_file_actions_addopen(&acciones, 1, (salida.empty() ? out : salida).c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&acciones, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char*> argv = {const_cast<char*>(exe.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    Salida s;
    pid_t pid = 0;
    rlimit antes{};
    ::getrlimit(RLIMIT_FSIZE, &antes);
    const rlimit limitado{limite, antes.rlim_max};
    if (limite) ::setrlimit(RLIMIT_FSIZE, &limitado);
    const int rc = posix_spawn(&pid, exe.c_str(), &acciones, nullptr, argv.data(), environ);
    ::setrlimit(RLIMIT_FSIZE, &antes);
    posix_spawn_file_actions_destroy(&acciones);
    if (tubo[1] >= 0) ::close(tubo[1]);
    if (rc != 0) {
        ADD_FAILURE() << "no se pudo iniciar " << exe;
        return s;
    }
    int estado = 0;
    for (int ms = 0; ::waitpid(pid, &estado, WNOHANG) == 0; ms += 5) {
        if (ms >= 30000 && ::kill(pid, SIGKILL) == 0) ::waitpid(pid, &estado, 0);
        ::usleep(5000);
    }
    if (WIFEXITED(estado)) s.codigo = WEXITSTATUS(estado);
    s.out = pruebas::LeerBytes(out);
    s.err = pruebas::LeerBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return s;
}

inline std::string ConfigMuestra() { return (std::filesystem::path(TARVELON_BIN_DIR) / "Config.txt").string(); }

inline std::string FuenteMuestra()
{
    return (std::filesystem::path(__FILE__).parent_path() / "../../resources/datos/Config.fuente.txt").string();
}

}  // namespace tarvelon::pruebas_cli
