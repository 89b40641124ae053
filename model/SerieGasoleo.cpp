#include "model/SerieGasoleo.h"

#include "model/Errores.h"
#include "model/Numeros.h"

namespace tarvelon {

namespace {

// Above this a price per litre is a misread figure: "1.512" with a point is
// 1.512 € in the Spanish form, not 1,512.
constexpr double kPrecioMaximo = 100;

bool Digitos(std::string_view t)
{
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return !t.empty();
}

int Entero(std::string_view t)
{
    int n = 0;
    for (char c : t) n = n * 10 + (c - '0');
    return n;
}

std::string_view Recortado(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    return t;
}

}  // namespace

ErrorSerie::ErrorSerie(int linea, const std::string& motivo)
    : std::runtime_error("Línea " + std::to_string(linea) + ": " + motivo), linea_(linea), motivo_(motivo)
{
}

std::optional<Mes> LeerMes(std::string_view t)
{
    if (t.size() != 7 || t[4] != '-' || !Digitos(t.substr(0, 4)) || !Digitos(t.substr(5, 2))) return std::nullopt;
    const int mes = Entero(t.substr(5, 2));
    if (mes < 1 || mes > 12) return std::nullopt;
    return Entero(t.substr(0, 4)) * 12 + mes - 1;
}

std::string TextoMes(Mes mes)
{
    std::string anio = std::to_string(mes / 12);
    anio.insert(0, anio.size() < 4 ? 4 - anio.size() : 0, '0');
    const int m = mes % 12 + 1;
    return anio + (m < 10 ? "-0" : "-") + std::to_string(m);
}

std::optional<Mes> MesDeFecha(std::string_view f)
{
    if (f.size() != 10 || f[7] != '-' || !Digitos(f.substr(8, 2))) return std::nullopt;
    const auto mes = LeerMes(f.substr(0, 7));
    if (!mes) return std::nullopt;
    const int anio = *mes / 12, m = *mes % 12 + 1, dia = Entero(f.substr(8, 2));
    const bool bisiesto = (anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0;
    const int dias[] = {31, bisiesto ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (dia < 1 || dia > dias[m - 1]) return std::nullopt;
    return mes;
}

SerieGasoleo SerieGasoleo::Leer(std::string_view contenido)
{
    if (contenido.substr(0, 3) == "\xEF\xBB\xBF") contenido.remove_prefix(3);
    SerieGasoleo s;
    int numero = 0;
    bool primera = true;
    while (!contenido.empty()) {
        const size_t fin = contenido.find('\n');
        const std::string_view linea = Recortado(contenido.substr(0, fin));
        contenido.remove_prefix(fin == std::string_view::npos ? contenido.size() : fin + 1);
        ++numero;
        if (linea.empty() || linea.front() == '#') continue;
        const bool cabecera = primera && (linea.front() < '0' || linea.front() > '9');
        primera = false;
        if (cabecera) continue;
        const size_t separador = linea.find(';');
        if (separador == std::string_view::npos) throw ErrorSerie(numero, "falta el «;» entre el mes y el precio");
        const std::string_view textoMes = Recortado(linea.substr(0, separador));
        std::string_view textoPrecio = Recortado(linea.substr(separador + 1));
        // A trailing empty column (a spreadsheet's ";" at the end) is harmless.
        if (!textoPrecio.empty() && textoPrecio.back() == ';')
            textoPrecio = Recortado(textoPrecio.substr(0, textoPrecio.size() - 1));
        if (textoPrecio.find(';') != std::string_view::npos) throw ErrorSerie(numero, "sobran columnas");
        const auto mes = LeerMes(textoMes);
        if (!mes) throw ErrorSerie(numero, "el mes «" + std::string(textoMes) + "» no tiene la forma AAAA-MM");
        double precio = 0;
        try {
            precio = TextoANumero(textoPrecio);
        } catch (const ErrorEjecucion&) {
            throw ErrorSerie(numero, "el precio «" + std::string(textoPrecio) + "» no es un número");
        }
        if (!(precio > 0 && precio < kPrecioMaximo))
            throw ErrorSerie(numero, "el precio «" + std::string(textoPrecio) +
                                         "» no es un precio por litro (debe ser mayor que 0 y menor que 100; "
                                         "los decimales van con coma)");
        if (!s.precios_.emplace(*mes, precio).second)
            throw ErrorSerie(numero, "el mes " + TextoMes(*mes) + " ya aparece antes");
    }
    if (!s.precios_.empty()) {
        s.primero_ = s.precios_.begin()->first;
        s.porMes_.assign(static_cast<size_t>(s.precios_.rbegin()->first - s.primero_) + 1, 0.0);
        for (const auto& [mes, precio] : s.precios_) s.porMes_[static_cast<size_t>(mes - s.primero_)] = precio;
    }
    return s;
}

std::optional<double> SerieGasoleo::Precio(Mes mes) const
{
    if (mes < primero_ || mes - primero_ >= static_cast<Mes>(porMes_.size())) return std::nullopt;
    const double p = porMes_[static_cast<size_t>(mes - primero_)];
    if (p == 0) return std::nullopt;
    return p;
}

std::string SerieGasoleo::Texto() const
{
    std::string r = "mes;euros_litro\r\n";
    for (const auto& [mes, precio] : precios_) r += TextoMes(mes) + ";" + NumeroATexto(precio) + "\r\n";
    return r;
}

}  // namespace tarvelon
