// One keystroke in a simulation box, up to the analysis window's live totals
// and structure chart painted again: the text change, the coalesced
// recalculation of both columns and the chart's repaint, timed together.
// Exits with 2 when the median is 16 ms or more.
//
//   tarvelon-analisis [KEYSTROKES]   (default 200; run from the bin folder,
//                                     which holds Config.txt)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QWindow>
#include <QtCharts/QChartView>

#include "PlataformaGuion.h"
#include "windows/Inicio.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/VentanaAnalisis.h"

namespace {

// Counts the paint events of the chart's viewport.
class Pintados : public QObject {
public:
    int n = 0;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++n;
        return QObject::eventFilter(o, e);
    }
};

bool Esperar(const std::function<bool()>& hecho, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!hecho() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return hecho();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int pulsaciones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string carpeta = QCoreApplication::applicationDirPath().toStdString();
    tarvelon::PlataformaGuion plataforma;
    tarvelon::Inicio inicio(plataforma, {carpeta, carpeta + "/Config.txt", [&carpeta] { return carpeta; }});
    inicio.show();
    inicio.PulsarPaso(0);
    inicio.seleccionarVehiculo()->cbSeleccionarVehiculo()->setCurrentIndex(0);
    inicio.seleccionarVehiculo()->btSeleccionar_Click();
    inicio.menuCopiarDatos_Click();
    inicio.menuAnalisis_Click();
    tarvelon::VentanaAnalisis* ventana = inicio.analisis();
    if (!Esperar([&] { return ventana->windowHandle() && ventana->windowHandle()->isExposed(); })) {
        std::fprintf(stderr, "la ventana de análisis no se ha mostrado\n");
        return 1;
    }
    auto* grafico = ventana->findChild<QChartView*>(QStringLiteral("graficoEstructura"));
    Pintados pintados;
    grafico->viewport()->installEventFilter(&pintados);
    auto* caja = inicio.findChild<QLineEdit*>(QStringLiteral("txtCFIVTM"));
    auto* total = ventana->findChild<QLabel*>(QStringLiteral("lblSimulacionPorKm"));
    Esperar([] { return false; }, 200);  // let the first showing settle

    std::vector<double> tiempos;
    QElapsedTimer reloj;
    for (int i = 0; i < pulsaciones; ++i) {
        const QString antes = total->property("text").toString();
        const int pintadosAntes = pintados.n;
        reloj.start();
        // A different figure each time, so that the total and a bar change.
        caja->setText(QString::number(500 + 400 * (i % 2) + i));
        if (!Esperar([&] { return pintados.n > pintadosAntes && total->property("text").toString() != antes; })) {
            std::fprintf(stderr, "la pulsación %d no ha redibujado el panel\n", i + 1);
            return 1;
        }
        tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::sort(tiempos.begin(), tiempos.end());
    std::printf("pulsación hasta el panel en vivo y su gráfico redibujados (%d pulsaciones, plataforma %s):\n",
                pulsaciones, qPrintable(QGuiApplication::platformName()));
    std::printf("  mínimo %.2f ms, mediana %.2f ms, percentil 95 %.2f ms, máximo %.2f ms\n", tiempos.front(),
                tiempos[tiempos.size() / 2], tiempos[tiempos.size() * 95 / 100], tiempos.back());
    // The parts of the work alone, without the event loop between them.
    auto media = [](const std::function<void()>& f) {
        QElapsedTimer r;
        r.start();
        for (int i = 0; i < 100; ++i) f();
        return static_cast<double>(r.nsecsElapsed()) / 1e8;
    };
    std::printf("  de ellos: recálculo y panel %.2f ms, ventana repintada %.2f ms\n",
                media([&] { ventana->Recalcular(); }), media([&] { ventana->repaint(); }));
    return tiempos[tiempos.size() / 2] < 16.0 ? 0 : 2;
}
