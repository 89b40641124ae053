#pragma once
// The command-line tool tarvelon-datos: a thin front over the core that lists
// vehicle types, scrambles and unscrambles data files, prints the reports (as
// text, JSON or CSV), compares records, analyses sensitivity and exports workbooks.
#include <iosfwd>
#include <streambuf>
#include <string>
#include <vector>

namespace tarvelon {

// Exit codes of the tool.
inline constexpr int kSalidaBien = 0;
inline constexpr int kSalidaValidacion = 1;  // the record did not pass Validar; `tipos` found no type
inline constexpr int kSalidaError = 2;       // a run-time error (file, number, calculation)
inline constexpr int kSalidaUso = 64;        // wrong arguments

// Runs one command. `args` are the arguments without the program name;
// `carpetaPrograma` is the folder where Config.txt is looked for by default.
// Report lines and type names go to `out`, messages to `err`. Never throws.
int EjecutarDatos(const std::vector<std::string>& args, const std::string& carpetaPrograma, std::ostream& out,
                  std::ostream& err);

// The short usage text printed for wrong arguments (the general help adds to it).
std::string TextoUsoDatos();

// The tool's standard output: a buffer written straight to a descriptor that
// keeps the first write failure (a full disk, a closed descriptor, a reader
// gone away) and drops everything after it. EjecutarDatos flushes it at the
// end of every command and turns that failure into error 61 (Disco lleno)
// or 57 (Error de E/S en el dispositivo), exit 2.
class SalidaDescriptor : public std::streambuf {
public:
    explicit SalidaDescriptor(int fd);
    int ErrorSistema() const noexcept { return error_; }  // errno of the first failure, 0 if none

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool Vaciar();
    int fd_;
    int error_ = 0;
    char buffer_[1 << 16];
};

}  // namespace tarvelon
