// tarvelon-datos: lists vehicle types, maintains the scrambled data files and
// prints the cost reports from the command line.
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
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int codigo =
        tarvelon::EjecutarDatos(args, CarpetaPrograma(argc > 0 ? argv[0] : nullptr), std::cout, std::cerr);
    std::cout.flush();
    return codigo;
}
