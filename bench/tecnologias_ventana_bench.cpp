// One keystroke up to the analysis window's tab «Tecnologías» redrawn (its
// table and cumulative-cost chart painted with the new figures): typed in the
// tab's own LNG consumption, and in the simulation column's consumption in a
// step window. Exits with 2 when a median is 16 ms or more.
//   tarvelon-tecnologias [KEYSTROKES]  (default 100; from the bin folder)
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QtCharts/QChartView>

#include "ApoyoVentanas.h"
#include "windows/AreaTrabajo.h"
#include "windows/GraficosTecnologias.h"
#include "windows/PestanaTecnologias.h"

using namespace tarvelon::bench;

namespace {

// Median of `pulsaciones` keystrokes in `caja`, each until the table's cell
// (row, column) changed and the chart painted; a negative value on failure.
double Medir(QLineEdit* caja, const char* que, int pulsaciones, QTableWidget* tabla, QWidget* grafico, int columna)
{
    Pintados pintados;
    grafico->installEventFilter(&pintados);
    std::vector<double> tiempos;
    QElapsedTimer reloj;
    for (int i = 0; i < pulsaciones; ++i) {
        const QString antes = tabla->item(2, columna) ? tabla->item(2, columna)->text() : QString();
        const int pintadosAntes = pintados.n;
        reloj.start();
        caja->setText(QString::number(24 + i % 7));
        if (!Esperar([&] {
                return pintados.n > pintadosAntes && tabla->item(2, columna) &&
                       tabla->item(2, columna)->text() != antes;
            }))
            return -1;
        tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::printf("%s (%d pulsaciones, plataforma %s):\n", que, pulsaciones, qPrintable(QGuiApplication::platformName()));
    return Resumen(tiempos);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int pulsaciones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const std::string carpeta = QCoreApplication::applicationDirPath().toStdString();
    tarvelon::PlataformaGuion plataforma;
    tarvelon::Inicio inicio(plataforma, {carpeta, carpeta + "/Config.txt", [&carpeta] { return carpeta; }});
    tarvelon::VentanaAnalisis* ventana = AbrirAnalisis(inicio);
    if (!ventana) return Fallo("la ventana de análisis no se ha mostrado\n");
    ventana->pestanas()->setCurrentIndex(tarvelon::VentanaAnalisis::kTecnologias);
    auto* pestana = ventana->findChild<tarvelon::PestanaTecnologias*>();
    auto* tabla = pestana->findChild<QTableWidget*>(QStringLiteral("tablaTecnologias"));
    QWidget* grafico = pestana->graficos()->acumulado()->viewport();
    // The window (inside the main one) as large as the screen, and the whole
    // chart in view: a change in a part out of view would paint nothing.
    ventana->window()->showMaximized();
    inicio.areaTrabajo()->Marco(ventana)->showMaximized();
    Esperar([] { return false; }, 300);
    pestana->verticalScrollBar()->setValue(pestana->graficos()->y());
    Esperar([] { return false; }, 300);
    if (!tabla->item(2, 1)) return Fallo("la pestaña no muestra cifras (¿falta tecnologias.txt?)\n");

    auto* gnl = pestana->findChild<QLineEdit*>(QStringLiteral("txt_gnl_consumo"));
    const double enPestana = Medir(gnl, "pulsación en el consumo del GNL hasta la tabla y el gráfico redibujados",
                                   pulsaciones, tabla, grafico, 3);
    auto* consumo = inicio.findChild<QLineEdit*>(QStringLiteral("txtCVConsumoMedio"));
    const double enPaso = consumo ? Medir(consumo, "pulsación en el consumo de la simulación (ventana de paso)",
                                          pulsaciones, tabla, grafico, 1)
                                  : -1;
    if (enPestana < 0 || enPaso < 0)
        return Fallo("una pulsación no ha redibujado la pestaña (%d)\n", enPestana < 0 ? 1 : consumo ? 2 : 3);
    QElapsedTimer r;
    r.start();
    for (int i = 0; i < 100; ++i) pestana->Recalcular();
    std::printf("  de ellos: cifras, tabla y gráficos de la pestaña %.3f ms\n",
                static_cast<double>(r.nsecsElapsed()) / 1e8);
    return enPestana < 16.0 && enPaso < 16.0 ? 0 : 2;
}
