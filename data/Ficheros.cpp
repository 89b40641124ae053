#include "data/Ficheros.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

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

constexpr std::string_view kPrefijoTemporal = ".tarvelon-";

// The pid written in a name of our temporary pattern ".tarvelon-<pid>-XXXXXX"
// (six letters or digits, as mkstemp makes them); 0 for any other name.
pid_t PidDeTemporal(std::string_view nombre)
{
    if (nombre.substr(0, kPrefijoTemporal.size()) != kPrefijoTemporal) return 0;
    nombre.remove_prefix(kPrefijoTemporal.size());
    const size_t guion = nombre.find('-');
    if (guion == 0 || guion > 9 || nombre.size() != guion + 7) return 0;
    pid_t pid = 0;
    for (char c : nombre.substr(0, guion)) {
        if (c < '0' || c > '9') return 0;
        pid = pid * 10 + (c - '0');
    }
    for (char c : nombre.substr(guion + 1))
        if (!std::isalnum(static_cast<unsigned char>(c))) return 0;
    return pid;
}

// Only a regular file is replaced, or a name not taken yet: renaming over a
// device, a pipe or a socket would put a file in its place.
bool Reemplazable(const std::string& ruta)
{
    struct stat st {};
    return ::lstat(ruta.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

void MostrarError(Avisador& avisos, const ErrorEjecucion& e)
{
    Aviso a;
    a.texto = MensajeError(e);
    a.icono = Icono::Critico;
    avisos.Mostrar(a);
}

// Runs a file operation; any failure (running out of memory on an absurd
// file too) is shown as a run-time error and turned into `false`.
template <typename F>
bool Atrapar(Avisador& avisos, F&& f)
{
    try {
        f();
        return true;
    } catch (...) {
        MostrarError(avisos, ComoErrorEjecucion(std::current_exception()));
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

std::string LeerFicheroEntero(const std::string& ruta)
{
    // Only regular files: a folder, a device or a pipe is no data file;
    // opening a pipe would wait for a writer and reading /dev/zero would
    // never end. The type is checked before opening, and the opening itself
    // does not wait, so a file swapped for a pipe in between cannot block.
    struct stat st {};
    if (::stat(ruta.c_str(), &st) != 0) throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
    if (!S_ISREG(st.st_mode)) throw ErrorEjecucion(kErrorAcceso);
    const int fd = ::open(ruta.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw ErrorEjecucion(kErrorAcceso);
    }
    std::string datos;
    size_t usado = 0;
    datos.resize(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 1 << 16);
    for (;;) {
        if (usado == datos.size()) datos.resize(datos.size() * 2);
        const ssize_t n = ::read(fd, datos.data() + usado, datos.size() - usado);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            throw ErrorEjecucion(ErrorDeErrno(e, ruta));
        }
        if (n == 0) break;
        usado += static_cast<size_t>(n);
    }
    ::close(fd);
    datos.resize(usado);
    return datos;
}

namespace {

// End of the line that starts at `desde`: its CR LF, or the end of the data.
size_t FinDeLinea(std::string_view d, size_t desde)
{
    const size_t p = d.find("\r\n", desde);
    return p == std::string_view::npos ? d.size() : p;
}

// Start of the next line at or after `desde` that begins with the scrambled
// "Tipo=". Every CR LF ends a line, so a line starts at 0 or after a CR LF.
size_t SiguienteTipo(std::string_view d, size_t desde)
{
    const std::string& p = PrefijoTipoCifrado();
    while (desde < d.size()) {
        const void* q = std::memchr(d.data() + desde, p[0], d.size() - desde);
        if (!q) break;
        const auto k = static_cast<size_t>(static_cast<const char*>(q) - d.data());
        if ((k == 0 || (k >= 2 && d[k - 2] == '\r' && d[k - 1] == '\n')) && d.substr(k, p.size()) == p) return k;
        desde = k + 1;
    }
    return d.size();
}

void AnadirLinea(TablaLineas& tabla, std::string_view cruda)
{
    const std::string linea = Cp1252AUtf8(DecodificarLinea(cruda));
    const size_t igual = linea.find('=');
    if (igual == std::string::npos) tabla.AnadirFila({}, {});
    else tabla.AnadirFila(linea.substr(0, igual), linea.substr(igual + 1));
}

}  // namespace

TablaLineas LeerBloque(const std::string& ruta, std::string_view tipo, Avisador& avisos)
{
    TablaLineas tabla;
    const std::string& prefijo = PrefijoTipoCifrado();
    const bool ok = Atrapar(avisos, [&] {
        const std::string datos = LeerFicheroEntero(ruta);
        const std::string_view d(datos);
        // Every line of the file, or of the blocks of `tipo`.
        size_t inicio = tipo.empty() ? 0 : SiguienteTipo(d, 0);
        while (inicio < d.size()) {
            size_t fin = d.size();
            if (!tipo.empty()) {
                const size_t finLinea = FinDeLinea(d, inicio);
                const std::string nombre = Cp1252AUtf8(
                    DecodificarLinea(d.substr(inicio + prefijo.size(), finLinea - inicio - prefijo.size())));
                const size_t siguiente = SiguienteTipo(d, finLinea);
                if (nombre != tipo) {
                    inicio = siguiente;
                    continue;
                }
                fin = siguiente;
            }
            while (inicio < fin) {
                const size_t f = std::min(FinDeLinea(d, inicio), fin);
                AnadirLinea(tabla, d.substr(inicio, f - inicio));
                inicio = f + 2;
            }
            inicio = fin;
        }
    });
    return ok ? tabla : TablaLineas();
}

std::vector<std::string> LeerTipos(const std::string& ruta, Avisador& avisos)
{
    std::vector<std::string> tipos;
    const std::string& prefijo = PrefijoTipoCifrado();
    const bool ok = Atrapar(avisos, [&] {
        const std::string datos = LeerFicheroEntero(ruta);
        const std::string_view d(datos);
        for (size_t k = SiguienteTipo(d, 0); k < d.size(); k = SiguienteTipo(d, k + 1)) {
            const size_t fin = FinDeLinea(d, k);
            tipos.push_back(
                Recortar(Cp1252AUtf8(DecodificarLinea(d.substr(k + prefijo.size(), fin - k - prefijo.size())))));
        }
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
        GrabarContenido(ruta, contenido);
    });
}

void GrabarContenido(const std::string& ruta, std::string_view contenido)
{
    EscrituraAtomica e(ruta);
    e.Escribir(contenido);
    e.Completar();
}

void QuitarHuerfanos(const std::string& carpeta)
{
    DIR* d = ::opendir(carpeta.c_str());
    if (!d) return;
    // cppcheck-suppress readdirCalled ; the stream is this call's own, as readdir_r's would be
    while (const dirent* e = ::readdir(d)) {
        const pid_t pid = PidDeTemporal(e->d_name);
        if (pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
        // The writer holds a lock on its file while it writes: seen from
        // another process namespace or machine, its pid may look gone.
        const int fd = ::openat(::dirfd(d), e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(d), e->d_name, 0);
        ::close(fd);
    }
    ::closedir(d);
}

EscrituraAtomica::EscrituraAtomica(const std::string& ruta) : ruta_(ruta), destino_(ruta)
{
    struct stat st {};
    if (::lstat(ruta.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // Through the link to its file, which is replaced in its own folder;
        // a link that leads nowhere names no file to write.
        char* real = ::realpath(ruta.c_str(), nullptr);
        if (!real) throw ErrorEjecucion(kErrorAcceso);
        destino_ = real;
        std::free(real);
    }
    if (!Reemplazable(destino_)) throw ErrorEjecucion(kErrorAcceso);
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t modo;
    if (::stat(destino_.c_str(), &st) == 0) {
        modo = st.st_mode & 07777;
    } else if (errno == ENOENT) {
        const mode_t mascara = ::umask(0);
        ::umask(mascara);
        modo = 0666 & ~mascara;
    } else {
        throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
    }
    carpeta_ = std::filesystem::path(destino_).parent_path().string();
    if (carpeta_.empty()) carpeta_ = ".";
    QuitarHuerfanos(carpeta_);
    temporal_ = carpeta_ + "/" + std::string(kPrefijoTemporal) + std::to_string(::getpid()) + "-XXXXXX";
    fd_ = ::mkostemp(temporal_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        temporal_.clear();
        throw ErrorEjecucion(ErrorDeErrno(errno, ruta));
    }
    ::flock(fd_, LOCK_EX);  // tells QuitarHuerfanos in other runs that it is still being written
    if (::fchmod(fd_, modo) != 0) Fallar(ErrorDeErrno(errno, ruta_));
}

EscrituraAtomica::~EscrituraAtomica()
{
    if (fd_ >= 0) ::close(fd_);
    if (!temporal_.empty()) ::unlink(temporal_.c_str());
}

void EscrituraAtomica::Fallar(int numero)
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporal_.empty()) ::unlink(temporal_.c_str());
    temporal_.clear();
    throw ErrorEjecucion(numero);
}

void EscrituraAtomica::Escribir(std::string_view bytes)
{
    while (!bytes.empty()) {
        // cppcheck-suppress invalidLifetime ; the caller's bytes, alive for the whole call
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR) Fallar(ErrorDeErrno(errno, ruta_));
        if (n > 0) bytes.remove_prefix(static_cast<size_t>(n));
    }
}

void EscrituraAtomica::Completar()
{
    if (::fsync(fd_) != 0) Fallar(ErrorDeErrno(errno, ruta_));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) Fallar(ErrorDeErrno(errno, ruta_));
    // The target may have been swapped for something else while writing.
    if (!Reemplazable(destino_)) Fallar(kErrorAcceso);
    if (::rename(temporal_.c_str(), destino_.c_str()) != 0) Fallar(ErrorDeErrno(errno, ruta_));
    temporal_.clear();
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
    const std::string datos = LeerFicheroEntero(ruta);
    const std::string_view d(datos);
    for (size_t inicio = 0; inicio < d.size();) {
        const size_t fin = FinDeLinea(d, inicio);
        lineas.push_back(Cp1252AUtf8(DecodificarLinea(d.substr(inicio, fin - inicio))));
        inicio = fin + 2;
    }
    return lineas;
}

void GrabarLineasCifradas(const std::string& ruta, const std::vector<std::string>& lineas)
{
    std::string contenido;
    for (const auto& l : lineas) {
        contenido += CodificarLinea(Utf8ACp1252(l));
        contenido += "\r\n";
    }
    GrabarContenido(ruta, contenido);
}

}  // namespace tarvelon
