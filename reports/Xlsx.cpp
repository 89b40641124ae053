#include "reports/Xlsx.h"

#include <sys/stat.h>
#include <xlsxwriter.h>

#include <optional>
#include <string>
#include <variant>

#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "model/TablaCampos.h"
#include "reports/LibroXlsx.h"

namespace tarvelon {

namespace {

// The detailed report's figures, by section; caption and format from the field table.
struct FilaResumen {
    const char* seccion;
    const char* campo;
};

const FilaResumen kResumen[] = {
    {"Costes fijos", "CosteAnualAmortizacion"},
    {"Costes fijos", "CosteAnualDeFinanciacion"},
    {"Costes fijos", "CosteAnualDePersonal"},
    {"Costes fijos", "CosteAnualCargasFiscales"},
    {"Costes fijos", "CosteAnualSegurosDelVehiculo"},
    {"Costes fijos", "CosteAnualOtrosGastosFijos"},
    {"Costes fijos", "CostesFijosAnuales"},
    {"Costes fijos", "CostesFijosAnualesporKm"},
    {"Costes fijos", "CostesFijosAnualesporServicio"},
    {"Costes variables", "CosteAnualCombustible"},
    {"Costes variables", "CosteAnualDietas"},
    {"Costes variables", "CosteAnualNeumaticos"},
    {"Costes variables", "CosteAnualMantenimiento"},
    {"Costes variables", "CosteAnualPeajes"},
    {"Costes variables", "CostesVariablesAnuales"},
    {"Costes variables", "CostesVariablesAnualesporKm"},
    {"Costes variables", "CostesVariablesAnualesporServicio"},
    {"Costes directos", "CostesDirectosAnuales"},
    {"Costes directos", "CostesDirectosporKm"},
    {"Costes directos", "CostesDirectosporServicio"},
    {"Costes indirectos", "CostesInDirectosAnuales"},
    {"Costes indirectos", "CostesInDirectosporKm"},
    {"Costes indirectos", "CostesInDirectosporServicio"},
    {"Costes por días", "CostesFijosPorDia"},
    {"Costes por días", "CostesFijosPorHora"},
};

// The workbook and the formats of its sheets.
class Libro : public LibroXlsx {
public:
    Libro(const std::string& ruta, std::string carpeta) : LibroXlsx(ruta, std::move(carpeta))
    {
        negrita_ = Negrita();
        euros_ = Formato("#,##0.00 \"€\"");
        eurosKm_ = Formato("#,##0.0000 \"€/km\"");
        miles_ = Formato("#,##0");
        dos_ = Formato("#,##0.00");
        valor_ = Formato("#,##0.00##");
        cambioKm_ = Formato("+#,##0.0000 \"€/km\";-#,##0.0000 \"€/km\";0.0000 \"€/km\"");
        porcentaje_ = Formato("0.00\" %\"");
    }

    lxw_format *negrita_, *euros_, *eurosKm_, *miles_, *dos_, *valor_, *cambioKm_, *porcentaje_;
};

// Column widths in characters; the same widths in pixels size the charts
// (a column of w characters is w × 7 + 5 pixels wide in the default font).
void Anchos(lxw_worksheet* h, std::initializer_list<double> anchos)
{
    lxw_col_t c = 0;
    for (double a : anchos) worksheet_set_column(h, c, c, a, nullptr), ++c;
}

double Pixeles(std::initializer_list<double> anchos)
{
    double p = 0;
    for (double a : anchos) p += a * 7 + 5;
    return p;
}

// A chart `ancho` × `alto` pixels with its top left corner on a cell.
void Insertar(lxw_worksheet* h, int fila, int col, lxw_chart* g, double ancho, double alto)
{
    lxw_chart_options o{};
    o.x_scale = ancho / 480;  // the library's charts are 480 × 288 pixels
    o.y_scale = alto / 288;
    worksheet_insert_chart_opt(h, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(col), g, &o);
}

void Cabeceras(lxw_worksheet* h, int fila, std::initializer_list<std::string> titulos, Libro& l)
{
    int col = 0;
    for (const auto& t : titulos) Libro::Texto(h, fila, col++, t, l.negrita_);
}

// Per-km results in €/km with four decimals, amounts in euros, the rest
// (services) a plain number, as the field table says.
lxw_format* FormatoResultado(const Libro& l, std::string_view campo)
{
    const FilaCampo* f = BuscarFilaCampo(campo);
    if (f && f->porKm) return l.eurosKm_;
    return f && std::string_view(f->unidad).starts_with("€") ? l.euros_ : l.dos_;
}

void HojaResumen(Libro& l, const Simulacion& s)
{
    lxw_worksheet* h = l.Hoja("Resumen");
    Anchos(h, {20, 34, 18});
    Libro::Texto(h, 0, 0, "Tipo", l.negrita_);
    Libro::Texto(h, 0, 1, s.Tipo);
    Libro::Texto(h, 1, 0, "Kilómetros anuales");
    Libro::Numero(h, 1, 2, s.KilometrajeAnual, l.miles_);
    Libro::Texto(h, 2, 0, EtiquetaCampo("NumeroServiciosAnuales"));
    Libro::Numero(h, 2, 2, s.NumeroServiciosAnuales, l.miles_);
    int fila = 4;
    for (const auto& r : kResumen) {
        const FilaCampo& f = *BuscarFilaCampo(r.campo);
        Libro::Texto(h, fila, 0, r.seccion);
        Libro::Texto(h, fila, 1, RotuloDeFila(f));
        Libro::Numero(h, fila, 2, s.*std::get<double Simulacion::*>(f.miembro), FormatoResultado(l, r.campo));
        ++fila;
    }
}

// The table, and the pie chart below it: both on the sheet's first page.
void HojaEstructura(Libro& l, const Simulacion& s)
{
    const EstructuraCostes e = Estructura(s);
    lxw_worksheet* h = l.Hoja("Estructura");
    const auto anchos = {28.0, 16.0, 16.0, 14.0};
    Anchos(h, anchos);
    Cabeceras(h, 0, {"Componente", "€/año", "€/km", "% del total"}, l);
    int fila = 1;
    for (const auto& c : e.componentes) {
        Libro::Texto(h, fila, 0, c.componente);
        Libro::Numero(h, fila, 1, c.anual, l.euros_);
        Libro::Numero(h, fila, 2, c.porKm, l.eurosKm_);
        if (c.porcentaje) Libro::Numero(h, fila, 3, *c.porcentaje, l.porcentaje_);
        ++fila;
    }
    Libro::Texto(h, fila, 0, "Total", l.negrita_);
    Libro::Numero(h, fila, 1, e.totalAnual, l.euros_);
    Libro::Numero(h, fila, 2, e.totalPorKm, l.eurosKm_);
    Libro::Texto(h, fila + 1, 0, "Total por servicio");
    Libro::Numero(h, fila + 1, 1, e.totalPorServicio, l.euros_);

    lxw_chart* g = l.Grafico(LXW_CHART_PIE);
    lxw_chart_series* serie = chart_add_series(g, nullptr, nullptr);
    chart_series_set_categories(serie, "Estructura", 1, 0, static_cast<lxw_row_t>(fila - 1), 0);
    chart_series_set_values(serie, "Estructura", 1, 1, static_cast<lxw_row_t>(fila - 1), 1);
    chart_title_set_name(g, "Estructura del coste anual");
    Insertar(h, fila + 3, 0, g, Pixeles(anchos), 360);
}

void HojaComparacion(Libro& l, const Comparacion* c)
{
    lxw_worksheet* h = l.Hoja("Comparación");
    Anchos(h, {36, 18, 18, 18, 15});
    if (!c) {
        Libro::Texto(h, 0, 0, "Sin datos de referencia con los que comparar.");
        return;
    }
    Libro::Texto(h, 0, 0, "Simulación", l.negrita_);
    Libro::Texto(h, 0, 1, c->tipoA);
    Libro::Texto(h, 1, 0, "Referencia", l.negrita_);
    Libro::Texto(h, 1, 1, c->tipoB);
    Cabeceras(h, 3, {"Resultado", "Simulación", "Referencia", "Diferencia", "Diferencia (%)"}, l);
    int fila = 4;
    for (const auto& f : c->filas) {
        lxw_format* formato = FormatoResultado(l, f.campo);
        Libro::Texto(h, fila, 0, EtiquetaCampo(f.campo));
        Libro::Numero(h, fila, 1, f.a, formato);
        Libro::Numero(h, fila, 2, f.b, formato);
        Libro::Numero(h, fila, 3, f.diferencia, formato);
        if (f.porcentaje) Libro::Numero(h, fila, 4, *f.porcentaje, l.porcentaje_);
        ++fila;
    }
}

// The tornado chart of the window at the top (so that it is never cut
// across pages), then every input, then the km curve.
constexpr int kBarras = 10;        // inputs in the chart, largest effect first
constexpr int kFilaGrafico = 3;    // its top row
constexpr int kFilasGrafico = 20;  // rows it covers, 20 pixels each
constexpr int kFilaTablaSensibilidad = kFilaGrafico + kFilasGrafico + 1;

void HojaSensibilidad(Libro& l, const Sensibilidad& s)
{
    lxw_worksheet* h = l.Hoja("Sensibilidad");
    const auto anchos = {36.0, 14.0, 24.0, 24.0, 20.0, 20.0};
    Anchos(h, anchos);
    // A column for the errors only when an input or a point did not calculate:
    // its messages are long, and would make the printed page small.
    bool errores = false;
    for (const auto& e : s.entradas) errores = errores || e.error;
    for (const auto& c : s.curvaKm) errores = errores || c.error;
    if (errores) worksheet_set_column(h, 6, 6, 50, nullptr);
    const std::string p = NumeroATexto(s.variacion);
    Libro::Texto(h, 0, 0, "Variación (%)", l.negrita_);
    Libro::Numero(h, 0, 1, s.variacion);
    Libro::Texto(h, 1, 0, "Coste total por km", l.negrita_);
    Libro::Numero(h, 1, 1, s.costeKm, l.eurosKm_);
    int fila = kFilaTablaSensibilidad;
    Cabeceras(h, fila,
              {"Dato", "Valor", "Coste total con −" + p + " %", "Coste total con +" + p + " %",
               "Cambio con −" + p + " %", "Cambio con +" + p + " %"},
              l);
    if (errores) Libro::Texto(h, fila, 6, "Error", l.negrita_);
    int barras = 0;
    for (const auto& e : s.entradas) {
        ++fila;
        Libro::Texto(h, fila, 0, EtiquetaCampo(e.campo));
        Libro::Numero(h, fila, 1, e.valor, l.valor_);
        if (e.error) {
            Libro::Texto(h, fila, 6, MensajeError(ErrorEjecucion(e.error->numero, e.error->descripcion)));
            continue;
        }
        Libro::Numero(h, fila, 2, e.menos, l.eurosKm_);
        Libro::Numero(h, fila, 3, e.mas, l.eurosKm_);
        Libro::Numero(h, fila, 4, e.menos - s.costeKm, l.cambioKm_);
        Libro::Numero(h, fila, 5, e.mas - s.costeKm, l.cambioKm_);
        barras += barras < kBarras;  // failing inputs come last
    }
    if (barras > 0) {
        // Bars either side of zero: what each input moves the cost per km.
        lxw_chart* g = l.Grafico(LXW_CHART_BAR);
        const auto primera = static_cast<lxw_row_t>(kFilaTablaSensibilidad + 1);
        const auto ultima = static_cast<lxw_row_t>(kFilaTablaSensibilidad + barras);
        // The window's colours: −p violet, +p teal.
        lxw_chart_fill rellenos[] = {{0x7060B0, 0, 0}, {0x40A0A0, 0, 0}};
        for (lxw_col_t col : {4, 5}) {
            lxw_chart_series* serie = chart_add_series(g, nullptr, nullptr);
            chart_series_set_categories(serie, "Sensibilidad", primera, 0, ultima, 0);
            chart_series_set_values(serie, "Sensibilidad", primera, col, ultima, col);
            chart_series_set_name_range(serie, "Sensibilidad", kFilaTablaSensibilidad, col);
            chart_series_set_fill(serie, &rellenos[col - 4]);
        }
        chart_set_series_overlap(g, 100);
        chart_set_series_gap(g, 40);
        // In a bar chart the library's y axis holds the categories, upright.
        chart_axis_set_reverse(g->y_axis);  // largest effect at the top, the scale still below
        chart_axis_set_crossing_max(g->y_axis);
        chart_axis_set_label_position(g->y_axis, LXW_CHART_AXIS_LABEL_POSITION_LOW);
        chart_axis_set_num_format(g->x_axis, "+0.000;-0.000;0");
        chart_axis_set_name(g->x_axis,
                            ("€/km sobre la base de " + FormatoCuatroDecimales(s.costeKm) + " €/km").c_str());
        chart_title_set_name(g, "Sensibilidad del coste total por km");
        chart_legend_set_position(g, LXW_CHART_LEGEND_BOTTOM);
        Insertar(h, kFilaGrafico, 0, g, Pixeles(anchos), kFilasGrafico * 20);
    }
    fila += 2;
    Cabeceras(h, fila, {"Kilómetros anuales", "Coste total por km"}, l);
    for (const auto& c : s.curvaKm) {
        ++fila;
        Libro::Numero(h, fila, 0, c.km, l.miles_);
        if (c.error) Libro::Texto(h, fila, 6, MensajeError(ErrorEjecucion(c.error->numero, c.error->descripcion)));
        else Libro::Numero(h, fila, 1, c.costeKm, l.eurosKm_);
    }
}

// The results of each technology, then the cumulative present cost year by
// year with its line chart beside it.
void HojaTecnologias(Libro& l, const CosteVidaTecnologias& c)
{
    lxw_worksheet* h = l.Hoja("Tecnologías");
    Anchos(h, {34, 18, 18, 18, 20});
    const int n = static_cast<int>(c.tecnologias.size());
    Libro::Texto(h, 0, 0, "Coste de vida por tecnología", l.negrita_);
    Libro::Texto(h, 1, 0,
                 "Horizonte " + std::to_string(c.horizonte) + " años desde " + std::to_string(c.primerAnio) +
                     "; tasa " + FormatoDosDecimales(c.tasa) + " %; " + FormatoMiles(c.kilometros) + " km al año");
    Libro::Texto(h, 3, 0, "Resultado", l.negrita_);
    using Opcional = std::optional<double>;
    const std::pair<const char*, lxw_format*> filas[] = {{"Capital inicial (€)", l.euros_},
                                                         {"Coste del año 1 (€)", l.euros_},
                                                         {"Valor presente (€)", l.euros_},
                                                         {"Coste por km (€/km)", l.eurosKm_},
                                                         {"Año de equilibrio", nullptr},
                                                         {"Recuperación (años)", l.dos_},
                                                         {"Km de equilibrio (km/año)", l.miles_},
                                                         {"CO2 del depósito a la rueda (t/año)", l.dos_},
                                                         {"CO2 del depósito a la rueda (g/km)", l.dos_},
                                                         {"CO2 del pozo a la rueda (t/año)", l.dos_},
                                                         {"CO2 del pozo a la rueda (g/km)", l.dos_}};
    for (int t = 0; t < n; ++t) {
        const ResultadoTecnologia& r = c.tecnologias[static_cast<size_t>(t)];
        Libro::Texto(h, 3, t + 1, r.nombre, l.negrita_);
        const Opcional valores[] = {r.capitalInicial,
                                    r.anios.empty() ? Opcional() : r.anios[0].total,
                                    r.valorPresente,
                                    r.costeKm,
                                    r.anioEquilibrio ? Opcional(c.primerAnio + *r.anioEquilibrio - 1) : Opcional(),
                                    r.recuperacionAnios,
                                    r.kmEquilibrio,
                                    r.ttwTAnio,
                                    r.ttwGKm,
                                    r.wtwTAnio,
                                    r.wtwGKm};
        for (int f = 0; f < static_cast<int>(std::size(filas)); ++f) {
            // Break-even and payback are against diesel: diesel has none.
            if (valores[f]) Libro::Numero(h, 4 + f, t + 1, *valores[f], filas[f].second);
            else Libro::Texto(h, 4 + f, t + 1, t == 0 || f < 4 || f > 6 ? "—" : "ninguno");
        }
    }
    for (int f = 0; f < static_cast<int>(std::size(filas)); ++f) Libro::Texto(h, 4 + f, 0, filas[f].first);
    const int tabla = 17;
    Libro::Texto(h, tabla - 1, 0, "Coste presente acumulado (€)", l.negrita_);
    Libro::Texto(h, tabla, 0, "Año (0 = compra)", l.negrita_);
    const int anios = c.horizonte;
    for (int y = 0; y <= anios; ++y) Libro::Numero(h, tabla + 1 + y, 0, y);
    lxw_chart* g = l.Grafico(LXW_CHART_LINE);
    for (int t = 0; t < n; ++t) {
        const ResultadoTecnologia& r = c.tecnologias[static_cast<size_t>(t)];
        Libro::Texto(h, tabla, t + 1, r.nombre, l.negrita_);
        Libro::Numero(h, tabla + 1, t + 1, r.capitalInicial, l.euros_);
        for (const auto& a : r.anios) Libro::Numero(h, tabla + 1 + a.anio, t + 1, a.acumulado, l.euros_);
        lxw_chart_series* serie = chart_add_series(g, nullptr, nullptr);
        const auto desde = static_cast<lxw_row_t>(tabla + 1), hasta = static_cast<lxw_row_t>(tabla + 1 + anios);
        chart_series_set_categories(serie, "Tecnologías", desde, 0, hasta, 0);
        chart_series_set_values(serie, "Tecnologías", desde, static_cast<lxw_col_t>(t + 1), hasta,
                                static_cast<lxw_col_t>(t + 1));
        chart_series_set_name_range(serie, "Tecnologías", static_cast<lxw_row_t>(tabla), static_cast<lxw_col_t>(t + 1));
    }
    chart_title_set_name(g, "Coste presente acumulado");
    chart_axis_set_name(g->x_axis, "Año (0 = compra)");
    chart_axis_set_name(g->y_axis, "€");
    chart_axis_set_num_format(g->y_axis, "#,##0");
    chart_legend_set_position(g, LXW_CHART_LEGEND_BOTTOM);
    Insertar(h, tabla + anios + 3, 0, g, Pixeles({34, 18, 18, 18, 20}), 340);
}

}  // namespace

void GrabarXlsx(const std::string& ruta, const Simulacion& calculada, const Comparacion* comparacion,
                const Sensibilidad& sensibilidad, const CosteVidaTecnologias* tecnologias)
{
    // Assembled beside the target (not in the temporary folder, where a killed
    // run would leave it) and put in its place only once complete.
    EscrituraAtomica destino(ruta);
    {
        Libro libro(destino.Temporal(), destino.Carpeta());
        HojaResumen(libro, calculada);
        HojaEstructura(libro, calculada);
        HojaComparacion(libro, comparacion);
        HojaSensibilidad(libro, sensibilidad);
        if (tecnologias) HojaTecnologias(libro, *tecnologias);
        libro.Cerrar();
    }
    struct stat st {};
    if (::stat(destino.Temporal().c_str(), &st) != 0 || st.st_size == 0) throw ErrorEjecucion(kErrorES);
    destino.Completar();
}

}  // namespace tarvelon
