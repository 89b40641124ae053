#pragma once
// The program's one door to the platform: message boxes, file dialogs and
// printing a window's image. The program uses
// the Qt implementation; tests put in a scripted one that answers by itself.
#include <optional>
#include <string>
#include <vector>

#include "data/Avisador.h"

class QWidget;

namespace tarvelon {

struct PeticionFichero {
    bool guardar = false;  // save dialog (true) or open dialog (false)
    std::string titulo;
    std::string filtro;  // "Descripción (*.txt)|*.txt|Otra (*.*)|*.*|"
    int indiceFiltro = 1;
    std::string extensionPorDefecto;  // "txt", appended when the name has no extension
    std::string carpetaInicial;
    std::string nombre;    // proposed name (full path or bare name)
    bool carpeta = false;  // ElegirVarios: a folder rather than files
};

class Plataforma : public Avisador {
public:
    // Message box: text, title, icon and buttons; returns the button chosen.
    Respuesta Mostrar(const Aviso& aviso) override = 0;

    // File dialog; the chosen full path, or nothing when cancelled.
    virtual std::optional<std::string> ElegirFichero(const PeticionFichero& peticion, QWidget* padre) = 0;

    // Open dialog for several existing files, or for one folder when
    // `peticion.carpeta`; the chosen paths, none when cancelled.
    virtual std::vector<std::string> ElegirVarios(const PeticionFichero& peticion, QWidget* padre) = 0;

    // Prints the image of `ventana` on the default printer, one page. Raises
    // ErrorEjecucion when it cannot print.
    virtual void ImprimirVentana(QWidget* ventana) = 0;

    // Whether there is a default printer to print on.
    virtual bool HayImpresora() = 0;

    // After an extension was added to the name chosen in a save dialog: the
    // dialog asked about the name as typed, so a file that only the new name
    // names is replaced only after a Yes. True when the save may go on.
    bool ConfirmarReemplazo(const std::string& ruta);

    // The save dialog of `peticion`, with its extensionPorDefecto added to a
    // name that lacks it (in any letter case) and ConfirmarReemplazo then. The
    // path to write, or nothing when the user cancelled or would not replace.
    std::optional<std::string> ElegirDondeGrabar(const PeticionFichero& peticion, QWidget* padre);
};

}  // namespace tarvelon
