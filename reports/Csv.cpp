#include "reports/Csv.h"

#include <charconv>

#include "model/Errores.h"

namespace tarvelon {

namespace {

const std::string kBom = "\xEF\xBB\xBF";
const std::string kFin = "\r\n";

std::string Campo(std::string_view texto)
{
    if (texto.find_first_of(";\"\r\n") == std::string_view::npos) return std::string(texto);
    std::string r = "\"";
    for (char c : texto) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

std::string Fila(const std::vector<std::string>& campos)
{
    std::string r;
    for (size_t i = 0; i < campos.size(); ++i) {
        if (i) r += ';';
        r += campos[i];
    }
    return r + kFin;
}

std::string Porcentaje(const std::optional<double>& p) { return p ? NumeroCsv(*p) : std::string(); }

std::string Error(const std::optional<FalloCalculo>& f)
{
    return f ? Campo(MensajeError(ErrorEjecucion(f->numero, f->descripcion))) : std::string();
}

}  // namespace

std::string NumeroCsv(double valor)
{
    // to_chars ignores the locale and gives the shortest exact form.
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, valor);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}

std::string CsvFlota(const std::vector<FilaFlota>& filas)
{
    bool conError = false;
    for (const auto& f : filas) conError = conError || !f.error.empty();
    const auto& campos = CamposSimulacion();
    std::vector<std::string> cabecera = {"Fichero", "Tipo"};
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i)
        cabecera.emplace_back(campos[static_cast<size_t>(i)].nombre);
    if (conError) cabecera.emplace_back("Error");
    std::string r = kBom + Fila(cabecera);
    for (const auto& f : filas) {
        std::vector<std::string> v = {Campo(f.fichero), Campo(f.tipo)};
        for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i)
            v.push_back(f.calculada ? NumeroCsv(*DoubleDeCampo(*f.calculada, i)) : std::string());
        if (conError) v.push_back(Campo(f.error));
        r += Fila(v);
    }
    return r;
}

std::string CsvPresupuesto(const std::vector<ConceptoPresupuesto>& conceptos)
{
    std::string r = kBom + Fila({"Sección", "Concepto", "Importe"});
    for (const auto& c : conceptos) r += Fila({Campo(c.seccion), Campo(c.concepto), NumeroCsv(c.importe)});
    return r;
}

std::string CsvComparacion(const Comparacion& c)
{
    std::string r = kBom + Fila({"Campo", Campo("A: " + c.tipoA), Campo("B: " + c.tipoB), "Diferencia", "Porcentaje"});
    for (const auto& f : c.filas)
        r += Fila(
            {std::string(f.campo), NumeroCsv(f.a), NumeroCsv(f.b), NumeroCsv(f.diferencia), Porcentaje(f.porcentaje)});
    return r;
}

std::string CsvSensibilidad(const Sensibilidad& s)
{
    std::string r = kBom + Fila({"Campo", "Valor", "Menos", "Mas", "Error"});
    for (const auto& e : s.entradas) {
        const bool ok = !e.error;
        r += Fila({std::string(e.campo), NumeroCsv(e.valor), ok ? NumeroCsv(e.menos) : "", ok ? NumeroCsv(e.mas) : "",
                   Error(e.error)});
    }
    r += kFin + Fila({"Km", "Coste por km", "Error"});
    for (const auto& p : s.curvaKm) r += Fila({NumeroCsv(p.km), p.error ? "" : NumeroCsv(p.costeKm), Error(p.error)});
    return r;
}

}  // namespace tarvelon
