#pragma once
// The in-memory form of a key=value file: rows numbered from 1, column 1 the
// key, column 2 the value. A table that was never dimensioned has no rows at
// all, and asking for its last row is error 9.
#include <string>
#include <utility>
#include <vector>

#include "model/Errores.h"

namespace tarvelon {

class TablaLineas {
public:
    bool Dimensionada() const noexcept { return dimensionada_; }

    // Number of the last row (0 for a table dimensioned without rows).
    int UltimaFila() const
    {
        if (!dimensionada_) throw ErrorEjecucion(kSubindice);
        return static_cast<int>(filas_.size());
    }

    // Discards the contents; rows 1..n, all empty.
    void Redimensionar(int n)
    {
        dimensionada_ = true;
        filas_.assign(static_cast<size_t>(n < 0 ? 0 : n), {});
    }

    void AnadirFila(std::string clave, std::string valor)
    {
        dimensionada_ = true;
        filas_.emplace_back(std::move(clave), std::move(valor));
    }

    const std::string& Clave(int fila) const { return At(fila).first; }
    const std::string& Valor(int fila) const { return At(fila).second; }
    void Fijar(int fila, std::string clave, std::string valor)
    {
        auto& f = At(fila);
        f.first = std::move(clave);
        f.second = std::move(valor);
    }

    // One file line: key and value joined with nothing between.
    std::string Linea(int fila) const { return Clave(fila) + Valor(fila); }

    void Reservar(size_t n) { filas_.reserve(n); }

private:
    const std::pair<std::string, std::string>& At(int fila) const
    {
        if (!dimensionada_ || fila < 1 || static_cast<size_t>(fila) > filas_.size()) throw ErrorEjecucion(kSubindice);
        return filas_[static_cast<size_t>(fila) - 1];
    }
    std::pair<std::string, std::string>& At(int fila)
    {
        return const_cast<std::pair<std::string, std::string>&>(std::as_const(*this).At(fila));
    }

    bool dimensionada_ = false;
    std::vector<std::pair<std::string, std::string>> filas_;
};

}  // namespace tarvelon
