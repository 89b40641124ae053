#include "cli/SalidaDescriptor.h"

#include <unistd.h>

#include <cerrno>
#include <ostream>

#include "model/Errores.h"

namespace tarvelon {

SalidaDescriptor::SalidaDescriptor(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof buffer_); }

bool SalidaDescriptor::Vaciar()
{
    for (const char* p = pbase(); error_ == 0 && p < pptr();) {
        const ssize_t n = ::write(fd_, p, static_cast<size_t>(pptr() - p));
        if (n < 0 && errno != EINTR) error_ = errno;
        if (n > 0) p += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);
    return error_ == 0;
}

SalidaDescriptor::int_type SalidaDescriptor::overflow(int_type c)
{
    if (!Vaciar()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int SalidaDescriptor::sync() { return Vaciar() ? 0 : -1; }

void ComprobarSalida(std::ostream& out)
{
    out.flush();
    if (out) return;
    const auto* salida = dynamic_cast<const SalidaDescriptor*>(out.rdbuf());
    const int e = salida ? salida->ErrorSistema() : 0;
    throw ErrorEjecucion(e == ENOSPC || e == EDQUOT || e == EFBIG ? kDiscoLleno : kErrorES);
}

}  // namespace tarvelon
