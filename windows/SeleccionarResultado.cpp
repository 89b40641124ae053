#include "windows/SeleccionarResultado.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "data/Avisador.h"
#include "model/Numeros.h"
#include "windows/CajaTexto.h"
#include "windows/ListaResultado.h"
#include "windows/Plataforma.h"
#include "windows/Presupuesto.h"
#include "windows/Trayecto.h"

namespace tarvelon {

SeleccionarResultado::SeleccionarResultado(Trayecto& trayecto, Presupuesto& presupuesto,
                                           std::function<void(QWidget*)> mostrarEnPaso, QWidget* parent)
    : QWidget(parent), trayecto_(trayecto), presupuesto_(presupuesto), mostrarEnPaso_(std::move(mostrarEnPaso))
{
    setObjectName(QStringLiteral("SeleccionarResultado"));
    setWindowTitle(QStringLiteral("Seleccionar resultado"));

    Frame1_ = new QGroupBox(QStringLiteral("¿Desea calcular el coste de un servicio?"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    Option1_ =
        new QRadioButton(QStringLiteral("Calcular sólo los costes unitarios (por km y hora) del vehículo"), Frame1_);
    Option1_->setObjectName(QStringLiteral("Option1"));
    Option2_ =
        new QRadioButton(QStringLiteral("Calcular los costes totales del servicio detallado a continuación"), Frame1_);
    Option2_->setObjectName(QStringLiteral("Option2"));
    auto* opciones = new QVBoxLayout(Frame1_);
    opciones->addWidget(Option1_);
    opciones->addWidget(Option2_);

    lblKilometrosDelServicio_ = new QLabel(QStringLiteral("Kilómetros del servicio"), this);
    lblKilometrosDelServicio_->setObjectName(QStringLiteral("lblKilometrosDelServicio"));
    txtKilometrosDelServicio_ = new QLineEdit(this);
    txtKilometrosDelServicio_->setObjectName(QStringLiteral("txtKilometrosDelServicio"));
    lblHorasDelServicio_ = new QLabel(QStringLiteral("Horas del servicio"), this);
    lblHorasDelServicio_->setObjectName(QStringLiteral("lblHorasDelServicio"));
    txtHorasDelServicio_ = new QLineEdit(this);
    txtHorasDelServicio_->setObjectName(QStringLiteral("txtHorasDelServicio"));
    btCalcular_ = new QPushButton(QStringLiteral("&Calcular"), this);
    btCalcular_->setObjectName(QStringLiteral("btCalcular"));

    auto* servicio = new QGridLayout;
    servicio->addWidget(lblKilometrosDelServicio_, 0, 0);
    servicio->addWidget(txtKilometrosDelServicio_, 0, 1);
    servicio->addWidget(lblHorasDelServicio_, 1, 0);
    servicio->addWidget(txtHorasDelServicio_, 1, 1);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(Frame1_);
    disposicion->addLayout(servicio);
    disposicion->addWidget(btCalcular_, 0, Qt::AlignRight);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order is the order the user meets the fields in.
    setTabOrder(Option1_, Option2_);
    setTabOrder(Option2_, txtKilometrosDelServicio_);
    setTabOrder(txtKilometrosDelServicio_, txtHorasDelServicio_);
    setTabOrder(txtHorasDelServicio_, btCalcular_);

    Option1_->setChecked(true);
    HabilitarServicio();
    Conectar();
}

void SeleccionarResultado::Conectar()
{
    connect(Option1_, &QRadioButton::toggled, this, [this](bool marcado) {
        if (marcado) HabilitarServicio();
    });
    connect(Option2_, &QRadioButton::toggled, this, [this](bool marcado) {
        if (!marcado) return;
        HabilitarServicio();
        EnfocarCaja(txtKilometrosDelServicio_);
    });
    connect(btCalcular_, &QPushButton::clicked, this, [this] { btCalcular_Click(); });
    txtKilometrosDelServicio_->installEventFilter(this);
    txtHorasDelServicio_->installEventFilter(this);
    ComaEnTecladoNumerico(txtKilometrosDelServicio_);
    ComaEnTecladoNumerico(txtHorasDelServicio_);

    // The budget reads the service figures from here whenever it is computed.
    presupuesto_.FijarTextosServicio([this] {
        return std::pair{txtKilometrosDelServicio_->text().toStdString(), txtHorasDelServicio_->text().toStdString()};
    });
}

void SeleccionarResultado::HabilitarServicio()
{
    const bool servicio = !Option1_->isChecked();
    lblKilometrosDelServicio_->setEnabled(servicio);
    lblHorasDelServicio_->setEnabled(servicio);
    txtKilometrosDelServicio_->setEnabled(servicio);
    txtHorasDelServicio_->setEnabled(servicio);
}

bool SeleccionarResultado::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusIn) {
        if (auto* campo = qobject_cast<QLineEdit*>(objeto)) {
            // Typing replaces the whole text. A mouse click moves the cursor
            // after the focus arrives, so the selection is made again then.
            campo->selectAll();
            QTimer::singleShot(0, campo, [campo] {
                if (campo->hasFocus()) campo->selectAll();
            });
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void SeleccionarResultado::btCalcular_Click()
{
    Plataforma& plataforma = trayecto_.plataforma();
    if (Option1_->isChecked()) {
        mostrarEnPaso_(&trayecto_);
        trayecto_.btCalculoResumen_Click();
    }
    if (Option2_->isChecked()) {
        auto falta = [&](QLineEdit* campo, const char* texto) {
            Aviso aviso;
            aviso.texto = texto;
            aviso.icono = Icono::Ninguno;
            plataforma.Mostrar(aviso);
            EnfocarCaja(campo);
        };
        if (txtKilometrosDelServicio_->text().isEmpty()) {
            falta(txtKilometrosDelServicio_, "Debe rellenar la cantidad de kilómetros del servicio");
            return;
        }
        if (txtHorasDelServicio_->text().isEmpty()) {
            falta(txtHorasDelServicio_, "Debe rellenar la cantidad de horas del servicio");
            return;
        }
        // A text that is not a number ("6.5" typed with a point) stops here,
        // with its box in front of the user, rather than half-way through the budget.
        for (QLineEdit* campo : {txtKilometrosDelServicio_, txtHorasDelServicio_}) {
            try {
                (void)TextoANumero(campo->text().toStdString());
            } catch (const ErrorEjecucion& e) {
                MostrarErrorEjecucion(plataforma, e);
                EnfocarCaja(campo);
                return;
            }
        }
        mostrarEnPaso_(&presupuesto_);
        presupuesto_.btCalculoResumen_Click();
    }
    OcultarVentana(this);
}

}  // namespace tarvelon
