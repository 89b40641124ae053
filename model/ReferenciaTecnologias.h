#pragma once
// The reference values of the technologies: a readable text file, one value
// a line as "tecnologia.clave = valor unidad | fuente | fecha", "#" comments.
// Technologies: diesel (emission factors and refund only), hvo, gnl, electrico.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/CosteVidaTecnologias.h"

namespace tarvelon {

// The file's name in the program's folder.
inline constexpr const char* kReferenciaTecnologias = "tecnologias.txt";

// A line that cannot be read: its number (1-based; 0 when not about a line) and the key.
class ErrorReferencia : public std::runtime_error {
public:
    ErrorReferencia(int linea, const std::string& mensaje) : std::runtime_error(mensaje), linea_(linea) {}
    int Linea() const noexcept { return linea_; }

private:
    int linea_;
};

// Stores `valor` under a key ("precio_tractora", "paga_carbono" takes 0 or 1...).
// Empty on success; else why (unknown key, value out of its range).
std::string AsignarCampoTecnologia(EntradaTecnologia& t, std::string_view clave, double valor);

// The value under a key, as AsignarCampoTecnologia stores it (0 for an unknown key).
double ValorCampoTecnologia(const EntradaTecnologia& t, std::string_view clave);

// The Spanish label of a key with its unit, as the window shows it.
std::string_view EtiquetaClaveTecnologia(std::string_view clave);

// The keys AsignarCampoTecnologia knows, in the order the files list them.
const std::vector<std::string_view>& ClavesTecnologia();

// The four columns (Diésel, HVO, GNL, Eléctrico de batería) from the file's
// text. With `fuentes`, each key read ("hvo.consumo") is stored there with
// its source and date ("fuente, fecha").
std::vector<EntradaTecnologia> LeerReferenciaTecnologias(std::string_view texto,
                                                         std::map<std::string, std::string>* fuentes = nullptr);

// The diesel keys whose values the record gives, not the reference.
bool ClaveDelRegistro(std::string_view clave);

}  // namespace tarvelon
