#include "windows/ExportarFlota.h"

#include <filesystem>

#include <QDate>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtCharts/QChart>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "reports/ExportacionFlota.h"
#include "windows/DocumentoPdf.h"
#include "windows/GraficosFlota.h"
#include "windows/ModeloFlota.h"
#include "windows/Plataforma.h"
#include "windows/frmAbout.h"

namespace tarvelon {

namespace {

constexpr double kMargen = 30;  // points
constexpr double kPuntos = 7.5;
constexpr double kAlto = kPuntos * 1.45;

double D(double puntos) { return puntos * kResolucionPdf / 72.0; }

QFont Fuente(double puntos, bool negrita = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

// The table's columns as the window shows them; the changes' only when there are some.
std::vector<int> Columnas(const DatosFlota& d)
{
    std::vector<int> c;
    for (int i = 0; i < ModeloFlota::kColumnas; ++i)
        if (HayCambios(d.cambios) || !ModeloFlota::EsDeCambios(i)) c.push_back(i);
    return c;
}

// The rows' texts, as the table's cells: one model row per vehicle.
struct Tabla {
    ModeloFlota modelo;
    explicit Tabla(const DatosFlota& d)
    {
        std::vector<VehiculoFlota> copia;
        for (const VehiculoFlota* v : d.vehiculos) copia.push_back(*v);
        modelo.Cambiar(d.cambios);
        modelo.Poner(std::move(copia));
    }
};

// A row of cells; the header's (`lineas` 2) wrap their titles instead of cutting them.
void Fila(QPainter& p, double y, const std::vector<double>& anchos, const std::vector<int>& columnas,
          const std::function<QString(int)>& texto, int lineas = 1)
{
    double x = kMargen;
    for (size_t i = 0; i < columnas.size(); ++i) {
        const bool numero = columnas[i] != ModeloFlota::kFichero && columnas[i] != ModeloFlota::kTipo &&
                            columnas[i] != ModeloFlota::kMotivo;
        const QRectF celda(D(x + 2), D(y), D(anchos[i] - 4), D(kAlto * lineas));
        const int alineacion = Qt::AlignVCenter | (numero ? Qt::AlignRight : Qt::AlignLeft);
        if (lineas > 1) p.drawText(celda, alineacion | Qt::TextWordWrap, texto(columnas[i]));
        else
            p.drawText(celda, alineacion,
                       p.fontMetrics().elidedText(texto(columnas[i]), Qt::ElideRight, static_cast<int>(celda.width())));
        x += anchos[i];
    }
}

// The two charts, each on a page of its own.
void PintarGraficos(QPdfWriter& pdf, QPainter& p, const DatosFlota& d, const QSizeF& pagina)
{
    GraficosFlota graficos;
    graficos.Actualizar(d.vehiculos, d.suma, HayCambios(d.cambios));
    bool primero = true;
    for (QChart* g : {graficos.graficoCosteKm(), graficos.graficoEstructura()}) {
        if (!primero && !pdf.newPage()) throw ErrorEjecucion(kErrorES);
        primero = false;
        const QRectF sitio(D(kMargen), D(kMargen), D(pagina.width() - 2 * kMargen), D(pagina.height() - 2 * kMargen));
        // Drawn large and scaled down: every vehicle's name has room beside its bar.
        const QSizeF tam(2400, 2400 * sitio.height() / sitio.width());
        g->resize(tam);
        g->scene()->setSceneRect(QRectF(QPointF(0, 0), tam));
        g->scene()->render(&p, sitio, QRectF(QPointF(0, 0), tam));
    }
}

}  // namespace

std::string PdfFlota(const DatosFlota& d)
{
    Tabla tabla(d);
    const std::vector<int> columnas = Columnas(d);
    return DocumentoPdf(
        QStringLiteral("TARVELON - Flota"),
        [&](QPdfWriter& pdf, QPainter& p) {
            const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point).transposed();
            const double ancho = a4.width() - 2 * kMargen;
            // Texts and names wide, figures narrow, every column on the page.
            std::vector<double> anchos;
            double pesos = 0;
            for (int c : columnas) pesos += c == ModeloFlota::kMotivo ? 3 : c <= ModeloFlota::kTipo ? 2.2 : 1;
            for (int c : columnas)
                anchos.push_back(ancho * (c == ModeloFlota::kMotivo ? 3 : c <= ModeloFlota::kTipo ? 2.2 : 1) / pesos);
            const double cabecera = 46;
            const int porPagina = static_cast<int>((a4.height() - 2 * kMargen - cabecera - 2 * kAlto) / kAlto);
            const int filas = tabla.modelo.rowCount();
            const int paginas = std::max(1, (filas + 1 + porPagina - 1) / porPagina) + 2;
            int pagina = 1;
            auto encabezar = [&] {
                p.setPen(Qt::black);
                p.setFont(Fuente(13, true));
                p.drawText(QRectF(D(kMargen), D(kMargen), D(ancho), D(18)), Qt::AlignLeft | Qt::AlignVCenter,
                           QStringLiteral("TARVELON - Flota ") + QString::fromStdString(d.carpeta));
                p.setFont(Fuente(8));
                p.drawText(QRectF(D(kMargen), D(kMargen), D(ancho), D(18)), Qt::AlignRight | Qt::AlignVCenter,
                           QStringLiteral("Fecha: ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")) +
                               QStringLiteral("   Página %1 de %2").arg(pagina).arg(paginas));
                p.setFont(Fuente(kPuntos, true));
                Fila(
                    p, kMargen + cabecera - 2 * kAlto, anchos, columnas,
                    [&](int c) { return tabla.modelo.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(); }, 2);
                p.setFont(Fuente(kPuntos));
            };
            encabezar();
            double y = kMargen + cabecera;
            for (int f = 0; f <= filas; ++f) {
                if (y + kAlto > a4.height() - kMargen) {
                    if (!pdf.newPage()) throw ErrorEjecucion(kErrorES);
                    ++pagina;
                    encabezar();
                    y = kMargen + cabecera;
                }
                if (f == filas) p.setFont(Fuente(kPuntos, true));
                Fila(p, y, anchos, columnas, [&](int c) {
                    return f == filas ? ModeloFlota::TextoTotal(c, d.suma) : tabla.modelo.index(f, c).data().toString();
                });
                y += kAlto;
            }
            if (!pdf.newPage()) throw ErrorEjecucion(kErrorES);
            PintarGraficos(pdf, p, d, a4);
        },
        QPageLayout::Landscape);
}

void ExportarFlota(Plataforma& plataforma, QWidget* padre, FormatoFlota formato, const DatosFlota& datos,
                   std::string& carpeta)
{
    struct Tipo {
        const char* nombre;
        const char* filtro;
        const char* extension;
    };
    const Tipo tipos[] = {{"Excel", "Libro de Excel (*.xlsx)|*.xlsx|", "xlsx"},
                          {"PDF", "Documento PDF (*.pdf)|*.pdf|", "pdf"},
                          {"CSV", "Texto separado por punto y coma (*.csv)|*.csv|", "csv"}};
    const Tipo& t = tipos[static_cast<int>(formato)];
    auto avisar = [&](std::string texto, Icono icono) { plataforma.Mostrar(Aviso{std::move(texto), icono}); };
    try {
        PeticionFichero peticion;
        peticion.guardar = true;
        peticion.titulo = std::string("Exportar la flota a ") + t.nombre;
        peticion.filtro = t.filtro;
        peticion.extensionPorDefecto = t.extension;
        peticion.carpetaInicial = carpeta.empty() ? datos.carpeta : carpeta;
        peticion.nombre = std::string("flota.") + t.extension;
        const std::optional<std::string> ruta = plataforma.ElegirDondeGrabar(peticion, padre);
        if (!ruta || ruta->empty()) return;
        carpeta = std::filesystem::path(*ruta).parent_path().string();
        switch (formato) {
        case FormatoFlota::Excel: GrabarXlsxFlota(*ruta, datos.vehiculos, datos.suma, datos.cambios); break;
        case FormatoFlota::Pdf: GrabarContenido(*ruta, PdfFlota(datos)); break;
        case FormatoFlota::Csv: GrabarContenido(*ruta, CsvFlota(datos.vehiculos, datos.suma)); break;
        }
        avisar("Fichero " + *ruta + " grabado", Icono::Ninguno);
    } catch (...) {
        avisar(MensajeErrorFichero(ComoErrorEjecucion(std::current_exception())), Icono::Critico);
    }
}

}  // namespace tarvelon
