#pragma once
// The records of the analysis commands, through the core's analysis
// sequence: each source read, validated and calculated.
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/SalidaConsola.h"
#include "reports/CargarRegistro.h"
#include "reports/SecuenciaAnalisis.h"

namespace tarvelon {

// A column read from a file or a reference type; a failure to read is raised.
ColumnaAnalizada ColumnaDe(const Origen& origen, const std::string& carpetaPrograma);

// The columns of `origenes`, in order. When any does not validate, the
// messages of each that fails are written (text: under the source's name)
// and the answer is false; otherwise the first run-time error of a column
// that did not calculate is raised.
bool CargarValidos(const std::vector<Origen>& origenes, Formato formato, const std::string& carpetaPrograma,
                   std::ostream& out, std::vector<ColumnaAnalizada>& columnas);

}  // namespace tarvelon
