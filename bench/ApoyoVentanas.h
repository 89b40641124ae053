#pragma once
// Shared pieces of the window benchmarks: waiting on the event loop, summary of the times, failure.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include "PlataformaGuion.h"
#include "windows/Inicio.h"
#include "windows/Pasos.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/VentanaAnalisis.h"

namespace tarvelon::bench {

// Runs the event loop until `hecho` or for `ms`; whether it is done.
inline bool Esperar(const std::function<bool()>& hecho, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!hecho() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return hecho();
}

// Shown, and its top-level window on screen (the analysis window lives inside the main one).
inline bool Expuesta(const QWidget& w)
{
    const QWindow* v = w.window()->windowHandle();
    return w.isVisible() && v && v->isExposed();
}

// Prints the minimum, median, 95th percentile and maximum of times in ms; gives the median.
inline double Resumen(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    std::printf("  mínimo %.1f ms, mediana %.1f ms, percentil 95 %.1f ms, máximo %.1f ms\n", t.front(), t[t.size() / 2],
                t[t.size() * 95 / 100], t.back());
    return t[t.size() / 2];
}

// Prints `que` (a format with at most one number) to stderr; gives the exit code 1.
inline int Fallo(const char* que, int n = 0) { return std::fprintf(stderr, que, n), 1; }

// Counts the paint events of a widget (and lets them through).
struct Pintados : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Paint, false; }
};

// The first sample type chosen, its reference copied into the simulation and
// the analysis window opened; null when the window is not shown in time.
inline VentanaAnalisis* AbrirAnalisis(Inicio& inicio)
{
    inicio.show();
    inicio.PulsarPaso(0);
    inicio.pasos().vehiculo()->cbSeleccionarVehiculo()->setCurrentIndex(0);
    inicio.pasos().vehiculo()->btSeleccionar_Click();
    inicio.menuCopiarDatos_Click();
    inicio.menuAnalisis_Click();
    VentanaAnalisis* ventana = inicio.analisis();
    return Esperar([&] { return Expuesta(*ventana); }) ? ventana : nullptr;
}

}  // namespace tarvelon::bench
