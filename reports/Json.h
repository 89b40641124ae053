#pragma once
// JSON exports of reports and analyses, one schema (see the README). Numbers
// are JSON numbers with at most 15 significant digits, as the saved files
// (NumeroATexto with a point); texts are written as TextoExportable gives
// them, so that a broken character in a record's texts cannot fail the export.
#include <string>
#include <vector>

#include "model/Analisis.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"

namespace tarvelon {

// {"registro": {86 fields}, "informe": [lines], "estructura": [12 components]}
// of a calculated record; a budget adds "presupuesto": [{seccion, concepto, importe}].
std::string JsonInforme(const Simulacion& calculada, const std::vector<std::string>& lineas,
                        const std::vector<ConceptoPresupuesto>* presupuesto = nullptr);

// {"errores": [messages]}: a record that did not pass validation.
std::string JsonErrores(const std::vector<std::string>& mensajes);

// {"error": {"numero": N, "descripcion": "..."}}: a run-time error.
std::string JsonError(const ErrorEjecucion& e);

// {"a": {"nombre": ..., "Tipo": ...}, "b": {...}, "filas": [{campo, a, b, diferencia, porcentaje|null}]};
// "nombre" is the side's file name, or its type when it was named by type.
std::string JsonComparacion(const Comparacion& c);

// {"variacion", "coste_km", "entradas": [{campo, valor, menos, mas} | {campo, valor, error}],
//  "curva_km": [{km, coste_km} | {km, error}]}
std::string JsonSensibilidad(const Sensibilidad& s);

}  // namespace tarvelon
