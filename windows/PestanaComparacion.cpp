#include "windows/PestanaComparacion.h"

#include <QBrush>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "windows/DatosAnalisis.h"
#include "windows/TablaAnalisis.h"

namespace tarvelon {

namespace {

const QColor kMasCaro{192, 0, 0};
const QColor kMasBarato{0, 128, 0};

}  // namespace

PestanaComparacion::PestanaComparacion(QWidget* parent) : QWidget(parent)
{
    auto* disposicion = new QVBoxLayout(this);
    cabecera_ = new QLabel(this);
    cabecera_->setObjectName(QStringLiteral("lblComparacion"));
    cabecera_->setWordWrap(true);
    disposicion->addWidget(cabecera_);
    tabla_ = TablaAnalisis({QStringLiteral("Resultado"), QStringLiteral("Simulación"), QStringLiteral("Mirandel"),
                            QStringLiteral("Diferencia"), QStringLiteral("Diferencia (%)")},
                           "tablaComparacion", this);
    disposicion->addWidget(tabla_, 1);
}

void PestanaComparacion::Fallo(const QString& texto) { cabecera_->setText(texto); }

void PestanaComparacion::Actualizar(const DatosAnalisis& datos)
{
    tabla_->setRowCount(0);
    if (!datos.comparacion) {
        std::string motivo = "No hay comparación. ";
        if (!datos.simulacion.calculada) motivo += "Simulación: " + datos.simulacion.motivo + " ";
        if (!datos.referencia.calculada) motivo += "Mirandel: " + datos.referencia.motivo;
        cabecera_->setText(QString::fromStdString(motivo));
        return;
    }
    const Comparacion& c = *datos.comparacion;
    cabecera_->setText(QStringLiteral("Simulación: ") + QString::fromStdString(c.tipoA) +
                       QStringLiteral("   frente a   Mirandel: ") + QString::fromStdString(c.tipoB) +
                       QStringLiteral(". En rojo lo que la simulación tiene más caro, en verde "
                                      "lo que tiene más barato."));
    tabla_->setRowCount(static_cast<int>(c.filas.size()));
    int fila = 0;
    for (const auto& f : c.filas) {
        tabla_->setItem(fila, 0, CeldaAnalisis(EtiquetaCampo(f.campo), false));
        tabla_->setItem(fila, 1, CeldaAnalisis(CifraCampo(f.campo, f.a)));
        tabla_->setItem(fila, 2, CeldaAnalisis(CifraCampo(f.campo, f.b)));
        auto* diferencia = CeldaAnalisis(CifraCampo(f.campo, f.diferencia));
        auto* porcentaje = CeldaAnalisis(f.porcentaje ? FormatoDosDecimales(*f.porcentaje) + " %" : "");
        // Services are not a cost: only costs are dearer or cheaper.
        if (f.campo != "NumeroServiciosAnuales" && f.diferencia != 0)
            for (auto* celda : {diferencia, porcentaje})
                celda->setForeground(QBrush(f.diferencia > 0 ? kMasCaro : kMasBarato));
        tabla_->setItem(fila, 3, diferencia);
        tabla_->setItem(fila, 4, porcentaje);
        ++fila;
    }
}

}  // namespace tarvelon
