// The fleet window over folders of 1,000 and 10,000 data files opened through
// the menu: time until every row is in, and the longest the window went
// without handling its events meanwhile; then one «¿Y si…?» keystroke over
// 10,000 vehicles up to the footer's totals. Exits with 2 when a target is
// missed (1 s, 5 s, 100 ms).   tarvelon-flota [VEHICULOS...]  (from the bin folder)
#include <memory>

#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "ApoyoVentanas.h"
#include "data/Ficheros.h"
#include "windows/ModeloFlota.h"
#include "windows/PanelSiEntonces.h"
#include "windows/VentanaFlota.h"

using namespace tarvelon;
using namespace tarvelon::bench;

namespace {

// `n` files of the sample types in turn, each with its own annual km.
void Flota(const std::string& carpeta, const std::string& config, int n)
{
    PlataformaGuion avisos;
    std::vector<Simulacion> tipos;
    for (const auto& t : LeerTipos(config, avisos)) {
        tipos.emplace_back();
        tipos.back().FromArray(LeerBloque(config, t, avisos));
    }
    for (int i = 0; i < n; ++i) {
        Simulacion s = tipos[static_cast<size_t>(i) % tipos.size()];
        s.KilometrajeAnual = 60000 + 37 * i % 90000;
        GrabarLineas(carpeta + "/v" + std::to_string(100000 + i) + ".txt", s.ToArray(), avisos);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::vector<int> tamanos;
    for (int i = 1; i < argc; ++i) tamanos.push_back(std::max(1, std::atoi(argv[i])));
    if (tamanos.empty()) tamanos = {1000, 10000};
    const std::string programa = QCoreApplication::applicationDirPath().toStdString();
    PlataformaGuion plataforma;
    Inicio inicio(plataforma, {programa, programa + "/Config.txt", [&programa] { return programa; }});
    inicio.show();
    int salida = 0;
    VentanaFlota* ultima = nullptr;
    std::vector<std::unique_ptr<QTemporaryDir>> carpetas;  // kept: the windows watch them
    for (int n : tamanos) {
        const QTemporaryDir& carpeta = *carpetas.emplace_back(std::make_unique<QTemporaryDir>());
        Flota(carpeta.path().toStdString(), programa + "/Config.txt", n);
        // The event loop's pulse: the longest gap between two ticks is how long the window was deaf.
        QElapsedTimer reloj, pulso;
        qint64 hueco = 0;
        QTimer latido;
        QObject::connect(&latido, &QTimer::timeout, [&] { hueco = std::max(hueco, pulso.restart()); });
        plataforma.varios = {{carpeta.path().toStdString()}};
        reloj.start();
        pulso.start();
        latido.start(5);
        inicio.findChild<QAction*>(QStringLiteral("menuArchivoFlota"))->trigger();
        VentanaFlota* f = inicio.findChildren<VentanaFlota*>().last();
        if (!Esperar([&] { return !f->Cargando() && f->modelo().rowCount() == n; }, 60000))
            return Fallo("la flota de %d vehículos no se ha cargado\n", n);
        const double ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
        latido.stop();
        std::printf(
            "abrir una carpeta de %d ficheros: %.0f ms (objetivo %d ms); ventana sin atender como mucho %lld ms\n", n,
            ms, n <= 1000 ? 1000 : 5000, static_cast<long long>(hueco));
        if (ms >= (n <= 1000 ? 1000 : 5000)) salida = 2;
        ultima = f;
    }
    // «¿Y si…?» on the last fleet: a keystroke up to the footer's totals redrawn.
    QLineEdit* gasoleo = ultima->panel()->Caja(0);
    QTableWidgetItem* total = ultima->pie()->item(0, ModeloFlota::kCosteAnualDespues);
    std::vector<double> tiempos, nucleo;
    QElapsedTimer reloj;
    for (int i = 0; i < 20; ++i) {
        const QString antes = total->text();
        reloj.start();
        gasoleo->setText(QString::number(5 + i));  // the model recomputed within the keystroke
        nucleo.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
        if (!Esperar([&] { return total->text() != antes; }))
            return Fallo("la pulsación %d no ha cambiado el total\n", i);
        tiempos.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    std::printf("«¿Y si…?» de %d vehículos, recálculo del núcleo en la pulsación:\n", ultima->modelo().rowCount());
    Resumen(nucleo);
    std::printf("hasta los totales del pie redibujados (objetivo 100 ms):\n");
    if (Resumen(tiempos) >= 100) salida = 2;
    return salida;
}
