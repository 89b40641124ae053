// Saving when the disk gives way: a full file system and a write cut short
// must leave the previous file exactly as it was, and say so in Spanish.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"

namespace tarvelon {
namespace {

namespace fs = std::filesystem;
using namespace pruebas;

// A record different from the saved one, several pages long: it cannot fit
// in what is left.
TablaLineas TablaNueva()
{
    return Cambiado(EjemploTrabajado(), "Tipo=Otro ErrorMsg=" + std::string(6000, 'x')).ToArray();
}

// Saves over a file saved before, with `romper` making the disk give way;
// the save must fail with one critical message, leaving the folder as it was.
template <class F>
std::string GrabarRoto(const fs::path& carpeta, bool hayAnterior, F&& romper)
{
    const std::string ruta = (carpeta / "datos.txt").string();
    AvisadorGrabador avisos;
    EXPECT_TRUE(!hayAnterior || GrabarLineas(ruta, EjemploTrabajado().ToArray(), avisos));
    const std::string antes = hayAnterior ? LeerBytes(ruta) : "";
    auto nombres = [&] {
        std::set<std::string> r;
        for (const auto& e : fs::directory_iterator(carpeta)) r.insert(e.path().filename().string());
        return r;
    };
    romper();
    const auto previos = nombres();
    EXPECT_FALSE(GrabarLineas(ruta, TablaNueva(), avisos));
    EXPECT_EQ(nombres(), previos);  // no scratch copy left behind
    EXPECT_EQ(fs::exists(ruta), hayAnterior);
    EXPECT_EQ(hayAnterior ? LeerBytes(ruta) : "", antes);
    EXPECT_EQ(avisos.avisos.size(), 1u);
    if (avisos.avisos.empty()) return "";
    EXPECT_EQ(avisos.avisos[0].icono, Icono::Critico);
    return avisos.avisos[0].texto;
}

TEST(FallosGrabacion, DiscoLlenoDejaElFicheroAnteriorIntacto)
{
    if (::geteuid() != 0) GTEST_SKIP() << "montar un tmpfs pequeño necesita ser root";
    CarpetaTemporal carpeta;
    const fs::path disco = carpeta.Ruta() / "disco";
    fs::create_directories(disco);
    if (::mount("tmpfs", disco.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") != 0)
        GTEST_SKIP() << "no se puede montar un tmpfs aquí";
    const std::string relleno = (disco / "relleno").string();
    const std::string texto = GrabarRoto(disco, true, [&] {
        // A filler file until the file system refuses more.
        FILE* f = std::fopen(relleno.c_str(), "wb");
        const std::string trozo(512, 'r');
        while (f && std::fwrite(trozo.data(), 1, trozo.size(), f) == trozo.size() && std::fflush(f) == 0) {
        }
        if (f) std::fclose(f);
        EXPECT_EQ(fs::space(disco).available, 0u);
    });
    EXPECT_EQ(texto, "Se ha producido el error nº 61 ( Disco lleno) ");
    // Once there is room again, the same save goes through.
    fs::remove(relleno);
    AvisadorGrabador avisos;
    EXPECT_TRUE(GrabarLineas((disco / "datos.txt").string(), TablaNueva(), avisos));
    ::umount2(disco.c_str(), MNT_DETACH);
}

// The process's file size limit cuts a write short: the kernel writes what
// fits below the limit, answers with the shorter count, and refuses the rest.
TEST(FallosGrabacion, EscrituraCortadaDejaElFicheroAnteriorIntacto)
{
    const std::pair<bool, rlim_t> casos[] = {{true, 100}, {true, 4000}, {true, 0}, {false, 100}};
    for (const auto& [hayAnterior, limite] : casos) {
        SCOPED_TRACE(testing::Message() << hayAnterior << " " << limite);
        CarpetaTemporal carpeta;
        rlimit antes{};
        ::getrlimit(RLIMIT_FSIZE, &antes);
        const auto senal = ::signal(SIGXFSZ, SIG_IGN);
        const std::string texto = GrabarRoto(carpeta.Ruta(), hayAnterior, [&, l = limite] {
            rlimit nuevo = antes;
            nuevo.rlim_cur = l;
            ::setrlimit(RLIMIT_FSIZE, &nuevo);
        });
        ::setrlimit(RLIMIT_FSIZE, &antes);
        ::signal(SIGXFSZ, senal);
        EXPECT_EQ(texto.rfind("Se ha producido el error nº ", 0), 0u) << texto;
    }
}

}  // namespace
}  // namespace tarvelon
