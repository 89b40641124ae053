#pragma once
// The platform as the running program uses it: Qt message boxes, the Qt file
// dialog and the default printer.
#include "windows/Plataforma.h"

#include <QString>
#include <QStringList>

class QFileDialog;

namespace tarvelon {

class PlataformaQt : public Plataforma {
public:
    Respuesta Mostrar(const Aviso& aviso) override;
    std::optional<std::string> ElegirFichero(const PeticionFichero& peticion, QWidget* padre) override;
    std::vector<std::string> ElegirVarios(const PeticionFichero& peticion, QWidget* padre) override;
    void ImprimirVentana(QWidget* ventana) override;
    bool HayImpresora() override;
};

// "Desc (*.txt)|*.txt|Otra (*.*)|*.*|" as the dialog's name filters:
// {"Desc (*.txt)", "Otra (*.*)"}.
QStringList FiltrosDialogo(const std::string& filtro);

// Sizes Qt's file dialog so that its columns and buttons show whole.
void DimensionarDialogo(QFileDialog& dialogo);

// A message text as a box shows it: CR LF pairs become line breaks.
QString TextoAviso(const std::string& texto);

}  // namespace tarvelon
