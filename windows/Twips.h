#pragma once
// Window positions and sizes of the original design are in twips (1/1440
// inch); they become pixels with the screen's logical resolution.
class QWidget;

namespace tarvelon {

int TwipsAPixelesX(int twips, const QWidget* referencia);
int TwipsAPixelesY(int twips, const QWidget* referencia);

// A measure designed in pixels of a 96-dpi screen, on the screen of `referencia`.
int PixelesEscalados(int pixeles96, const QWidget* referencia);

}  // namespace tarvelon
