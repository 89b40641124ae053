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
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < cabeceras.size(); ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return t;
}

QTableWidgetItem* CeldaAnalisis(const std::string& texto, bool numero)
{
    auto* c = new QTableWidgetItem(QString::fromStdString(texto));
    if (numero) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

}  // namespace tarvelon
