// The file reader on arbitrary bytes: LeerBloque of the whole file and of
// each type it names, and LeerTipos, each checked against a plain reading of
// the same bytes written out here from the file format. The input is the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ApoyoFuzz.h"
#include "data/Ficheros.h"
#include "data/Texto.h"

using namespace tarvelon;
using namespace tarvelon::fuzz;

namespace {

// Lines split only at CR LF; a last line without its end still counts.
std::vector<std::string> LineasReferencia(std::string_view bytes)
{
    std::vector<std::string> lineas;
    size_t inicio = 0;
    for (size_t i = 0; i + 1 < bytes.size();) {
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
            lineas.emplace_back(bytes.substr(inicio, i - inicio));
            i += 2;
            inicio = i;
        } else {
            ++i;
        }
    }
    if (inicio < bytes.size()) lineas.emplace_back(bytes.substr(inicio));
    return lineas;
}

// Unscrambling written out from its definition: shift back by 73, modulus 255.
std::string Descifrar(std::string_view s)
{
    std::string r;
    for (char c : s) {
        int v = static_cast<unsigned char>(c) - 73;
        if (v < 0) v += 255;
        r.push_back(static_cast<char>(v));
    }
    return r;
}

using Filas = std::vector<std::pair<std::string, std::string>>;

Filas BloqueReferencia(const std::vector<std::string>& lineas, const std::string* tipo)
{
    Filas filas;
    bool dentro = false;
    for (const auto& l : lineas) {
        const std::string linea = Cp1252AUtf8(Descifrar(l));
        const bool esTipo = linea.compare(0, 5, "Tipo=") == 0;
        if (tipo == nullptr) dentro = true;
        else if (esTipo) dentro = linea.substr(5) == *tipo;
        if (!dentro) continue;
        const size_t igual = linea.find('=');
        if (igual == std::string::npos) filas.emplace_back();
        else filas.emplace_back(linea.substr(0, igual), linea.substr(igual + 1));
    }
    return filas;
}

void Comparar(const TablaLineas& t, const Filas& esperadas, const char* que)
{
    if (esperadas.empty()) {
        if (t.Dimensionada()) Fallo(que, "tabla dimensionada sin filas esperadas");
        return;
    }
    if (!t.Dimensionada() || t.UltimaFila() != static_cast<int>(esperadas.size()))
        Fallo(que, "número de filas distinto");
    for (int f = 1; f <= t.UltimaFila(); ++f) {
        const auto& e = esperadas[static_cast<size_t>(f) - 1];
        if (t.Clave(f) != e.first) Fallo(que, t.Clave(f), e.first);
        if (t.Valor(f) != e.second) Fallo(que, t.Valor(f), e.second);
    }
}

std::string Recortar(const std::string& s)
{
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FicheroTemporal fichero;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fichero.Escribir(bytes);

    const std::vector<std::string> lineas = LineasReferencia(bytes);
    AvisadorMudo avisos;

    Comparar(LeerBloque(fichero.Ruta(), "", avisos), BloqueReferencia(lineas, nullptr), "LeerBloque completo");

    // Every "Tipo=" line gives a listed name (trimmed) and a block name (as written).
    std::vector<std::string> nombres;
    std::vector<std::string> listados;
    for (const auto& l : lineas) {
        const std::string linea = Cp1252AUtf8(Descifrar(l));
        if (linea.compare(0, 5, "Tipo=") != 0) continue;
        nombres.push_back(linea.substr(5));
        listados.push_back(Recortar(linea.substr(5)));
    }
    if (LeerTipos(fichero.Ruta(), avisos) != listados) Fallo("LeerTipos");

    for (size_t i = 0; i < nombres.size() && i < 4; ++i) {
        if (nombres[i].empty()) continue;
        Comparar(LeerBloque(fichero.Ruta(), nombres[i], avisos), BloqueReferencia(lineas, &nombres[i]),
                 "LeerBloque de un tipo");
        if (listados[i] != nombres[i] && !listados[i].empty())
            Comparar(LeerBloque(fichero.Ruta(), listados[i], avisos), BloqueReferencia(lineas, &listados[i]),
                     "LeerBloque de un nombre listado");
    }
    // A readable file never shows a message.
    if (avisos.mostrados != 0) Fallo("aviso inesperado", avisos.ultimo);

    // Every byte survives the trip through UTF-8.
    if (Utf8ACp1252(Cp1252AUtf8(bytes)) != bytes) Fallo("Windows-1252 -> UTF-8 -> Windows-1252");
    return 0;
}
