#pragma once
// The series of published monthly average diesel prices, €/l by month, as
// the user imports it: text lines "AAAA-MM;1,512" (";" between the fields,
// decimal comma). A first line that does not start with a digit is a header;
// lines starting with "#" are notes; blank lines are skipped; a byte-order
// mark and CR LF or LF ends are accepted.
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelon {

// A line that cannot be read: its number (from 1) and the reason.
class ErrorSerie : public std::runtime_error {
public:
    ErrorSerie(int linea, const std::string& motivo);
    int Linea() const noexcept { return linea_; }
    const std::string& Motivo() const noexcept { return motivo_; }

private:
    int linea_;
    std::string motivo_;
};

// A month as year × 12 + (month − 1): months compare and count in order.
using Mes = int;

// "AAAA-MM" (month 01 to 12) as a Mes; anything else gives nothing.
std::optional<Mes> LeerMes(std::string_view texto);
std::string TextoMes(Mes mes);  // "AAAA-MM"

class SerieGasoleo {
public:
    // The whole text; the first faulty line raises ErrorSerie and nothing is kept.
    static SerieGasoleo Leer(std::string_view contenido);

    std::optional<double> Precio(Mes mes) const;
    bool Vacia() const { return precios_.empty(); }
    size_t Meses() const { return precios_.size(); }
    const std::map<Mes, double>& Precios() const { return precios_; }

    // The program's own file: a header and one "AAAA-MM;precio" line per
    // month in order, CR LF ends; Leer reads it back unchanged.
    std::string Texto() const;

private:
    std::map<Mes, double> precios_;
    // The same by position from the first month (0 where a month is missing):
    // a list of services looks a month up twice per line.
    Mes primero_ = 0;
    std::vector<double> porMes_;
};

// Year, month and day of "AAAA-MM-DD" (a real calendar date) as its Mes.
std::optional<Mes> MesDeFecha(std::string_view fecha);

}  // namespace tarvelon
