#pragma once
// The results of the technologies tab, one column per technology: capital,
// year-1 cost, present cost, cost per km, break-even against diesel and CO2.
#include <QTableWidget>

#include "model/CosteVidaTecnologias.h"

namespace tarvelon {

class TablaTecnologias : public QTableWidget {
    Q_OBJECT
public:
    explicit TablaTecnologias(QWidget* parent = nullptr);
    // Nothing (an input that is not valid) leaves the table empty.
    void Actualizar(const CosteVidaTecnologias* r);
};

}  // namespace tarvelon
