#pragma once
// The fleet window's exports through the platform's save dialog and the
// atomic writer: the workbook, a landscape A4 PDF and the CSV.
#include <string>
#include <vector>

#include "reports/VehiculoFlota.h"

class QWidget;

namespace tarvelon {

class Plataforma;

enum class FormatoFlota { Excel, Pdf, Csv };

struct DatosFlota {
    std::vector<const VehiculoFlota*> vehiculos;  // as the table shows them
    SumaFlota suma;
    CambiosFlota cambios;
    std::string carpeta;  // the fleet's folder, for the document's heading
};

// Asks where, writes, and says so (or why not) in a message box; a cancelled
// dialog writes and says nothing. `carpeta` is the folder of the last export.
void ExportarFlota(Plataforma& plataforma, QWidget* padre, FormatoFlota formato, const DatosFlota& datos,
                   std::string& carpeta);

// The PDF's bytes: the table on as many A4 landscape pages as it needs, the
// totals, and the two charts on a last page.
std::string PdfFlota(const DatosFlota& datos);

}  // namespace tarvelon
