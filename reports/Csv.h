#pragma once
// CSV exports for spreadsheets set to Spanish: ";" between fields, decimal
// comma without thousands marks (every digit needed to read the same Double
// back), UTF-8 with a byte-order mark, CR LF line ends. A field holding ";",
// quotes or line breaks is quoted.
#include <optional>
#include <string>
#include <vector>

#include "model/Analisis.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"

namespace tarvelon {

// A Double in the CSV form: shortest digits that read back the same value,
// decimal comma ("1234,5", "1,5e-05").
std::string NumeroCsv(double valor);

// One file of a fleet table: its record when it calculated, else the error
// (validation messages joined, or the run-time error message).
struct FilaFlota {
    std::string fichero;
    std::string tipo;                     // may be known even when the file failed
    std::optional<Simulacion> calculada;  // results shown when present
    std::string error;                    // empty for a good row
};

// Header "Fichero;Tipo;" + result fields 59 to 85 in storage order, and one
// row per file. When any row failed, a last column "Error" carries its text.
std::string CsvFlota(const std::vector<FilaFlota>& filas);

// "Sección;Concepto;Importe" and the budget's figures.
std::string CsvPresupuesto(const std::vector<ConceptoPresupuesto>& conceptos);

// "Campo;A;B;Diferencia;Porcentaje" (Porcentaje empty when there is none).
std::string CsvComparacion(const Comparacion& c);

// "Campo;Valor;Menos;Mas;Error" rows, then "Km;Coste por km;Error" rows of the curve.
std::string CsvSensibilidad(const Sensibilidad& s);

}  // namespace tarvelon
