#pragma once
// The analysis window's tab «Revisión por combustible»: the agreed price, the
// change G of the diesel price (typed, from two prices, or from the months of
// an imported series), the vehicle's class giving k, the threshold; the
// revision, the revised price and the line for the invoice; the series as a
// chart with the two months marked.
#include <optional>
#include <string>

#include <QScrollArea>

#include "model/RevisionCombustible.h"
#include "model/SerieGasoleo.h"

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
QT_BEGIN_NAMESPACE
class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
QT_END_NAMESPACE

namespace tarvelon {

class Sesion;
struct DatosAnalisis;

class PestanaRevision : public QScrollArea {
    Q_OBJECT
public:
    explicit PestanaRevision(Sesion& sesion, QWidget* parent = nullptr);

    // The simulation column as analysed: its mass presets the class (while
    // the user has not chosen one), its cost structure gives the fuel's share.
    void Actualizar(const DatosAnalisis& datos);
    void Recalcular();
    // Asks for a series file; a good one replaces the program's own copy.
    void ImportarSerie();
    // The user's imported series when there is one, else the example.
    void CargarSerie();

private:
    // The parts of the page, in the order of the Tab key.
    QWidget* CrearEntradas(QWidget* pagina);
    QWidget* CrearResultado(QWidget* pagina);
    QLayout* CrearLineaFactura(QWidget* pagina);
    QChartView* CrearGraficoSerie(QWidget* pagina);
    void MostrarSerie();

    Sesion& sesion_;
    SerieGasoleo serie_;
    bool serieEjemplo_ = false;
    std::optional<double> pesoCombustible_;
    std::optional<double> masaPreparada_;  // the mass the class was last preset from
    std::optional<RevisionCombustible> revision_;

    QLineEdit* precio_;
    QRadioButton* porIndice_;
    QRadioButton* porPrecios_;
    QRadioButton* porSerie_;
    QLineEdit* indice_;
    QLineEdit* p0_;
    QLineEdit* p1_;
    QComboBox* mesContrato_;
    QComboBox* mesServicio_;
    QComboBox* clase_;
    QLineEdit* coeficiente_;
    QLineEdit* umbral_;
    QLabel* variacion_;
    QLabel* aplica_;
    QLabel* importe_;
    QLabel* revisado_;
    QLineEdit* factura_;
    QPushButton* copiar_;
    QLabel* peso_;
    QLabel* origenSerie_;
    QChartView* grafico_;
    QLineSeries* linea_;
    QScatterSeries* marcas_;
    QDateTimeAxis* ejeMeses_;
    QValueAxis* ejePrecio_;
};

}  // namespace tarvelon
