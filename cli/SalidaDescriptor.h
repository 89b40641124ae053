#pragma once
// The tool's standard output: a buffer written straight to a descriptor that
// keeps the first write failure (a full disk, a closed descriptor, a reader
// gone away) and drops everything after it. EjecutarDatos checks it at the
// end of every command (ComprobarSalida) and turns that failure into error
// 61 (Disco lleno) or 57 (Error de E/S en el dispositivo), exit 2.
#include <iosfwd>
#include <streambuf>

namespace tarvelon {

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

// A report that did not reach its reader is a failure, not a result: the
// output is flushed and its first write failure becomes the run-time error.
void ComprobarSalida(std::ostream& out);

}  // namespace tarvelon
