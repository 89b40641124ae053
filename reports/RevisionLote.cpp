#include "reports/RevisionLote.h"

#include <array>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>
#include <string>

#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "reports/Csv.h"

namespace tarvelon {

namespace {

// A service's line did not revise: the reason, for "Línea N: ...".
struct LineaMala {
    std::string motivo;
};

std::string_view Recortado(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

// The five fields of a service line; a field may be quoted ("a;b", "" inside).
// Quoted fields come back with their quotes: only the reference may be one.
std::array<std::string_view, 5> Campos(std::string_view linea)
{
    std::array<std::string_view, 5> campos;
    size_t n = 0, inicio = 0;
    bool comillas = false;
    for (size_t i = 0; i <= linea.size(); ++i) {
        if (i < linea.size() && linea[i] == '"') comillas = !comillas;
        if (i < linea.size() && (comillas || linea[i] != ';')) continue;
        if (n == campos.size()) throw LineaMala{"sobran columnas (se esperan 5)"};
        campos[n++] = Recortado(linea.substr(inicio, i - inicio));
        inicio = i + 1;
    }
    if (comillas) throw LineaMala{"faltan unas comillas de cierre"};
    if (n != campos.size()) throw LineaMala{"faltan columnas (se esperan 5)"};
    return campos;
}

double Numero(std::string_view texto, const char* nombre)
{
    try {
        return LeerImporte(texto);
    } catch (const ErrorEjecucion&) {
        throw LineaMala{std::string(nombre) + " «" + std::string(texto) + "» no es un número"};
    }
}

double PrecioDelMes(const SerieGasoleo& serie, std::string_view fecha, const char* nombre)
{
    const auto mes = MesDeFecha(fecha);
    if (!mes) throw LineaMala{std::string(nombre) + " «" + std::string(fecha) + "» no es una fecha AAAA-MM-DD"};
    const auto precio = serie.Precio(*mes);
    if (!precio) throw LineaMala{"la serie no tiene el precio del gasóleo de " + TextoMes(*mes)};
    return *precio;
}

RevisionCombustible Revisar(std::string_view linea, const SerieGasoleo& serie, double umbral)
{
    const auto c = Campos(linea);
    const double p0 = PrecioDelMes(serie, c[1], "la fecha del contrato");
    const double p1 = PrecioDelMes(serie, c[2], "la fecha del servicio");
    const double precio = Numero(c[3], "el precio");
    const double masa = Numero(c[4], "la masa");
    try {
        return CalcularRevision(precio, VariacionGasoleo(p0, p1), CoeficienteDeClase(ClaseDeMasa(masa)), umbral);
    } catch (const ErrorEjecucion& e) {
        throw LineaMala{e.Descripcion()};
    }
}

constexpr size_t kBloque = 1 << 16;

// The lines of a stream, read in blocks; a line ends at LF, a CR before it is
// dropped. Only the unfinished line is kept between blocks.
class LectorLineas {
public:
    explicit LectorLineas(std::istream& entrada) : entrada_(entrada) {}

    bool Siguiente(std::string_view& linea)
    {
        for (;;) {
            const size_t fin = datos_.find('\n', pos_);
            if (fin != std::string::npos || (agotado_ && pos_ < datos_.size())) {
                const size_t hasta = fin == std::string::npos ? datos_.size() : fin;
                linea = std::string_view(datos_).substr(pos_, hasta - pos_);
                if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
                pos_ = hasta + 1;
                return true;
            }
            if (agotado_) return false;
            datos_.erase(0, pos_);
            pos_ = 0;
            const size_t antes = datos_.size();
            datos_.resize(antes + kBloque);
            entrada_.read(datos_.data() + antes, static_cast<std::streamsize>(kBloque));
            datos_.resize(antes + static_cast<size_t>(entrada_.gcount()));
            agotado_ = entrada_.gcount() == 0;
        }
    }

private:
    std::istream& entrada_;
    std::string datos_;
    size_t pos_ = 0;
    bool agotado_ = false;
};

// A figure already rounded to two decimals, appended in the CSV form
// (NumeroCsv gives the same digits: "1015,35", "15", "-4,7") without a
// general conversion, which would cost more than the revision itself.
void AnadirNumero(std::string& destino, double valor)
{
    if (!(std::fabs(valor) < 1e13)) {
        destino += NumeroCsv(valor);
        return;
    }
    const double escalado = valor * 100;
    auto centimos = static_cast<int64_t>(escalado + (escalado < 0 ? -0.5 : 0.5));
    if (centimos < 0) destino += '-', centimos = -centimos;
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, centimos / 100);
    destino.append(buf, r.ptr);
    const int resto = static_cast<int>(centimos % 100);
    if (resto == 0) return;
    destino += ',';
    destino += static_cast<char>('0' + resto / 10);
    if (resto % 10) destino += static_cast<char>('0' + resto % 10);
}

bool EsCabecera(std::string_view linea)
{
    linea = Recortado(linea);
    if (linea.size() != kCabeceraServicios.size()) return false;
    for (size_t i = 0; i < linea.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(linea[i])) != kCabeceraServicios[i]) return false;
    return true;
}

}  // namespace

ResumenLote RevisarServicios(std::istream& entrada, std::ostream& salida, std::ostream& errores,
                             const SerieGasoleo& serie, double umbral)
{
    ResumenLote resumen;
    LectorLineas lector(entrada);
    std::string_view linea;
    int64_t numero = 1;
    const bool hay = lector.Siguiente(linea);
    if (linea.substr(0, 3) == "\xEF\xBB\xBF") linea.remove_prefix(3);
    if (!hay || !EsCabecera(linea)) throw ErrorSerie(1, "falta la cabecera «" + std::string(kCabeceraServicios) + "»");
    // Written in blocks: one stream call per line would cost more than the revision.
    std::string bloque = "\xEF\xBB\xBF";
    bloque += Recortado(linea);
    bloque += ";variacion;coeficiente;aplica;revision;precio_revisado\r\n";
    double totalPrecio = 0, totalRevision = 0, totalRevisado = 0;
    while (lector.Siguiente(linea)) {
        ++numero;
        if (Recortado(linea).empty()) continue;
        try {
            const RevisionCombustible r = Revisar(linea, serie, umbral);
            bloque += linea;
            bloque += ';';
            AnadirNumero(bloque, r.variacion);
            bloque += ';';
            AnadirNumero(bloque, r.coeficiente);
            bloque += r.aplica ? ";sí;" : ";no;";
            AnadirNumero(bloque, r.revision);
            bloque += ';';
            AnadirNumero(bloque, r.precioRevisado);
            bloque += "\r\n";
            totalPrecio += r.precio;
            totalRevision += r.revision;
            totalRevisado += r.precioRevisado;
            ++resumen.revisados;
        } catch (const LineaMala& m) {
            errores << "Línea " << numero << ": " << m.motivo << '\n';
            ++resumen.erroneos;
        }
        if (bloque.size() >= kBloque) {
            salida.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
            bloque.clear();
        }
    }
    bloque += "Total;;;" + NumeroCsv(RedondearCentimos(totalPrecio)) + ";;;;;" +
              NumeroCsv(RedondearCentimos(totalRevision)) + ';' + NumeroCsv(RedondearCentimos(totalRevisado)) + "\r\n";
    salida.write(bloque.data(), static_cast<std::streamsize>(bloque.size()));
    return resumen;
}

}  // namespace tarvelon
