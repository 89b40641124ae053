#include "windows/SeleccionarVehiculo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "model/TablaCampos.h"
#include "windows/CajaTexto.h"
#include "windows/Columnas.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

namespace tarvelon {

namespace {
// The vehicle's figures shown under the type: the table's fields of this
// window that have boxes, in storage order.
std::vector<const FilaCampo*> Caracteristicas()
{
    std::vector<const FilaCampo*> c;
    for (const auto& f : TablaCampos())
        if (f.paso == VentanaCampo::Vehiculo && *f.sufijo != '\0') c.push_back(&f);
    return c;
}
}  // namespace

SeleccionarVehiculo::SeleccionarVehiculo(Plataforma& plataforma, Sesion& sesion, QWidget* parent)
    : QWidget(parent), plataforma_(plataforma), sesion_(sesion)
{
    setObjectName(QStringLiteral("SeleccionarVehiculo"));
    setWindowTitle(QStringLiteral("0-Seleccionar Tipo Vehículo"));

    auto* marco = new QGroupBox(QStringLiteral("DATOS INICIALES"), this);
    marco->setObjectName(QStringLiteral("Frame1"));
    auto* rejilla = new QGridLayout(marco);
    rejilla->setHorizontalSpacing(12);

    auto* lblTipo = new QLabel(QStringLiteral("Tipo de Vehículo:"), marco);
    lblTipo->setObjectName(QStringLiteral("lblTipo"));
    combo_ = new QComboBox(marco);
    combo_->setObjectName(QStringLiteral("cbSeleccionarVehiculo"));
    // A writable text part; typing never chooses an entry.
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setCompleter(nullptr);
    combo_->setMinimumWidth(combo_->fontMetrics().horizontalAdvance(QString(44, QLatin1Char('x'))));
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblTipo->setBuddy(combo_);
    rejilla->addWidget(lblTipo, 0, 0);
    rejilla->addWidget(combo_, 0, 1, 1, 2);

    int fila = 1;
    for (const FilaCampo* c : Caracteristicas()) {
        auto* l = new QLabel(QString::fromStdString(RotuloDeFila(*c)), marco);
        l->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(c->sufijo));
        auto* caja = new CajaTexto(TipoCaja::Referencia, c->maximo, marco);
        caja->setObjectName(QStringLiteral("txt") + QString::fromLatin1(c->sufijo));
        caja->setFixedWidth(caja->fontMetrics().horizontalAdvance(QString(14, QLatin1Char('0'))) + 12);
        // The reference twin: written by the reference-column transfer, never shown.
        auto* ref = new CajaTexto(TipoCaja::Referencia, 14, marco);
        ref->setObjectName(QStringLiteral("MIRtxt") + QString::fromLatin1(c->sufijo));
        ref->setEnabled(false);
        ref->hide();
        rejilla->addWidget(l, fila, 0);
        rejilla->addWidget(caja, fila, 1, Qt::AlignLeft);
        ++fila;
    }
    btSeleccionar_ = new QPushButton(QStringLiteral("&Seleccionar"), marco);
    btSeleccionar_->setObjectName(QStringLiteral("btSeleccionar"));
    rejilla->addWidget(btSeleccionar_, fila, 2, Qt::AlignRight);
    connect(btSeleccionar_, &QPushButton::clicked, this, &SeleccionarVehiculo::btSeleccionar_Click);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(marco);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
}

void SeleccionarVehiculo::showEvent(QShowEvent* e)
{
    Cargar();
    QWidget::showEvent(e);
}

void SeleccionarVehiculo::Cargar()
{
    if (cargado_) return;
    cargado_ = true;
    const std::string ruta = BuscarFichero(sesion_.CarpetaPrograma(), "Config.txt");
    const std::vector<std::string> tipos = LeerTipos(ruta, plataforma_);
    combo_->clear();
    for (const auto& t : tipos) combo_->addItem(QString::fromStdString(t));
    combo_->setCurrentIndex(-1);
    // Long type names must show whole, in the box and in its list.
    const QFontMetrics fm(combo_->font());
    int ancho = 0;
    for (int i = 0; i < combo_->count(); ++i) ancho = std::max(ancho, fm.horizontalAdvance(combo_->itemText(i)));
    const int margen = 4 * fm.averageCharWidth() + combo_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    combo_->view()->setMinimumWidth(ancho + margen);
    // On a small or scaled screen the box gives way, so that the window fits
    // beside the index; its list still shows every name whole.
    const int tope = screen() ? screen()->availableGeometry().width() * 45 / 100 : 1000;
    combo_->setMinimumWidth(std::max(combo_->minimumWidth(), std::min({ancho + 2 * margen, 1000, tope})));
    adjustSize();  // the main window fits its frame to it when it shows it
}

std::string SeleccionarVehiculo::TextoTipo() const { return combo_->currentText().toStdString(); }

void SeleccionarVehiculo::EscribirTipo(const std::string& tipo)
{
    Cargar();
    // A text of the list chooses its entry; any other text (the empty one
    // included) leaves no entry chosen and stands in the text part.
    const QString texto = QString::fromStdString(tipo);
    const int indice = combo_->findText(texto, Qt::MatchExactly | Qt::MatchCaseSensitive);
    combo_->setCurrentIndex(indice);
    if (indice < 0) combo_->setEditText(texto);
}

void SeleccionarVehiculo::btSeleccionar_Click()
{
    if (combo_->currentIndex() < 0) {
        plataforma_.Mostrar(Aviso{"Debe seleccionar el tipo de vehículo"});
        combo_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::string tipo = TextoTipo();

    // The type's block is read and converted first: a selection that fails
    // leaves both columns, the steps and the title as they were.
    Simulacion referencia;
    try {
        const TablaLineas bloque =
            LeerBloque(BuscarFichero(sesion_.CarpetaPrograma(), "Config.txt"), tipo, plataforma_);
        referencia.FromArray(bloque);
    } catch (...) {
        plataforma_.Mostrar(Aviso{MensajeError(ComoErrorEjecucion(std::current_exception())), Icono::Critico});
        return;
    }
    // The user's figures are replaced below.
    if (!sesion_.ConfirmarCambios()) return;

    sesion_.PonerColumnas(Simulacion{}, referencia);
    for (const FilaCampo* c : Caracteristicas()) {
        auto* caja = findChild<QLineEdit*>(QStringLiteral("txt") + QString::fromLatin1(c->sufijo));
        EscribirTexto(caja, TextoDeCampo(referencia, IndiceCampo(c->clave)));
    }
    // The main window follows with its title, its hint and the steps hidden.
    sesion_.ColumnaSeleccionada(tipo);
    plataforma_.Mostrar(Aviso{"Seleccionado vehículo: " + tipo});
}

}  // namespace tarvelon
