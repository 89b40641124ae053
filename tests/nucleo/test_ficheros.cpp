// Scrambled line files: scrambling, line ends, character set, reading blocks
// and type lists, writing tables, and failures.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;
namespace fs = std::filesystem;

namespace {

using Textos = std::vector<std::string>;

std::string Byte(int c) { return std::string(1, static_cast<char>(c)); }

// A file as the program stores it, built from UTF-8 lines.
std::string Cifrado(const Textos& lineas)
{
    std::string bytes;
    for (const auto& l : lineas) bytes += CodificarLinea(Utf8ACp1252(l)) + "\r\n";
    return bytes;
}

// The rows of a table as "key=value|..."; empty when it was never dimensioned.
std::string FilasDe(const TablaLineas& t)
{
    std::string r;
    for (int fila = 1; t.Dimensionada() && fila <= t.UltimaFila(); ++fila)
        r += (fila > 1 ? "|" : "") + t.Clave(fila) + "=" + t.Valor(fila);
    return r;
}
Textos Contenido(const fs::path& carpeta)
{
    Textos r;
    for (const auto& e : fs::directory_iterator(carpeta)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

void ExpectErrorMostrado(const Aviso& a, const std::string& numero)
{
    EXPECT_EQ(a.texto.rfind("Se ha producido el error nº " + numero, 0), 0u) << a.texto;
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_EQ(a.titulo, "TARVELON");
}

// Shift 73 with modulus 255: the highest codes wrap to the lowest; 255 comes back as 0.
TEST(Cifrado, DesplazamientoConModulo255)
{
    const std::pair<int, int> casos[] = {{0, 73}, {182, 255}, {183, 1}, {254, 72}};
    for (const auto& [plano, cifrado] : casos) {
        EXPECT_EQ(CodificarLinea(Byte(plano)), Byte(cifrado)) << plano;
        EXPECT_EQ(DecodificarLinea(Byte(cifrado)), Byte(plano)) << plano;
    }
    EXPECT_EQ(CodificarLinea(Byte(255)), Byte(73));
    std::string todos;
    for (int c = 0; c <= 254; ++c) todos += Byte(c);
    EXPECT_EQ(DecodificarLinea(CodificarLinea(todos)), todos);
}

TEST(LeerBloque, BloquesYTipos)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("Config.txt");
    Textos lineas;
    std::istringstream plano(LeerBytes(TARVELON_DATOS_PRUEBA "/bloques.txt"));
    for (std::string l; std::getline(plano, l);) lineas.push_back(l);
    EscribirBytes(ruta, Cifrado(lineas));
    const std::pair<const char*, const char*> casos[] = {
        {"A", "Tipo=A|CFTAE=1|KilometrajeAnual=5|=|=|Tipo=A|CFTAE=3|CVConsumoMedio=33| Clave = valor "},
        // A type line in other letter case, or inside a line, neither ends nor starts a block.
        {"B", "Tipo=B|CFTAE=2|Nota=Tipo=Falso|tipo=A"},
        {" D", "Tipo= D|CFTAE=4"},
        {"  E  ", "Tipo=  E  |CFTAE=1=2"},                     // only the first "=" separates
        {"Camión", "Tipo=Camión|CFTAE=7|KilometrajeAnual=9"},  // up to the end of the file
        {"D", ""},
        {"a", ""}};
    for (const auto& [tipo, filas] : casos) EXPECT_EQ(FilasDe(LeerBloque(ruta, tipo, avisos)), filas) << tipo;
    EXPECT_FALSE(LeerBloque(ruta, "D", avisos).Dimensionada());
    const TablaLineas todo = LeerBloque(ruta, "", avisos);
    ASSERT_EQ(todo.UltimaFila(), 21);
    EXPECT_EQ(todo.Linea(1) + todo.Linea(21), "KilometrajeAnual9");
    // Type names are listed trimmed, in file order, repeated ones too.
    EXPECT_EQ(LeerTipos(ruta, avisos), (Textos{"A", "B", "D", "E", "A", "Camión"}));

    // Loading A takes the first block's value wherever both carry a key.
    Simulacion s;
    s.FromArray(LeerBloque(ruta, "A", avisos));
    EXPECT_EQ(s.CFTAE, 1);
    EXPECT_EQ(s.KilometrajeAnual, 5);
    EXPECT_EQ(s.CVConsumoMedio, 33);  // only the second block carries it
    EXPECT_EQ(NumeroDeError([&] { s.FromArray(LeerBloque(ruta, "  E  ", avisos)); }), 13);
    EXPECT_TRUE(avisos.avisos.empty());
}

// Only CR LF ends a line: the codes stored as a lone CR or LF stay in it; the last line needs no line end.
TEST(LeerBloque, SoloCrLfTerminaUnaLinea)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("datos.txt");
    ASSERT_EQ(CodificarLinea(Utf8ACp1252("ÀÃ")), "\n\r");
    const std::string a(1 << 16, 'a');
    EscribirBytes(ruta, Cifrado({a, "Tipo=B", a + "ÃaaÀ"}));
    EXPECT_EQ(LeerLineasDescifradas(ruta), (Textos{a, "Tipo=B", a + "ÃaaÀ"}));
    EscribirBytes(ruta, Cifrado({"CFTAE=1"}) + CodificarLinea("KilometrajeAnual=2"));
    EXPECT_TRUE(LeerTipos(ruta, avisos).empty());
    EXPECT_FALSE(LeerBloque(ruta, "X", avisos).Dimensionada());
    EXPECT_EQ(FilasDe(LeerBloque(ruta, "", avisos)), "CFTAE=1|KilometrajeAnual=2");
    EXPECT_TRUE(avisos.avisos.empty());
}

// Windows-1252 bytes, "?" for what it cannot hold, CR LF after every line,
// nothing left beside the file; a shorter table replaces a longer file whole,
// keeping its permissions.
TEST(GrabarLineas, CifradoWindows1252)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("datos.txt");
    Simulacion s = EjemploTrabajado();
    s.Tipo = "Camión frigorífico € 中 aÀbÃc";
    ASSERT_TRUE(GrabarLineas(ruta, s.ToArray(), avisos));
    const std::string bytes = LeerBytes(ruta);
    const std::string primera = CodificarLinea(
                                    "Tipo=Cami\xF3n frigor\xED"
                                    "fico \x80 ? a\xC0"
                                    "b\xC3"
                                    "c") +
                                "\r\n";
    EXPECT_EQ(bytes.substr(0, primera.size()), primera);
    EXPECT_EQ(bytes.substr(bytes.size() - 11), CodificarLinea("ErrorMsg=") + "\r\n");
    EXPECT_EQ(LeerLineasDescifradas(ruta).size(), 86u);
    EXPECT_EQ(LeerTipos(ruta, avisos), (Textos{"Camión frigorífico € ? aÀbÃc"}));
    EXPECT_EQ(Contenido(carpeta.Ruta()), (Textos{"datos.txt"}));
    TablaLineas corta;
    corta.AnadirFila("Tipo=", "B");
    fs::permissions(ruta, fs::perms(0640));
    ASSERT_TRUE(GrabarLineas(ruta, corta, avisos));
    EXPECT_EQ(LeerBytes(ruta), Cifrado({"Tipo=B"}));
    EXPECT_EQ(fs::status(ruta).permissions(), fs::perms(0640));
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST(GrabarLineas, RechazaExactamenteConfigTxt)
{
    CarpetaTemporal carpeta;
    const fs::path previa = fs::current_path();
    fs::current_path(carpeta.Ruta());
    AvisadorGrabador avisos;
    const TablaLineas t = Simulacion{}.ToArray();
    EXPECT_FALSE(GrabarLineas("Config.txt", t, avisos));
    EXPECT_TRUE(Contenido(carpeta.Ruta()).empty());
    // Other letter case, or a full path, is not refused.
    EXPECT_TRUE(GrabarLineas("config.txt", t, avisos));
    EXPECT_TRUE(GrabarLineas(carpeta.Fichero("Config.txt"), t, avisos));
    fs::current_path(previa);
    ASSERT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(avisos.avisos[0].texto, "Error. El fichero no puede llamarse: Config.txt");
    EXPECT_EQ(avisos.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(Contenido(carpeta.Ruta()), (Textos{"Config.txt", "config.txt"}));
}

// A write that fails shows one error message and leaves everything as it was.
TEST(GrabarLineas, UnaEscrituraFallidaNoDestruyeNada)
{
    CarpetaTemporal carpeta;
    const std::string previo = carpeta.Fichero("previo.txt");
    EscribirBytes(previo, Cifrado({"Tipo=Previo", "CFTAE=5"}));
    // Targets that are not files are in the tool's golden cases.
    const std::tuple<std::string, int, const char*> casos[] = {{previo, 32768, "6 ( "},
                                                               {carpeta.Fichero("no_hay/datos.txt"), 86, "76 ( "}};
    const auto antes = Contenido(carpeta.Ruta());
    for (const auto& [destino, filas, error] : casos) {
        SCOPED_TRACE(destino);
        TablaLineas t;
        t.Redimensionar(filas);
        AvisadorGrabador avisos;
        EXPECT_FALSE(GrabarLineas(destino, t, avisos));
        ASSERT_EQ(avisos.avisos.size(), 1u);
        ExpectErrorMostrado(avisos.avisos[0], error);
        EXPECT_EQ(LeerBytes(previo), Cifrado({"Tipo=Previo", "CFTAE=5"}));
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes);
    }
    TablaLineas t;
    t.Redimensionar(32767);  // still allowed
    AvisadorGrabador avisos;
    EXPECT_TRUE(GrabarLineas(previo, t, avisos));
    EXPECT_EQ(LeerBytes(previo).size(), 2u * 32767);
}

// What killed runs left behind goes with the next write to the folder; a
// file whose writer lives on (its pid, or the lock that every writer holds)
// stays, and so does anything not ours. A target swapped for a pipe while it
// was being written is not replaced.
TEST(EscrituraAtomica, QuitaLosTemporalesDeEjecucionesMuertas)
{
    CarpetaTemporal c;
    const std::string ruta = c.Fichero("datos.txt");
    const std::string casos[] = {".tarvelon-999999999-Abc123", ".tarvelon-" + std::to_string(::getpid()) + "-Abc123",
                                 ".tarvelon-999999998-Bloque", ".tarvelon-999999999-Abc12", ".tarvelon-0-Abc123"};
    for (const auto& nombre : casos) EscribirBytes(c.Fichero(nombre), "x");
    fs::create_directory(c.Fichero(".tarvelon-999999997-Carpet"));
    const int bloqueo = ::open(c.Fichero(casos[2]).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(bloqueo, LOCK_EX), 0);
    EscrituraAtomica e(ruta);
    const int otro = ::open(e.Temporal().c_str(), O_RDONLY);
    EXPECT_NE(::flock(otro, LOCK_EX | LOCK_NB), 0);  // the writer's own lock
    ::close(bloqueo);
    ::close(otro);
    ASSERT_EQ(::mkfifo(ruta.c_str(), 0600), 0);
    EXPECT_EQ(NumeroDeError([&] { e.Completar(); }), kErrorAcceso);
    EXPECT_EQ(Contenido(c.Ruta()), (Textos{".tarvelon-0-Abc123", casos[1], ".tarvelon-999999997-Carpet",
                                           ".tarvelon-999999998-Bloque", ".tarvelon-999999999-Abc12", "datos.txt"}));
    EXPECT_TRUE(fs::is_fifo(ruta));
}

}  // namespace
