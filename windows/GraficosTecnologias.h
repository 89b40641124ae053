#pragma once
// The three charts of the technologies tab: the cumulative present cost year
// by year (one line per technology), the cost per km against the annual km
// (where two lines cross is their break-even km) and the CO2 of a year.
#include <vector>

#include <QWidget>

#include "model/CosteVidaTecnologias.h"

QT_BEGIN_NAMESPACE
class QBarCategoryAxis;
class QChart;
class QChartView;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

class GraficosTecnologias : public QWidget {
    Q_OBJECT
public:
    explicit GraficosTecnologias(QWidget* parent = nullptr);

    // Nothing to show (an input that is not valid) empties the three charts.
    void Actualizar(const CosteVidaTecnologias* resultado, const std::vector<PuntoKmTecnologias>* curva);

    QChartView* acumulado() const { return acumulado_; }
    QChartView* porKm() const { return porKm_; }
    QChartView* co2() const { return co2_; }

    // The colour of a technology's line and bars.
    static QColor Color(const std::string& nombre);

private:
    void Acumulado(const CosteVidaTecnologias* r);
    void PorKm(const CosteVidaTecnologias* r, const std::vector<PuntoKmTecnologias>* curva);
    void Co2(const CosteVidaTecnologias* r);

    QChartView* acumulado_;
    QChartView* porKm_;
    QChartView* co2_;
    QValueAxis* ejeAnios_;
    QValueAxis* ejeAcumulado_;
    QValueAxis* ejeKm_;
    QValueAxis* ejeCosteKm_;
    QBarCategoryAxis* ejeTecnologias_;
    QValueAxis* ejeToneladas_;
};

}  // namespace tarvelon
