#pragma once
// A small reader of the arguments of one command: "--name value" or
// "--name=value" options with a fixed number of values, and positionals.
// Values are taken as they come, so "--variacion -6,2" is a value.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvelon {

// Wrong arguments: the Spanish reason shown above the usage text.
struct UsoIncorrecto {
    std::string motivo;
};

class ArgumentosOrden {
public:
    // `opciones`: each accepted option ("--precio") and how many values it takes.
    ArgumentosOrden(const std::vector<std::string>& args, const std::map<std::string, int>& opciones);

    bool Hay(const std::string& opcion) const { return valores_.count(opcion) > 0; }
    // The option's values; none when it was not given.
    std::optional<std::vector<std::string>> Valores(const std::string& opcion) const;
    std::optional<std::string> Valor(const std::string& opcion) const;
    // The option's value as an amount (LeerImporte); a text that is not one is wrong arguments.
    std::optional<double> Numero(const std::string& opcion) const;
    const std::vector<std::string>& Posicionales() const { return posicionales_; }

private:
    std::map<std::string, std::vector<std::string>> valores_;
    std::vector<std::string> posicionales_;
};

// The text of a number option as an amount, or wrong arguments naming it.
double NumeroDeOpcion(const std::string& opcion, const std::string& texto);

}  // namespace tarvelon
