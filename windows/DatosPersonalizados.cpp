#include "windows/DatosPersonalizados.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "model/TablaLineas.h"
#include "windows/Columnas.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

namespace tarvelon {

namespace {

constexpr std::string_view kNombreReferencia = "CONFIG.TXT";

void Avisar(Plataforma& plataforma, std::string texto)
{
    Aviso aviso;
    aviso.texto = std::move(texto);
    aviso.icono = Icono::Ninguno;
    plataforma.Mostrar(aviso);
}

// The file's own name, without its folder, in capitals.
std::string NombreEnMayusculas(const std::string& ruta)
{
    const auto barra = ruta.find_last_of("/\\");
    std::string nombre = barra == std::string::npos ? ruta : ruta.substr(barra + 1);
    std::transform(nombre.begin(), nombre.end(), nombre.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return nombre;
}

bool EsFicheroReferencia(const std::string& ruta) { return NombreEnMayusculas(ruta) == kNombreReferencia; }

bool TerminaEnTxt(const std::string& ruta) { return ruta.size() >= 4 && ruta.compare(ruta.size() - 4, 4, ".txt") == 0; }

PeticionFichero Peticion(const Sesion& sesion, bool guardar)
{
    PeticionFichero peticion;
    peticion.guardar = guardar;
    peticion.extensionPorDefecto = "txt";
    peticion.indiceFiltro = 1;
    peticion.carpetaInicial = sesion.RutaPrograma();
    peticion.nombre = sesion.FicheroDatos();
    if (guardar) {
        peticion.titulo = "Grabar datos personalizados";
        peticion.filtro = "Archivo de configuración (*.txt)|*.txt|";
    } else {
        peticion.titulo = "Cargar datos personalizados";
        peticion.filtro = "Archivo de configuración (*.txt)|*.txt|Todos los archivos (*.*)|*.*|";
    }
    return peticion;
}

// Cancelling the dialog counts as an error, like any other failure.
std::string Elegir(const Sesion& sesion, const PeticionFichero& peticion)
{
    std::optional<std::string> elegido = sesion.plataforma().ElegirFichero(peticion, sesion.ventana());
    if (!elegido) throw ErrorEjecucion(kCancelado);
    return *elegido;
}

void AvisarFallo(Plataforma& plataforma, const ErrorEjecucion& e, const char* textoCancelado)
{
    if (e.Numero() == kCancelado) Avisar(plataforma, textoCancelado);
    else Avisar(plataforma, MensajeErrorFichero(e));
}

// The save itself: whether the file was written.
bool Grabar(Sesion& sesion, const std::string& tipo)
{
    Plataforma& plataforma = sesion.plataforma();
    try {
        const PeticionFichero peticion = Peticion(sesion, true);
        std::string ruta = Elegir(sesion, peticion);
        if (ruta.empty()) return false;

        // The reference data file is never overwritten, whether the name was
        // typed with its extension or received it here.
        const bool nombreRechazado = EsFicheroReferencia(ruta);
        const bool anadida = !TerminaEnTxt(ruta);
        if (anadida) ruta += ".txt";
        if (nombreRechazado || EsFicheroReferencia(ruta)) {
            Avisar(plataforma, "Error. No puede guardarse con el nombre config.txt");
            return false;
        }
        if (anadida && !plataforma.ConfirmarReemplazo(ruta)) return false;

        sesion.ElegidoFichero(ruta);

        // Not validated nor calculated: the results are saved as a new record has them.
        // A column that could not be read whole is not saved: writing half a
        // record over the user's file would lose figures. The transfer has
        // said what failed and shown the box; this says that nothing was written.
        Simulacion s;
        if (!sesion.columnas().LeerColumnaSimulacion(s)) {
            Avisar(plataforma, "No se ha grabado el fichero " + ruta);
            return false;
        }
        s.Tipo = tipo;

        if (!GrabarLineas(ruta, s.ToArray(), plataforma)) return false;
        sesion.ColumnaGuardada(ruta);
        Avisar(plataforma, "Fichero " + ruta + " grabado");
        return true;
    } catch (...) {
        AvisarFallo(plataforma, ComoErrorEjecucion(std::current_exception()),
                    "No se ha grabado ningún fichero de configuración");
    }
    return false;
}

}  // namespace

bool GuardarDatosPersonalizados(Sesion& sesion, const std::string& tipo)
{
    const bool grabado = Grabar(sesion, tipo);
    if (!grabado) sesion.ColumnaNoGuardada();
    return grabado;
}

void CargarDatosPersonalizados(Sesion& sesion)
{
    std::string ruta;
    try {
        ruta = Elegir(sesion, Peticion(sesion, false));
    } catch (...) {
        AvisarFallo(sesion.plataforma(), ComoErrorEjecucion(std::current_exception()),
                    "No se ha cargado ningún fichero de configuración");
        return;
    }
    if (!ruta.empty()) CargarDatosPersonalizados(sesion, ruta);
}

void CargarDatosPersonalizados(Sesion& sesion, const std::string& ruta)
{
    Plataforma& plataforma = sesion.plataforma();
    try {
        if (EsFicheroReferencia(ruta)) {
            Avisar(plataforma, "Error. No puede cargarse el archivo config.txt");
            return;
        }

        sesion.ElegidoFichero(ruta);

        // Both files are read before any window changes: a value that does
        // not convert, or a vehicle type without a reference block (a file of
        // junk reads as type "0"), leaves both columns as they were.
        Simulacion propia;
        propia.FromArray(LeerBloque(ruta, "", plataforma));
        Simulacion referencia;
        referencia.FromArray(LeerBloque(sesion.RutaConfig(), propia.Tipo, plataforma));

        sesion.PonerColumnas(propia, referencia);
        sesion.ColumnaCargada(ruta, propia.Tipo);
        Avisar(plataforma, "Fichero: " + ruta + " cargado");
    } catch (...) {
        AvisarFallo(plataforma, ComoErrorEjecucion(std::current_exception()),
                    "No se ha cargado ningún fichero de configuración");
    }
}

}  // namespace tarvelon
