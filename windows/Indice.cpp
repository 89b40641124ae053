#include "windows/Indice.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
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
    // The design's Tahoma 6.75 pt is hard to read on today's screens: never
    // smaller than the system's font. The buttons grow to their captions in bold.
    QFont fuente(QStringLiteral("Tahoma"));
    fuente.setPointSizeF(std::max(6.75, QApplication::font().pointSizeF()));
    QFont negrita = fuente;
    negrita.setBold(true);
    const QFontMetrics fm(negrita);
    int anchoTexto = 0;
    for (const auto& b : kBotones) anchoTexto = std::max(anchoTexto, fm.horizontalAdvance(QString::fromUtf8(b.texto)));
    const int ancho = std::max(TwipsAPixelesX(kAnchoTwips, this), anchoTexto + 3 * fm.averageCharWidth());
    const int alto = std::max(TwipsAPixelesY(kAltoTwips, this), fm.height() * 2 + 8);
    for (int i = 0; i < kPasos; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(kBotones[i].texto), this);
        b->setObjectName(QString::fromLatin1(kBotones[i].nombre));
        b->setFont(fuente);
        b->setToolTip(QStringLiteral("Introducir datos generales para la simulación"));
        b->setGeometry(0, alto * i, ancho, alto);
        b->setEnabled(i == 0);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (accion_) accion_(i);
        });
        botones_[static_cast<size_t>(i)] = b;
    }
    setFixedSize(ancho, alto * kPasos);
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
