#pragma once
// The analysis of one vehicle as a spreadsheet workbook: sheets "Resumen"
// (the detailed report's figures as numbers with euro formats), "Estructura"
// (with a pie chart), "Comparación" (each result under its label) and
// "Sensibilidad" (a bar chart of how far each input moves the cost per km from
// its base, then the figures) and, when given, "Tecnologías" (the whole-life
// cost by technology and a line chart of its cumulative present cost). Every sheet prints on A4, one page wide.
#include <string>

#include "model/Analisis.h"
#include "model/CosteVidaTecnologias.h"
#include "model/Simulacion.h"

namespace tarvelon {

// Writes the workbook of a calculated record atomically (see GrabarContenido):
// a failure raises ErrorEjecucion and leaves no file. Without a comparison
// the sheet "Comparación" says that there is no reference to compare with.
void GrabarXlsx(const std::string& ruta, const Simulacion& calculada, const Comparacion* comparacion,
                const Sensibilidad& sensibilidad, const CosteVidaTecnologias* tecnologias = nullptr);

}  // namespace tarvelon
