// The file reader on arbitrary bytes (the input is the file): LeerBloque of
// the whole file and of the first types it names, and LeerTipos, against a
// plain reading written here that splits only at CR LF and unscrambles every
// line; and the Windows-1252 -> UTF-8 -> Windows-1252 round trip.

#include "ApoyoFuzz.h"
#include "data/Ficheros.h"
#include "data/Texto.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

using Filas = std::vector<std::pair<std::string, std::string>>;

Filas Leidas(const TablaLineas& t)
{
    Filas r;
    if (t.Dimensionada() && t.UltimaFila() == 0) Fallo("tabla dimensionada sin filas");
    for (int f = 1; t.Dimensionada() && f <= t.UltimaFila(); ++f) r.emplace_back(t.Clave(f), t.Valor(f));
    return r;
}

// The block of `tipo` (all lines when null): from its "Tipo=" line to the next one.
Filas Referencia(const std::vector<std::string>& lineas, const std::string* tipo)
{
    Filas r;
    bool dentro = tipo == nullptr;
    for (const auto& l : lineas) {
        if (tipo && l.starts_with("Tipo=")) dentro = l.substr(5) == *tipo;
        if (!dentro) continue;
        const size_t igual = l.find('=');
        if (igual == std::string::npos) r.emplace_back();  // a line without '=' is an empty row
        else r.emplace_back(l.substr(0, igual), l.substr(igual + 1));
    }
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string& ruta = FicheroTemporal(bytes);
    std::vector<std::string> lineas;  // split only at CR LF; a last line without its end still counts
    for (size_t inicio = 0; inicio < size;) {
        const size_t fin = std::min(bytes.find("\r\n", inicio), size);
        lineas.push_back(Cp1252AUtf8(DecodificarLinea(bytes.substr(inicio, fin - inicio))));
        inicio = fin + 2;
    }
    AvisadorMudo avisos;
    if (Leidas(LeerBloque(ruta, "", avisos)) != Referencia(lineas, nullptr)) Fallo("LeerBloque completo");

    // Every "Tipo=" line gives a name listed trimmed; a block is found by its name as written.
    std::vector<std::string> tipos, listados;
    for (const auto& l : lineas) {
        if (!l.starts_with("Tipo=")) continue;
        tipos.push_back(l.substr(5));
        const size_t a = tipos.back().find_first_not_of(' ');
        listados.push_back(a == std::string::npos ? ""
                                                  : tipos.back().substr(a, tipos.back().find_last_not_of(' ') - a + 1));
    }
    if (LeerTipos(ruta, avisos) != listados) Fallo("LeerTipos");
    for (size_t i = 0; i < tipos.size() && i < 4; ++i)
        for (const std::string* t : {&tipos[i], &listados[i]})
            if (!t->empty() && Leidas(LeerBloque(ruta, *t, avisos)) != Referencia(lineas, t)) Fallo("LeerBloque", *t);
    if (avisos.mostrados != 0) Fallo("aviso con un fichero legible");
    if (Utf8ACp1252(Cp1252AUtf8(bytes)) != bytes) Fallo("Windows-1252 -> UTF-8 -> Windows-1252");
    return 0;
}
