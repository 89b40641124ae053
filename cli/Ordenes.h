#pragma once
// The table of the tool's commands: for each, its name, its help (usage,
// what it does, the options it shares with others and an example), the
// options the parser accepts, and what runs it.
#include <string_view>
#include <vector>

#include "cli/ArgumentosOrden.h"
#include "cli/Comandos.h"

namespace tarvelon {

struct Orden {
    std::string_view nombre, uso, texto;
    bool formato, tipo;  // the help explains --formato, --tipo
    std::string_view ejemplo;
    std::vector<OpcionOrden> opciones;
    EstiloOpciones estilo;
    EjecutarOrden ejecutar;
};

// Every command, in the order of the help.
const std::vector<Orden>& Ordenes();

// The command of that name; none when there is no such command.
const Orden* BuscarOrden(std::string_view nombre);

}  // namespace tarvelon
