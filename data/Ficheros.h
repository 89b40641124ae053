#pragma once
// Files of scrambled lines: Windows-1252 bytes, every character shifted,
// lines ended by CR LF. A line ends only at the CR LF pair.
#include <string>
#include <string_view>
#include <vector>

#include "data/Avisador.h"
#include "model/TablaLineas.h"

namespace tarvelon {

// Character scrambling of one line of bytes (shift 73, modulus 255).
std::string CodificarLinea(std::string_view bytes);
std::string DecodificarLinea(std::string_view bytes);

// The lines of the block of type `tipo` (from its "Tipo=" line to the line
// before the next one), or of the whole file when `tipo` is empty, split at
// the first "=". A failure is shown through `avisos` and gives the empty
// (undimensioned) table.
TablaLineas LeerBloque(const std::string& ruta, std::string_view tipo, Avisador& avisos);

// The type names ("Tipo=" lines, trimmed) in file order; a failure is shown
// and gives an empty list.
std::vector<std::string> LeerTipos(const std::string& ruta, Avisador& avisos);

// A file written beside its final target and put in its place only when
// complete, so that a failed or killed write never destroys what was there.
// Only a regular file is replaced: a device, a pipe, a socket, a folder or a
// link that leads to none of those raises error 75 before anything is
// written. A link is written through: its file is replaced and the link stays.
// The temporary file ".tarvelon-<pid>-XXXXXX" lies in the target's folder;
// those that killed runs left there are removed first (see QuitarHuerfanos).
class EscrituraAtomica {
public:
    explicit EscrituraAtomica(const std::string& ruta);
    ~EscrituraAtomica();
    EscrituraAtomica(const EscrituraAtomica&) = delete;
    EscrituraAtomica& operator=(const EscrituraAtomica&) = delete;

    // For a library that writes the file by its name.
    const std::string& Temporal() const noexcept { return temporal_; }
    const std::string& Carpeta() const noexcept { return carpeta_; }
    void Escribir(std::string_view bytes);
    // Flushes to disk and puts the file in place of the target.
    void Completar();

private:
    [[noreturn]] void Fallar(int numero);
    std::string ruta_;     // as given, for the error numbers
    std::string destino_;  // the file replaced: `ruta_` or the file its link leads to
    std::string carpeta_, temporal_;
    int fd_ = -1;
};

// Removes from `carpeta` the temporary files of runs that were killed while
// writing: only our own name pattern, only regular files, only when the
// process named in it is gone and no process holds the lock that every
// writer keeps on its temporary file (a run in another process namespace,
// or on another machine sharing the folder, may still be writing one).
void QuitarHuerfanos(const std::string& carpeta);

// Writes rows 1..last as scrambled lines. Refuses the bare name "Config.txt".
// The file is written beside the target and replaces it only when complete,
// so a failed write leaves any previous file as it was. Answers whether the
// file was written; a failure has already been shown.
bool GrabarLineas(const std::string& ruta, const TablaLineas& tabla, Avisador& avisos);

// Writes `contenido` as the whole file through EscrituraAtomica: a failure
// leaves neither a half file nor the temporary one (and any previous file as
// it was). Raises ErrorEjecucion.
void GrabarContenido(const std::string& ruta, std::string_view contenido);

// Path of `nombre` inside `carpeta`, matching an existing file whatever the
// letter case of its name; when none exists, carpeta/nombre.
std::string BuscarFichero(const std::string& carpeta, std::string_view nombre);

// The bytes of a whole file, as they are. Only a regular file is read: a
// folder, a device or a pipe raises error 75 at once, without waiting for a
// writer; other failures raise their ErrorEjecucion. Every reader here uses it.
std::string LeerFicheroEntero(const std::string& ruta);

// The plain (unscrambled, UTF-8) lines of a file and the reverse: used to
// maintain the reference data file. Failures raise ErrorEjecucion. Writing
// turns what Windows-1252 cannot hold into "?": check the lines first
// (BuscarFalloCp1252) where that must not happen.
std::vector<std::string> LeerLineasDescifradas(const std::string& ruta);
void GrabarLineasCifradas(const std::string& ruta, const std::vector<std::string>& lineas);

}  // namespace tarvelon
