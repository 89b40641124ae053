#include "reports/Informes.h"

#include <exception>
#include <optional>
#include <stdexcept>
#include <variant>

#include "data/Texto.h"
#include "model/CostesServicio.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "model/TablaCampos.h"

namespace tarvelon {

namespace {

const std::string kSangria(10, ' ');

// 24 asterisks, the title between blanks, asterisks up to the line's width.
std::string Seccion(std::string_view titulo, size_t ancho)
{
    std::string s = std::string(24, '*') + " " + std::string(titulo) + " ";
    if (s.size() < ancho) s.append(ancho - s.size(), '*');
    return s;
}

std::string Izquierda(std::string texto, int16_t ancho) { return RellenarDerecha(texto, ancho); }
std::string Derecha(std::string texto, int16_t ancho) { return RellenarIzquierda(texto, ancho); }

// Type name, its underline, the annual kilometres and services, an empty line.
void Cabecera(const Simulacion& s, std::vector<std::string>& lineas)
{
    lineas.push_back(kSangria + s.Tipo);
    lineas.push_back(kSangria + RepetirTexto("=", static_cast<int32_t>(LongitudTexto(s.Tipo))));
    lineas.push_back(kSangria + "Kilometros anuales: " + FormatoMiles(s.KilometrajeAnual));
    lineas.push_back(kSangria + EtiquetaCampo("NumeroServiciosAnuales") + ":   " +
                     FormatoMiles(s.NumeroServiciosAnuales));
    lineas.emplace_back();
}

enum class Patron { Dos, Cuatro };

std::string Formato(double v, Patron p)
{
    return p == Patron::Dos ? FormatoDosDecimales(v) : FormatoCuatroDecimales(v);
}

// A result's figure with the pattern of its decimals.
double Valor(const Simulacion& s, const FilaCampo& f) { return s.*std::get<double Simulacion::*>(f.miembro); }
Patron PatronDe(const FilaCampo& f) { return f.decimales == 4 ? Patron::Cuatro : Patron::Dos; }

const FilaCampo& Resultado(std::string_view campo)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    if (!f) throw std::logic_error("campo desconocido: " + std::string(campo));
    return *f;
}

// Detailed report: indent and label in 50 columns, value right-aligned.
void LineaDetalle(std::vector<std::string>& lineas, std::string_view etiqueta, double valor, Patron p,
                  std::string_view sufijo)
{
    const int16_t ancho = p == Patron::Dos ? 12 : 14;
    lineas.push_back(Izquierda(kSangria + std::string(etiqueta), 50) + Derecha(Formato(valor, p), ancho) +
                     std::string(sufijo));
}

// A line of the detailed report: the result under its caption.
void Detalle(std::vector<std::string>& lineas, const Simulacion& s, std::string_view campo, std::string_view sufijo)
{
    const FilaCampo& f = Resultado(campo);
    LineaDetalle(lineas, RotuloDeFila(f) + ": ", Valor(s, f), PatronDe(f), sufijo);
}

// Summary: indent, label in 42 columns, value right-aligned in 14.
void LineaResumen(std::vector<std::string>& lineas, std::string_view etiqueta, double valor, Patron p,
                  std::string_view sufijo)
{
    lineas.push_back(kSangria + Izquierda(std::string(etiqueta), 42) + Derecha(Formato(valor, p), 14) +
                     std::string(sufijo));
}

// A line of the summary: the result under its caption, or under the
// summary's own wording where it differs.
void Resumen(std::vector<std::string>& lineas, const Simulacion& s, std::string_view campo, std::string_view sufijo,
             std::string_view etiqueta = {})
{
    const FilaCampo& f = Resultado(campo);
    LineaResumen(lineas, etiqueta.empty() ? RotuloDeFila(f) + ": " : std::string(etiqueta), Valor(s, f), PatronDe(f),
                 sufijo);
}

// Budget: indent and label in 46 columns, value in 12, always euros. The
// figure is also kept, with its section, for the exports.
class EscritorPresupuesto {
public:
    EscritorPresupuesto(std::vector<std::string>& lineas, std::vector<ConceptoPresupuesto>* conceptos)
        : lineas_(lineas), conceptos_(conceptos)
    {
    }
    void Seccion(std::string_view titulo, size_t ancho)
    {
        lineas_.push_back(tarvelon::Seccion(titulo, ancho));
        seccion_ = titulo;
    }
    void Linea(std::string_view etiqueta, double valor)
    {
        lineas_.push_back(Izquierda(kSangria + std::string(etiqueta), 46) + Derecha(FormatoDosDecimales(valor), 12) +
                          " €");
        if (conceptos_) {
            std::string_view e = etiqueta;
            while (!e.empty() && (e.back() == ' ' || e.back() == ':')) e.remove_suffix(1);
            conceptos_->push_back({std::string(seccion_), std::string(e), valor});
        }
    }

private:
    std::vector<std::string>& lineas_;
    std::vector<ConceptoPresupuesto>* conceptos_;
    std::string_view seccion_;
};

void Presupuesto(const Simulacion& s, std::string_view km, std::string_view horas, std::vector<std::string>& lineas,
                 std::vector<ConceptoPresupuesto>* conceptos);

// A budget figure, or the failure that kept it from being computed: the
// budget then ends where that figure would stand.
template <class T>
const T& Exigir(const std::optional<T>& cifra, const std::exception_ptr& error)
{
    if (!cifra) std::rethrow_exception(error);
    return *cifra;
}

}  // namespace

void InformeDetallado(const Simulacion& s, std::vector<std::string>& lineas)
{
    constexpr size_t kAncho = 72;
    Cabecera(s, lineas);
    lineas.push_back(Seccion("COSTES FIJOS", kAncho));
    Detalle(lineas, s, "CosteAnualAmortizacion", " €");
    Detalle(lineas, s, "CosteAnualDeFinanciacion", " €");
    Detalle(lineas, s, "CosteAnualDePersonal", " €");
    Detalle(lineas, s, "CosteAnualCargasFiscales", " €");
    Detalle(lineas, s, "CosteAnualSegurosDelVehiculo", " €");
    Detalle(lineas, s, "CosteAnualOtrosGastosFijos", " €");
    Detalle(lineas, s, "CostesFijosAnuales", " €");
    Detalle(lineas, s, "CostesFijosAnualesporKm", " €/Km");
    Detalle(lineas, s, "CostesFijosAnualesporServicio", " €");
    lineas.push_back(Seccion("COSTES VARIABLES", kAncho));
    Detalle(lineas, s, "CosteAnualCombustible", " €");
    Detalle(lineas, s, "CosteAnualDietas", " €");
    Detalle(lineas, s, "CosteAnualNeumaticos", " €");
    Detalle(lineas, s, "CosteAnualMantenimiento", " €");
    Detalle(lineas, s, "CosteAnualPeajes", " €");
    Detalle(lineas, s, "CostesVariablesAnuales", " €");
    Detalle(lineas, s, "CostesVariablesAnualesporKm", " €/Km");
    Detalle(lineas, s, "CostesVariablesAnualesporServicio", " €/Serv");
    lineas.push_back(Seccion("COSTES DIRECTOS", kAncho));
    Detalle(lineas, s, "CostesDirectosAnuales", " €");
    Detalle(lineas, s, "CostesDirectosporKm", " €/Km");
    Detalle(lineas, s, "CostesDirectosporServicio", " €/Serv");
    lineas.push_back(Seccion("COSTES INDIRECTOS", kAncho));
    Detalle(lineas, s, "CostesInDirectosAnuales", " €");
    Detalle(lineas, s, "CostesInDirectosporKm", " €/Km");
    Detalle(lineas, s, "CostesInDirectosporServicio", " €/Serv");
    lineas.push_back(Seccion("COSTES POR DIAS", kAncho));
    Detalle(lineas, s, "CostesFijosPorDia", " €/Día");
    Detalle(lineas, s, "CostesFijosPorHora", " €/Hora");
}

void InformeResumen(const Simulacion& s, std::vector<std::string>& lineas)
{
    constexpr size_t kAncho = 76;
    Cabecera(s, lineas);
    lineas.push_back(Seccion("COSTES TOTALES POR KILOMETRO", kAncho));
    Resumen(lineas, s, "CostesFijosAnualesporKm", " €/Km");
    Resumen(lineas, s, "CostesVariablesAnualesporKm", " €/Km");
    Resumen(lineas, s, "CostesDirectosporKm", " €/Km", "Costes Directos Anuales por Km: ");
    Resumen(lineas, s, "CostesInDirectosporKm", " €/Km", "Costes Indirectos Anuales por Km: ");
    lineas.emplace_back();
    lineas.push_back(Seccion("COSTES TOTALES POR SERVICIO", kAncho));
    Resumen(lineas, s, "CostesFijosAnualesporServicio", " €/Serv", "Costes Fijos por Servicio: ");
    Resumen(lineas, s, "CostesVariablesAnualesporServicio", " €/Serv");
    Resumen(lineas, s, "CostesDirectosporServicio", " €/Serv", "Costes Directos Anuales por Servicio: ");
    Resumen(lineas, s, "CostesInDirectosporServicio", " €/Serv", "Costes Indirectos Anuales por Servicio: ");
    lineas.emplace_back();
    lineas.push_back(Seccion("COSTES POR TIEMPO", kAncho));
    Resumen(lineas, s, "CostesFijosPorDia", " €/Día");
    Resumen(lineas, s, "CostesFijosPorHora", " €/Hora");
}

void InformePresupuesto(const Simulacion& s, std::string_view km, std::string_view horas,
                        std::vector<std::string>& lineas)
{
    Presupuesto(s, km, horas, lineas, nullptr);
}

std::vector<ConceptoPresupuesto> ConceptosPresupuesto(const Simulacion& s, std::string_view km, std::string_view horas)
{
    std::vector<std::string> lineas;
    std::vector<ConceptoPresupuesto> conceptos;
    Presupuesto(s, km, horas, lineas, &conceptos);
    return conceptos;
}

namespace {

void Presupuesto(const Simulacion& s, std::string_view km, std::string_view horas, std::vector<std::string>& lineas,
                 std::vector<ConceptoPresupuesto>* conceptos)
{
    EscritorPresupuesto escritor(lineas, conceptos);
    constexpr size_t kAncho = 67;
    const CostesServicio c = CalcularCostesServicio(s, km, horas);
    lineas.push_back(kSangria + s.Tipo);
    lineas.push_back(kSangria + RepetirTexto("=", static_cast<int32_t>(LongitudTexto(s.Tipo))));
    lineas.emplace_back(" ");
    lineas.push_back(kSangria + "Resultado del cálculo de costes");
    lineas.emplace_back(" ");
    lineas.push_back(kSangria + "Costes calculados para un servicio de");
    lineas.push_back(kSangria + std::string(km) + " kilómetros y " + std::string(horas) + " horas");
    lineas.emplace_back();
    escritor.Seccion("COSTES FIJOS", kAncho);

    const CostesFijosServicio& fijos = Exigir(c.fijos, c.error);
    escritor.Linea("Amortización: ", fijos.amortizacion);
    escritor.Linea("Financiación: ", fijos.financiacion);
    escritor.Linea("Personal: ", fijos.personal);
    escritor.Linea("Cargas Fiscales: ", fijos.cargasFiscales);
    escritor.Linea("Seguros Vehículo: ", fijos.seguros);
    escritor.Linea(RotuloCampo("CosteAnualOtrosGastosFijos") + ": ", fijos.otros);
    escritor.Linea("Total Costes Fijos: ", fijos.total);
    escritor.Seccion("COSTES VARIABLES", kAncho);

    const CostesVariablesServicio& variables = Exigir(c.variables, c.error);
    escritor.Linea(RotuloCampo("CosteAnualCombustible") + ": ", variables.combustible);
    escritor.Linea(RotuloCampo("CosteAnualDietas") + ": ", variables.dietas);
    escritor.Linea(RotuloCampo("CosteAnualNeumaticos") + ": ", variables.neumaticos);
    escritor.Linea(RotuloCampo("CosteAnualMantenimiento") + ": ", variables.mantenimiento);
    escritor.Linea(RotuloCampo("CosteAnualPeajes") + ": ", variables.peajes);
    escritor.Linea("Total Costes Variables: ", variables.total);

    const double directos = Exigir(c.directos, c.error);
    escritor.Seccion("COSTES DIRECTOS", kAncho);
    escritor.Linea("Total Costes Directos del Servicio: ", directos);
    escritor.Seccion("COSTES INDIRECTOS", kAncho);
    escritor.Linea("Costes Indirectos: ", c.indirectos);
    const double totales = Exigir(c.totales, c.error);
    escritor.Seccion("COSTES TOTALES", kAncho);
    escritor.Linea("Costes Totales: ", totales);
}

}  // namespace

std::vector<std::string> LineasDeMensajes(std::string_view texto)
{
    std::vector<std::string> lineas;
    while (!texto.empty()) {
        const size_t p = texto.find("\r\n");
        if (p == std::string_view::npos) {
            lineas.emplace_back(texto);
            break;
        }
        lineas.emplace_back(texto.substr(0, p));
        texto.remove_prefix(p + 2);
    }
    return lineas;
}

}  // namespace tarvelon
