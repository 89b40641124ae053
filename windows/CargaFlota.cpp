#include "windows/CargaFlota.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QtConcurrent/QtConcurrentRun>

namespace tarvelon {

namespace {
// A batch goes to the window after this many files or this long, whichever first.
constexpr size_t kPorLote = 200;
constexpr qint64 kMsPorLote = 40;
}  // namespace

CargaFlota::CargaFlota(Cargador cargar, QObject* parent) : QObject(parent), cargar_(std::move(cargar)) {}

CargaFlota::~CargaFlota()
{
    if (parar_) *parar_ = true;
    trabajo_.waitForFinished();
}

void CargaFlota::Empezar(std::vector<std::string> rutas)
{
    if (parar_) *parar_ = true;
    parar_ = std::make_shared<std::atomic<bool>>(false);
    ++generacion_;
    activa_ = true;
    // The worker of an earlier load may still be finishing: this one queues behind it.
    trabajo_ = QtConcurrent::run([this, rutas = std::move(rutas), g = generacion_, parar = parar_]() mutable {
        Trabajar(std::move(rutas), g, parar);
    });
}

void CargaFlota::Cancelar()
{
    if (parar_) *parar_ = true;
}

void CargaFlota::Trabajar(std::vector<std::string> rutas, int generacion, std::shared_ptr<std::atomic<bool>> parar)
{
    const int total = static_cast<int>(rutas.size());
    std::vector<VehiculoFlota> lote;
    QElapsedTimer reloj;
    reloj.start();
    int hechos = 0;
    for (const auto& ruta : rutas) {
        if (*parar) break;
        lote.push_back(cargar_(ruta));
        ++hechos;
        if (lote.size() >= kPorLote || reloj.elapsed() >= kMsPorLote) {
            Entregar(std::move(lote), generacion, hechos, total, false, false);
            lote.clear();
            reloj.restart();
        }
    }
    Entregar(std::move(lote), generacion, hechos, total, true, hechos < total);
}

void CargaFlota::Entregar(std::vector<VehiculoFlota> lote, int generacion, int hechos, int total, bool fin,
                          bool cancelada)
{
    auto datos = std::make_shared<std::vector<VehiculoFlota>>(std::move(lote));
    QMetaObject::invokeMethod(
        this,
        [this, datos, generacion, hechos, total, fin, cancelada] {
            if (generacion != generacion_) return;
            if (!datos->empty()) emit Lote(*datos);
            emit Avance(hechos, total);
            if (!fin) return;
            activa_ = false;
            emit Terminada(hechos, total, cancelada);
        },
        Qt::QueuedConnection);
}

}  // namespace tarvelon
