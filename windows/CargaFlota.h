#pragma once
// Reading a fleet's files off the window thread: one worker reads them in
// order and hands them over in batches, so the window stays responsive and
// fills as it goes. Cancelling keeps the batches already handed over.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QFuture>
#include <QObject>

#include "reports/VehiculoFlota.h"

namespace tarvelon {

class CargaFlota : public QObject {
    Q_OBJECT
public:
    // Reads one file; run on the worker, so it must not touch any window.
    using Cargador = std::function<VehiculoFlota(const std::string& ruta)>;

    explicit CargaFlota(Cargador cargar, QObject* parent = nullptr);
    // Cancels a running load and waits for its worker.
    ~CargaFlota() override;

    // Starts reading `rutas`; a load still running is cancelled first and
    // nothing more of it arrives.
    void Empezar(std::vector<std::string> rutas);
    void Cancelar();
    bool Activa() const { return activa_; }

signals:
    void Lote(const std::vector<VehiculoFlota>& vehiculos);
    void Avance(int hechos, int total);
    // The last batch has arrived; `cancelada` when the user stopped it.
    void Terminada(int hechos, int total, bool cancelada);

private:
    void Trabajar(std::vector<std::string> rutas, int generacion, std::shared_ptr<std::atomic<bool>> parar);
    void Entregar(std::vector<VehiculoFlota> lote, int generacion, int hechos, int total, bool fin, bool cancelada);

    Cargador cargar_;
    QFuture<void> trabajo_;
    std::shared_ptr<std::atomic<bool>> parar_;
    int generacion_ = 0;  // the load whose batches are taken; earlier ones are dropped
    bool activa_ = false;
};

}  // namespace tarvelon
