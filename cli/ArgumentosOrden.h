#pragma once
// The arguments of one command, read with CLI11: "--name value" or
// "--name=value" options with a fixed number of values, flags, and
// positionals. An option's values are taken as they come, so
// "--variacion -6,2" is a value; an argument that begins with a single "-"
// is data (a negative figure, a file named "-x"), never a short option.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvelon {

// Wrong arguments: the Spanish reason shown above the usage text (exit 64).
struct UsoIncorrecto {
    std::string motivo;
};

struct OpcionOrden {
    std::string nombre;  // "--precio"
    int valores = 1;     // how many values it takes; 0 for a flag
};

// How a command's options are read, and its wrong arguments told.
enum class EstiloOpciones {
    // An option may be repeated (the command refuses a repeated value by
    // name; a flag keeps its last); a parser error names the option.
    Repetibles,
    // Each option once, "--name=value" only for one value; the first wrong
    // argument from the left is told.
    UnaVez,
};

class ArgumentosOrden {
public:
    // `args` begins with the command's name. Throws UsoIncorrecto.
    ArgumentosOrden(const std::vector<std::string>& args, const std::vector<OpcionOrden>& opciones,
                    EstiloOpciones estilo);

    bool Hay(const std::string& opcion) const;
    // Every value of the option in the order given; none when it was not given.
    std::optional<std::vector<std::string>> Valores(const std::string& opcion) const;
    std::optional<std::string> Valor(const std::string& opcion) const;
    // The option's value as an amount (LeerImporte); a text that is not one is wrong arguments.
    std::optional<double> Numero(const std::string& opcion) const;
    const std::vector<std::string>& Posicionales() const { return posicionales_; }
    // Each value in the order given: the option's name, or empty for a positional.
    const std::vector<std::pair<std::string, std::string>>& EnOrden() const { return enOrden_; }

private:
    std::vector<std::pair<std::string, std::vector<std::string>>> valores_;
    std::vector<std::string> banderas_;  // the flags given (the last occurrence not false)
    std::vector<std::string> posicionales_;
    std::vector<std::pair<std::string, std::string>> enOrden_;
};

// The text of a number option as an amount, or wrong arguments naming it.
double NumeroDeOpcion(const std::string& opcion, const std::string& texto);

}  // namespace tarvelon
