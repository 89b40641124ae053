#include "reports/ExportacionFlota.h"

#include <sys/stat.h>
#include <xlsxwriter.h>

#include <array>

#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Analisis.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "reports/InformesFlota.h"
#include "reports/LibroXlsx.h"

namespace tarvelon {

namespace {

// cppcheck does not follow the members through the loops over kFiguras.
struct Figura {
    // cppcheck-suppress unusedStructMember
    const char* titulo;
    double CifrasVehiculo::*miembro;
    int formato;  // index into Hojas::formatos_
};

enum { kMiles, kDos, kEurosKm, kEuros, kNinguno };

const std::array<Figura, 7> kFiguras = {{
    {"Km anuales", &CifrasVehiculo::km, kMiles},
    {"Servicios/año", &CifrasVehiculo::servicios, kDos},
    {"€/km", &CifrasVehiculo::costeKm, kEurosKm},
    {"€/servicio", &CifrasVehiculo::costeServicio, kEuros},
    {"€/año", &CifrasVehiculo::costeAnual, kEuros},
    {"Litros/año", &CifrasVehiculo::litros, kMiles},
    {"CO2 t/año", &CifrasVehiculo::co2, kDos},
}};

FilaSiEntonces Fila(const VehiculoFlota& v)
{
    FilaSiEntonces f;
    f.fichero = v.fichero;
    f.tipo = v.tipo;
    f.cifras.antes = v.antes;
    f.cifras.despues = v.despues;
    if (!v.antes || !v.despues) f.error = v.error.empty() ? "Sin cifras" : v.error;
    return f;
}

// The workbook being written and its formats: plain and bold-with-a-rule
// for the totals row, in thousands, two decimals, €/km and €.
class Libro : public LibroXlsx {
public:
    Libro(const std::string& ruta, std::string carpeta) : LibroXlsx(ruta, std::move(carpeta))
    {
        const char* patrones[] = {"#,##0", "#,##0.00", "#,##0.0000 \"€/km\"", "#,##0.00 \"€\""};
        for (int i = 0; i < 4; ++i) {
            formatos_[i] = Formato(patrones[i]);
            totales_[i] = Formato(patrones[i]);
            format_set_bold(totales_[i]);
            format_set_top(totales_[i], LXW_BORDER_THIN);
        }
    }
    lxw_worksheet* Hoja(const char* nombre) { return LibroXlsx::Hoja(nombre, true); }
    void Texto(lxw_worksheet* h, int fila, int col, std::string_view t, bool negrita = false)
    {
        LibroXlsx::Texto(h, fila, col, t, negrita ? Negrita() : nullptr);
    }
    void Numero(lxw_worksheet* h, int fila, int col, double v, int formato, bool total = false)
    {
        lxw_format* f = formato == kNinguno ? nullptr : total ? totales_[formato] : formatos_[formato];
        LibroXlsx::Numero(h, fila, col, v, f);
    }
    void Cabeceras(lxw_worksheet* h, int fila, const std::vector<std::string>& titulos)
    {
        for (size_t c = 0; c < titulos.size(); ++c) Texto(h, fila, static_cast<int>(c), titulos[c], true);
        worksheet_freeze_panes(h, static_cast<lxw_row_t>(fila + 1), 0);
    }

private:
    std::array<lxw_format*, 4> formatos_{};
    std::array<lxw_format*, 4> totales_{};
};

std::string Totales(const SumaFlota& suma)
{
    const long n = suma.antes.vehiculos();
    return "Totales (" + EnteroATexto(n) + (n == 1 ? " vehículo)" : " vehículos)");
}

void HojaFlota(Libro& l, const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma)
{
    lxw_worksheet* h = l.Hoja("Flota");
    std::vector<std::string> titulos = {"Fichero", "Tipo de vehículo"};
    for (const auto& f : kFiguras) titulos.emplace_back(f.titulo);
    titulos.emplace_back("Motivo");
    l.Cabeceras(h, 0, titulos);
    int fila = 1;
    for (const VehiculoFlota* v : vehiculos) {
        l.Texto(h, fila, 0, v->fichero);
        l.Texto(h, fila, 1, v->tipo);
        if (v->antes)
            for (size_t i = 0; i < kFiguras.size(); ++i)
                l.Numero(h, fila, static_cast<int>(i) + 2, (*v->antes).*kFiguras[i].miembro, kFiguras[i].formato);
        if (v->fallo != FalloVehiculo::Ninguno) l.Texto(h, fila, 9, v->error);
        ++fila;
    }
    l.Texto(h, fila, 0, Totales(suma), true);
    const CifrasVehiculo t = suma.antes.Total();
    for (size_t i = 0; i < kFiguras.size(); ++i)
        l.Numero(h, fila, static_cast<int>(i) + 2, t.*kFiguras[i].miembro, kFiguras[i].formato, true);
    l.Texto(h, fila + 2, 0, "€/km y €/servicio de los totales: medias ponderadas por los km.");
    worksheet_autofilter(h, 0, 0, static_cast<lxw_row_t>(fila - 1), 9);
    worksheet_set_column(h, 0, 0, 40, nullptr);
    worksheet_set_column(h, 1, 1, 28, nullptr);
    worksheet_set_column(h, 2, 8, 15, nullptr);
    worksheet_set_column(h, 9, 9, 60, nullptr);
}

void HojaEstructura(Libro& l, const SumaFlota& suma)
{
    lxw_worksheet* h = l.Hoja("Estructura");
    l.Cabeceras(h, 0, {"Componente", "Antes (€/año)", "Después (€/año)", "Diferencia (€/año)"});
    const CifrasVehiculo a = suma.antes.Total(), d = suma.despues.Total();
    int fila = 1;
    auto escribir = [&](std::string_view nombre, double x, double y, bool total) {
        l.Texto(h, fila, 0, nombre, total);
        l.Numero(h, fila, 1, x, kEuros, total);
        l.Numero(h, fila, 2, y, kEuros, total);
        l.Numero(h, fila, 3, DiferenciaSiEntonces(x, y), kEuros, total);
        ++fila;
    };
    for (size_t i = 0; i < a.componentes.size(); ++i)
        escribir(NombresComponentes()[i], a.componentes[i], d.componentes[i], false);
    escribir("Precio del CO2", a.costeCo2, d.costeCo2, false);
    escribir(Totales(suma), a.costeAnual, d.costeAnual, true);
    worksheet_set_column(h, 0, 0, 32, nullptr);
    worksheet_set_column(h, 1, 3, 20, nullptr);
    lxw_chart* g = l.Grafico(LXW_CHART_BAR);
    for (int col : {1, 2}) {
        lxw_chart_series* serie = chart_add_series(g, nullptr, nullptr);
        chart_series_set_categories(serie, "Estructura", 1, 0, static_cast<lxw_row_t>(fila - 2), 0);
        chart_series_set_values(serie, "Estructura", 1, static_cast<lxw_col_t>(col), static_cast<lxw_row_t>(fila - 2),
                                static_cast<lxw_col_t>(col));
        chart_series_set_name_range(serie, "Estructura", 0, static_cast<lxw_col_t>(col));
    }
    chart_axis_set_reverse(g->y_axis);  // the first component at the top
    chart_title_set_name(g, "Estructura del coste de la flota (€/año)");
    chart_legend_set_position(g, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options o{};
    o.x_scale = 1.6;
    o.y_scale = 1.6;
    worksheet_insert_chart_opt(h, static_cast<lxw_row_t>(fila + 1), 0, g, &o);
}

void HojaSiEntonces(Libro& l, const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma,
                    const CambiosFlota& c)
{
    // A sheet name cannot hold "?": the full-width question mark reads the same.
    lxw_worksheet* h = l.Hoja("¿Y si…？");
    const std::pair<const char*, double> cambios[] = {{"Precio del gasóleo (%)", c.gasoleo},
                                                      {"Salarios (%)", c.salarios},
                                                      {"Peajes (%)", c.peajes},
                                                      {"Mantenimiento (%)", c.mantenimiento},
                                                      {"Kilómetros anuales (%)", c.km},
                                                      {"Precio del CO2 (€/t)", c.precioCo2}};
    l.Texto(h, 0, 0, "Cambios aplicados", true);
    int fila = 1;
    for (const auto& [nombre, valor] : cambios) {
        l.Texto(h, fila, 0, nombre);
        l.Numero(h, fila++, 1, valor, kDos);
    }
    ++fila;
    std::vector<std::string> titulos = {"Fichero", "Tipo de vehículo"};
    for (const auto& f : kFiguras)
        for (const char* lado : {" antes", " después", " diferencia"}) titulos.push_back(f.titulo + std::string(lado));
    titulos.emplace_back("Motivo");
    l.Cabeceras(h, fila++, titulos);
    auto cifras = [&](const CifrasVehiculo& a, const CifrasVehiculo& d, bool total) {
        for (size_t i = 0; i < kFiguras.size(); ++i) {
            const double x = a.*kFiguras[i].miembro, y = d.*kFiguras[i].miembro;
            const int col = 2 + 3 * static_cast<int>(i), formato = kFiguras[i].formato;
            l.Numero(h, fila, col, x, formato, total);
            l.Numero(h, fila, col + 1, y, formato, total);
            l.Numero(h, fila, col + 2, DiferenciaSiEntonces(x, y), formato, total);
        }
    };
    for (const VehiculoFlota* v : vehiculos) {
        l.Texto(h, fila, 0, v->fichero);
        l.Texto(h, fila, 1, v->tipo);
        if (v->antes && v->despues) cifras(*v->antes, *v->despues, false);
        if (v->fallo != FalloVehiculo::Ninguno) l.Texto(h, fila, 23, v->error);
        ++fila;
    }
    l.Texto(h, fila, 0, Totales(suma), true);
    cifras(suma.antes.Total(), suma.despues.Total(), true);
    worksheet_set_column(h, 0, 0, 40, nullptr);
    worksheet_set_column(h, 1, 1, 24, nullptr);
    worksheet_set_column(h, 2, 22, 14, nullptr);
}

}  // namespace

void GrabarXlsxFlota(const std::string& ruta, const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma,
                     const CambiosFlota& cambios)
{
    EscrituraAtomica destino(ruta);
    {
        Libro libro(destino.Temporal(), destino.Carpeta());
        HojaFlota(libro, vehiculos, suma);
        HojaEstructura(libro, suma);
        HojaSiEntonces(libro, vehiculos, suma, cambios);
        libro.Cerrar();
    }
    struct stat st {};
    if (::stat(destino.Temporal().c_str(), &st) != 0 || st.st_size == 0) throw ErrorEjecucion(kErrorES);
    destino.Completar();
}

std::string CsvFlota(const std::vector<const VehiculoFlota*>& vehiculos, const SumaFlota& suma)
{
    std::string r = CabeceraCsvSiEntonces();
    for (const VehiculoFlota* v : vehiculos) r += CsvSiEntonces(Fila(*v));
    return r + CsvTotalesSiEntonces(suma.antes.Total(), suma.despues.Total());
}

}  // namespace tarvelon
