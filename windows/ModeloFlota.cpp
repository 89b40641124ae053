#include "windows/ModeloFlota.h"

#include <array>
#include <filesystem>
#include <limits>
#include <set>

#include <QBrush>
#include <QColor>

#include "model/Numeros.h"
#include "reports/InformesFlota.h"

namespace tarvelon {

namespace {

enum class Lado { Texto, Antes, Despues, Diferencia };

struct DefinicionColumna {
    const char* titulo;
    Lado lado;
    double CifrasVehiculo::*miembro;
    std::string (*formato)(double);
};

std::string Entero(double v) { return v == 0 ? "0" : FormatoMiles(v); }

const std::array<DefinicionColumna, ModeloFlota::kColumnas> kDefiniciones = {{
    {"Fichero", Lado::Texto, nullptr, nullptr},
    {"Tipo de vehículo", Lado::Texto, nullptr, nullptr},
    {"Km anuales", Lado::Antes, &CifrasVehiculo::km, Entero},
    {"Servicios/año", Lado::Antes, &CifrasVehiculo::servicios, FormatoDosDecimales},
    {"€/km", Lado::Antes, &CifrasVehiculo::costeKm, FormatoCuatroDecimales},
    {"€/servicio", Lado::Antes, &CifrasVehiculo::costeServicio, FormatoDosDecimales},
    {"€/año", Lado::Antes, &CifrasVehiculo::costeAnual, FormatoDosDecimales},
    {"Litros/año", Lado::Antes, &CifrasVehiculo::litros, Entero},
    {"CO2 t/año", Lado::Antes, &CifrasVehiculo::co2, FormatoDosDecimales},
    {"€/km después", Lado::Despues, &CifrasVehiculo::costeKm, FormatoCuatroDecimales},
    {"Diferencia €/km", Lado::Diferencia, &CifrasVehiculo::costeKm, FormatoCuatroDecimales},
    {"€/año después", Lado::Despues, &CifrasVehiculo::costeAnual, FormatoDosDecimales},
    {"Diferencia €/año", Lado::Diferencia, &CifrasVehiculo::costeAnual, FormatoDosDecimales},
    {"Motivo", Lado::Texto, nullptr, nullptr},
}};

// The figure of a numeric column, when the row has the sides it needs.
std::optional<double> Cifra(const DefinicionColumna& d, const std::optional<CifrasVehiculo>& antes,
                            const std::optional<CifrasVehiculo>& despues)
{
    if (d.lado == Lado::Antes && antes) return (*antes).*d.miembro;
    if (d.lado == Lado::Despues && despues) return (*despues).*d.miembro;
    if (d.lado == Lado::Diferencia && antes && despues)
        return DiferenciaSiEntonces((*antes).*d.miembro, (*despues).*d.miembro);
    return std::nullopt;
}

QString TextoCifra(const DefinicionColumna& d, double v)
{
    std::string t = d.formato(v);
    if (d.lado == Lado::Diferencia && v > 0) t = "+" + t;
    return QString::fromStdString(t);
}

QString Nombre(const std::string& ruta)
{
    return QString::fromStdString(std::filesystem::path(ruta).filename().string());
}

}  // namespace

ModeloFlota::ModeloFlota(QObject* parent) : QAbstractTableModel(parent) {}

int ModeloFlota::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloFlota::columnCount(const QModelIndex& padre) const { return padre.isValid() ? 0 : kColumnas; }

QVariant ModeloFlota::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid() || indice.row() >= rowCount()) return {};
    const VehiculoFlota& v = Vehiculo(indice.row());
    const int c = indice.column();
    const DefinicionColumna& d = kDefiniciones[static_cast<size_t>(c)];
    if (rol == kRolRuta) return QString::fromStdString(v.fichero);
    if (rol == Qt::ForegroundRole && v.fallo != FalloVehiculo::Ninguno) return QBrush(QColor(170, 20, 20));
    if (rol == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (d.lado == Lado::Texto ? Qt::AlignLeft : Qt::AlignRight));
    if (rol == Qt::ToolTipRole)
        return c == kFichero ? QString::fromStdString(v.fichero) : data(indice, Qt::DisplayRole);
    if (rol != Qt::DisplayRole && rol != kRolOrden) return {};
    if (d.lado == Lado::Texto) {
        const QString t = c == kFichero ? Nombre(v.fichero) : QString::fromStdString(c == kTipo ? v.tipo : v.error);
        return rol == kRolOrden ? QVariant(t.toCaseFolded()) : QVariant(t);
    }
    const std::optional<double> x = Cifra(d, v.antes, v.despues);
    // Rows without the figure sort below every number.
    if (rol == kRolOrden) return x ? *x : -std::numeric_limits<double>::max();
    return x ? TextoCifra(d, *x) : QString();
}

QVariant ModeloFlota::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || seccion < 0 || seccion >= kColumnas) return {};
    if (rol == Qt::DisplayRole) return QString::fromUtf8(kDefiniciones[static_cast<size_t>(seccion)].titulo);
    return {};
}

QString ModeloFlota::TextoTotal(int columna, const SumaFlota& suma)
{
    if (columna == kFichero) {
        const long n = suma.antes.vehiculos();
        return QStringLiteral("Totales (%1 %2)")
            .arg(QString::fromStdString(EnteroATexto(n)),
                 n == 1 ? QStringLiteral("vehículo") : QStringLiteral("vehículos"));
    }
    if (columna == kMotivo) return suma.sinCifras ? QStringLiteral("%1 sin cifras").arg(suma.sinCifras) : QString();
    const DefinicionColumna& d = kDefiniciones[static_cast<size_t>(columna)];
    if (d.lado == Lado::Texto) return {};
    const std::optional<double> x = Cifra(d, suma.antes.Total(), suma.despues.Total());
    return x ? TextoCifra(d, *x) : QString();
}

void ModeloFlota::Poner(std::vector<VehiculoFlota> lote)
{
    std::vector<VehiculoFlota> nuevos;
    for (auto& v : lote) {
        AplicarCambios(v, cambios_);
        const auto it = indice_.find(v.fichero);
        if (it == indice_.end()) {
            nuevos.push_back(std::move(v));
            continue;
        }
        filas_[it->second] = std::move(v);
        const int fila = static_cast<int>(it->second);
        emit dataChanged(index(fila, 0), index(fila, kColumnas - 1));
    }
    if (nuevos.empty()) return;
    const int primera = rowCount();
    beginInsertRows({}, primera, primera + static_cast<int>(nuevos.size()) - 1);
    for (auto& v : nuevos) {
        indice_[v.fichero] = filas_.size();
        filas_.push_back(std::move(v));
    }
    endInsertRows();
}

void ModeloFlota::Quitar(const std::string& ruta)
{
    const auto it = indice_.find(ruta);
    if (it == indice_.end()) return;
    const int fila = static_cast<int>(it->second);
    beginRemoveRows({}, fila, fila);
    filas_.erase(filas_.begin() + fila);
    Reindexar();
    endRemoveRows();
}

void ModeloFlota::Vaciar()
{
    beginResetModel();
    filas_.clear();
    indice_.clear();
    endResetModel();
}

void ModeloFlota::Reindexar()
{
    indice_.clear();
    for (size_t i = 0; i < filas_.size(); ++i) indice_[filas_[i].fichero] = i;
}

void ModeloFlota::Cambiar(const CambiosFlota& cambios)
{
    cambios_ = cambios;
    for (auto& v : filas_) AplicarCambios(v, cambios_);
    if (!filas_.empty()) emit dataChanged(index(0, kCosteKmDespues), index(rowCount() - 1, kMotivo));
}

std::vector<std::string> ModeloFlota::Rutas() const
{
    std::vector<std::string> r;
    r.reserve(filas_.size());
    for (const auto& v : filas_) r.push_back(v.fichero);
    return r;
}

QStringList ModeloFlota::Tipos() const
{
    std::set<std::string> tipos;
    for (const auto& v : filas_)
        if (!v.tipo.empty()) tipos.insert(v.tipo);
    QStringList r;
    for (const auto& t : tipos) r << QString::fromStdString(t);
    return r;
}

}  // namespace tarvelon
