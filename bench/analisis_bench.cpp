// One keystroke in a simulation box up to the analysis window's live totals and structure chart
// painted again (text change, coalesced recalculation of both columns, repaint); exits with 2 when
// the median is 16 ms or more.   tarvelon-analisis [KEYSTROKES]  (default 200; from the bin folder)
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtCharts/QChartView>

#include "ApoyoVentanas.h"

using namespace tarvelon::bench;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int pulsaciones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const std::string carpeta = QCoreApplication::applicationDirPath().toStdString();
    tarvelon::PlataformaGuion plataforma;
    tarvelon::Inicio inicio(plataforma, {carpeta, carpeta + "/Config.txt", [&carpeta] { return carpeta; }});
    tarvelon::VentanaAnalisis* ventana = AbrirAnalisis(inicio);
    if (!ventana) return Fallo("la ventana de análisis no se ha mostrado\n");
    Pintados pintados;
    ventana->findChild<QChartView*>(QStringLiteral("graficoEstructura"))->viewport()->installEventFilter(&pintados);
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
        if (!Esperar([&] { return pintados.n > pintadosAntes && total->property("text").toString() != antes; }))
            return Fallo("la pulsación %d no ha redibujado el panel\n", i + 1);
        tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::printf("pulsación hasta el panel en vivo y su gráfico redibujados (%d pulsaciones, plataforma %s):\n",
                pulsaciones, qPrintable(QGuiApplication::platformName()));
    const double mediana = Resumen(tiempos);
    // The parts alone, without the event loop between: milliseconds per call over 100 calls.
    auto media = [](auto f) {
        QElapsedTimer r;
        r.start();
        for (int i = 0; i < 100; ++i) f();
        return r.nsecsElapsed() / 1e8;
    };
    std::printf("  de ellos: recálculo y panel %.2f ms, ventana repintada %.2f ms\n",
                media([&] { ventana->Recalcular(); }), media([&] { ventana->repaint(); }));
    return mediana < 16.0 ? 0 : 2;
}
