#pragma once
// «Flota»: the personalised data files of a folder (or chosen files), a row
// each with its figures, the totals below, filters by type and text, the
// «¿Y si…?» panel, two charts and the exports. The folder is watched, and
// the files are read off the window thread.
#include <string>
#include <vector>

#include <QWidget>

#include "reports/VehiculoFlota.h"
#include "windows/CargaFlota.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimer;

namespace tarvelon {

class FiltroFlota;
class GraficosFlota;
class ModeloFlota;
class PanelSiEntonces;
class VigilanciaFlota;
class Plataforma;

class VentanaFlota : public QWidget {
    Q_OBJECT
public:
    // `cargar` reads one file on the worker; by default CargarVehiculoFlota.
    VentanaFlota(Plataforma& plataforma, std::string carpetaPrograma, CargaFlota::Cargador cargar = {},
                 QWidget* parent = nullptr);
    ~VentanaFlota() override;

    // Every file of the folder, watched; or the files given, added to the rows.
    void AbrirCarpeta(const std::string& carpeta);
    void AnadirFicheros(const std::vector<std::string>& rutas);

    // The rows as shown (filtered and sorted).
    std::vector<const VehiculoFlota*> Visibles() const;

    QTableView* tabla() const { return tabla_; }
    QTableWidget* pie() const { return pie_; }
    ModeloFlota& modelo() const { return *modelo_; }
    PanelSiEntonces* panel() const { return panel_; }
    bool Cargando() const { return carga_.Activa(); }

signals:
    // Double-click or Enter on a row: its file, to be loaded into the steps.
    void Elegido(const QString& ruta);

private:
    QWidget* CrearBarra();
    QWidget* CrearTabla();
    QWidget* CrearProgreso();
    // Loading, the watch, the filter and the panel to what they update.
    void Conectar();
    void Cargar(std::vector<std::string> rutas);
    void Releer(std::vector<std::string> rutas);
    void AlLote(const std::vector<VehiculoFlota>& lote);
    void AlTerminar(int hechos, int total, bool cancelada);
    void Revisar();     // what the watcher saw: files saved, added or removed
    void Actualizar();  // totals, panel, charts, columns of the changes
    void ActualizarTipos();
    void Exportar(int formato);
    bool eventFilter(QObject* objeto, QEvent* evento) override;

    Plataforma& plataforma_;
    std::string carpetaPrograma_;
    ModeloFlota* modelo_;
    FiltroFlota* filtro_;
    CargaFlota::Cargador cargador_;
    CargaFlota carga_;  // the folder or the files opened; Releer reads the watcher's beside it
    VigilanciaFlota* vigilancia_;
    QTimer* actualizar_;  // one refresh for many changes
    QTimer* aviso_;       // the progress shows only for a load that lasts
    QComboBox* tipo_ = nullptr;
    QLineEdit* texto_ = nullptr;
    QLabel* cuenta_ = nullptr;
    QTableView* tabla_ = nullptr;
    QTableWidget* pie_ = nullptr;
    PanelSiEntonces* panel_ = nullptr;
    GraficosFlota* graficos_ = nullptr;
    QProgressBar* progreso_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QLabel* estado_ = nullptr;
    std::string carpetaExportacion_;
};

}  // namespace tarvelon
