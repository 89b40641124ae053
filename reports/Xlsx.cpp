#include "reports/Xlsx.h"

#include <sys/stat.h>
#include <xlsxwriter.h>

#include <string>

#include "data/Ficheros.h"
#include "model/Errores.h"

namespace tarvelon {

namespace {

// The detailed report's figures: section, label, field, per-km pattern.
struct FilaResumen {
    const char* seccion;
    const char* etiqueta;
    double Simulacion::*campo;
    bool porKm;
};

const FilaResumen kResumen[] = {
    {"Costes fijos", "Coste Anual Amortización", &Simulacion::CosteAnualAmortizacion, false},
    {"Costes fijos", "Coste Anual de Financiación", &Simulacion::CosteAnualDeFinanciacion, false},
    {"Costes fijos", "Coste Fijo Personal", &Simulacion::CosteAnualDePersonal, false},
    {"Costes fijos", "Coste Anual de Cargas Fiscales", &Simulacion::CosteAnualCargasFiscales, false},
    {"Costes fijos", "Coste Anual Seguros Veh.", &Simulacion::CosteAnualSegurosDelVehiculo, false},
    {"Costes fijos", "Otros Gastos Fijos", &Simulacion::CosteAnualOtrosGastosFijos, false},
    {"Costes fijos", "Costes Fijos Anuales", &Simulacion::CostesFijosAnuales, false},
    {"Costes fijos", "Costes Fijos por Km", &Simulacion::CostesFijosAnualesporKm, true},
    {"Costes fijos", "Costes Fijos por Servicio", &Simulacion::CostesFijosAnualesporServicio, false},
    {"Costes variables", "Coste Anual Combustible", &Simulacion::CosteAnualCombustible, false},
    {"Costes variables", "Coste Anual Dietas", &Simulacion::CosteAnualDietas, false},
    {"Costes variables", "Coste Anual Neumáticos", &Simulacion::CosteAnualNeumaticos, false},
    {"Costes variables", "Coste Anual Mantenimiento y Rep", &Simulacion::CosteAnualMantenimiento, false},
    {"Costes variables", "Coste Anual Peajes", &Simulacion::CosteAnualPeajes, false},
    {"Costes variables", "Costes Variables Anuales", &Simulacion::CostesVariablesAnuales, false},
    {"Costes variables", "Costes Variables por Km", &Simulacion::CostesVariablesAnualesporKm, true},
    {"Costes variables", "Costes Variables por Servicio", &Simulacion::CostesVariablesAnualesporServicio, false},
    {"Costes directos", "Costes Directos Anuales", &Simulacion::CostesDirectosAnuales, false},
    {"Costes directos", "Costes Directos por Km", &Simulacion::CostesDirectosporKm, true},
    {"Costes directos", "Costes Directos por Servicios", &Simulacion::CostesDirectosporServicio, false},
    {"Costes indirectos", "Costes Indirectos Anuales", &Simulacion::CostesInDirectosAnuales, false},
    {"Costes indirectos", "Costes Indirectos por Km", &Simulacion::CostesInDirectosporKm, true},
    {"Costes indirectos", "Costes Indirectos por Servicios", &Simulacion::CostesInDirectosporServicio, false},
    {"Costes por días", "Costes Fijos Por Días", &Simulacion::CostesFijosPorDia, false},
    {"Costes por días", "Costes Fijos Por Horas", &Simulacion::CostesFijosPorHora, false},
};

// Cell texts must be valid UTF-8 without control characters, or the
// workbook would not open; a record may carry any bytes in its type name.
std::string TextoCelda(std::string_view s)
{
    std::string r;
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        bool ok = n > 0 && i + n <= s.size() && !(n == 2 && c < 0xC2);
        for (size_t k = 1; ok && k < n; ++k) ok = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        if (!ok) {
            r += '?';
            ++i;
        } else {
            if (n == 1 && c < 0x20) r += ' ';
            else r.append(s.substr(i, n));
            i += n;
        }
    }
    return r;
}

class Libro {
public:
    // The library writes the zip to `ruta` and its own scratch files (removed
    // as soon as they are opened) in `carpeta`, the target's folder.
    Libro(const std::string& ruta, std::string carpeta) : carpeta_(std::move(carpeta))
    {
        lxw_workbook_options opciones{};
        opciones.tmpdir = carpeta_.data();
        libro_ = workbook_new_opt(ruta.c_str(), &opciones);
        if (!libro_) throw ErrorEjecucion(kMemoria);
        negrita_ = workbook_add_format(libro_);
        format_set_bold(negrita_);
        euros_ = Formato("#,##0.00 \"€\"");
        eurosKm_ = Formato("#,##0.0000 \"€/km\"");
        miles_ = Formato("#,##0");
        cuatro_ = Formato("#,##0.0000");
        porcentaje_ = Formato("0.00\" %\"");
    }
    ~Libro()
    {
        if (libro_) workbook_close(libro_);
    }
    Libro(const Libro&) = delete;
    Libro& operator=(const Libro&) = delete;

    void Cerrar()
    {
        const lxw_error e = workbook_close(libro_);
        libro_ = nullptr;
        if (e != LXW_NO_ERROR) throw ErrorEjecucion(e == LXW_ERROR_MEMORY_MALLOC_FAILED ? kMemoria : kErrorES);
    }

    lxw_worksheet* Hoja(const char* nombre) { return workbook_add_worksheet(libro_, nombre); }
    lxw_chart* Grafico(uint8_t tipo) { return workbook_add_chart(libro_, tipo); }

    static void Texto(lxw_worksheet* h, int fila, int col, std::string_view t, lxw_format* f = nullptr)
    {
        worksheet_write_string(h, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(col), TextoCelda(t).c_str(), f);
    }
    static void Numero(lxw_worksheet* h, int fila, int col, double v, lxw_format* f = nullptr)
    {
        worksheet_write_number(h, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(col), v, f);
    }

    lxw_format *negrita_, *euros_, *eurosKm_, *miles_, *cuatro_, *porcentaje_;

private:
    lxw_format* Formato(const char* patron)
    {
        lxw_format* f = workbook_add_format(libro_);
        format_set_num_format(f, patron);
        return f;
    }
    std::string carpeta_;
    lxw_workbook* libro_;
};

void Cabeceras(lxw_worksheet* h, std::initializer_list<const char*> titulos, Libro& l)
{
    int col = 0;
    for (const char* t : titulos) Libro::Texto(h, 0, col++, t, l.negrita_);
}

void HojaResumen(Libro& l, const Simulacion& s)
{
    lxw_worksheet* h = l.Hoja("Resumen");
    worksheet_set_column(h, 0, 1, 34, nullptr);
    worksheet_set_column(h, 2, 2, 16, nullptr);
    Libro::Texto(h, 0, 0, "Tipo", l.negrita_);
    Libro::Texto(h, 0, 1, s.Tipo);
    Libro::Texto(h, 1, 0, "Kilómetros anuales");
    Libro::Numero(h, 1, 2, s.KilometrajeAnual, l.miles_);
    Libro::Texto(h, 2, 0, "Servicios anuales");
    Libro::Numero(h, 2, 2, s.NumeroServiciosAnuales, l.miles_);
    int fila = 4;
    for (const auto& r : kResumen) {
        Libro::Texto(h, fila, 0, r.seccion);
        Libro::Texto(h, fila, 1, r.etiqueta);
        Libro::Numero(h, fila, 2, s.*r.campo, r.porKm ? l.eurosKm_ : l.euros_);
        ++fila;
    }
}

void HojaEstructura(Libro& l, const Simulacion& s)
{
    const EstructuraCostes e = Estructura(s);
    lxw_worksheet* h = l.Hoja("Estructura");
    worksheet_set_column(h, 0, 0, 28, nullptr);
    worksheet_set_column(h, 1, 3, 14, nullptr);
    Cabeceras(h, {"Componente", "€/año", "€/km", "% del total"}, l);
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
    worksheet_insert_chart(h, 1, 5, g);
}

void HojaComparacion(Libro& l, const Comparacion* c)
{
    lxw_worksheet* h = l.Hoja("Comparación");
    worksheet_set_column(h, 0, 0, 36, nullptr);
    worksheet_set_column(h, 1, 4, 16, nullptr);
    if (!c) {
        Libro::Texto(h, 0, 0, "Sin datos de referencia con los que comparar.");
        return;
    }
    Cabeceras(h, {"Campo", "Simulación", "Referencia", "Diferencia", "Diferencia (%)"}, l);
    Libro::Texto(h, 1, 0, "Tipo");
    Libro::Texto(h, 1, 1, c->tipoA);
    Libro::Texto(h, 1, 2, c->tipoB);
    int fila = 2;
    for (const auto& f : c->filas) {
        Libro::Texto(h, fila, 0, f.campo);
        Libro::Numero(h, fila, 1, f.a, l.cuatro_);
        Libro::Numero(h, fila, 2, f.b, l.cuatro_);
        Libro::Numero(h, fila, 3, f.diferencia, l.cuatro_);
        if (f.porcentaje) Libro::Numero(h, fila, 4, *f.porcentaje, l.porcentaje_);
        ++fila;
    }
}

void HojaSensibilidad(Libro& l, const Sensibilidad& s)
{
    lxw_worksheet* h = l.Hoja("Sensibilidad");
    worksheet_set_column(h, 0, 0, 40, nullptr);
    worksheet_set_column(h, 1, 4, 16, nullptr);
    Libro::Texto(h, 0, 0, "Variación (%)", l.negrita_);
    Libro::Numero(h, 0, 1, s.variacion);
    Libro::Texto(h, 1, 0, "Coste total por km", l.negrita_);
    Libro::Numero(h, 1, 1, s.costeKm, l.eurosKm_);
    Libro::Texto(h, 3, 0, "Campo", l.negrita_);
    Libro::Texto(h, 3, 1, "Valor", l.negrita_);
    Libro::Texto(h, 3, 2, "Coste/km con −p", l.negrita_);
    Libro::Texto(h, 3, 3, "Coste/km con +p", l.negrita_);
    Libro::Texto(h, 3, 4, "Error", l.negrita_);
    int fila = 4;
    for (const auto& e : s.entradas) {
        Libro::Texto(h, fila, 0, e.campo);
        Libro::Numero(h, fila, 1, e.valor);
        if (e.error) {
            Libro::Texto(h, fila, 4, MensajeError(ErrorEjecucion(e.error->numero, e.error->descripcion)));
        } else {
            Libro::Numero(h, fila, 2, e.menos, l.eurosKm_);
            Libro::Numero(h, fila, 3, e.mas, l.eurosKm_);
        }
        ++fila;
    }
    if (fila > 4) {
        lxw_chart* g = l.Grafico(LXW_CHART_BAR);
        for (int col : {2, 3}) {
            lxw_chart_series* serie = chart_add_series(g, nullptr, nullptr);
            chart_series_set_categories(serie, "Sensibilidad", 4, 0, static_cast<lxw_row_t>(fila - 1), 0);
            chart_series_set_values(serie, "Sensibilidad", 4, static_cast<lxw_col_t>(col),
                                    static_cast<lxw_row_t>(fila - 1), static_cast<lxw_col_t>(col));
            chart_series_set_name_range(serie, "Sensibilidad", 3, static_cast<lxw_col_t>(col));
        }
        chart_title_set_name(g, "Coste total por km");
        worksheet_insert_chart(h, 3, 6, g);
    }
    fila += 1;
    Libro::Texto(h, fila, 0, "Kilómetros anuales", l.negrita_);
    Libro::Texto(h, fila, 1, "Coste total por km", l.negrita_);
    for (const auto& p : s.curvaKm) {
        ++fila;
        Libro::Numero(h, fila, 0, p.km, l.miles_);
        if (p.error) Libro::Texto(h, fila, 4, MensajeError(ErrorEjecucion(p.error->numero, p.error->descripcion)));
        else Libro::Numero(h, fila, 1, p.costeKm, l.eurosKm_);
    }
}

}  // namespace

void GrabarXlsx(const std::string& ruta, const Simulacion& calculada, const Comparacion* comparacion,
                const Sensibilidad& sensibilidad)
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
        libro.Cerrar();
    }
    struct stat st {};
    if (::stat(destino.Temporal().c_str(), &st) != 0 || st.st_size == 0) throw ErrorEjecucion(kErrorES);
    destino.Completar();
}

}  // namespace tarvelon
