#pragma once
// Everything the program says about each field of the record, in one table:
// its key and member, the name and unit it is shown with, the caption of its
// window row or detailed-report line, the decimals of its figures, whether it
// is a per-km figure, the input step that holds it and its boxes there.
// Adding a field is one row here plus its use in the calculation.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "model/Simulacion.h"

namespace tarvelon {

// The window that holds a field's boxes; Ninguna for results and the fields
// that only files carry. The order is that of the windows' array in the
// transfers, Ninguna last.
enum class VentanaCampo {
    Vehiculo,
    DatosGenerales,
    CostesFijosA,
    CostesFijosB,
    CostesFijosC,
    CostesVariablesA,
    CostesVariablesB,
    CostesIndirectos,
    Ninguna
};

using MiembroCampo =
    std::variant<std::string Simulacion::*, double Simulacion::*, int32_t Simulacion::*, int16_t Simulacion::*>;

struct FilaCampo {
    const char* clave;  // field name, the key of its key=value line
    MiembroCampo miembro;
    const char* nombre;  // short name for the analysis, exports and messages; "" = the caption
    const char* unidad;  // shown after the name in brackets; "" none
    const char* rotulo;  // caption of its window row or detailed-report line (without ": "); "" none
    int decimales;       // decimals of its figures in the reports and the analysis
    bool porKm;          // a figure per km (shown in €/km)
    VentanaCampo paso;
    int traspaso;                  // position in the column transfers, from 1; 0 not transferred
    const char* sufijo;            // box names: "txt" + sufijo and "MIRtxt" + sufijo
    int maximo;                    // characters the simulation box takes
    bool vacioEsCero;              // an empty box reads as 0 (otherwise it is a failure)
    const char* rotuloReferencia;  // the reference column's caption when it differs; "" same
};

// The 86 rows in storage order (index 0 is "Tipo").
const std::array<FilaCampo, kNumeroCampos>& TablaCampos();

// The row of a field by its exact key; nullptr when none.
const FilaCampo* BuscarFilaCampo(std::string_view clave);

// "nombre (unidad)", or the caption when the field has no short name.
std::string EtiquetaDeFila(const FilaCampo& f);

// The caption, or the label when the field has none.
std::string RotuloDeFila(const FilaCampo& f);

}  // namespace tarvelon
