#pragma once
// The program's logo, drawn here: a lorry on a road under the name.
#include <QPixmap>

namespace tarvelon {

QPixmap DibujarLogo(int ancho, int alto);

}  // namespace tarvelon
