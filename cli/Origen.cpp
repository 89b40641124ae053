#include "cli/Origen.h"

#include "cli/FicherosNombrados.h"
#include "cli/TipoDesconocido.h"
#include "data/Ficheros.h"

namespace tarvelon {

namespace {

// The run-time error number of a file in a format the program cannot read.
constexpr int kFormatoNoValido = 321;

// A whole file read as a record must hold at least one of the record's keys
// (the keys it lacks load as 0); otherwise it is something else: empty, plain
// text, another program's file.
bool EsRegistro(const TablaLineas& tabla)
{
    if (!tabla.Dimensionada()) return false;
    for (int fila = 1; fila <= tabla.UltimaFila(); ++fila)
        if (IndiceCampo(tabla.Clave(fila)) >= 0) return true;
    return false;
}

ErrorEjecucion NoEsFicheroDeDatos(const std::string& ruta)
{
    const std::string motivo = PorQueNoEsDeDatos(ruta);
    return ErrorEjecucion(kFormatoNoValido, "El fichero «" + ruta + "» no es un fichero de datos de TARVELON: " +
                                                (motivo.empty() ? "ninguna de sus líneas es un dato" : motivo));
}

// A value FromArray could not convert: the message names the field by its
// label and key, its value, where it was read, and how numbers are written.
ErrorEjecucion ConCampo(const ErrorEjecucion& e, const std::string& donde)
{
    const auto* campo = dynamic_cast<const ErrorCampo*>(&e);
    if (!campo) return e;
    return ErrorEjecucion(e.Numero(), e.Descripcion() + ". " + ExplicacionErrorCampo(*campo, donde));
}

}  // namespace

Simulacion CargarRegistro(const Origen& origen, const std::string& carpetaPrograma)
{
    std::string ruta;
    std::string tipo;
    std::string donde;
    if (origen.tipo) {
        ruta = origen.config ? *origen.config : RutaConfigPorDefecto(carpetaPrograma);
        tipo = *origen.tipo;
        donde = "el tipo «" + tipo + "» de «" + ruta + "»";
    } else {
        ruta = *origen.fichero;
        donde = "«" + ruta + "»";
    }
    const TablaLineas tabla = LeerNombrando(ruta, [&](Avisador& a) { return LeerBloque(ruta, tipo, a); });
    // An empty name reads the whole file, as for a personalised file.
    if (!tipo.empty() && !tabla.Dimensionada()) throw TipoDesconocido(tipo, ruta);
    if (tipo.empty() && !EsRegistro(tabla)) throw NoEsFicheroDeDatos(ruta);
    Simulacion s;
    try {
        s.FromArray(tabla);
    } catch (const ErrorEjecucion& e) {
        throw ConCampo(e, donde);
    }
    return s;
}

}  // namespace tarvelon
