#pragma once
// One personalised data file of a fleet as tarvelon-datos and the fleet
// window both take it: read, validated and calculated, ready for «¿Y si…?»;
// and the sums of a fleet's vehicles before and after the changes.
#include <optional>
#include <string>
#include <vector>

#include "model/FlotaSiEntonces.h"
#include "model/Simulacion.h"

namespace tarvelon {

enum class FalloVehiculo {
    Ninguno,
    Lectura,     // the file, a value in it, or its calculation: a run-time error
    Validacion,  // Validar refused the record
    Cambios,     // the record calculates, its changed copy does not
};

struct VehiculoFlota {
    std::string fichero;
    std::string tipo;                       // known once the file was read, even when it failed later
    std::optional<Simulacion> registro;     // read and valid, not calculated
    std::optional<CifrasVehiculo> antes;    // its figures as it is
    std::optional<CifrasVehiculo> despues;  // with the last changes applied
    FalloVehiculo fallo = FalloVehiculo::Ninguno;
    // Why a side has no figures: the numbered error as the user is shown it,
    // or Validar's messages joined by " | ".
    std::string error;
};

// The regular files of a folder sorted by name, not its subfolders. A folder
// that is missing or cannot be listed raises ErrorEjecucion naming it.
std::vector<std::string> FicherosDeCarpeta(const std::string& carpeta);

// The file at `ruta` through CargarRegistro and the report sequence without a
// report (Validar, Calcular). Never throws: a failure is the row's reason.
// `despues` starts as `antes` (no changes).
VehiculoFlota CargarVehiculoFlota(const std::string& ruta, const std::string& carpetaPrograma);

// `despues` of a vehicle with a record, from a copy with `cambios`; with no
// change at all it is `antes` again, without a calculation.
void AplicarCambios(VehiculoFlota& v, const CambiosFlota& cambios);

// Whether any figure of `cambios` moves something.
bool HayCambios(const CambiosFlota& cambios);

// The totals of the vehicles added that have both sides, as the command's
// totals row; the others are counted apart.
struct SumaFlota {
    TotalesFlota antes, despues;
    long sinCifras = 0;
    void Sumar(const VehiculoFlota& v);
};
SumaFlota Sumar(const std::vector<const VehiculoFlota*>& vehiculos);

}  // namespace tarvelon
