#pragma once
// The program's PDF documents: A4, vector, selectable text, drawn in memory
// and handed back whole, so that a file is only written once it is complete.
#include <functional>
#include <string>

#include <QPageLayout>
#include <QString>

class QPainter;
class QPdfWriter;

namespace tarvelon {

inline constexpr int kResolucionPdf = 300;  // dots per inch of the drawing

// The bytes of a document titled `titulo`, with the program and its version
// as creator, drawn by `pintar` on an A4 page without margins (further pages
// through QPdfWriter::newPage), upright unless `orientacion` says landscape. A painter that cannot start or finish, or
// an empty document, is error 57.
std::string DocumentoPdf(const QString& titulo, const std::function<void(QPdfWriter&, QPainter&)>& pintar,
                         QPageLayout::Orientation orientacion = QPageLayout::Portrait);

}  // namespace tarvelon
