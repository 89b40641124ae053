#pragma once
// The fleet window's charts, in two tabs: the cost per km of each vehicle
// shown (the first ones in the table's order), and the fleet's cost
// structure, the twelve components summed, before and after the changes.
#include <vector>

#include <QTabWidget>

#include "reports/VehiculoFlota.h"

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QBarSet;
class QChart;
class QChartView;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

inline constexpr int kBarrasFlota = 50;  // vehicles in the €/km chart

class GraficosFlota : public QTabWidget {
    Q_OBJECT
public:
    explicit GraficosFlota(QWidget* parent = nullptr);

    // `cambios`: the «¿Y si…?» moves something, and the after bars show.
    void Actualizar(const std::vector<const VehiculoFlota*>& visibles, const SumaFlota& suma, bool cambios);

    QChart* graficoCosteKm() const;
    QChart* graficoEstructura() const;

private:
    QChartView* costeKm_;
    QChartView* estructura_;
    QBarSet* antesKm_;
    QBarSet* despuesKm_;
    QBarCategoryAxis* vehiculos_;
    QValueAxis* ejeKm_;
    QBarSet* antesEstructura_;
    QBarSet* despuesEstructura_;
    QValueAxis* ejeEstructura_;
};

}  // namespace tarvelon
