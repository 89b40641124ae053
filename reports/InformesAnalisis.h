#pragma once
// The text of the analysis reports, line by line, in Spanish number forms:
// a comparison of two records and the sensitivity of the cost per km; and
// the whole analysis of the two columns as JSON and CSV.
#include <string>
#include <vector>

#include "model/Analisis.h"
#include "reports/SecuenciaAnalisis.h"

namespace tarvelon {

// A side of a comparison as every report names it: "nombre (tipo)", or the
// type alone for a side without a name of its own.
std::string NombreLado(const std::string& nombre, const std::string& tipo);

// The sides named (NombreLado), then field, A, B, difference and difference in % ("—" when there is none);
// per-km fields with four decimals, the others with two.
void InformeComparacion(const Comparacion& c, std::vector<std::string>& lineas);

// Base cost per km, the inputs largest effect first with the cost per km at
// −p % and +p %, then the km curve.
void InformeSensibilidad(const Simulacion& registro, const Sensibilidad& s, std::vector<std::string>& lineas);

// {"simulacion": report, "referencia": report or null, "comparacion": ... or
// null, "sensibilidad": ..., and "tecnologias": ... when worked out} with the
// core's JSON pieces; the simulation must have calculated and the sensitivity
// been added.
std::string JsonAnalisis(const DatosAnalisis& datos);
// The comparison table (when there is one), an empty line, the sensitivity
// tables, and the technologies' tables when worked out.
std::string CsvAnalisis(const DatosAnalisis& datos);

}  // namespace tarvelon
