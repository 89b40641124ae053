#pragma once
// Shared pieces of the fuzz targets: a message sink that only counts (nobody
// answers message boxes while fuzzing), a failed property and a scratch file.
#include <unistd.h>

// The standard headers the targets share.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "data/Avisador.h"

namespace tarvelon::fuzz {

struct AvisadorMudo : Avisador {
    int mostrados = 0;
    Respuesta Mostrar(const Aviso&) override { return ++mostrados, Respuesta::Aceptar; }
};

// Prints what differed and stops, so that libFuzzer keeps the input.
[[noreturn]] inline void Fallo(const char* que, std::string_view a = {}, std::string_view b = {})
{
    std::fprintf(stderr, "FALLO: %s\n  [%.*s]\n  [%.*s]\n", que, int(a.size()), a.data(), int(b.size()), b.data());
    std::abort();
}

// `bytes` written to this process's scratch file, which is removed when the process ends normally.
inline const std::string& FicheroTemporal(std::string_view bytes)
{
    static const struct Fichero {
        const char* tmp = std::getenv("TMPDIR");
        std::string ruta = std::string(tmp && *tmp ? tmp : "/tmp") + "/tarvelon-fuzz-" + std::to_string(::getpid());
        ~Fichero() { ::unlink(ruta.c_str()); }
    } f;
    std::FILE* out = std::fopen(f.ruta.c_str(), "wb");
    if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() || std::fclose(out) != 0) std::abort();
    return f.ruta;
}

}  // namespace tarvelon::fuzz
