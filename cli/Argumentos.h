#pragma once
// The arguments shared by the record commands (informe, presupuesto,
// comparar, sensibilidad, exportar and the file commands): where the record
// comes from, the report kind, the output format, the variation and the
// workbook, read from the parsed command line and checked.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/ArgumentosOrden.h"
#include "cli/SalidaConsola.h"
#include "reports/CargarRegistro.h"

namespace tarvelon {

// The options a command accepts.
enum Opcion : unsigned {
    kOrigen = 1,       // --tipo, --config
    kInforme = 2,      // --detallado, --resumen
    kFormato = 4,      // --formato
    kVariacion = 8,    // --variacion
    kXlsx = 16,        // --xlsx (required)
    kDosTipos = 32,    // --tipo may appear twice (comparar)
    kFormatoCsv = 64,  // csv allowed as --formato
    kLista = 128,      // --lista (informe)
};

struct Argumentos {
    std::vector<std::string> posicionales;
    Origen origen;
    // comparar: each side in the order given, a file or (true) a type name.
    std::vector<std::pair<bool, std::string>> lados;
    bool detallado = false;
    bool resumen = false;
    Formato formato = Formato::Texto;
    double variacion = 0;
    std::string xlsx;
    std::optional<std::string> lista;  // file of paths for the fleet table, "-" for stdin
};

// The text of --formato; csv only where the command writes it.
Formato LeerFormato(const std::string& texto, bool conCsv = true);

// The parser's options for these `opciones`.
std::vector<OpcionOrden> OpcionesDatos(unsigned opciones);

// The arguments checked; wrong ones raise UsoIncorrecto.
Argumentos LeerArgumentos(const ArgumentosOrden& orden, unsigned opciones);

// Takes the last positional as the data file unless --tipo names the source.
void FijarOrigen(Argumentos& a, size_t fijos);

// The source as the user wrote it, to head its validation messages.
std::string Fuente(const Origen& o);

}  // namespace tarvelon
