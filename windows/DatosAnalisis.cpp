#include "windows/DatosAnalisis.h"

#include <map>

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "model/Errores.h"
#include "windows/CajaTexto.h"
#include "windows/Columnas.h"
#include "windows/DisenosEntrada.h"

namespace tarvelon {

namespace {

// Box suffix -> the label the user reads beside it, from the window designs.
const std::map<std::string, std::string>& Etiquetas()
{
    static const std::map<std::string, std::string> etiquetas = [] {
        std::map<std::string, std::string> m;
        for (const DisenoVentana& d :
             {DisenoDatosGenerales(), DisenoCostesFijosA(), DisenoCostesFijosB(), DisenoCostesFijosC(),
              DisenoCostesVariablesA(), DisenoCostesVariablesB(), DisenoCostesIndirectos()})
            for (const auto& marco : d.marcos)
                for (const auto& f : marco.filas)
                    for (size_t c = 0; c < f.sufijos.size(); ++c) {
                        std::string e = f.etiqueta;
                        while (!e.empty() && e.back() == ' ') e.pop_back();
                        if (f.sufijos.size() > 1 && c < marco.subcolumnas.size()) e += " - " + marco.subcolumnas[c];
                        m[f.sufijos[c]] = e;
                    }
        return m;
    }();
    return etiquetas;
}

// The step window that holds a box: the widget right inside its frame.
QWidget* VentanaDe(QWidget* caja)
{
    QWidget* w = caja;
    while (w->parentWidget() && !qobject_cast<QMdiSubWindow*>(w->parentWidget())) w = w->parentWidget();
    return w;
}

}  // namespace

std::string DescribirFallo(const FalloLectura& fallo)
{
    std::string casilla;
    if (fallo.caja) {
        QString sufijo = fallo.caja->objectName();
        sufijo.remove(0, sufijo.startsWith(QStringLiteral("MIR")) ? 6 : 3);
        QWidget* ventana = VentanaDe(fallo.caja);
        const auto it = Etiquetas().find(sufijo.toStdString());
        if (it != Etiquetas().end()) casilla = it->second;
        else if (auto* l = ventana->findChild<QLabel*>(QStringLiteral("lbl") + sufijo))
            casilla = l->text().toStdString();
        else casilla = sufijo.toStdString();
        casilla = "Casilla «" + casilla + "» de «" + ventana->windowTitle().toStdString() + "»: ";
    } else if (fallo.campo >= 0) {
        casilla = "Campo " + std::string(CamposSimulacion()[static_cast<size_t>(fallo.campo)].nombre) + ": ";
    }
    return casilla + MensajeError(fallo.error);
}

DatosAnalisis LeerDatosAnalisis(Columnas& columnas)
{
    // A failed read keeps the box that stopped it, named for the user.
    auto desdeCajas = [](std::optional<FalloLectura> fallo) -> std::optional<std::string> {
        if (fallo) return DescribirFallo(*fallo);
        return std::nullopt;
    };
    return AnalizarColumnas([&](Simulacion& s) { return desdeCajas(columnas.LeerColumnaSimulacionSinAvisos(s)); },
                            columnas.SeguroActual(),
                            [&](Simulacion& s) { return desdeCajas(columnas.LeerColumnaReferenciaSinAvisos(s)); });
}

}  // namespace tarvelon
