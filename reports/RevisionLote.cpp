#include "reports/RevisionLote.h"

#include <array>
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
    std::string linea;
    std::string fila;
    int64_t numero = 1;
    bool hay = static_cast<bool>(std::getline(entrada, linea));
    if (hay && !linea.empty() && linea.back() == '\r') linea.pop_back();
    std::string_view cabecera = linea;
    if (cabecera.substr(0, 3) == "\xEF\xBB\xBF") cabecera.remove_prefix(3);
    if (!hay || !EsCabecera(cabecera))
        throw ErrorSerie(1, "falta la cabecera «" + std::string(kCabeceraServicios) + "»");
    salida << "\xEF\xBB\xBF" << Recortado(cabecera) << ";variacion;coeficiente;aplica;revision;precio_revisado\r\n";
    double totalPrecio = 0, totalRevision = 0, totalRevisado = 0;
    while (std::getline(entrada, linea)) {
        ++numero;
        if (!linea.empty() && linea.back() == '\r') linea.pop_back();
        if (Recortado(linea).empty()) continue;
        try {
            const RevisionCombustible r = Revisar(linea, serie, umbral);
            fila.assign(linea);
            fila += ';';
            fila += NumeroCsv(r.variacion);
            fila += ';';
            fila += NumeroCsv(r.coeficiente);
            fila += r.aplica ? ";sí;" : ";no;";
            fila += NumeroCsv(r.revision);
            fila += ';';
            fila += NumeroCsv(r.precioRevisado);
            fila += "\r\n";
            salida << fila;
            totalPrecio += r.precio;
            totalRevision += r.revision;
            totalRevisado += r.precioRevisado;
            ++resumen.revisados;
        } catch (const LineaMala& m) {
            errores << "Línea " << numero << ": " << m.motivo << '\n';
            ++resumen.erroneos;
        }
    }
    salida << "Total;;;" << NumeroCsv(RedondearCentimos(totalPrecio)) << ";;;;;"
           << NumeroCsv(RedondearCentimos(totalRevision)) << ';' << NumeroCsv(RedondearCentimos(totalRevisado))
           << "\r\n";
    return resumen;
}

}  // namespace tarvelon
