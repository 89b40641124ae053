#pragma once
// The fleet table's rows as shown: one vehicle type (or all) and a text
// found in the file name, the type or the reason.
#include <QSortFilterProxyModel>

namespace tarvelon {

class FiltroFlota : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    // An empty type is every type; the text is sought without regard to case.
    void Fijar(const QString& tipo, const QString& texto);

protected:
    bool filterAcceptsRow(int fila, const QModelIndex& padre) const override;

private:
    QString tipo_, texto_;
};

}  // namespace tarvelon
