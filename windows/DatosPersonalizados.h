#pragma once
// Saving and loading the user's own figures (the simulation column of the
// input windows) as a file of key=value lines. The main window runs both
// commands from its menu and lends them what they need through ContextoDatos.
#include <string>

#include "model/Simulacion.h"

class QWidget;

namespace tarvelon {

class Plataforma;

// What the save and load commands need of the main window. The main window
// implements it; tests implement it over their own windows or records.
class ContextoDatos {
public:
    virtual ~ContextoDatos() = default;

    // Message boxes and the file dialog.
    virtual Plataforma& plataforma() = 0;
    // Parent of the file dialog (may be null).
    virtual QWidget* padreDialogo() = 0;

    // Folder in which both dialogs open; kept from one use to the next.
    virtual std::string& RutaPrograma() = 0;
    // Full path of the last personalised data file chosen (empty at start);
    // both dialogs propose it.
    virtual std::string& FicheroDatos() = 0;
    // Full path of the reference data file.
    virtual const std::string& RutaConfig() = 0;

    // Column transfers. A conversion failure is reported by the transfer
    // itself (its own message box) and stops it; no exception reaches here.
    // Reading answers whether the whole column was read.
    virtual bool LeerColumnaSimulacion(Simulacion& s) = 0;
    virtual void EscribirColumnaSimulacion(const Simulacion& s) = 0;
    virtual void EscribirColumnaReferencia(const Simulacion& s) = 0;

    // Text shown at this moment in the vehicle type selector.
    virtual std::string TextoTipoSeleccionado() = 0;

    // Enables step buttons 1 to 8 of the index, then the menu entries
    // "Guardar Datos Personalizados" and "Copiar Datos del Mirandel".
    virtual void HabilitarPasos() = 0;
    // Hides every step window and clears the bold step button.
    virtual void OcultarForms() = 0;
};

// "Guardar Datos Personalizados": asks for a file name and writes the
// simulation column there. Every failure ends in a message box.
void GuardarDatosPersonalizados(ContextoDatos& ctx);

// "Cargar Datos Personalizados": asks for a file, puts its figures into the
// simulation column and the reference values of its vehicle type into the
// reference column. Every failure ends in a message box.
void CargarDatosPersonalizados(ContextoDatos& ctx);

}  // namespace tarvelon
