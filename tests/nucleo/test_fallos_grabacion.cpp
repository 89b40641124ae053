// Saving when the disk gives way: a full file system and a write cut short
// must leave the previous file exactly as it was, and say so in Spanish.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Simulacion.h"

namespace tarvelon {
namespace {

namespace fs = std::filesystem;
using pruebas::AvisadorGrabador;
using pruebas::CarpetaTemporal;
using pruebas::EjemploTrabajado;
using pruebas::EscribirBytes;
using pruebas::LeerBytes;

// The names in a folder, to see that no scratch copy is left behind.
std::vector<std::string> Nombres(const fs::path& carpeta)
{
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(carpeta)) v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

// A record different from the saved one, so that the new file would differ.
TablaLineas TablaNueva()
{
    Simulacion s = EjemploTrabajado();
    s.Tipo = "Tipo cambiado";
    s.ErrorMsg = std::string(6000, 'x');  // several pages: it cannot fit in what is left
    return s.ToArray();
}

// A small tmpfs of its own, unmounted when the test ends.
class DiscoPequeno {
public:
    explicit DiscoPequeno(fs::path punto) : punto_(std::move(punto))
    {
        fs::create_directories(punto_);
        if (::mount("tmpfs", punto_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") == 0) montado_ = true;
        else error_ = errno;
    }
    ~DiscoPequeno()
    {
        if (montado_) ::umount2(punto_.c_str(), MNT_DETACH);
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;

    bool Montado() const { return montado_; }
    std::string Motivo() const { return std::strerror(error_); }

    // Writes a filler file until the file system refuses more.
    void Llenar() const
    {
        const std::string relleno = (punto_ / "relleno").string();
        FILE* f = std::fopen(relleno.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        const std::string trozo(512, 'r');
        while (std::fwrite(trozo.data(), 1, trozo.size(), f) == trozo.size() && std::fflush(f) == 0) {
        }
        std::fclose(f);
        ASSERT_EQ(fs::space(punto_).available, 0u);
    }

private:
    fs::path punto_;
    bool montado_ = false;
    int error_ = 0;
};

TEST(FallosGrabacion, DiscoLlenoDejaElFicheroAnteriorIntacto)
{
    if (::geteuid() != 0) GTEST_SKIP() << "montar un tmpfs pequeño necesita ser root";
    CarpetaTemporal carpeta;
    DiscoPequeno disco(carpeta.Ruta() / "disco");
    if (!disco.Montado()) GTEST_SKIP() << "no se puede montar un tmpfs aquí: " << disco.Motivo();

    const std::string ruta = (carpeta.Ruta() / "disco" / "datos.txt").string();
    AvisadorGrabador avisos;
    ASSERT_TRUE(GrabarLineas(ruta, EjemploTrabajado().ToArray(), avisos));
    const std::string antes = LeerBytes(ruta);
    ASSERT_FALSE(antes.empty());
    disco.Llenar();
    const auto nombresAntes = Nombres(carpeta.Ruta() / "disco");

    EXPECT_FALSE(GrabarLineas(ruta, TablaNueva(), avisos));
    ASSERT_EQ(avisos.avisos.size(), 1u);
    EXPECT_EQ(avisos.avisos[0].texto, "Se ha producido el error nº 61 ( Disco lleno) ");
    EXPECT_EQ(avisos.avisos[0].icono, Icono::Critico);
    EXPECT_EQ(avisos.avisos[0].titulo, "TARVELON");
    EXPECT_EQ(LeerBytes(ruta), antes);
    EXPECT_EQ(Nombres(carpeta.Ruta() / "disco"), nombresAntes);

    // Once there is room again, the same save goes through.
    fs::remove(carpeta.Ruta() / "disco" / "relleno");
    EXPECT_TRUE(GrabarLineas(ruta, TablaNueva(), avisos));
    EXPECT_NE(LeerBytes(ruta), antes);
}

// The process's file size limit cuts a write short: the kernel writes what
// fits below the limit, answers with the shorter count, and refuses the rest.
class LimiteTamano {
public:
    explicit LimiteTamano(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &antes_);
        senal_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit nuevo = antes_;
        nuevo.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &nuevo);
    }
    ~LimiteTamano()
    {
        ::setrlimit(RLIMIT_FSIZE, &antes_);
        ::signal(SIGXFSZ, senal_);
    }
    LimiteTamano(const LimiteTamano&) = delete;
    LimiteTamano& operator=(const LimiteTamano&) = delete;

private:
    rlimit antes_{};
    void (*senal_)(int);
};

TEST(FallosGrabacion, EscrituraCortadaDejaElFicheroAnteriorIntacto)
{
    struct Caso {
        const char* nombre;
        bool hayAnterior;
        rlim_t limite;
    };
    const Caso casos[] = {
        {"cortado a mitad de una línea", true, 100},
        {"cortado tras miles de bytes", true, 4000},
        {"sin nada escrito", true, 0},
        {"fichero nuevo", false, 100},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        CarpetaTemporal carpeta;
        const std::string ruta = carpeta.Fichero("datos.txt");
        AvisadorGrabador avisos;
        std::string antes;
        if (c.hayAnterior) {
            ASSERT_TRUE(GrabarLineas(ruta, EjemploTrabajado().ToArray(), avisos));
            antes = LeerBytes(ruta);
        }
        const auto nombresAntes = Nombres(carpeta.Ruta());
        bool grabado;
        {
            LimiteTamano limite(c.limite);
            grabado = GrabarLineas(ruta, TablaNueva(), avisos);
        }
        EXPECT_FALSE(grabado);
        ASSERT_EQ(avisos.avisos.size(), 1u);
        EXPECT_EQ(avisos.avisos[0].texto.rfind("Se ha producido el error nº ", 0), 0u) << avisos.avisos[0].texto;
        EXPECT_EQ(avisos.avisos[0].icono, Icono::Critico);
        EXPECT_EQ(Nombres(carpeta.Ruta()), nombresAntes);
        if (c.hayAnterior) EXPECT_EQ(LeerBytes(ruta), antes);
        else EXPECT_FALSE(fs::exists(ruta));
    }
}

}  // namespace
}  // namespace tarvelon
