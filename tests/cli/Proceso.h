#pragma once
// Runs the built tarvelon-datos as a separate process, with its arguments
// passed as they are (no shell), and captures its exit code and both outputs.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace tarvelon::pruebas_cli {

struct Salida {
    int codigo = -1;          // exit code, -1 when the process did not exit normally
    int senal = 0;            // signal that ended it, 0 when none
    bool agotado = false;     // killed after the time limit
    std::string out;
    std::string err;

    // stdout cut at "\n" (the tool ends every line with it).
    std::vector<std::string> Lineas() const
    {
        std::vector<std::string> r;
        size_t inicio = 0;
        while (inicio < out.size()) {
            size_t p = out.find('\n', inicio);
            if (p == std::string::npos) p = out.size();
            r.push_back(out.substr(inicio, p - inicio));
            inicio = p + 1;
        }
        return r;
    }
};

inline Salida Ejecutar(const std::vector<std::string>& args, const std::string& exe = TARVELON_DATOS_EXE,
                       std::chrono::seconds limite = std::chrono::seconds(30))
{
    Salida s;
    int tuboOut[2], tuboErr[2];
    if (pipe(tuboOut) != 0 || pipe(tuboErr) != 0) {
        ADD_FAILURE() << "pipe";
        return s;
    }
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&acciones, tuboOut[1], 1);
    posix_spawn_file_actions_adddup2(&acciones, tuboErr[1], 2);
    for (int fd : {tuboOut[0], tuboOut[1], tuboErr[0], tuboErr[1]}) posix_spawn_file_actions_addclose(&acciones, fd);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(exe.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &acciones, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acciones);
    close(tuboOut[1]);
    close(tuboErr[1]);
    if (rc != 0) {
        close(tuboOut[0]);
        close(tuboErr[0]);
        ADD_FAILURE() << "no se pudo iniciar " << exe;
        return s;
    }

    // Both pipes are drained together so that a full one never blocks the tool.
    const auto fin = std::chrono::steady_clock::now() + limite;
    std::array<pollfd, 2> fds{{{tuboOut[0], POLLIN, 0}, {tuboErr[0], POLLIN, 0}}};
    int abiertos = 2;
    char buf[65536];
    while (abiertos > 0) {
        const auto resto = std::chrono::duration_cast<std::chrono::milliseconds>(fin - std::chrono::steady_clock::now());
        if (resto.count() <= 0) {
            s.agotado = true;
            kill(pid, SIGKILL);
            break;
        }
        const int n = poll(fds.data(), fds.size(), static_cast<int>(resto.count()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            const ssize_t leidos = read(fds[i].fd, buf, sizeof buf);
            if (leidos > 0) {
                (i == 0 ? s.out : s.err).append(buf, static_cast<size_t>(leidos));
            } else if (leidos == 0 || errno != EINTR) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --abiertos;
            }
        }
    }
    for (auto& f : fds)
        if (f.fd >= 0) close(f.fd);
    int estado = 0;
    while (waitpid(pid, &estado, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(estado)) s.codigo = WEXITSTATUS(estado);
    if (WIFSIGNALED(estado)) s.senal = WTERMSIG(estado);
    return s;
}

// A fresh scratch folder, removed afterwards.
class Carpeta {
public:
    Carpeta()
    {
        static std::atomic<int> contador{0};
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nombre = "tarvelon_cli_" + std::to_string(getpid()) + "_";
        if (info) nombre += std::string(info->name());
        for (char& c : nombre)
            if (c == '/') c = '_';
        nombre += "_" + std::to_string(contador++);
        ruta_ = std::filesystem::temp_directory_path() / nombre;
        std::filesystem::remove_all(ruta_);
        std::filesystem::create_directories(ruta_);
    }
    ~Carpeta()
    {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    Carpeta(const Carpeta&) = delete;
    Carpeta& operator=(const Carpeta&) = delete;
    std::string Fichero(std::string_view nombre) const { return (ruta_ / std::string(nombre)).string(); }
    const std::filesystem::path& Ruta() const { return ruta_; }

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

inline std::string ConfigMuestra() { return (std::filesystem::path(TARVELON_BIN_DIR) / "Config.txt").string(); }

inline std::string FuenteMuestra()
{
    return (std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "resources" / "datos" / "Config.fuente.txt")
        .lexically_normal()
        .string();
}

}  // namespace tarvelon::pruebas_cli
