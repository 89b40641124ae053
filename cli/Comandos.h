#pragma once
// The commands of tarvelon-datos. Each takes its parsed arguments and what
// every command is given, and answers the exit code. Wrong arguments raise
// UsoIncorrecto (usage text, exit 64); run-time errors raise ErrorEjecucion
// after the JSON error object, when asked for, has been written to `out`.
#include <iosfwd>
#include <string>

#include "cli/ArgumentosOrden.h"
#include "cli/AvisadorConsola.h"

namespace tarvelon {

struct EntornoOrden {
    const std::string& carpetaPrograma;  // where Config.txt and tecnologias.txt lie by default
    std::ostream& out;                   // report lines
    std::ostream& err;                   // messages
    AvisadorConsola& avisos;             // the core's message boxes, as lines on `err`
};

using EjecutarOrden = int (*)(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);

// Data files.
int ComandoTipos(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoDescifrar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoCifrar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
// Reports of one record (informe also writes the fleet table).
int ComandoInforme(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoPresupuesto(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
// Analysis.
int ComandoComparar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoSensibilidad(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoExportar(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
// Prices, fleets and technologies.
int ComandoPrecio(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoRevision(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoFlota(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);
int ComandoTecnologias(const ArgumentosOrden& argumentos, const EntornoOrden& entorno);

}  // namespace tarvelon
