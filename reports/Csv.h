#pragma once
// CSV exports for spreadsheets set to Spanish: ";" between fields, decimal
// comma without thousands marks, at most 15 significant digits (as the saved
// files), UTF-8 with a byte-order mark, CR LF line ends. Headers are the
// Spanish labels with their units. A text field is written as
// TextoExportable gives it, with an apostrophe in front when a spreadsheet
// would take it for a formula, and quoted when it holds ";", quotes or line breaks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Analisis.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"

namespace tarvelon {

// A Double in the CSV form: NumeroATexto's ("1234,5", "1,5E-05").
std::string NumeroCsv(double valor);

// A text cell as written: "=HYPERLINK(…)" gives "'=HYPERLINK(…)", "a;b" gives "\"a;b\"".
std::string TextoCsv(std::string_view texto);

// One file of a fleet table: its record when it calculated, else the error
// (validation messages joined, or the run-time error message).
struct FilaFlota {
    std::string fichero;
    std::string tipo;                     // may be known even when the file failed
    std::optional<Simulacion> calculada;  // results shown when present
    std::string error;                    // empty for a good row
};

// The fleet table is written a row at a time, so that a fleet of any size
// runs in the same memory: the header "Fichero;Tipo;" + the labels of result
// fields 59 to 85 in storage order + "Error", then one row per file.
std::string CabeceraCsvFlota();
std::string FilaCsvFlota(const FilaFlota& fila);

// "Sección;Concepto;Importe" and the budget's figures.
std::string CsvPresupuesto(const std::vector<ConceptoPresupuesto>& conceptos);

// "Resultado;A: name;B: name;Diferencia (A − B);Diferencia (%)", a row per
// result field under its label (the percentage empty when there is none).
std::string CsvComparacion(const Comparacion& c);

// "Dato;Valor;Coste total con −p % (€/km);… +p %…;Efecto máximo (€/km);Error"
// rows, an empty line, then "Kilómetros anuales;Coste total (€/km);Error" rows of the curve.
std::string CsvSensibilidad(const Sensibilidad& s);

}  // namespace tarvelon
