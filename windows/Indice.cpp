#include "windows/Indice.h"

#include <QPushButton>

#include "windows/Twips.h"

namespace tarvelon {

namespace {
struct Paso {
    const char* nombre;
    const char* texto;
};
constexpr Paso kBotones[Indice::kPasos] = {
    {"btSeleccionVehiculo", "0.- Selección Tipo Veh."},
    {"btDatosGenerales", "1.- Datos Generales"},
    {"btCostesFijosA", "2.- Costes Fijos A"},
    {"btCostesFijosB", "3.- Costes Fijos B"},
    {"btCostesFijosC", "4.- Costes Fijos C"},
    {"btCostesVariablesA", "5.- Costes Variables A"},
    {"btCostesVariablesB", "6.- Costes Variables B"},
    {"btCostesIndirectos", "7.- Costes Indirectos"},
    {"btResultados", "8.- Resultados"},
};
constexpr int kAnchoTwips = 2000;
constexpr int kAltoTwips = 600;
}  // namespace

Indice::Indice(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Indice"));
    setWindowTitle(QStringLiteral("Indice"));
    QFont fuente(QStringLiteral("Tahoma"));
    fuente.setPointSizeF(6.75);
    const int ancho = TwipsAPixelesX(kAnchoTwips, this);
    for (int i = 0; i < kPasos; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kBotones[i].texto), this);
        b->setObjectName(QString::fromLatin1(kBotones[i].nombre));
        b->setFont(fuente);
        b->setToolTip(QStringLiteral("Introducir datos generales para la simulación"));
        const int arriba = TwipsAPixelesY(kAltoTwips * i, this);
        b->setGeometry(0, arriba, ancho, TwipsAPixelesY(kAltoTwips * (i + 1), this) - arriba);
        b->setEnabled(i == 0);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (accion_) accion_(i);
        });
        botones_[static_cast<size_t>(i)] = b;
    }
    setFixedSize(ancho, TwipsAPixelesY(kAltoTwips * kPasos, this));
}

void Indice::HabilitarPasos()
{
    for (int i = 1; i < kPasos; ++i) Boton(i)->setEnabled(true);
}

void Indice::MarcarNegrita(int paso)
{
    QFont f = Boton(paso)->font();
    f.setBold(true);
    Boton(paso)->setFont(f);
}

void Indice::QuitarNegritas()
{
    for (int i = 0; i < kPasos; ++i) {
        QFont f = Boton(i)->font();
        f.setBold(false);
        Boton(i)->setFont(f);
    }
}

}  // namespace tarvelon
