#include "windows/AbrirFlota.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "windows/Plataforma.h"

namespace tarvelon {

VentanaFlota* AbrirFlota(Plataforma& plataforma, QMdiArea& area, const std::string& carpetaInicial,
                         const std::string& carpetaPrograma)
{
    PeticionFichero p;
    p.titulo = "Abrir flota: carpeta de ficheros de datos personalizados";
    p.carpeta = true;
    p.carpetaInicial = carpetaInicial;
    const std::vector<std::string> elegido = plataforma.ElegirVarios(p, area.window());
    if (elegido.empty() || elegido.front().empty()) return nullptr;
    auto* ventana = new VentanaFlota(plataforma, carpetaPrograma);
    QMdiSubWindow* marco = area.addSubWindow(ventana);
    marco->setObjectName(QStringLiteral("MarcoVentanaFlota"));
    marco->setAttribute(Qt::WA_DeleteOnClose);
    // The whole work area: the table, its charts and the panel want the room.
    marco->setGeometry(QRect(QPoint(0, 0), area.viewport()->size()));
    marco->show();
    area.setActiveSubWindow(marco);
    ventana->AbrirCarpeta(elegido.front());
    return ventana;
}

}  // namespace tarvelon
