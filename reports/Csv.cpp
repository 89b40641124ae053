#include "reports/Csv.h"

#include "data/Texto.h"
#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "reports/InformesAnalisis.h"

namespace tarvelon {

namespace {

const std::string kBom = "\xEF\xBB\xBF";
const std::string kFin = "\r\n";

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
    return f ? TextoCsv(MensajeError(ErrorEjecucion(f->numero, f->descripcion))) : std::string();
}

}  // namespace

std::string NumeroCsv(double valor) { return NumeroATexto(valor); }

std::string TextoCsv(std::string_view texto)
{
    std::string t = TextoExportable(texto);
    // A spreadsheet opens a cell that begins so as a formula: a vehicle type
    // named "=HYPERLINK(…)" would become a live link.
    if (!t.empty() && std::string_view("=+-@\t\r").find(t[0]) != std::string_view::npos) t.insert(0, 1, '\'');
    if (t.find_first_of(";\"\r\n") == std::string::npos) return t;
    std::string r = "\"";
    for (char c : t) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + "\"";
}

std::string CabeceraCsvFlota()
{
    std::vector<std::string> cabecera = {"Fichero", "Tipo"};
    const auto& campos = CamposSimulacion();
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i)
        cabecera.push_back(EtiquetaCampo(campos[static_cast<size_t>(i)].nombre));
    cabecera.emplace_back("Error");
    return kBom + Fila(cabecera);
}

std::string FilaCsvFlota(const FilaFlota& f)
{
    std::vector<std::string> v = {TextoCsv(f.fichero), TextoCsv(f.tipo)};
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i)
        v.push_back(f.calculada ? NumeroCsv(*DoubleDeCampo(*f.calculada, i)) : std::string());
    v.push_back(TextoCsv(f.error));
    return Fila(v);
}

std::string CsvPresupuesto(const std::vector<ConceptoPresupuesto>& conceptos)
{
    std::string r = kBom + Fila({"Sección", "Concepto", "Importe"});
    for (const auto& c : conceptos) r += Fila({TextoCsv(c.seccion), TextoCsv(c.concepto), NumeroCsv(c.importe)});
    return r;
}

std::string CsvComparacion(const Comparacion& c)
{
    std::string r =
        kBom + Fila({"Resultado", TextoCsv("A: " + NombreLado(c.nombreA, c.tipoA)),
                     TextoCsv("B: " + NombreLado(c.nombreB, c.tipoB)), "Diferencia (A − B)", "Diferencia (%)"});
    for (const auto& f : c.filas)
        r += Fila({EtiquetaCampo(f.campo), NumeroCsv(f.a), NumeroCsv(f.b), NumeroCsv(f.diferencia),
                   Porcentaje(f.porcentaje)});
    return r;
}

std::string CsvSensibilidad(const Sensibilidad& s)
{
    const std::string p = NumeroATexto(s.variacion);
    std::string r = kBom + Fila({"Dato", "Valor", "Coste total con −" + p + " % (€/km)",
                                 "Coste total con +" + p + " % (€/km)", "Efecto máximo (€/km)", "Error"});
    for (const auto& e : s.entradas) {
        const bool ok = !e.error;
        r += Fila({EtiquetaCampo(e.campo), NumeroCsv(e.valor), ok ? NumeroCsv(e.menos) : "", ok ? NumeroCsv(e.mas) : "",
                   ok ? NumeroCsv(e.efecto) : "", Error(e.error)});
    }
    r += kFin + Fila({"Kilómetros anuales", "Coste total (€/km)", "Error"});
    for (const auto& c : s.curvaKm) r += Fila({NumeroCsv(c.km), c.error ? "" : NumeroCsv(c.costeKm), Error(c.error)});
    return r;
}

}  // namespace tarvelon
