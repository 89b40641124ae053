#include "cli/TipoDesconocido.h"

#include <algorithm>
#include <string_view>
#include <tuple>
#include <vector>

#include "cli/FicherosNombrados.h"
#include "data/Ficheros.h"

namespace tarvelon {

namespace {

// Code points of a UTF-8 text, the capitals of Windows-1252 made small, so
// that type names compare without regard to case; for likeness, also the
// accents taken off (á a, ñ n).
std::u32string Plegado(std::string_view s, bool sinAcentos = false)
{
    static const std::u32string kBase = U"aaaaaa\u00e6ceeeeiiii\u00f0nooooo\u00f7ouuuuy\u00fey";  // à to ÿ
    std::u32string r;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        char32_t u = n == 1 ? c : c & (0x7F >> n);
        for (size_t k = 1; k < n && i + k < s.size(); ++k) u = (u << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) u += 0x20;
        else if (u == 0x152 || u == 0x160 || u == 0x17D) u += 1;  // Œ Š Ž
        else if (u == 0x178) u = 0xFF;                            // Ÿ
        if (sinAcentos && u >= 0xE0 && u <= 0xFF) u = kBase[u - 0xE0];
        r.push_back(u);
        i += n;
    }
    return r;
}

template <typename Texto>
Texto SinBlancosAlrededor(const Texto& t)
{
    const size_t a = t.find_first_not_of(' ');
    return a == Texto::npos ? Texto() : t.substr(a, t.find_last_not_of(' ') - a + 1);
}

// Edits (insert, delete, replace) from a text to the closest beginning of a
// name, so that a shortened name is near its whole; long names count by their
// first 200 characters.
size_t DistanciaAlPrincipio(std::u32string a, std::u32string b)
{
    a.resize(std::min<size_t>(a.size(), 200));
    b.resize(std::min<size_t>(b.size(), 200));
    std::vector<size_t> fila(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) fila[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = fila[0];
        fila[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t arriba = fila[j];
            fila[j] = std::min({arriba + 1, fila[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = arriba;
        }
    }
    return *std::min_element(fila.begin(), fila.end());
}

}  // namespace

// A type with no block in the reference file: a name that differs only in
// letter case or surrounding blanks is still refused (the block is found by
// its exact line), but named; otherwise the closest names are offered.
ErrorEjecucion TipoDesconocido(const std::string& tipo, const std::string& ruta)
{
    std::vector<std::string> nombres;  // as written after "Tipo=", each once, in file order
    try {
        for (const auto& l : LeerLineasDescifradas(ruta))
            if (l.starts_with("Tipo=") && std::find(nombres.begin(), nombres.end(), l.substr(5)) == nombres.end())
                nombres.push_back(l.substr(5));
    } catch (const ErrorEjecucion& e) {
        throw EnFichero(e, ruta);
    }
    std::string m = "El tipo «" + tipo + "» no existe en el fichero de referencia «" + ruta + "»";
    if (nombres.empty()) {
        const std::string motivo = PorQueNoEsDeDatos(ruta);
        return ErrorEjecucion(
            kSubindice, m + ", que no tiene ningún tipo de vehículo" + (motivo.empty() ? "" : " (" + motivo + ")"));
    }
    const std::u32string buscado = Plegado(tipo);
    // Likeness: every word typed is in the name, then fewest edits.
    std::vector<std::u32string> palabras;
    const std::u32string simple = Plegado(tipo, true);
    for (size_t i = 0, j; i < simple.size(); i = j + 1) {
        j = std::min(simple.find(U' ', i), simple.size());
        if (j > i) palabras.push_back(simple.substr(i, j - i));
    }
    struct Parecido {
        bool todas;
        size_t distancia;
        size_t orden;
    };
    std::vector<Parecido> parecidos;
    for (size_t i = 0; i < nombres.size(); ++i) {
        const std::u32string nombre = Plegado(nombres[i]);
        if (SinBlancosAlrededor(nombre) == SinBlancosAlrededor(buscado)) {
            const char* diferencia = nombre == buscado ? "mayúsculas y minúsculas"
                                     : SinBlancosAlrededor(nombres[i]) == SinBlancosAlrededor(tipo)
                                         ? "los espacios del principio o del final"
                                         : "mayúsculas, minúsculas y espacios";
            return ErrorEjecucion(kSubindice, m + "; solo difiere en " + diferencia + " de «" + nombres[i] +
                                                  "», que ha de escribirse exactamente así");
        }
        const std::u32string parecido = Plegado(nombres[i], true);
        const bool todas = std::all_of(palabras.begin(), palabras.end(),
                                       [&](const auto& p) { return parecido.find(p) != std::u32string::npos; });
        parecidos.push_back({todas, DistanciaAlPrincipio(simple, parecido), i});
    }
    std::sort(parecidos.begin(), parecidos.end(), [](const Parecido& a, const Parecido& b) {
        return std::tuple(!a.todas, a.distancia, a.orden) < std::tuple(!b.todas, b.distancia, b.orden);
    });
    m += ". Los más parecidos: ";
    for (size_t i = 0; i < std::min<size_t>(parecidos.size(), 3); ++i)
        m += (i ? ", «" : "«") + nombres[parecidos[i].orden] + "»";
    if (nombres.size() > 3) m += " (la orden tipos los lista todos)";
    return ErrorEjecucion(kSubindice, m);
}

}  // namespace tarvelon
