#pragma once
// A result window's report kept as a PDF document: its own button
// "Guardar como PDF…", and the way out when printing finds no printer.
#include <string>

#include <QColor>
#include <QStringList>

class QListWidget;

namespace tarvelon {

class Plataforma;

// An A4 document, drawn as text that can be selected: the caption `titulo`,
// the lines in a fixed-pitch font in `color` (so red messages stay red), and
// the program version at the foot of every page. Raises ErrorEjecucion.
std::string PdfDeInforme(const QString& titulo, const QStringList& lineas, const QColor& color);

// "Guardar como PDF…": the save dialog (proposing the name `nombre`), the
// document of what `lista` shows written whole or not at all, then
// "Fichero … grabado". A failure ends in a critical box; an empty list is not saved.
void GuardarInformeComoPdf(Plataforma& plataforma, QListWidget* lista, const QString& titulo,
                           const std::string& nombre);

// Before printing: with no printer, asks whether to keep the report as a PDF
// instead, and does so on "Sí". True when there was no printer (the print is
// then over).
bool OfrecerPdfSinImpresora(Plataforma& plataforma, QListWidget* lista, const QString& titulo,
                            const std::string& nombre);

}  // namespace tarvelon
