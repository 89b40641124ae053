#include "windows/TablaAnalisis.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tarvelon {

QTableWidget* TablaAnalisis(const QStringList& cabeceras, const char* nombre, QWidget* padre)
{
    auto* t = new QTableWidget(0, static_cast<int>(cabeceras.size()), padre);
    t->setObjectName(QString::fromLatin1(nombre));
    t->setHorizontalHeaderLabels(cabeceras);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Every column as wide as its texts (a narrow window scrolls the table
    // sideways rather than shortening the names); the last takes what is left.
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QTableWidgetItem* CeldaAnalisis(const std::string& texto, bool numero)
{
    auto* c = new QTableWidgetItem(QString::fromStdString(texto));
    if (numero) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

}  // namespace tarvelon
