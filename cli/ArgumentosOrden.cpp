#include "cli/ArgumentosOrden.h"

#include "model/Errores.h"
#include "model/PrecioServicio.h"

namespace tarvelon {

ArgumentosOrden::ArgumentosOrden(const std::vector<std::string>& args, const std::map<std::string, int>& opciones)
{
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            posicionales_.insert(posicionales_.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        }
        if (a.compare(0, 2, "--") != 0) {
            posicionales_.push_back(a);
            continue;
        }
        const size_t igual = a.find('=');
        const std::string nombre = a.substr(0, igual);
        const auto o = opciones.find(nombre);
        if (o == opciones.end()) throw UsoIncorrecto{"Opción desconocida: " + a + "."};
        if (valores_.count(nombre)) throw UsoIncorrecto{"La opción " + nombre + " aparece dos veces."};
        std::vector<std::string> v;
        if (igual != std::string::npos) {
            if (o->second != 1) throw UsoIncorrecto{"Falta el valor de una opción o sobra un argumento."};
            v.push_back(a.substr(igual + 1));
        } else {
            if (i + static_cast<size_t>(o->second) >= args.size())
                throw UsoIncorrecto{"Falta el valor de una opción o sobra un argumento."};
            for (int k = 0; k < o->second; ++k) v.push_back(args[++i]);
        }
        valores_[nombre] = std::move(v);
    }
}

std::optional<std::vector<std::string>> ArgumentosOrden::Valores(const std::string& opcion) const
{
    const auto v = valores_.find(opcion);
    if (v == valores_.end()) return std::nullopt;
    return v->second;
}

std::optional<std::string> ArgumentosOrden::Valor(const std::string& opcion) const
{
    const auto v = valores_.find(opcion);
    if (v == valores_.end() || v->second.empty()) return std::nullopt;
    return v->second[0];
}

std::optional<double> ArgumentosOrden::Numero(const std::string& opcion) const
{
    const auto v = Valor(opcion);
    if (!v) return std::nullopt;
    return NumeroDeOpcion(opcion, *v);
}

double NumeroDeOpcion(const std::string& opcion, const std::string& texto)
{
    try {
        return LeerImporte(texto);
    } catch (const ErrorEjecucion&) {
        throw UsoIncorrecto{"El valor de " + opcion + " no es un número: " + texto + " (los decimales van con coma)."};
    }
}

}  // namespace tarvelon
