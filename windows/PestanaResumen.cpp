#include "windows/PestanaResumen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "model/Numeros.h"
#include "windows/DatosAnalisis.h"
#include "windows/FilaAdaptable.h"
#include "windows/GraficoEstructura.h"

namespace tarvelon {

namespace {

QLabel* Etiqueta(const QString& texto, QWidget* padre, const char* nombre = nullptr)
{
    auto* l = new QLabel(texto, padre);
    if (nombre) l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

// The totals of both columns, each row a unit.
QGroupBox* CrearTotales(std::array<std::array<QLabel*, 4>, 2>& totales, QWidget* padre)
{
    auto* marco = new QGroupBox(QStringLiteral("Coste total (directos + indirectos)"), padre);
    auto* rejilla = new QGridLayout(marco);
    rejilla->setHorizontalSpacing(24);
    const char* columnas[] = {"Simulación", "Mirandel"};
    const char* nombres[2][4] = {
        {"lblSimulacionPorKm", "lblSimulacionPorServicio", "lblSimulacionPorHora", "lblSimulacionAnual"},
        {"lblReferenciaPorKm", "lblReferenciaPorServicio", "lblReferenciaPorHora", "lblReferenciaAnual"}};
    const char* filas[] = {"Por kilómetro", "Por servicio", "Por hora de trabajo", "Por año"};
    for (int c = 0; c < 2; ++c) {
        auto* cabecera = Etiqueta(QString::fromUtf8(columnas[c]), marco);
        cabecera->setAlignment(Qt::AlignRight);
        QFont negrita = cabecera->font();
        negrita.setBold(true);
        cabecera->setFont(negrita);
        rejilla->addWidget(cabecera, 0, c + 1);
    }
    for (int f = 0; f < 4; ++f) {
        rejilla->addWidget(Etiqueta(QString::fromUtf8(filas[f]), marco), f + 1, 0);
        for (int c = 0; c < 2; ++c) {
            QLabel* total = totales[c][f] = Etiqueta(QStringLiteral("—"), marco, nombres[c][f]);
            total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            total->setTextInteractionFlags(Qt::TextSelectableByMouse);
            // Wide enough for large figures: typing does not move the chart.
            total->setMinimumWidth(total->fontMetrics().horizontalAdvance(QStringLiteral("9.999.999,99 €/año")));
            rejilla->addWidget(total, f + 1, c + 1);
        }
    }
    return marco;
}

}  // namespace

PestanaResumen::PestanaResumen(QWidget* parent) : QWidget(parent)
{
    QGroupBox* marco = CrearTotales(totales_, this);
    const char* motivos[] = {"lblMotivoSimulacion", "lblMotivoReferencia"};
    // Totals on the left, the chart beside them with the whole height (its
    // twelve names need it); below them where the window is narrow.
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(marco);
    for (int c = 0; c < 2; ++c) {
        motivos_[c] = Etiqueta(QString(), this, motivos[c]);
        motivos_[c]->setWordWrap(true);
        motivos_[c]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
        motivos_[c]->setMaximumWidth(marco->sizeHint().width() + 40);
        motivos_[c]->hide();
        izquierda->addWidget(motivos_[c]);
    }
    auto* nota = Etiqueta(QStringLiteral("Las cifras se recalculan al escribir en cualquier casilla de la columna "
                                         "«DATOS DE SIMULACIÓN». La columna «Mirandel» son los datos de referencia "
                                         "del tipo elegido."),
                          this);
    nota->setWordWrap(true);
    nota->setMaximumWidth(marco->sizeHint().width() + 40);
    nota->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    izquierda->addWidget(nota);
    izquierda->addStretch();
    estructura_ = new GraficoEstructura(this);
    auto* fila = new FilaAdaptable(this);
    fila->Anadir(izquierda);
    fila->Anadir(estructura_, 1);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(fila);
}

void PestanaResumen::Actualizar(const DatosAnalisis& datos)
{
    const ColumnaAnalizada* columnas[] = {&datos.simulacion, &datos.referencia};
    for (int c = 0; c < 2; ++c) {
        const ColumnaAnalizada& col = *columnas[c];
        const bool ok = col.calculada.has_value();
        const CostesTotales& t = col.totales;
        const std::string textos[] = {
            FormatoCuatroDecimales(t.porKm) + " €/km", FormatoDosDecimales(t.porServicio) + " €/servicio",
            FormatoDosDecimales(t.porHora) + " €/hora", FormatoDosDecimales(t.anual) + " €/año"};
        for (int f = 0; f < 4; ++f)
            totales_[c][f]->setText(ok ? QString::fromStdString(textos[f]) : QStringLiteral("—"));
        motivos_[c]->setText(ok ? QString()
                                : QString::fromUtf8(c == 0 ? "Simulación sin calcular. " : "Mirandel sin calcular. ") +
                                      QString::fromStdString(col.motivo));
        motivos_[c]->setVisible(!ok);
    }
    estructura_->Actualizar(datos.simulacion.calculada ? &datos.simulacion.estructura : nullptr,
                            datos.referencia.calculada ? &datos.referencia.estructura : nullptr);
}

void PestanaResumen::Fallo(const QString& texto)
{
    motivos_[0]->setText(texto);
    motivos_[0]->show();
}

}  // namespace tarvelon
