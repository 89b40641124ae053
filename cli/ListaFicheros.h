#pragma once
// The list of data files of a fleet command (--lista), read a path at a time
// so that a list of any length runs in the same memory.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "model/Errores.h"

namespace tarvelon {

// The paths of --lista one at a time, as they are read: UTF-8 lines with LF or
// CR LF ends, blank lines skipped, an initial byte-order mark dropped.
class ListaFicheros {
public:
    explicit ListaFicheros(const std::string& ruta) : entrada_(&std::cin)
    {
        if (ruta == "-") return;
        std::error_code ec;
        if (std::filesystem::is_directory(ruta, ec)) throw ErrorEjecucion(kErrorAcceso);
        fichero_.open(ruta, std::ios::binary);
        if (!fichero_)
            throw ErrorEjecucion(std::filesystem::exists(ruta, ec) ? kPermisoDenegado : kFicheroNoEncontrado);
        entrada_ = &fichero_;
    }

    bool Siguiente(std::string& ruta)
    {
        while (std::getline(*entrada_, ruta)) {
            if (primera_ && ruta.rfind("\xEF\xBB\xBF", 0) == 0) ruta.erase(0, 3);
            primera_ = false;
            if (!ruta.empty() && ruta.back() == '\r') ruta.pop_back();
            if (ruta.find_first_not_of(" \t") != std::string::npos) return true;
        }
        if (entrada_->bad()) throw ErrorEjecucion(kErrorES);
        return false;
    }

private:
    std::ifstream fichero_;
    std::istream* entrada_;
    bool primera_ = true;
};

}  // namespace tarvelon
