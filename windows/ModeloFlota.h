#pragma once
// The fleet window's table: a row per data file with its figures as it is,
// after the «¿Y si…?» changes and their difference, or why it has none.
#include <string>
#include <unordered_map>
#include <vector>

#include <QAbstractTableModel>

#include "reports/VehiculoFlota.h"

namespace tarvelon {

class ModeloFlota : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Columna {
        kFichero,
        kTipo,
        kKm,
        kServicios,
        kCosteKm,
        kCosteServicio,
        kCosteAnual,
        kLitros,
        kCo2,
        kCosteKmDespues,
        kDiferenciaKm,
        kCosteAnualDespues,
        kDiferenciaAnual,
        kMotivo,
        kColumnas
    };
    // What the sort compares: numbers as numbers, texts without case.
    static constexpr int kRolOrden = Qt::UserRole;
    // The full path of the row's file.
    static constexpr int kRolRuta = Qt::UserRole + 1;

    explicit ModeloFlota(QObject* parent = nullptr);

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

    // Rows of files already in the table are replaced, the others added;
    // each gets the changes in force.
    void Poner(std::vector<VehiculoFlota> lote);
    void Quitar(const std::string& ruta);
    void Vaciar();
    // The changes recomputed on every row.
    void Cambiar(const CambiosFlota& cambios);
    const CambiosFlota& Cambios() const { return cambios_; }

    const VehiculoFlota& Vehiculo(int fila) const { return filas_[static_cast<size_t>(fila)]; }
    bool Contiene(const std::string& ruta) const { return indice_.count(ruta) != 0; }
    std::vector<std::string> Rutas() const;
    // The vehicle types of the rows, sorted, each once.
    QStringList Tipos() const;

    // A column's text for a totals row.
    static QString TextoTotal(int columna, const SumaFlota& suma);
    static bool EsDeCambios(int columna) { return columna >= kCosteKmDespues && columna <= kDiferenciaAnual; }

private:
    void Reindexar();

    std::vector<VehiculoFlota> filas_;
    std::unordered_map<std::string, size_t> indice_;
    CambiosFlota cambios_;
};

}  // namespace tarvelon
