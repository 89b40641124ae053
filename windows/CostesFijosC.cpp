#include "windows/CostesFijosC.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "windows/DisenosEntrada.h"

namespace tarvelon {

namespace {
struct TipoSeguroFila {
    const char* opcion;
    const char* caja;
    int copiar;
};
constexpr TipoSeguroFila kTipos[] = {
    {"OptionSeguroObligatorio", "CFSeguroObligatorio", 0},
    {"OptionSeguroObligatorioyTerceros", "CFSeguroObligatorioYTerceros", 1},
    {"OptionTodoRiesgo", "CFSeguroTodoRiesgo", 2},
};
}  // namespace

CostesFijosC::CostesFijosC(QWidget* parent) : VentanaEntrada(DisenoCostesFijosC(), parent)
{
    for (const auto& t : kTipos) {
        Caja(t.caja)->hide();
        BotonCopiar(t.copiar)->hide();
        connect(Opcion(t.opcion), &QRadioButton::clicked, this, &CostesFijosC::Actualiza);
    }
}

void CostesFijosC::Actualiza()
{
    for (const auto& t : kTipos) Caja(t.caja)->hide();
    for (const auto& t : kTipos) BotonCopiar(t.copiar)->hide();
    for (const auto& t : kTipos) {
        if (!Opcion(t.opcion)->isChecked()) continue;
        QLineEdit* caja = Caja(t.caja);
        caja->show();
        BotonCopiar(t.copiar)->show();
        // The focus can only go into a box of a window that is shown.
        if (caja->isVisible()) caja->setFocus(Qt::OtherFocusReason);
    }
}

int CostesFijosC::OpcionElegida() const
{
    for (int i = 0; i < 3; ++i)
        if (Opcion(kTipos[i].opcion)->isChecked()) return i + 1;
    return 0;
}

void CostesFijosC::ElegirOpcion(int tipo)
{
    if (tipo < 1 || tipo > 3) return;
    Opcion(kTipos[tipo - 1].opcion)->setChecked(true);
    Actualiza();
}

}  // namespace tarvelon
