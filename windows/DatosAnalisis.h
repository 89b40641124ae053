#pragma once
// The analysis of the two columns as they stand in the windows: each column
// read silently, validated and calculated like the annual report does it, and
// the core's structure, comparison and sensitivity of the result. When a
// column cannot be calculated, the reason names the box or message that
// stops it. Also the whole analysis as JSON and CSV text.
#include <optional>
#include <string>
#include <vector>

#include "model/Analisis.h"
#include "model/CosteVidaTecnologias.h"
#include "model/CostesTotales.h"
#include "model/Simulacion.h"

namespace tarvelon {

class Columnas;
struct FalloLectura;

struct ColumnaAnalizada {
    Simulacion registro;                  // the inputs as read
    std::optional<Simulacion> calculada;  // present when the column calculated
    std::string motivo;                   // why it did not, otherwise
    CostesTotales totales;
    EstructuraCostes estructura;
};

struct DatosAnalisis {
    ColumnaAnalizada simulacion;
    ColumnaAnalizada referencia;
    std::optional<Comparacion> comparacion;  // simulation against reference
    // Only when asked for (AnadirSensibilidad).
    std::optional<Sensibilidad> sensibilidad;
    std::optional<std::vector<PuntoCurvaKm>> curvaReferencia;
    std::string motivoSensibilidad;
    // The technologies tab's figures, for the exports (when they calculate).
    std::optional<CosteVidaTecnologias> tecnologias;
};

// Both columns and their comparison. Shows no message box.
DatosAnalisis LeerDatosAnalisis(Columnas& columnas);

// The sensitivity of the simulation at ±variacion % and the km curves.
void AnadirSensibilidad(DatosAnalisis& datos, double variacion);

// The text that names a failed read: the box's label and window, then the error.
std::string DescribirFallo(const FalloLectura& fallo);

// {"simulacion": report, "referencia": report or null, "comparacion": ... or
// null, "sensibilidad": ..., "tecnologias": ... or null} with the core's JSON pieces; the simulation must
// have calculated and the sensitivity been added.
std::string JsonAnalisis(const DatosAnalisis& datos);
// The comparison table (when there is one), an empty line, the sensitivity
// tables, and the technologies' tables when there are.
std::string CsvAnalisis(const DatosAnalisis& datos);

}  // namespace tarvelon
