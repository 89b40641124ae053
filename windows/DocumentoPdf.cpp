#include "windows/DocumentoPdf.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "model/Errores.h"
#include "windows/frmAbout.h"

namespace tarvelon {

std::string DocumentoPdf(const QString& titulo, const std::function<void(QPdfWriter&, QPainter&)>& pintar,
                         QPageLayout::Orientation orientacion)
{
    QByteArray bytes;
    QBuffer destino(&bytes);
    destino.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&destino);
        pdf.setResolution(kResolucionPdf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setPageOrientation(orientacion);
        pdf.setTitle(titulo);
        pdf.setCreator(QStringLiteral("TARVELON ") + TextoVersion());
        QPainter pintor;
        if (!pintor.begin(&pdf)) throw ErrorEjecucion(kErrorES);
        pintar(pdf, pintor);
        if (!pintor.end()) throw ErrorEjecucion(kErrorES);
    }
    if (bytes.isEmpty()) throw ErrorEjecucion(kErrorES);
    return bytes.toStdString();
}

}  // namespace tarvelon
