// Scrambled line files: scrambling, line ends, character set, reading blocks
// and type lists, writing tables, and failures.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;
namespace fs = std::filesystem;

namespace {

std::string Byte(int c) { return std::string(1, static_cast<char>(c)); }

// A file as the program stores it, built from UTF-8 lines.
std::string Cifrado(const std::vector<std::string>& lineas, bool finalConSalto = true)
{
    std::string bytes;
    for (size_t i = 0; i < lineas.size(); ++i) {
        bytes += CodificarLinea(Utf8ACp1252(lineas[i]));
        if (finalConSalto || i + 1 < lineas.size()) bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> Descifradas(const std::string& ruta)
{
    std::vector<std::string> r;
    for (const auto& l : LineasCrudas(LeerBytes(ruta))) r.push_back(DecodificarLinea(l));
    return r;
}

void ExpectFilas(const TablaLineas& t, const std::vector<std::pair<std::string, std::string>>& filas)
{
    ASSERT_TRUE(t.Dimensionada());
    ASSERT_EQ(t.UltimaFila(), static_cast<int>(filas.size()));
    for (size_t i = 0; i < filas.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(t.Clave(static_cast<int>(i) + 1), filas[i].first);
        EXPECT_EQ(t.Valor(static_cast<int>(i) + 1), filas[i].second);
    }
}

void ExpectErrorDeEjecucion(const Aviso& a)
{
    EXPECT_EQ(a.icono, Icono::Critico);
    EXPECT_EQ(a.botones, Botones::Aceptar);
    EXPECT_EQ(a.titulo, "TARVELON");
    EXPECT_EQ(a.texto.rfind("Se ha producido el error nº ", 0), 0u) << a.texto;
    EXPECT_NE(a.texto.find(" ( "), std::string::npos) << a.texto;
    EXPECT_EQ(a.texto.substr(a.texto.size() - 2), ") ") << a.texto;
}

std::vector<std::string> Contenido(const fs::path& carpeta)
{
    std::vector<std::string> r;
    for (const auto& e : fs::directory_iterator(carpeta)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

TEST(Cifrado, DesplazamientoConModulo255)
{
    const struct {
        int plano;
        int cifrado;
    } casos[] = {{0, 73}, {65, 138}, {182, 255}, {183, 1}, {200, 18}, {254, 72}, {255, 73}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.plano);
        EXPECT_EQ(CodificarLinea(Byte(c.plano)), Byte(c.cifrado));
    }
    EXPECT_EQ(DecodificarLinea(Byte(73)), Byte(0));
    EXPECT_EQ(DecodificarLinea(Byte(72)), Byte(254));
    EXPECT_EQ(DecodificarLinea(Byte(1)), Byte(183));
    EXPECT_EQ(DecodificarLinea(Byte(0)), Byte(182));
    EXPECT_EQ(CodificarLinea(""), "");
    EXPECT_EQ(DecodificarLinea(""), "");
}

TEST(Cifrado, IdaYVueltaDeCadaCodigoMenosEl255)
{
    std::string todos;
    for (int c = 0; c <= 254; ++c) todos += Byte(c);
    const std::string cifrado = CodificarLinea(todos);
    ASSERT_EQ(cifrado.size(), todos.size());
    EXPECT_EQ(DecodificarLinea(cifrado), todos);
    EXPECT_EQ(DecodificarLinea(CodificarLinea(Byte(255))), Byte(0));
    EXPECT_EQ(CodificarLinea("Tipo=A"), Byte('T' + 73) + Byte('i' + 73) + Byte('p' + 73) + Byte('o' + 73) +
                                            Byte('=' + 73) + Byte('A' + 73));
}

class FicheroDeReferencia : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = carpeta.Fichero("Config.txt");
        EscribirBytes(ruta, Cifrado({
                                "Comentario inicial",
                                "Tipo=A",
                                "CFTAE=1",
                                "KilometrajeAnual=5",
                                "",
                                "sin igual",
                                "Tipo=B",
                                "CFTAE=2",
                                "tipo=A",
                                "Tipo= D",
                                "CFTAE=4",
                                "Tipo=  E  ",
                                "CFTAE=8",
                                "Tipo=A",
                                "CFTAE=3",
                                "CVConsumoMedio=33",
                                " Clave = valor ",
                                "Tipo=Camión",
                                "CFTAE=7",
                                "KilometrajeAnual=9",
                            }));
    }
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    std::string ruta;
};

TEST_F(FicheroDeReferencia, BloquesPorTipo)
{
    ExpectFilas(LeerBloque(ruta, "A", avisos), {{"Tipo", "A"},
                                                {"CFTAE", "1"},
                                                {"KilometrajeAnual", "5"},
                                                {"", ""},
                                                {"", ""},
                                                {"Tipo", "A"},
                                                {"CFTAE", "3"},
                                                {"CVConsumoMedio", "33"},
                                                {" Clave ", " valor "}});
    // A type line in other letter case neither ends nor starts a block.
    ExpectFilas(LeerBloque(ruta, "B", avisos), {{"Tipo", "B"}, {"CFTAE", "2"}, {"tipo", "A"}});
    ExpectFilas(LeerBloque(ruta, " D", avisos), {{"Tipo", " D"}, {"CFTAE", "4"}});
    ExpectFilas(LeerBloque(ruta, "  E  ", avisos), {{"Tipo", "  E  "}, {"CFTAE", "8"}});
    // The last block runs to the end of the file.
    ExpectFilas(LeerBloque(ruta, "Camión", avisos), {{"Tipo", "Camión"}, {"CFTAE", "7"}, {"KilometrajeAnual", "9"}});
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST_F(FicheroDeReferencia, TipoQueNoEstaDaLaTablaVacia)
{
    for (const char* tipo : {"D", "E", "a", "C", "A "}) {
        SCOPED_TRACE(tipo);
        const TablaLineas t = LeerBloque(ruta, tipo, avisos);
        EXPECT_FALSE(t.Dimensionada());
        EXPECT_EQ(NumeroDeError([&] { (void)t.UltimaFila(); }), 9);
    }
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST_F(FicheroDeReferencia, TipoVacioLeeTodoElFichero)
{
    const TablaLineas t = LeerBloque(ruta, "", avisos);
    ASSERT_EQ(t.UltimaFila(), 20);
    EXPECT_EQ(t.Clave(1), "");
    EXPECT_EQ(t.Valor(1), "");
    EXPECT_EQ(t.Clave(20), "KilometrajeAnual");
    EXPECT_EQ(t.Valor(20), "9");
}

TEST_F(FicheroDeReferencia, ListaDeTiposRecortadaYConRepetidos)
{
    EXPECT_EQ(LeerTipos(ruta, avisos), (std::vector<std::string>{"A", "B", "D", "E", "A", "Camión"}));
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST_F(FicheroDeReferencia, CargarUnTipoRepetido)
{
    Simulacion s;
    s.FromArray(LeerBloque(ruta, "A", avisos));
    EXPECT_EQ(s.Tipo, "A");
    EXPECT_EQ(s.CFTAE, 1);               // both blocks carry it: the first wins
    EXPECT_EQ(s.KilometrajeAnual, 5);
    EXPECT_EQ(s.CVConsumoMedio, 33);     // only the second block carries it
    EXPECT_EQ(s.ServiciosDiarios, 0);    // no block carries it
}

TEST(LeerFichero, SinLineasDeTipo)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("sin_tipos.txt");
    EscribirBytes(ruta, Cifrado({"CFTAE=1", "KilometrajeAnual=2"}));
    EXPECT_TRUE(LeerTipos(ruta, avisos).empty());
    EXPECT_FALSE(LeerBloque(ruta, "X", avisos).Dimensionada());
    ExpectFilas(LeerBloque(ruta, "", avisos), {{"CFTAE", "1"}, {"KilometrajeAnual", "2"}});
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST(LeerFichero, UltimaLineaSinSalto)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("sin_salto.txt");
    EscribirBytes(ruta, Cifrado({"Tipo=A", "CFTAE=1", "KilometrajeAnual=2"}, false));
    ExpectFilas(LeerBloque(ruta, "A", avisos), {{"Tipo", "A"}, {"CFTAE", "1"}, {"KilometrajeAnual", "2"}});
}

TEST(LeerFichero, FicheroQueNoExiste)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("no_existe.txt");
    const TablaLineas t = LeerBloque(ruta, "", avisos);
    EXPECT_FALSE(t.Dimensionada());
    ASSERT_EQ(avisos.avisos.size(), 1u);
    ExpectErrorDeEjecucion(avisos.avisos[0]);

    AvisadorGrabador otros;
    EXPECT_TRUE(LeerTipos(ruta, otros).empty());
    ASSERT_EQ(otros.avisos.size(), 1u);
    ExpectErrorDeEjecucion(otros.avisos[0]);

    Simulacion s;
    EXPECT_EQ(NumeroDeError([&] { s.FromArray(t); }), 9);
}

TEST(LeerFichero, BasuraYLineasMuyLargasNoRompenNada)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("basura.bin");
    std::mt19937 gen(3);
    std::string bytes;
    for (int i = 0; i < 300000; ++i) bytes += static_cast<char>(gen() & 0xFF);
    bytes += "\r\n" + std::string(1 << 20, static_cast<char>('=' + 73)) + "\r\n";
    EscribirBytes(ruta, bytes);
    EXPECT_NO_THROW((void)LeerTipos(ruta, avisos));
    TablaLineas t;
    EXPECT_NO_THROW(t = LeerBloque(ruta, "", avisos));
    ASSERT_TRUE(t.Dimensionada());
    EXPECT_EQ(t.Clave(t.UltimaFila()), "");
    EXPECT_EQ(t.Valor(t.UltimaFila()).size(), (1u << 20) - 1);
    Simulacion s;
    EXPECT_NE(NumeroDeError([&] { s.FromArray(t); }), -1);
}

// Line ends that fall across the reader's internal pieces (a megabyte is a
// likely size) must still be found, and a lone CR there must stay in the line.
TEST(LeerFichero, FinesDeLineaEnCualquierPosicion)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const char a = static_cast<char>('a' + 73);
    for (size_t largo : {(1u << 16) - 1, (1u << 16), (1u << 20) - 2, (1u << 20) - 1, (1u << 20)}) {
        SCOPED_TRACE(largo);
        const std::string ruta = carpeta.Fichero("largo.txt");
        EscribirBytes(ruta, std::string(largo, a) + "\r\n" + CodificarLinea("Tipo=B") + "\r\n" +
                                std::string(largo, a) + "\r" + std::string(3, a) + "\r\n");
        const TablaLineas t = LeerBloque(ruta, "", avisos);
        ASSERT_EQ(t.UltimaFila(), 3);
        EXPECT_EQ(t.Clave(1).size() + t.Valor(1).size(), 0u);
        EXPECT_EQ(t.Valor(2), "B");
        const std::vector<std::string> lineas = LeerLineasDescifradas(ruta);
        ASSERT_EQ(lineas.size(), 3u);
        EXPECT_EQ(lineas[0], std::string(largo, 'a'));
        EXPECT_EQ(lineas[2], std::string(largo, 'a') + "Ã" + "aaa");
    }
    EXPECT_TRUE(avisos.avisos.empty());
}

// Two codes are stored as CR and LF; only the pair ends a line.
TEST(GrabarYLeer, RetornoOSaltoSueltosSiguenEnLaLinea)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("saltos.txt");
    ASSERT_EQ(CodificarLinea(Utf8ACp1252("À")), "\n");
    ASSERT_EQ(CodificarLinea(Utf8ACp1252("Ã")), "\r");
    TablaLineas t;
    t.Redimensionar(0);
    t.AnadirFila("Tipo=", "aÀbÃcÀÃd");
    t.AnadirFila("Nota=", "Ã");
    t.AnadirFila("Otra=", "À");
    ASSERT_TRUE(GrabarLineas(ruta, t, avisos));
    const std::string bytes = LeerBytes(ruta);
    EXPECT_EQ(LineasCrudas(bytes).size(), 3u);
    ExpectFilas(LeerBloque(ruta, "", avisos), {{"Tipo", "aÀbÃcÀÃd"}, {"Nota", "Ã"}, {"Otra", "À"}});
    EXPECT_EQ(LeerTipos(ruta, avisos), (std::vector<std::string>{"aÀbÃcÀÃd"}));
    EXPECT_TRUE(avisos.avisos.empty());
}

TEST(GrabarYLeer, Windows1252EnElDisco)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("acentos.txt");
    TablaLineas t;
    t.Redimensionar(0);
    t.AnadirFila("Tipo=", "Camión frigorífico €");
    t.AnadirFila("Nota=", "中文");
    ASSERT_TRUE(GrabarLineas(ruta, t, avisos));
    EXPECT_EQ(Descifradas(ruta), (std::vector<std::string>{"Tipo=Cami\xF3n frigor\xED" "fico \x80", "Nota=??"}));
    ExpectFilas(LeerBloque(ruta, "", avisos), {{"Tipo", "Camión frigorífico €"}, {"Nota", "??"}});
}

TEST(GrabarLineas, UnRegistroDaOchentaYSeisLineas)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("datos.txt");
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    ASSERT_TRUE(GrabarLineas(ruta, s.ToArray(), avisos));
    EXPECT_TRUE(avisos.avisos.empty());
    const std::string bytes = LeerBytes(ruta);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    const auto lineas = Descifradas(ruta);
    ASSERT_EQ(lineas.size(), 86u);
    EXPECT_EQ(lineas.front(), "Tipo=Tractora con semirremolque");
    EXPECT_EQ(lineas[21], "CFTAE=5");
    EXPECT_EQ(lineas.back(), "ErrorMsg=");
    // Nothing is left beside the file.
    EXPECT_EQ(Contenido(carpeta.Ruta()), (std::vector<std::string>{"datos.txt"}));
}

TEST(GrabarLineas, SustituyeUnFicheroMasLargo)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("datos.txt");
    ASSERT_TRUE(GrabarLineas(ruta, Simulacion{}.ToArray(), avisos));
    TablaLineas corta;
    corta.Redimensionar(0);
    corta.AnadirFila("Tipo=", "B");
    corta.AnadirFila("CFTAE=", "2");
    ASSERT_TRUE(GrabarLineas(ruta, corta, avisos));
    EXPECT_EQ(Descifradas(ruta), (std::vector<std::string>{"Tipo=B", "CFTAE=2"}));
}

class EnCarpetaTemporal : public ::testing::Test {
protected:
    void SetUp() override
    {
        previa = fs::current_path();
        fs::current_path(carpeta.Ruta());
    }
    void TearDown() override { fs::current_path(previa); }
    CarpetaTemporal carpeta;
    fs::path previa;
};

TEST_F(EnCarpetaTemporal, RechazaExactamenteConfigTxt)
{
    AvisadorGrabador avisos;
    const TablaLineas t = Simulacion{}.ToArray();
    EXPECT_FALSE(GrabarLineas("Config.txt", t, avisos));
    ASSERT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(avisos.avisos[0].texto, "Error. El fichero no puede llamarse: Config.txt");
    EXPECT_EQ(avisos.avisos[0].icono, Icono::Ninguno);
    EXPECT_EQ(avisos.avisos[0].botones, Botones::Aceptar);
    EXPECT_EQ(avisos.avisos[0].titulo, "TARVELON");
    EXPECT_TRUE(Contenido(carpeta.Ruta()).empty());

    // Other letter case, or a full path, is not refused here.
    AvisadorGrabador mas;
    EXPECT_TRUE(GrabarLineas("config.txt", t, mas));
    EXPECT_TRUE(GrabarLineas(carpeta.Fichero("Config.txt"), t, mas));
    EXPECT_TRUE(mas.avisos.empty());
    EXPECT_EQ(Descifradas("config.txt").size(), 86u);
    EXPECT_EQ(Descifradas(carpeta.Fichero("Config.txt")).size(), 86u);
}

struct CasoEscrituraFallida {
    const char* nombre;
    std::string destino;
    int filas;
};

// A write that fails shows one error message and leaves what was there.
TEST(GrabarLineas, UnaEscrituraFallidaNoDestruyeNada)
{
    CarpetaTemporal carpeta;
    const std::string previo = carpeta.Fichero("previo.txt");
    const std::string contenidoPrevio = Cifrado({"Tipo=Previo", "CFTAE=5"});
    EscribirBytes(previo, contenidoPrevio);
    const std::string regular = carpeta.Fichero("regular");
    EscribirBytes(regular, "x");
    const std::string carpetaDestino = carpeta.Fichero("es_carpeta");
    fs::create_directory(carpetaDestino);
    EscribirBytes(carpetaDestino + "/dentro.txt", "y");

    const CasoEscrituraFallida casos[] = {
        {"mas de 32767 filas sobre un fichero existente", previo, 40000},
        {"carpeta que no existe", carpeta.Fichero("no_hay/datos.txt"), 86},
        {"carpeta que es un fichero", regular + "/datos.txt", 86},
        {"el destino es una carpeta", carpetaDestino, 86},
    };
    const auto antes = Contenido(carpeta.Ruta());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        TablaLineas t;
        t.Redimensionar(c.filas);
        for (int fila = 1; fila <= c.filas; ++fila) t.Fijar(fila, "Clave=", std::to_string(fila));
        AvisadorGrabador avisos;
        EXPECT_FALSE(GrabarLineas(c.destino, t, avisos));
        ASSERT_EQ(avisos.avisos.size(), 1u);
        ExpectErrorDeEjecucion(avisos.avisos[0]);
        EXPECT_EQ(LeerBytes(previo), contenidoPrevio);
        EXPECT_EQ(LeerBytes(regular), "x");
        EXPECT_EQ(LeerBytes(carpetaDestino + "/dentro.txt"), "y");
        EXPECT_EQ(Contenido(carpeta.Ruta()), antes);
        EXPECT_EQ(Contenido(carpetaDestino), (std::vector<std::string>{"dentro.txt"}));
    }
}

TEST(GrabarLineas, MasDe32767FilasEsDesbordamiento)
{
    CarpetaTemporal carpeta;
    TablaLineas t;
    t.Redimensionar(32768);
    AvisadorGrabador avisos;
    EXPECT_FALSE(GrabarLineas(carpeta.Fichero("grande.txt"), t, avisos));
    ASSERT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(avisos.avisos[0].texto.rfind("Se ha producido el error nº 6 ( ", 0), 0u) << avisos.avisos[0].texto;

    t.Redimensionar(32767);
    AvisadorGrabador bien;
    EXPECT_TRUE(GrabarLineas(carpeta.Fichero("justo.txt"), t, bien));
    EXPECT_EQ(LineasCrudas(LeerBytes(carpeta.Fichero("justo.txt"))).size(), 32767u);
}

TEST(BuscarFichero, EncuentraElNombreEnOtraCaja)
{
    CarpetaTemporal carpeta;
    const fs::path dir = carpeta.Ruta();
    auto igual = [](const std::string& a, const fs::path& b) {
        return fs::path(a).lexically_normal() == b.lexically_normal();
    };
    EXPECT_TRUE(igual(BuscarFichero(dir.string(), "Config.txt"), dir / "Config.txt"));
    EscribirBytes((dir / "CONFIG.TXT").string(), "x");
    EXPECT_TRUE(igual(BuscarFichero(dir.string(), "Config.txt"), dir / "CONFIG.TXT"));
    EXPECT_TRUE(igual(BuscarFichero(dir.string(), "config.txt"), dir / "CONFIG.TXT"));
    EscribirBytes((dir / "Config.txt").string(), "y");
    EXPECT_TRUE(igual(BuscarFichero(dir.string(), "Config.txt"), dir / "Config.txt"));
    EXPECT_TRUE(igual(BuscarFichero(dir.string(), "CONFIG.TXT"), dir / "CONFIG.TXT"));
}

TEST(LineasPlanas, IdaYVueltaYFicheroQueNoExiste)
{
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Fichero("plano.txt");
    const std::vector<std::string> lineas = {"Tipo=Camión", "", "CFTAE=1=2", "Nota=€ ñ"};
    GrabarLineasCifradas(ruta, lineas);
    EXPECT_EQ(LeerLineasDescifradas(ruta), lineas);
    EXPECT_EQ(Descifradas(ruta)[0], "Tipo=Cami\xF3n");
    const int error = NumeroDeError([&] { (void)LeerLineasDescifradas(carpeta.Fichero("no_existe.txt")); });
    EXPECT_GT(error, 0);
}

}  // namespace
