#include "windows/Twips.h"

#include <QWidget>
#include <QtMath>

namespace tarvelon {

int TwipsAPixelesX(int twips, const QWidget* referencia) { return qRound(twips * referencia->logicalDpiX() / 1440.0); }

int TwipsAPixelesY(int twips, const QWidget* referencia) { return qRound(twips * referencia->logicalDpiY() / 1440.0); }

int PixelesEscalados(int pixeles96, const QWidget* referencia)
{
    return qRound(pixeles96 * referencia->logicalDpiX() / 96.0);
}

}  // namespace tarvelon
