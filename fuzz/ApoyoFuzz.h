#pragma once
// Shared pieces of the fuzz targets: a scratch file per process and a message
// sink that only counts, since nobody answers message boxes while fuzzing.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data/Avisador.h"
#include "model/Simulacion.h"
#include "model/TablaLineas.h"

namespace tarvelon::fuzz {

class AvisadorMudo : public Avisador {
public:
    Respuesta Mostrar(const Aviso& aviso) override
    {
        ++mostrados;
        ultimo = aviso.texto;
        return aviso.botones == Botones::SiNo ? Respuesta::No : Respuesta::Aceptar;
    }
    int mostrados = 0;
    std::string ultimo;
};

// A scratch file in the temporary folder, made once per process and rewritten
// for every input; removed when the process ends normally.
class FicheroTemporal {
public:
    FicheroTemporal()
    {
        const char* tmp = std::getenv("TMPDIR");
        ruta_ = std::string(tmp && *tmp ? tmp : "/tmp") + "/tarvelon-fuzz-XXXXXX";
        const int fd = ::mkstemp(ruta_.data());
        if (fd < 0) std::abort();
        ::close(fd);
    }
    ~FicheroTemporal() { ::unlink(ruta_.c_str()); }
    FicheroTemporal(const FicheroTemporal&) = delete;
    FicheroTemporal& operator=(const FicheroTemporal&) = delete;

    const std::string& Ruta() const { return ruta_; }

    void Escribir(std::string_view bytes) const
    {
        std::FILE* f = std::fopen(ruta_.c_str(), "wb");
        if (!f) std::abort();
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
        if (std::fclose(f) != 0) std::abort();
    }

private:
    std::string ruta_;
};

// A failed property: print what differed and stop, so that libFuzzer keeps the input.
[[noreturn]] inline void Fallo(const char* que, std::string_view a = {}, std::string_view b = {})
{
    std::fprintf(stderr, "FALLO: %s\n  [%.*s]\n  [%.*s]\n", que, static_cast<int>(a.size()), a.data(),
                 static_cast<int>(b.size()), b.data());
    std::abort();
}

// A line table from fuzzed bytes: lines separated by '\n'; a line that starts
// with byte 0x01 names a field by the next byte (its index modulo 86) and
// carries the rest as its value; any other line is split at its first '=' as a
// file line is; a line without '=' is an empty row. Empty input: a table that
// was never dimensioned.
inline TablaLineas TablaDesdeEntrada(std::string_view s)
{
    TablaLineas t;
    if (s.empty()) return t;
    const auto& campos = CamposSimulacion();
    size_t inicio = 0;
    while (inicio <= s.size()) {
        size_t fin = s.find('\n', inicio);
        if (fin == std::string_view::npos) fin = s.size();
        const std::string_view linea = s.substr(inicio, fin - inicio);
        if (linea.size() >= 2 && linea[0] == '\x01') {
            const auto i = static_cast<unsigned char>(linea[1]) % kNumeroCampos;
            t.AnadirFila(std::string(campos[i].nombre), std::string(linea.substr(2)));
        } else {
            const size_t igual = linea.find('=');
            if (igual == std::string_view::npos) t.AnadirFila({}, {});
            else t.AnadirFila(std::string(linea.substr(0, igual)), std::string(linea.substr(igual + 1)));
        }
        inicio = fin + 1;
    }
    return t;
}

}  // namespace tarvelon::fuzz
