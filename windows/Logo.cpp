#include "windows/Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tarvelon {

QPixmap DibujarLogo(int ancho, int alto)
{
    QPixmap imagen(ancho, alto);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ancho / 160.0, alto / 120.0);

    // Sky disc and road.
    QLinearGradient cielo(0, 0, 0, 120);
    cielo.setColorAt(0, QColor(40, 92, 160));
    cielo.setColorAt(1, QColor(120, 178, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(cielo);
    p.drawRoundedRect(QRectF(4, 4, 152, 112), 18, 18);
    p.setBrush(QColor(70, 70, 76));
    QPainterPath carretera;
    carretera.moveTo(4, 96);
    carretera.lineTo(156, 86);
    carretera.lineTo(156, 104);
    carretera.quadTo(156, 116, 138, 116);
    carretera.lineTo(22, 116);
    carretera.quadTo(4, 116, 4, 104);
    carretera.closeSubpath();
    p.drawPath(carretera);
    p.setPen(QPen(QColor(250, 210, 60), 2, Qt::DashLine));
    p.drawLine(QPointF(10, 106), QPointF(150, 97));

    // Semi-trailer, tractor and wheels.
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(245, 245, 245));
    p.drawRect(QRectF(18, 46, 88, 36));
    p.setBrush(QColor(200, 40, 40));
    QPainterPath cabina;
    cabina.moveTo(110, 82);
    cabina.lineTo(110, 50);
    cabina.lineTo(130, 50);
    cabina.lineTo(142, 64);
    cabina.lineTo(142, 82);
    cabina.closeSubpath();
    p.drawPath(cabina);
    p.setBrush(QColor(190, 225, 250));
    p.drawRect(QRectF(116, 55, 14, 10));
    p.setBrush(QColor(30, 30, 30));
    for (double x : {34.0, 50.0, 92.0, 122.0, 136.0}) p.drawEllipse(QPointF(x, 86), 6.5, 6.5);
    p.setBrush(QColor(180, 180, 180));
    for (double x : {34.0, 50.0, 92.0, 122.0, 136.0}) p.drawEllipse(QPointF(x, 86), 2.5, 2.5);

    // The euro sign on the trailer: what the program is about.
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(26);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 92, 160));
    p.drawText(QRectF(18, 46, 88, 36), Qt::AlignCenter, QStringLiteral("€"));
    p.end();
    return imagen;
}

}  // namespace tarvelon
