#pragma once
// Window positions and sizes of the original design are in twips (1/1440
// inch); they become pixels with the screen's logical resolution.
class QWidget;

namespace tarvelon {

int TwipsAPixelesX(int twips, const QWidget* referencia);
int TwipsAPixelesY(int twips, const QWidget* referencia);

}  // namespace tarvelon
