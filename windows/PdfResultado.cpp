#include "windows/PdfResultado.h"
#include "windows/DocumentoPdf.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "data/Avisador.h"
#include "data/Ficheros.h"
#include "model/Errores.h"
#include "windows/Plataforma.h"
#include "windows/frmAbout.h"

namespace tarvelon {

namespace {

constexpr double kMargen = 42;         // points
constexpr double kPuntosInforme = 9;   // the report's font, at most
constexpr double kInterlineado = 1.3;  // line height / font size

double D(double puntos) { return puntos * kResolucionPdf / 72.0; }

void Avisar(Plataforma& plataforma, std::string texto, Icono icono)
{
    Aviso aviso;
    aviso.texto = std::move(texto);
    aviso.icono = icono;
    plataforma.Mostrar(aviso);
}

QFont Fuente(const QString& familia, double puntos, bool negrita = false)
{
    QFont f(familia);
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    if (familia == QStringLiteral("Liberation Mono")) {
        f.setStyleHint(QFont::TypeWriter);
        f.setFixedPitch(true);
    }
    return f;
}

// The folder of the last result document, for the next dialog.
std::string& CarpetaPdf()
{
    static std::string carpeta;
    return carpeta;
}

}  // namespace

std::string PdfDeInforme(const QString& titulo, const QStringList& lineas, const QColor& color)
{
    return DocumentoPdf(QStringLiteral("TARVELON - ") + titulo, [&](QPdfWriter& pdf, QPainter& p) {
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        const double ancho = a4.width() - 2 * kMargen;
        const double fin = a4.height() - kMargen - 18;  // above the footer

        // The widest line fits the page: the report's columns are never cut.
        QFont informe = Fuente(QStringLiteral("Liberation Mono"), kPuntosInforme);
        double anchoMayor = 0;
        for (const QString& l : lineas)
            anchoMayor = std::max(anchoMayor, QFontMetricsF(informe, &pdf).horizontalAdvance(l));
        if (D(ancho) < anchoMayor) informe.setPointSizeF(kPuntosInforme * D(ancho) / anchoMayor);
        const double alto = informe.pointSizeF() * kInterlineado;

        const double cabecera = 50;  // title and date, first page only
        const int primera = static_cast<int>((fin - kMargen - cabecera) / alto);
        const int resto = static_cast<int>((fin - kMargen) / alto);
        const auto n = static_cast<int>(lineas.size());
        const int paginas = n <= primera ? 1 : 1 + (n - primera + resto - 1) / resto;

        auto pie = [&](int pagina) {
            p.setFont(Fuente(QStringLiteral("Liberation Sans"), 7.5));
            p.setPen(Qt::darkGray);
            const QRectF sitio(D(kMargen), D(fin + 6), D(ancho), D(12));
            p.drawText(sitio, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("TARVELON versión ") + TextoVersion());
            p.drawText(sitio, Qt::AlignRight | Qt::AlignVCenter,
                       QStringLiteral("Página %1 de %2").arg(pagina).arg(paginas));
        };

        double y = kMargen;
        p.setFont(Fuente(QStringLiteral("Liberation Sans"), 14, true));
        p.drawText(QRectF(D(kMargen), D(y), D(ancho), D(20)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("TARVELON - ") + titulo);
        p.setFont(Fuente(QStringLiteral("Liberation Sans"), 9));
        p.drawText(QRectF(D(kMargen), D(y + 22), D(ancho), D(14)), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Fecha: ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        y += cabecera;
        int pagina = 1;
        int enPagina = 0;
        for (const QString& l : lineas) {
            if (enPagina == (pagina == 1 ? primera : resto)) {
                pie(pagina);
                if (!pdf.newPage()) throw ErrorEjecucion(kErrorES);
                ++pagina;
                enPagina = 0;
                y = kMargen;
            }
            p.setFont(informe);
            p.setPen(color);
            p.drawText(QRectF(D(kMargen), D(y), D(ancho), D(alto)), Qt::AlignLeft | Qt::AlignVCenter, l);
            y += alto;
            ++enPagina;
        }
        pie(pagina);
    });
}

void GuardarInformeComoPdf(Plataforma& plataforma, QListWidget* lista, const QString& titulo, const std::string& nombre)
{
    if (lista->count() == 0) {
        Avisar(plataforma, "No hay ningún informe que guardar: calcule antes los resultados.", Icono::Exclamacion);
        return;
    }
    try {
        PeticionFichero peticion;
        peticion.guardar = true;
        peticion.titulo = "Guardar el informe como PDF";
        peticion.filtro = "Documento PDF (*.pdf)|*.pdf|";
        peticion.extensionPorDefecto = "pdf";
        peticion.carpetaInicial = CarpetaPdf();
        peticion.nombre = nombre;
        const std::optional<std::string> ruta = plataforma.ElegirDondeGrabar(peticion, lista->window());
        // A cancelled dialog is the user's own choice: nothing is written or said.
        if (!ruta) return;
        QStringList lineas;
        for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
        GrabarContenido(*ruta, PdfDeInforme(titulo, lineas, lista->palette().color(QPalette::Text)));
        const auto barra = ruta->find_last_of('/');
        CarpetaPdf() = barra == std::string::npos ? std::string() : ruta->substr(0, barra);
        Avisar(plataforma, "Fichero " + *ruta + " grabado", Icono::Ninguno);
    } catch (...) {
        Avisar(plataforma, MensajeErrorFichero(ComoErrorEjecucion(std::current_exception())), Icono::Critico);
    }
}

bool OfrecerPdfSinImpresora(Plataforma& plataforma, QListWidget* lista, const QString& titulo,
                            const std::string& nombre)
{
    if (plataforma.HayImpresora()) return false;
    Aviso pregunta;
    pregunta.texto = "No hay ninguna impresora instalada. ¿Desea guardar el informe como PDF?";
    pregunta.icono = Icono::Pregunta;
    pregunta.botones = Botones::SiNo;
    if (plataforma.Mostrar(pregunta) == Respuesta::Si) GuardarInformeComoPdf(plataforma, lista, titulo, nombre);
    return true;
}

}  // namespace tarvelon
