// One keystroke in the offered price of the analysis window's tab «Precio del servicio» up to its
// figures and verdict painted again; exits with 2 when the median is 16 ms or more.
//   tarvelon-precio [KEYSTROKES]  (default 200; from the bin folder)
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "ApoyoVentanas.h"
#include "windows/PestanaPrecio.h"

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
    ventana->pestanas()->setCurrentIndex(tarvelon::VentanaAnalisis::kPrecio);
    auto* pestana = ventana->findChild<tarvelon::PestanaPrecio*>();
    pestana->findChild<QLineEdit*>(QStringLiteral("txtKmServicio"))->setText(QStringLiteral("350"));
    pestana->findChild<QLineEdit*>(QStringLiteral("txtHorasServicio"))->setText(QStringLiteral("6"));
    auto* precio = pestana->findChild<QLineEdit*>(QStringLiteral("txtPrecioOfrecido"));
    auto* veredicto = pestana->findChild<QLabel*>(QStringLiteral("lblVeredicto"));
    Pintados pintados;
    veredicto->installEventFilter(&pintados);
    Esperar([] { return false; }, 200);

    std::vector<double> tiempos;
    QElapsedTimer reloj;
    for (int i = 0; i < pulsaciones; ++i) {
        const QString antes = veredicto->text();
        const int pintadosAntes = pintados.n;
        reloj.start();
        // Around the cost, so that the verdict turns from covered to not covered and back.
        precio->setText(QString::number(300 + 200 * (i % 2) + i));
        if (!Esperar([&] { return pintados.n > pintadosAntes && veredicto->text() != antes; }))
            return Fallo("la pulsación %d no ha redibujado las cifras\n", i + 1);
        tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::printf("pulsación en el precio hasta las cifras y el veredicto redibujados (%d pulsaciones, plataforma %s):\n",
                pulsaciones, qPrintable(QGuiApplication::platformName()));
    const double mediana = Resumen(tiempos);
    QElapsedTimer r;
    r.start();
    for (int i = 0; i < 100; ++i) pestana->Recalcular();
    std::printf("  de ellos: cifras recalculadas %.3f ms\n", static_cast<double>(r.nsecsElapsed()) / 1e8);
    return mediana < 16.0 ? 0 : 2;
}
