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
    // Sized once per redraw (below): sized to contents, every changed cell
    // would measure its whole column again.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // As tall and wide as its rows: the tab scrolls, not the table; only a
    // window narrower than its columns scrolls it sideways (and then down,
    // for the row under that bar) rather than cutting the last column.
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TablaTecnologias::Actualizar(const CosteVidaTecnologias* r)
{
    if (!r) {
        setRowCount(0);
        return;
    }
    QStringList cabeceras{QStringLiteral("Resultado")};
    for (const auto& t : r->tecnologias) cabeceras << Q(t.nombre);
    if (columnCount() != cabeceras.size() || !horizontalHeaderItem(1) ||
        horizontalHeaderItem(1)->text() != cabeceras[1]) {
        setColumnCount(static_cast<int>(cabeceras.size()));
        setHorizontalHeaderLabels(cabeceras);
    }
    const auto filas = TablaResultadosTecnologias(*r);
    setRowCount(static_cast<int>(filas.size()));
    // The cells of the last figures take the new texts: typing does not rebuild them.
    for (size_t f = 0; f < filas.size(); ++f)
        for (size_t c = 0; c < filas[f].size(); ++c) {
            QTableWidgetItem* celda = item(static_cast<int>(f), static_cast<int>(c));
            if (!celda) {
                celda = new QTableWidgetItem;
                if (c > 0) celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                setItem(static_cast<int>(f), static_cast<int>(c), celda);
            }
            const QString texto = Q(filas[f][c]);
            if (celda->text() != texto) celda->setText(texto);
        }
    resizeColumnsToContents();
}

}  // namespace tarvelon
