#include "windows/TablaTecnologias.h"

#include <QHeaderView>

#include "reports/InformesTecnologias.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TablaTecnologias::TablaTecnologias(QWidget* parent) : QTableWidget(0, 5, parent)
{
    setObjectName(QStringLiteral("tablaTecnologias"));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // As tall and wide as its rows: the tab scrolls, not the table.
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TablaTecnologias::Actualizar(const CosteVidaTecnologias* r)
{
    setRowCount(0);
    if (!r) return;
    QStringList cabeceras{QStringLiteral("Resultado")};
    for (const auto& t : r->tecnologias) cabeceras << Q(t.nombre);
    setColumnCount(static_cast<int>(cabeceras.size()));
    setHorizontalHeaderLabels(cabeceras);
    const auto filas = TablaResultadosTecnologias(*r);
    setRowCount(static_cast<int>(filas.size()));
    for (size_t f = 0; f < filas.size(); ++f)
        for (size_t c = 0; c < filas[f].size(); ++c) {
            auto* celda = new QTableWidgetItem(Q(filas[f][c]));
            if (c > 0) celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(static_cast<int>(f), static_cast<int>(c), celda);
        }
}

}  // namespace tarvelon
