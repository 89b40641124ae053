#pragma once
// A workbook being written with libxlsxwriter, as every export writes one:
// the library's scratch files in the target's folder, the close checked, and
// every sheet on A4, one page wide and as many pages tall as it needs.
#include <xlsxwriter.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelon {

class LibroXlsx {
public:
    // The library writes the zip to `ruta` and its own scratch files (removed
    // as soon as they are opened) in `carpeta`, the target's folder.
    LibroXlsx(const std::string& ruta, std::string carpeta);
    ~LibroXlsx();
    LibroXlsx(const LibroXlsx&) = delete;
    LibroXlsx& operator=(const LibroXlsx&) = delete;

    // Writes the zip; a failure raises ErrorEjecucion (memory or I/O).
    void Cerrar();
    lxw_worksheet* Hoja(const char* nombre, bool apaisada = false);
    lxw_chart* Grafico(uint8_t tipo);
    // A number format of the workbook ("#,##0.00 \"€\"").
    lxw_format* Formato(const char* patron);
    lxw_format* Negrita() const { return negrita_; }

    static void Texto(lxw_worksheet* h, int fila, int col, std::string_view t, lxw_format* f = nullptr);
    static void Numero(lxw_worksheet* h, int fila, int col, double v, lxw_format* f = nullptr);

private:
    std::string carpeta_;
    lxw_workbook* libro_;
    lxw_format* negrita_;
};

}  // namespace tarvelon
