#include "windows/CambiosSimulacion.h"

#include <QLineEdit>

#include "windows/CostesFijosC.h"
#include "windows/MapaCajas.h"
#include "windows/SeleccionarVehiculo.h"

namespace tarvelon {

std::vector<std::string> CambiosSimulacion::Textos() const
{
    QWidget* porVentana[] = {v_.vehiculo,     v_.datosGenerales,   v_.costesFijosA,     v_.costesFijosB,
                             v_.costesFijosC, v_.costesVariablesA, v_.costesVariablesB, v_.costesIndirectos};
    // The insurance option is part of what a save writes.
    std::vector<std::string> textos{std::to_string(v_.costesFijosC->OpcionElegida())};
    for (const auto& m : MapaCajas()) {
        if (m.ventana == VentanaCampo::Vehiculo) continue;  // the type and its read-only figures
        const QString nombre = QStringLiteral("txt") + QString::fromLatin1(m.sufijo);
        if (auto* caja = porVentana[static_cast<int>(m.ventana)]->findChild<QLineEdit*>(nombre))
            textos.push_back(caja->text().toStdString());
    }
    return textos;
}

}  // namespace tarvelon
