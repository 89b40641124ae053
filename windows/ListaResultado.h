#pragma once
// Pieces shared by the result windows: the fixed-pitch report list, its two
// colours, and the run-time error frame of a button action.
#include <exception>
#include <string>
#include <vector>

#include <QColor>

#include "model/Errores.h"
#include "reports/CalcularInforme.h"

class QListWidget;
class QWidget;

namespace tarvelon {

class Plataforma;
class Columnas;
class Simulacion;

inline const QColor kColorInforme{0, 0, 0};    // black: a report
inline const QColor kColorErrores{255, 0, 0};  // red: validation messages

// A list in a fixed-pitch font, sized to show `filas` lines of `columnas`
// characters without scrolling.
QListWidget* CrearListaResultado(QWidget* padre, int filas, int columnas);

void FijarColorLista(QListWidget* lista, const QColor& color);
void AnadirLineas(QListWidget* lista, const std::vector<std::string>& lineas);

// Clears the list and shows validation messages in red, one line each.
void MostrarErroresEnLista(QListWidget* lista, const std::vector<std::string>& lineas);

// Hides a window, or the frame that holds it inside the main window.
void OcultarVentana(QWidget* ventana);

// Runs a button action; a run-time error that escapes it ends the action with
// the usual critical message box.
template <class Accion>
void EjecutarAccion(Plataforma& plataforma, Accion&& accion);

void MostrarErrorEjecucion(Plataforma& plataforma, const ErrorEjecucion& e);

// What every result button does: clear the list, fill a new record from the
// simulation column and run CalcularInforme on it; the validation messages
// in red, or the report of `escribir` in black. Lines written before a
// run-time error stay in the list. A service budget passes its texts, which
// are validated with the record.
void CalcularEnLista(QListWidget* lista, Columnas& columna, Plataforma& plataforma, const EscritorInforme& escribir,
                     const TextosServicio* servicio = nullptr);

template <class Accion>
void EjecutarAccion(Plataforma& plataforma, Accion&& accion)
{
    try {
        accion();
    } catch (...) {
        MostrarErrorEjecucion(plataforma, ComoErrorEjecucion(std::current_exception()));
    }
}

}  // namespace tarvelon
