#include "windows/AbrirFlota.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "windows/DatosPersonalizados.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

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

VentanaFlota* AbrirFlota(Sesion& sesion, QMdiArea& area)
{
    VentanaFlota* flota = AbrirFlota(sesion.plataforma(), area, sesion.RutaPrograma(), sesion.CarpetaPrograma());
    // A row chosen loads as «Cargar» does, after the same question.
    if (flota)
        QObject::connect(flota, &VentanaFlota::Elegido, &sesion, [&sesion](const QString& ruta) {
            if (sesion.ConfirmarCambios()) CargarDatosPersonalizados(sesion, ruta.toStdString());
        });
    return flota;
}

}  // namespace tarvelon
