#include "windows/PanelSiEntonces.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/Numeros.h"
#include "reports/InformesFlota.h"

namespace tarvelon {

namespace {

const char* const kCambios[6][2] = {
    {"Precio del gasóleo", "%"}, {"Salarios", "%"},           {"Peajes", "%"},
    {"Mantenimiento", "%"},      {"Kilómetros anuales", "%"}, {"Precio del CO2", "€/t"},
};

struct Figura {
    const char* nombre;
    double CifrasVehiculo::*miembro;
    std::string (*formato)(double);
};

// Whole km and litres, as the table shows them; a difference of none is "0".
std::string Entero(double v)
{
    const std::string t = FormatoMiles(v);
    return t.empty() ? "0" : t;
}

const Figura kFiguras[7] = {
    {"Km anuales", &CifrasVehiculo::km, Entero},
    {"Servicios/año", &CifrasVehiculo::servicios, FormatoDosDecimales},
    {"€/km (media)", &CifrasVehiculo::costeKm, FormatoCuatroDecimales},
    {"€/servicio (media)", &CifrasVehiculo::costeServicio, FormatoDosDecimales},
    {"€/año", &CifrasVehiculo::costeAnual, FormatoDosDecimales},
    {"Litros/año", &CifrasVehiculo::litros, Entero},
    {"CO2 t/año", &CifrasVehiculo::co2, FormatoDosDecimales},
};

QLabel* Cifra(QWidget* padre)
{
    auto* l = new QLabel(padre);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for a fleet's totals, so the panel never needs to scroll sideways.
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("+9.999.999,99")) + 4);
    return l;
}

}  // namespace

PanelSiEntonces::PanelSiEntonces(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PanelSiEntonces"));
    auto* raiz = new QVBoxLayout(this);
    auto* grupo = new QGroupBox(QStringLiteral("¿Y si…?"), this);
    auto* rejilla = new QGridLayout(grupo);
    for (int i = 0; i < 6; ++i) {
        auto* caja = new QLineEdit(grupo);
        caja->setObjectName(QStringLiteral("txtCambio%1").arg(i));
        caja->setPlaceholderText(QStringLiteral("0"));
        caja->setAlignment(Qt::AlignRight);
        caja->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-000,000")) + 16);
        rejilla->addWidget(new QLabel(QString::fromUtf8(kCambios[i][0]), grupo), i, 0);
        rejilla->addWidget(caja, i, 1);
        rejilla->addWidget(new QLabel(QString::fromUtf8(kCambios[i][1]), grupo), i, 2);
        connect(caja, &QLineEdit::textChanged, this, &PanelSiEntonces::Leer);
        cajas_[static_cast<size_t>(i)] = caja;
    }
    motivo_ = new QLabel(grupo);
    motivo_->setObjectName(QStringLiteral("lblMotivoCambios"));
    motivo_->setWordWrap(true);
    motivo_->setStyleSheet(QStringLiteral("color: #aa1414"));
    rejilla->addWidget(motivo_, 6, 0, 1, 3);
    raiz->addWidget(grupo);

    auto* cuadro = new QGroupBox(QStringLiteral("Totales de la flota"), this);
    auto* tabla = new QGridLayout(cuadro);
    const char* cabeceras[] = {"Antes", "Después", "Diferencia"};
    for (int c = 0; c < 3; ++c) {
        auto* cab = new QLabel(QStringLiteral("<b>%1</b>").arg(QString::fromUtf8(cabeceras[c])), cuadro);
        cab->setAlignment(Qt::AlignRight);
        tabla->addWidget(cab, 0, c + 1);
    }
    for (int f = 0; f < 7; ++f) {
        tabla->addWidget(new QLabel(QString::fromUtf8(kFiguras[f].nombre), cuadro), f + 1, 0);
        for (int c = 0; c < 3; ++c) {
            QLabel* l = Cifra(cuadro);
            l->setObjectName(QStringLiteral("lblTotal%1_%2").arg(f).arg(c));
            tabla->addWidget(l, f + 1, c + 1);
            totales_[static_cast<size_t>(f)][static_cast<size_t>(c)] = l;
        }
    }
    vehiculos_ = new QLabel(cuadro);
    vehiculos_->setObjectName(QStringLiteral("lblVehiculosTotales"));
    vehiculos_->setWordWrap(true);
    tabla->addWidget(vehiculos_, 8, 0, 1, 4);
    raiz->addWidget(cuadro);
    raiz->addStretch(1);
}

void PanelSiEntonces::Leer()
{
    std::array<std::string, 6> textos;
    for (size_t i = 0; i < textos.size(); ++i) textos[i] = cajas_[i]->text().toStdString();
    const LecturaCambios l = LeerCambios(textos);
    for (size_t i = 0; i < cajas_.size(); ++i)
        cajas_[i]->setStyleSheet(static_cast<int>(i) == l.mal ? QStringLiteral("background: #ffd6d6") : QString());
    motivo_->setText(QString::fromStdString(l.motivo));
    if (l.cambios) emit Cambiados(*l.cambios);
}

void PanelSiEntonces::MostrarTotales(const SumaFlota& suma)
{
    const CifrasVehiculo a = suma.antes.Total(), d = suma.despues.Total();
    for (size_t f = 0; f < 7; ++f) {
        const Figura& fig = kFiguras[f];
        const double dif = DiferenciaSiEntonces(a.*fig.miembro, d.*fig.miembro);
        totales_[f][0]->setText(QString::fromStdString(fig.formato(a.*fig.miembro)));
        totales_[f][1]->setText(QString::fromStdString(fig.formato(d.*fig.miembro)));
        totales_[f][2]->setText(QString::fromStdString((dif > 0 ? "+" : "") + fig.formato(dif)));
    }
    const long n = suma.antes.vehiculos();
    QString texto = QStringLiteral("%1 %2 con cifras")
                        .arg(QString::fromStdString(EnteroATexto(n)),
                             n == 1 ? QStringLiteral("vehículo") : QStringLiteral("vehículos"));
    if (suma.sinCifras) texto += QStringLiteral("; %1 sin cifras (ver «Motivo»)").arg(suma.sinCifras);
    vehiculos_->setText(texto + QStringLiteral(". €/km y €/servicio: medias ponderadas por los km."));
}

}  // namespace tarvelon
