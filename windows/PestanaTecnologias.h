#pragma once
// The analysis window's tab «Tecnologías»: the vehicle's whole-life cost with
// diesel (the simulation column), HVO, LNG and battery-electric drive, from the
// reference file beside the program: the inputs of each technology in a
// column, the results table and three charts, redrawn at every keystroke; the
// scenario saved to and opened from a JSON file of its own.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QScrollArea>

#include "model/CosteVidaTecnologias.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tarvelon {

class GraficosTecnologias;
class TablaTecnologias;
class Plataforma;
struct DatosAnalisis;

class PestanaTecnologias : public QScrollArea {
    Q_OBJECT
public:
    // `rutaReferencia`: the reference file (tecnologias.txt); its folder is
    // where the scenario dialogs open first.
    PestanaTecnologias(Plataforma& plataforma, std::string rutaReferencia, QWidget* parent = nullptr);

    // The simulation column as analysed: the diesel column's own figures, and
    // every box the user has not typed in, follow it.
    void Actualizar(const DatosAnalisis& datos);
    // The figures again from the boxes (each keystroke runs it).
    void Recalcular();
    // The figures of the boxes over `datos` (for the exports); none when the
    // column or a box does not allow them.
    std::optional<CosteVidaTecnologias> Resultado(const DatosAnalisis& datos);
    void GuardarEscenario();
    void AbrirEscenario();

    const std::optional<CosteVidaTecnologias>& resultado() const { return resultado_; }
    GraficosTecnologias* graficos() const { return graficos_; }

private:
    void CrearColumnas(QWidget* pagina, QGridLayout* rejilla);
    // Horizon, first year, rate, km, CO2 path and the scenario buttons.
    QGroupBox* CrearComunes(QWidget* pagina);
    void Rellenar(const Simulacion& calculada);
    // The scenario of the boxes; a box that is not valid raises ErrorEjecucion 0 naming it.
    EscenarioTecnologias LeerCajas() const;
    void EscribirEscenario(const EscenarioTecnologias& e);
    void Mostrar();
    void Avisar(const std::string& texto, bool error);

    Plataforma& plataforma_;
    std::string rutaReferencia_, carpeta_;
    std::vector<EntradaTecnologia> referencia_;
    std::map<std::string, std::string> fuentes_;
    std::string motivoReferencia_;  // why the reference file could not be read
    std::optional<Simulacion> calculada_;
    std::string motivo_;
    std::optional<CosteVidaTecnologias> resultado_;
    std::vector<PuntoKmTecnologias> curva_;

    std::array<std::vector<QLineEdit*>, 4> cajas_{};       // [technology][key]; nullptr for the yes/no keys
    std::array<std::array<QCheckBox*, 2>, 4> casillas_{};  // paga_carbono, devolucion
    QLineEdit* horizonte_;
    QLineEdit* primerAnio_;
    QLineEdit* tasa_;
    QLineEdit* co2_;
    QLabel* kilometros_;
    QLabel* motivoEtiqueta_;
    TablaTecnologias* tabla_;
    GraficosTecnologias* graficos_;
};

}  // namespace tarvelon
