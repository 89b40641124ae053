#include "reports/LibroXlsx.h"

#include "data/Texto.h"
#include "model/Errores.h"

namespace tarvelon {

LibroXlsx::LibroXlsx(const std::string& ruta, std::string carpeta) : carpeta_(std::move(carpeta))
{
    lxw_workbook_options opciones{};
    opciones.tmpdir = carpeta_.data();
    libro_ = workbook_new_opt(ruta.c_str(), &opciones);
    if (!libro_) throw ErrorEjecucion(kMemoria);
    negrita_ = workbook_add_format(libro_);
    format_set_bold(negrita_);
}

LibroXlsx::~LibroXlsx()
{
    if (libro_) workbook_close(libro_);
}

void LibroXlsx::Cerrar()
{
    const lxw_error e = workbook_close(libro_);
    libro_ = nullptr;
    if (e != LXW_NO_ERROR) throw ErrorEjecucion(e == LXW_ERROR_MEMORY_MALLOC_FAILED ? kMemoria : kErrorES);
}

lxw_worksheet* LibroXlsx::Hoja(const char* nombre, bool apaisada)
{
    lxw_worksheet* h = workbook_add_worksheet(libro_, nombre);
    if (!h) throw ErrorEjecucion(kMemoria);
    worksheet_set_paper(h, 9);
    if (apaisada) worksheet_set_landscape(h);
    worksheet_fit_to_pages(h, 1, 0);
    return h;
}

lxw_chart* LibroXlsx::Grafico(uint8_t tipo) { return workbook_add_chart(libro_, tipo); }

lxw_format* LibroXlsx::Formato(const char* patron)
{
    lxw_format* f = workbook_add_format(libro_);
    format_set_num_format(f, patron);
    return f;
}

void LibroXlsx::Texto(lxw_worksheet* h, int fila, int col, std::string_view t, lxw_format* f)
{
    worksheet_write_string(h, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(col), TextoExportable(t).c_str(), f);
}

void LibroXlsx::Numero(lxw_worksheet* h, int fila, int col, double v, lxw_format* f)
{
    worksheet_write_number(h, static_cast<lxw_row_t>(fila), static_cast<lxw_col_t>(col), v, f);
}

}  // namespace tarvelon
