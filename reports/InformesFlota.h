#pragma once
// The fleet «¿Y si…?» written a vehicle at a time (text, JSON, CSV), so that
// a fleet of any size runs in the same memory, and its totals row.
#include <optional>
#include <string>

#include "model/FlotaSiEntonces.h"

namespace tarvelon {

// One file: its figures before and after, or why it has none (the file,
// validation or the calculation of a copy).
struct FilaSiEntonces {
    std::string fichero;
    std::string tipo;  // may be known even when the file failed
    SiEntoncesVehiculo cifras;
    std::string error;  // empty for a good row
};

// después − antes without the noise of the last binary digits of the larger
// figure: 657,871412289347 → 618,720412289347 gives −39,151, not
// −39,1510000000001. Every difference the fleet shows is this one.
double DiferenciaSiEntonces(double antes, double despues);

// Text: a block per vehicle, "Dato: antes → después (diferencia)".
std::string TextoSiEntonces(const FilaSiEntonces& f);
std::string TextoTotalesSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues, long vehiculos);

// JSON: {"vehiculos": [ + a row per vehicle joined by "," + ], "totales": {"antes", "despues"}}.
std::string JsonInicioSiEntonces();
std::string JsonSiEntonces(const FilaSiEntonces& f, bool primera);
std::string JsonFinSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues);

// CSV as the fleet table: "Fichero;Tipo;" + each figure's antes, después and
// diferencia + "Error". The totals row has "Totales" as its type and no file
// name, so a reader can tell it (and drop it).
std::string CabeceraCsvSiEntonces();
std::string CsvSiEntonces(const FilaSiEntonces& f);
std::string CsvTotalesSiEntonces(const CifrasVehiculo& antes, const CifrasVehiculo& despues);

}  // namespace tarvelon
