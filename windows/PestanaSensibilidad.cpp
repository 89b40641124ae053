#include "windows/PestanaSensibilidad.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "windows/CajaTexto.h"
#include "windows/DatosAnalisis.h"
#include "windows/FilaAdaptable.h"
#include "windows/GraficoCurvaKm.h"
#include "windows/GraficoSensibilidad.h"
#include "windows/TablaAnalisis.h"

namespace tarvelon {

namespace {
std::string Valor(double v) { return v > -10 && v < 10 ? FormatoCuatroDecimales(v) : FormatoDosDecimales(v); }
}  // namespace

PestanaSensibilidad::PestanaSensibilidad(QWidget* parent) : QWidget(parent)
{
    auto* disposicion = new QVBoxLayout(this);
    auto* fila = new QHBoxLayout;
    auto* etiqueta = new QLabel(QStringLiteral("&Variación de cada dato:"), this);
    // A number box like the input windows': decimals with a comma ("12,5"),
    // and a figure out of range is said, never cut to what fits.
    variacion_ = new CajaTexto(TipoCaja::Entrada, 8, this);
    variacion_->setObjectName(QStringLiteral("txtVariacion"));
    variacion_->setText(QString::fromStdString(NumeroATexto(kVariacionPorDefecto)));
    variacion_->setMaximumWidth(variacion_->fontMetrics().horizontalAdvance(QStringLiteral("000,000")) + 16);
    etiqueta->setBuddy(variacion_);
    fila->addWidget(etiqueta);
    fila->addWidget(variacion_);
    fila->addWidget(new QLabel(QStringLiteral("%"), this));
    motivo_ = new QLabel(this);
    motivo_->setObjectName(QStringLiteral("lblMotivoSensibilidad"));
    motivo_->setWordWrap(true);
    motivo_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    fila->addWidget(motivo_, 1);
    disposicion->addLayout(fila);

    auto* divisor = new QSplitter(Qt::Vertical, this);
    // The tornado needs room for the names of the inputs; the curve goes
    // under it where the window is too narrow for both.
    auto* graficos = new FilaAdaptable(divisor);
    tornado_ = new GraficoSensibilidad(graficos);
    curva_ = new GraficoCurvaKm(graficos);
    graficos->Anadir(tornado_, 3);
    graficos->Anadir(curva_, 2);
    tabla_ = TablaAnalisis({QStringLiteral("Dato"), QStringLiteral("Valor"), QStringLiteral("Coste/km\ncon −p"),
                            QStringLiteral("Coste/km\ncon +p"), QStringLiteral("Efecto\nmáximo")},
                           "tablaSensibilidad", divisor);
    divisor->setSizes({420, 180});  // in proportion: the tornado's names need the height
    disposicion->addWidget(divisor, 1);
    connect(variacion_, &QLineEdit::textChanged, this, &PestanaSensibilidad::variacionCambiada);
}

std::optional<double> PestanaSensibilidad::Variacion() const
{
    try {
        const double v = TextoANumero(TextoCaja(variacion_));
        if (v >= kVariacionMinima && v <= kVariacionMaxima) return v;
    } catch (const ErrorEjecucion&) {
        // Not a number: as out of range.
    }
    return std::nullopt;
}

void PestanaSensibilidad::Fallo(const QString& texto) { motivo_->setText(texto); }

void PestanaSensibilidad::Actualizar(DatosAnalisis& datos)
{
    // The reference curve does not depend on the variation: it stays in view.
    const std::optional<double> variacion = Variacion();
    AnadirSensibilidad(datos, variacion.value_or(0));
    if (!variacion) datos.motivoSensibilidad = kVariacionFuera;
    const Sensibilidad* s = datos.sensibilidad ? &*datos.sensibilidad : nullptr;
    motivo_->setText(s ? QString()
                       : QStringLiteral("Sin análisis. ") + QString::fromStdString(datos.motivoSensibilidad));
    tornado_->Actualizar(s);
    curva_->Actualizar(s ? &s->curvaKm : nullptr, datos.curvaReferencia ? &*datos.curvaReferencia : nullptr);
    const QString p = variacion ? QString::fromStdString(NumeroATexto(*variacion)) : QStringLiteral("p");
    // Headers on two lines: the figures' columns stay narrow enough for the window beside the steps.
    tabla_->setHorizontalHeaderLabels(
        {QStringLiteral("Dato"), QStringLiteral("Valor"), QStringLiteral("Coste/km\ncon −") + p + QStringLiteral(" %"),
         QStringLiteral("Coste/km\ncon +") + p + QStringLiteral(" %"), QStringLiteral("Efecto\nmáximo")});
    tabla_->clearSpans();
    tabla_->setRowCount(s ? static_cast<int>(s->entradas.size()) : 0);
    int fila = 0;
    for (const auto& e : s ? s->entradas : std::vector<EntradaSensibilidad>{}) {
        tabla_->setItem(fila, 0, CeldaAnalisis(EtiquetaCampo(e.campo), false));
        tabla_->setItem(fila, 1, CeldaAnalisis(Valor(e.valor)));
        if (e.error) {
            tabla_->setItem(fila, 2,
                            CeldaAnalisis(MensajeError(ErrorEjecucion(e.error->numero, e.error->descripcion)), false));
            tabla_->setSpan(fila, 2, 1, 3);
        } else {
            tabla_->setItem(fila, 2, CeldaAnalisis(FormatoCuatroDecimales(e.menos)));
            tabla_->setItem(fila, 3, CeldaAnalisis(FormatoCuatroDecimales(e.mas)));
            tabla_->setItem(fila, 4, CeldaAnalisis(FormatoCuatroDecimales(e.efecto)));
        }
        ++fila;
    }
}

}  // namespace tarvelon
