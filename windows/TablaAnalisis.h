#pragma once
// The tables of the analysis window's tabs: read-only rows, the first column
// stretched for the names, the figures right-aligned.
#include <string>

#include <QStringList>

class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace tarvelon {

QTableWidget* TablaAnalisis(const QStringList& cabeceras, const char* nombre, QWidget* padre);
QTableWidgetItem* CeldaAnalisis(const std::string& texto, bool numero = true);

}  // namespace tarvelon
