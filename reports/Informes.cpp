#include "reports/Informes.h"

#include <exception>
#include <optional>

#include "data/Texto.h"
#include "model/CostesServicio.h"
#include "model/Numeros.h"

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
    lineas.push_back(kSangria + "Servicios anuales:   " + FormatoMiles(s.NumeroServiciosAnuales));
    lineas.emplace_back();
}

enum class Patron { Dos, Cuatro };

std::string Formato(double v, Patron p)
{
    return p == Patron::Dos ? FormatoDosDecimales(v) : FormatoCuatroDecimales(v);
}

// Detailed report: indent and label in 50 columns, value right-aligned.
void LineaDetalle(std::vector<std::string>& lineas, std::string_view etiqueta, double valor, Patron p,
                  std::string_view sufijo)
{
    const int16_t ancho = p == Patron::Dos ? 12 : 14;
    lineas.push_back(Izquierda(kSangria + std::string(etiqueta), 50) + Derecha(Formato(valor, p), ancho) +
                     std::string(sufijo));
}

// Summary: indent, label in 42 columns, value right-aligned in 14.
void LineaResumen(std::vector<std::string>& lineas, std::string_view etiqueta, double valor, Patron p,
                  std::string_view sufijo)
{
    lineas.push_back(kSangria + Izquierda(std::string(etiqueta), 42) + Derecha(Formato(valor, p), 14) +
                     std::string(sufijo));
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
    LineaDetalle(lineas, "Coste Anual Amortización: ", s.CosteAnualAmortizacion, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual de Financiación: ", s.CosteAnualDeFinanciacion, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Fijo Personal: ", s.CosteAnualDePersonal, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual de Cargas Fiscales: ", s.CosteAnualCargasFiscales, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual Seguros Veh.: ", s.CosteAnualSegurosDelVehiculo, Patron::Dos, " €");
    LineaDetalle(lineas, "Otros Gastos Fijos: ", s.CosteAnualOtrosGastosFijos, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Fijos Anuales: ", s.CostesFijosAnuales, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Fijos por Km: ", s.CostesFijosAnualesporKm, Patron::Cuatro, " €/Km");
    LineaDetalle(lineas, "Costes Fijos por Servicio (€/Serv): ", s.CostesFijosAnualesporServicio, Patron::Dos, " €");
    lineas.push_back(Seccion("COSTES VARIABLES", kAncho));
    LineaDetalle(lineas, "Coste Anual Combustible: ", s.CosteAnualCombustible, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual Dietas: ", s.CosteAnualDietas, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual Neumáticos: ", s.CosteAnualNeumaticos, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual Mantenimiento y Rep: ", s.CosteAnualMantenimiento, Patron::Dos, " €");
    LineaDetalle(lineas, "Coste Anual Peajes: ", s.CosteAnualPeajes, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Variables Anuales: ", s.CostesVariablesAnuales, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Variables por Km: ", s.CostesVariablesAnualesporKm, Patron::Cuatro, " €/Km");
    LineaDetalle(lineas, "Costes Variables por Servicio: ", s.CostesVariablesAnualesporServicio, Patron::Dos,
                 " €/Serv");
    lineas.push_back(Seccion("COSTES DIRECTOS", kAncho));
    LineaDetalle(lineas, "Costes Directos Anuales: ", s.CostesDirectosAnuales, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Directos por Km: ", s.CostesDirectosporKm, Patron::Cuatro, " €/Km");
    LineaDetalle(lineas, "Costes Directos por Servicios: ", s.CostesDirectosporServicio, Patron::Dos, " €/Serv");
    lineas.push_back(Seccion("COSTES INDIRECTOS", kAncho));
    LineaDetalle(lineas, "Costes Indirectos Anuales: ", s.CostesInDirectosAnuales, Patron::Dos, " €");
    LineaDetalle(lineas, "Costes Indirectos por Km: ", s.CostesInDirectosporKm, Patron::Cuatro, " €/Km");
    LineaDetalle(lineas, "Costes Indirectos por Servicios: ", s.CostesInDirectosporServicio, Patron::Dos, " €/Serv");
    lineas.push_back(Seccion("COSTES POR DIAS", kAncho));
    LineaDetalle(lineas, "Costes Fijos Por Días: ", s.CostesFijosPorDia, Patron::Dos, " €/Día");
    LineaDetalle(lineas, "Costes Fijos Por Horas: ", s.CostesFijosPorHora, Patron::Dos, " €/Hora");
}

void InformeResumen(const Simulacion& s, std::vector<std::string>& lineas)
{
    constexpr size_t kAncho = 76;
    Cabecera(s, lineas);
    lineas.push_back(Seccion("COSTES TOTALES POR KILOMETRO", kAncho));
    LineaResumen(lineas, "Costes Fijos por Km: ", s.CostesFijosAnualesporKm, Patron::Cuatro, " €/Km");
    LineaResumen(lineas, "Costes Variables por Km: ", s.CostesVariablesAnualesporKm, Patron::Cuatro, " €/Km");
    LineaResumen(lineas, "Costes Directos Anuales por Km: ", s.CostesDirectosporKm, Patron::Cuatro, " €/Km");
    LineaResumen(lineas, "Costes Indirectos Anuales por Km: ", s.CostesInDirectosporKm, Patron::Cuatro, " €/Km");
    lineas.emplace_back();
    lineas.push_back(Seccion("COSTES TOTALES POR SERVICIO", kAncho));
    LineaResumen(lineas, "Costes Fijos por Servicio: ", s.CostesFijosAnualesporServicio, Patron::Dos, " €/Serv");
    LineaResumen(lineas, "Costes Variables por Servicio: ", s.CostesVariablesAnualesporServicio, Patron::Dos,
                 " €/Serv");
    LineaResumen(lineas, "Costes Directos Anuales por Servicio: ", s.CostesDirectosporServicio, Patron::Dos, " €/Serv");
    LineaResumen(lineas, "Costes Indirectos Anuales por Servicio: ", s.CostesInDirectosporServicio, Patron::Dos,
                 " €/Serv");
    lineas.emplace_back();
    lineas.push_back(Seccion("COSTES POR TIEMPO", kAncho));
    LineaResumen(lineas, "Costes Fijos Por Días: ", s.CostesFijosPorDia, Patron::Dos, " €/Día");
    LineaResumen(lineas, "Costes Fijos Por Horas: ", s.CostesFijosPorHora, Patron::Dos, " €/Hora");
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
    escritor.Linea("Otros Gastos Fijos: ", fijos.otros);
    escritor.Linea("Total Costes Fijos: ", fijos.total);
    escritor.Seccion("COSTES VARIABLES", kAncho);

    const CostesVariablesServicio& variables = Exigir(c.variables, c.error);
    escritor.Linea("Coste Anual Combustible: ", variables.combustible);
    escritor.Linea("Coste Anual Dietas: ", variables.dietas);
    escritor.Linea("Coste Anual Neumáticos: ", variables.neumaticos);
    escritor.Linea("Coste Anual Mantenimiento y Rep: ", variables.mantenimiento);
    escritor.Linea("Coste Anual Peajes: ", variables.peajes);
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
