#include "windows/FiltroFlota.h"

#include "windows/ModeloFlota.h"

namespace tarvelon {

void FiltroFlota::Fijar(const QString& tipo, const QString& texto)
{
    tipo_ = tipo;
    texto_ = texto.trimmed();
    invalidateFilter();
}

bool FiltroFlota::filterAcceptsRow(int fila, const QModelIndex&) const
{
    const auto* m = static_cast<const ModeloFlota*>(sourceModel());
    const VehiculoFlota& v = m->Vehiculo(fila);
    if (!tipo_.isEmpty() && QString::fromStdString(v.tipo) != tipo_) return false;
    if (texto_.isEmpty()) return true;
    for (int c : {ModeloFlota::kFichero, ModeloFlota::kTipo, ModeloFlota::kMotivo})
        if (m->index(fila, c).data().toString().contains(texto_, Qt::CaseInsensitive)) return true;
    return false;
}

}  // namespace tarvelon
