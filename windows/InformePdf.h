#pragma once
// The whole analysis as an A4 PDF document, drawn as vectors with its text as
// text: title, vehicle type, date and program version; the detailed report as
// a table; the structure chart; the comparison with the reference; the
// sensitivity chart with its table and the km chart; the technologies on a page
// of their own when there are. Pages break between rows and before a chart
// that would not fit.
#include <string>

#include "windows/DatosAnalisis.h"

namespace tarvelon {

class InformePdf {
public:
    // `datos`: an analysis whose simulation calculated.
    explicit InformePdf(const DatosAnalisis& datos);

    // The document's bytes; a failure to draw it raises ErrorEjecucion.
    std::string Generar() const;

    // The document written atomically (GrabarContenido): a failure raises
    // ErrorEjecucion and leaves neither a file nor a partial one.
    void Grabar(const std::string& ruta) const;

private:
    const DatosAnalisis& datos_;
};

}  // namespace tarvelon
