#include "cli/CargarValidos.h"

#include <ostream>

#include "cli/Argumentos.h"
#include "reports/Informes.h"
#include "reports/Json.h"

namespace tarvelon {

ColumnaAnalizada ColumnaDe(const Origen& origen, const std::string& carpetaPrograma)
{
    return AnalizarColumna(
        [&](Simulacion& s) -> std::optional<std::string> {
            s = CargarRegistro(origen, carpetaPrograma);
            return std::nullopt;
        },
        std::nullopt);
}

bool CargarValidos(const std::vector<Origen>& origenes, Formato formato, const std::string& carpetaPrograma,
                   std::ostream& out, std::vector<ColumnaAnalizada>& columnas)
{
    std::vector<std::string> mensajes;
    bool validos = true;
    for (const auto& o : origenes) {
        columnas.push_back(ColumnaDe(o, carpetaPrograma));
        if (columnas.back().valida) continue;
        validos = false;
        if (origenes.size() > 1 && formato == Formato::Texto) mensajes.push_back(Fuente(o) + ":");
        for (auto& m : LineasDeMensajes(columnas.back().registro.ErrorMsg))
            if (formato == Formato::Texto || !m.empty()) mensajes.push_back(std::move(m));
    }
    if (validos) {
        for (const auto& c : columnas)
            if (c.fallo) std::rethrow_exception(c.fallo);
        return true;
    }
    if (formato == Formato::Json) out << JsonErrores(mensajes);
    else EscribirLineas(out, mensajes);
    return false;
}

}  // namespace tarvelon
