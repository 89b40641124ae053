#include "data/Ficheros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

#include "data/Texto.h"
#include "model/Errores.h"

namespace tarvelon {

namespace {

constexpr int kDesplazamiento = 73;
constexpr std::string_view kPrefijoTipo = "Tipo=";

char Codificar(char c)
{
    const int v = static_cast<unsigned char>(c) + kDesplazamiento;
    return static_cast<char>(v <= 255 ? v : v - 255);
}

char Decodificar(char c)
{
    const int v = static_cast<unsigned char>(c) - kDesplazamiento;
    return static_cast<char>(v >= 0 ? v : v + 255);
}

// "Tipo=" as it stands on disk, so that lines can be recognised unscrambled.
const std::string& PrefijoTipoCifrado()
{
    static const std::string p = CodificarLinea(kPrefijoTipo);
    return p;
}

bool EmpiezaPor(std::string_view s, std::string_view prefijo)
{
    return s.size() >= prefijo.size() && std::memcmp(s.data(), prefijo.data(), prefijo.size()) == 0;
}

int ErrorDeErrno(int e, const std::string& ruta)
{
    switch (e) {
    case ENOENT: {
        std::error_code ec;
        const auto padre = std::filesystem::path(ruta).parent_path();
        if (!padre.empty() && !std::filesystem::is_directory(padre, ec)) return kRutaNoEncontrada;
        return kFicheroNoEncontrado;
    }
    case ENOTDIR: return kRutaNoEncontrada;
    case EACCES:
    case EPERM:
    case EROFS: return kPermisoDenegado;
    case ENOSPC:
    case EDQUOT: return kDiscoLleno;
    case EIO: return kErrorES;
    case ENOMEM: return kMemoria;
    default: return kErrorAcceso;
    }
}

// Reads a file in large pieces and hands out its lines, still scrambled.
// Lines end only at the CR LF pair; a last line without one still counts.
class LectorLineas {
public:
    explicit LectorLineas(const std::string& ruta) : ruta_(ruta)
    {
        fd_ = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
        struct stat st {};
        if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            throw ErrorEjecucion(kErrorAcceso);
        }
    }
    ~LectorLineas()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    LectorLineas(const LectorLineas&) = delete;
    LectorLineas& operator=(const LectorLineas&) = delete;

    bool Siguiente(std::string_view& linea)
    {
        for (;;) {
            const char* inicio = buf_.data() + pos_;
            const size_t resto = buf_.size() - pos_;
            // Search for CR LF from where the previous search stopped.
            size_t desde = buscado_;
            while (desde + 1 < resto) {
                const void* cr = std::memchr(inicio + desde, '\r', resto - desde - 1);
                if (!cr) {
                    desde = resto - 1;
                    break;
                }
                const size_t k = static_cast<size_t>(static_cast<const char*>(cr) - inicio);
                if (inicio[k + 1] == '\n') {
                    linea = std::string_view(inicio, k);
                    pos_ += k + 2;
                    buscado_ = 0;
                    return true;
                }
                desde = k + 1;
            }
            buscado_ = resto == 0 ? 0 : std::min(desde, resto - 1);
            if (fin_) {
                if (resto == 0) return false;
                linea = std::string_view(inicio, resto);
                pos_ = buf_.size();
                buscado_ = 0;
                return true;
            }
            Rellenar();
        }
    }

private:
    void Rellenar()
    {
        if (pos_ > 0) {
            buf_.erase(0, pos_);
            pos_ = 0;
        }
        constexpr size_t kTrozo = 1 << 20;
        const size_t antes = buf_.size();
        buf_.resize(antes + kTrozo);
        ssize_t n;
        do {
            n = ::read(fd_, buf_.data() + antes, kTrozo);
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            const int e = errno;
            buf_.resize(antes);
            throw ErrorEjecucion(e == EISDIR ? kErrorAcceso : ErrorDeErrno(e, ruta_));
        }
        buf_.resize(antes + static_cast<size_t>(n));
        if (n == 0) fin_ = true;
    }

    std::string ruta_;
    int fd_ = -1;
    std::string buf_;
    size_t pos_ = 0;
    size_t buscado_ = 0;
    bool fin_ = false;
};

// Writes `contenido` beside `ruta` and puts it in place only once complete,
// so that a failed write never destroys the file that was there.
void EscribirCompleto(const std::string& ruta, std::string_view contenido)
{
    namespace fs = std::filesystem;
    const fs::path destino(ruta);
    fs::path carpeta = destino.parent_path();
    if (carpeta.empty()) carpeta = ".";
    std::string plantilla = (carpeta / ("." + destino.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(plantilla.data());
    if (fd < 0) throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
    auto fallar = [&](int e) {
        ::close(fd);
        ::unlink(plantilla.c_str());
        throw ErrorEjecucion(ErrorDeErrno(e, ruta));
    };
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat st {};
    mode_t modo;
    if (::stat(ruta.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            ::close(fd);
            ::unlink(plantilla.c_str());
            throw ErrorEjecucion(kErrorAcceso);
        }
        modo = st.st_mode & 07777;
    } else {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    }
    if (::fchmod(fd, modo) != 0) fallar(errno);
    size_t hecho = 0;
    while (hecho < contenido.size()) {
        const ssize_t n = ::write(fd, contenido.data() + hecho, contenido.size() - hecho);
        if (n < 0) {
            if (errno == EINTR) continue;
            fallar(errno);
        }
        hecho += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) fallar(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(plantilla.c_str());
        throw ErrorEjecucion(ErrorDeErrno(e, ruta));
    }
    if (::rename(plantilla.c_str(), ruta.c_str()) != 0) {
        const int e = errno;
        ::unlink(plantilla.c_str());
        throw ErrorEjecucion(ErrorDeErrno(e, ruta));
    }
}

void MostrarError(Avisador& avisos, const ErrorEjecucion& e)
{
    Aviso a;
    a.texto = MensajeError(e);
    a.icono = Icono::Critico;
    avisos.Mostrar(a);
}

// Runs a file operation; run-time errors (and running out of memory on an
// absurd file) are shown and turned into `false`.
template <typename F>
bool Atrapar(Avisador& avisos, F&& f)
{
    try {
        f();
        return true;
    } catch (const ErrorEjecucion& e) {
        MostrarError(avisos, e);
    } catch (const std::bad_alloc&) {
        MostrarError(avisos, ErrorEjecucion(kMemoria));
    } catch (const std::length_error&) {
        MostrarError(avisos, ErrorEjecucion(kMemoria));
    }
    return false;
}

std::string Recortar(std::string_view s)
{
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string_view::npos) return {};
    const size_t b = s.find_last_not_of(' ');
    return std::string(s.substr(a, b - a + 1));
}

}  // namespace

std::string CodificarLinea(std::string_view bytes)
{
    std::string r(bytes);
    for (char& c : r) c = Codificar(c);
    return r;
}

std::string DecodificarLinea(std::string_view bytes)
{
    std::string r(bytes);
    for (char& c : r) c = Decodificar(c);
    return r;
}

TablaLineas LeerBloque(const std::string& ruta, std::string_view tipo, Avisador& avisos)
{
    TablaLineas tabla;
    const bool todo = tipo.empty();
    const std::string& prefijo = PrefijoTipoCifrado();
    const bool ok = Atrapar(avisos, [&] {
        LectorLineas lector(ruta);
        std::string_view cruda;
        bool dentro = false;
        while (lector.Siguiente(cruda)) {
            // Only "Tipo=" lines can open or close a block; the rest is
            // unscrambled only when it belongs to the block.
            const bool esTipo = EmpiezaPor(cruda, prefijo);
            if (esTipo && !todo) {
                const std::string nombre = Cp1252AUtf8(DecodificarLinea(cruda.substr(prefijo.size())));
                dentro = nombre == tipo;
            } else if (todo) {
                dentro = true;
            }
            if (!dentro) continue;
            const std::string linea = Cp1252AUtf8(DecodificarLinea(cruda));
            const size_t igual = linea.find('=');
            if (igual == std::string::npos) tabla.AnadirFila({}, {});
            else tabla.AnadirFila(linea.substr(0, igual), linea.substr(igual + 1));
        }
    });
    return ok ? tabla : TablaLineas();
}

std::vector<std::string> LeerTipos(const std::string& ruta, Avisador& avisos)
{
    std::vector<std::string> tipos;
    const std::string& prefijo = PrefijoTipoCifrado();
    const bool ok = Atrapar(avisos, [&] {
        LectorLineas lector(ruta);
        std::string_view cruda;
        while (lector.Siguiente(cruda))
            if (EmpiezaPor(cruda, prefijo))
                tipos.push_back(Recortar(Cp1252AUtf8(DecodificarLinea(cruda.substr(prefijo.size())))));
    });
    return ok ? tipos : std::vector<std::string>();
}

bool GrabarLineas(const std::string& ruta, const TablaLineas& tabla, Avisador& avisos)
{
    if (ruta == "Config.txt") {
        Aviso a;
        a.texto = "Error. El fichero no puede llamarse: Config.txt";
        avisos.Mostrar(a);
        return false;
    }
    return Atrapar(avisos, [&] {
        const int ultima = tabla.UltimaFila();
        if (ultima > 32767) throw ErrorEjecucion(kDesbordamiento);
        std::string contenido;
        for (int fila = 1; fila <= ultima; ++fila) {
            contenido += CodificarLinea(Utf8ACp1252(tabla.Linea(fila)));
            contenido += "\r\n";
        }
        EscribirCompleto(ruta, contenido);
    });
}

std::string BuscarFichero(const std::string& carpeta, std::string_view nombre)
{
    namespace fs = std::filesystem;
    const fs::path exacta = fs::path(carpeta) / fs::path(nombre);
    std::error_code ec;
    if (fs::exists(exacta, ec)) return exacta.string();
    auto minusculas = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
        return s;
    };
    const std::string buscado = minusculas(std::string(nombre));
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        if (minusculas(it->path().filename().string()) == buscado) return it->path().string();
    }
    return exacta.string();
}

std::vector<std::string> LeerLineasDescifradas(const std::string& ruta)
{
    std::vector<std::string> lineas;
    LectorLineas lector(ruta);
    std::string_view cruda;
    while (lector.Siguiente(cruda)) lineas.push_back(Cp1252AUtf8(DecodificarLinea(cruda)));
    return lineas;
}

void GrabarLineasCifradas(const std::string& ruta, const std::vector<std::string>& lineas)
{
    std::string contenido;
    for (const auto& l : lineas) {
        contenido += CodificarLinea(Utf8ACp1252(l));
        contenido += "\r\n";
    }
    EscribirCompleto(ruta, contenido);
}

}  // namespace tarvelon
