// tarvelon-datos: lists vehicle types, maintains the scrambled data files and
// prints the cost reports from the command line.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/Datos.h"

namespace {

// The folder of this executable, where Config.txt lies beside the program.
std::string CarpetaPrograma(const char* argv0)
{
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that went away is a failed write (EPIPE) reported as such, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
    // A closed standard descriptor is taken by /dev/null opened for reading
    // (the lowest free number is the one closed): no file opened later gets
    // its number, so a report never lands in a data file, and every write
    // to it fails with EBADF.
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDONLY);
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    tarvelon::SalidaDescriptor salida(STDOUT_FILENO);
    std::ostream out(&salida);
    return tarvelon::EjecutarDatos(args, CarpetaPrograma(argc > 0 ? argv[0] : nullptr), out, std::cerr);
}
