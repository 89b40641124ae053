#pragma once
// The analysis of one or two records, in the steps of the annual report:
// read, validate, calculate (with the totals and the cost structure), then
// the comparison of the two and, when asked for, the sensitivity. The
// analysis window reads its columns from the boxes and tarvelon-datos from
// files; both run this same sequence. Nothing here shows a message: a column
// that stops keeps the reason, and the run-time error for a caller that
// raises it.
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Analisis.h"
#include "model/CosteVidaTecnologias.h"
#include "model/CostesTotales.h"
#include "model/Simulacion.h"

namespace tarvelon {

struct ColumnaAnalizada {
    Simulacion registro;                  // the inputs as read (validated, when `valida`)
    bool valida = false;                  // read and passed Validar
    std::optional<Simulacion> calculada;  // present when the column calculated
    std::string motivo;                   // why it did not, otherwise
    std::exception_ptr fallo;             // the run-time error that stopped reading or calculating
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
    // The technologies tab's figures, for the window's exports (when they calculate).
    std::optional<CosteVidaTecnologias> tecnologias;
};

// Fills the record, or answers why it could not (the reason shown to the
// user). A reader may also throw: the error leaves the sequence as it came.
using LectorColumna = std::function<std::optional<std::string>(Simulacion&)>;

// Read, validate, calculate and structure one column. `seguro`: the insurance
// to calculate with (the record then carries its option); none takes it from
// the record itself (SeguroDesdeRegistro).
ColumnaAnalizada AnalizarColumna(const LectorColumna& leer, const std::optional<EntradaSeguro>& seguro);

// Both columns and, when both calculated, their comparison (none when the
// differences go beyond the Double range).
DatosAnalisis AnalizarColumnas(const LectorColumna& simulacion, const std::optional<EntradaSeguro>& seguro,
                               const LectorColumna& referencia);

// The sensitivity of the simulation at ±variacion % and the km curves; the
// reason in motivoSensibilidad when there is none.
void AnadirSensibilidad(DatosAnalisis& datos, double variacion);

// The first message of a validation text (the record's ErrorMsg).
std::string PrimerMensaje(const std::string& errorMsg);

}  // namespace tarvelon
