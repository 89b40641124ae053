#include "windows/InformePdf.h"
#include "windows/DocumentoPdf.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QGraphicsScene>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "reports/Informes.h"
#include "reports/InformesTecnologias.h"
#include "windows/GraficoCurvaKm.h"
#include "windows/GraficoEstructura.h"
#include "windows/GraficoSensibilidad.h"
#include "windows/GraficosTecnologias.h"
#include "windows/frmAbout.h"

namespace tarvelon {

namespace {

constexpr double kMargen = 42;    // points
constexpr double kAltoFila = 13;  // points

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Lays blocks down the pages of the writer, in points.
class Paginas {
public:
    Paginas(QPdfWriter& pdf, QPainter& p) : pdf_(pdf), p_(p)
    {
        const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Point);
        ancho_ = a4.width() - 2 * kMargen;
        fin_ = a4.height() - kMargen - 18;
        y_ = kMargen;
        Pie();
    }
    static double D(double puntos) { return puntos * kResolucionPdf / 72.0; }
    double ancho() const { return ancho_; }
    double y() const { return y_; }
    void Avanzar(double alto) { y_ += alto; }
    bool Cabe(double alto) const { return y_ + alto <= fin_; }
    // Room for `alto` points, on a new page if this one is full.
    void Reservar(double alto)
    {
        if (y_ + alto <= fin_) return;
        if (!pdf_.newPage()) throw ErrorEjecucion(kErrorES);
        ++pagina_;
        y_ = kMargen;
        Pie();
    }
    void Fuente(double puntos, bool negrita = false)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(puntos);
        f.setBold(negrita);
        p_.setFont(f);
    }
    void Texto(double x, double ancho, double alto, const QString& texto, int alineacion = Qt::AlignLeft)
    {
        p_.drawText(QRectF(D(kMargen + x), D(y_), D(ancho), D(alto)), alineacion | Qt::AlignVCenter, texto);
    }
    void Fondo(double alto, const QColor& color) { p_.fillRect(QRectF(D(kMargen), D(y_), D(ancho_), D(alto)), color); }
    QRectF Rect(double alto) const { return QRectF(D(kMargen), D(y_), D(ancho_), D(alto)); }
    QPainter& painter() { return p_; }

private:
    void Pie()
    {
        Fuente(7.5);
        p_.setPen(Qt::darkGray);
        const double y = fin_ + 6;
        p_.drawText(QRectF(D(kMargen), D(y), D(ancho_), D(12)), Qt::AlignLeft | Qt::AlignVCenter,
                    QStringLiteral("TARVELON versión ") + TextoVersion());
        p_.drawText(QRectF(D(kMargen), D(y), D(ancho_), D(12)), Qt::AlignRight | Qt::AlignVCenter,
                    QStringLiteral("Página ") + QString::number(pagina_));
        p_.setPen(Qt::black);
    }

    QPdfWriter& pdf_;
    QPainter& p_;
    double ancho_ = 0, fin_ = 0, y_ = 0;
    int pagina_ = 1;
};

// A heading stays on the page of what follows it (`siguiente` points of it).
void Titulo(Paginas& pg, const QString& texto, double siguiente = 40)
{
    pg.Reservar(30 + siguiente);
    pg.Avanzar(10);
    pg.Fuente(12, true);
    pg.Texto(0, pg.ancho(), 18, texto);
    pg.Avanzar(20);
}

// A table row: texts in columns of the given widths; the first left-aligned.
void Fila(Paginas& pg, const std::vector<double>& anchos, const QStringList& textos, bool negrita = false,
          const QColor& fondo = QColor(), const std::vector<QColor>& colores = {})
{
    constexpr double kAlto = kAltoFila;
    pg.Reservar(kAlto);
    if (fondo.isValid()) pg.Fondo(kAlto, fondo);
    pg.Fuente(8, negrita);
    double x = 2;
    for (qsizetype i = 0; i < textos.size() && i < static_cast<qsizetype>(anchos.size()); ++i) {
        const auto c = static_cast<size_t>(i);
        pg.painter().setPen(c < colores.size() && colores[c].isValid() ? colores[c] : QColor(Qt::black));
        pg.Texto(x, anchos[c] - 6, kAlto, textos[i], i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        x += anchos[c];
    }
    pg.painter().setPen(Qt::black);
    pg.Avanzar(kAlto);
}

// The detailed report's lines as label, figure and unit rows; section lines
// become headings; the type name and its underline are already the title's.
void Informe(Paginas& pg, const std::vector<std::string>& lineas)
{
    const std::vector<double> anchos = {pg.ancho() - 160, 110, 50};
    for (size_t i = 2; i < lineas.size(); ++i) {
        const QString linea = Q(lineas[i]).trimmed();
        if (linea.isEmpty()) continue;
        if (linea.startsWith(QLatin1Char('*'))) {
            QString seccion = linea;
            seccion.remove(QLatin1Char('*'));
            Fila(pg, anchos, {seccion.trimmed()}, true, QColor(225, 232, 240));
            continue;
        }
        const qsizetype dosPuntos = linea.indexOf(QStringLiteral(": "));
        const QString etiqueta = dosPuntos < 0 ? linea : linea.left(dosPuntos);
        const QStringList resto =
            dosPuntos < 0 ? QStringList{} : linea.mid(dosPuntos + 2).trimmed().split(QLatin1Char(' '));
        const QString cifra = resto.value(0);
        const QString unidad = resto.mid(1).join(QLatin1Char(' '));
        Fila(pg, anchos, {etiqueta, cifra, unidad});
    }
}

// A chart drawn as vectors into the next `alto` points of the page.
void Dibujar(Paginas& pg, double alto, QChart* grafico)
{
    // Source size in screen pixels: the chart's fonts keep their proportion.
    const QSizeF tam(640, 640 * alto / pg.ancho());
    grafico->resize(tam);
    // The chart lays itself out on posted events; no user input is handled here.
    QCoreApplication::sendPostedEvents();
    pg.Reservar(alto);
    grafico->scene()->render(&pg.painter(), pg.Rect(alto), QRectF(grafico->pos(), tam));
    pg.Avanzar(alto + 6);
}

template <class Grafico, class Relleno>
void Grafica(Paginas& pg, double alto, Relleno rellenar)
{
    Grafico vista;
    rellenar(vista);
    Dibujar(pg, alto, vista.chart());
}

void TablaComparacion(Paginas& pg, const DatosAnalisis& d)
{
    if (!d.comparacion) {
        pg.Fuente(9);
        pg.Reservar(14);
        pg.Texto(0, pg.ancho(), 14, QStringLiteral("No hay comparación: ") + Q(d.referencia.motivo));
        pg.Avanzar(14);
        return;
    }
    const Comparacion& c = *d.comparacion;
    const std::vector<double> anchos = {pg.ancho() - 340, 90, 90, 90, 70};
    auto cabecera = [&] {
        Fila(pg, anchos,
             {QStringLiteral("Resultado"), QStringLiteral("Simulación"), QStringLiteral("Mirandel"),
              QStringLiteral("Diferencia"), QStringLiteral("Dif. (%)")},
             true, QColor(225, 232, 240));
    };
    pg.Reservar(2 * kAltoFila);
    cabecera();
    for (const auto& f : c.filas) {
        if (!pg.Cabe(kAltoFila)) {  // a table that goes on to the next page repeats its header
            pg.Reservar(2 * kAltoFila);
            cabecera();
        }
        auto cifra = [&](double v) { return Q(CifraCampo(f.campo, v)); };
        QColor color;
        if (f.campo != "NumeroServiciosAnuales" && f.diferencia != 0)
            color = f.diferencia > 0 ? QColor(192, 0, 0) : QColor(0, 128, 0);
        Fila(pg, anchos,
             {Q(EtiquetaCampo(f.campo)), cifra(f.a), cifra(f.b), cifra(f.diferencia),
              f.porcentaje ? Q(FormatoDosDecimales(*f.porcentaje)) + QStringLiteral(" %") : QString()},
             false, QColor(), {QColor(), QColor(), QColor(), color, color});
    }
}

// The figures behind the tornado chart, every input largest effect first:
// the cost per km at −p % and +p % and the larger of the two changes.
void TablaSensibilidad(Paginas& pg, const Sensibilidad& s)
{
    const QString p = Q(NumeroATexto(s.variacion));
    const std::vector<double> anchos = {pg.ancho() - 330, 110, 110, 110};
    auto cabecera = [&] {
        Fila(pg, anchos,
             {QStringLiteral("Dato"), QStringLiteral("Coste con −") + p + QStringLiteral(" % (€/km)"),
              QStringLiteral("Coste con +") + p + QStringLiteral(" % (€/km)"), QStringLiteral("Efecto máximo (€/km)")},
             true, QColor(225, 232, 240));
    };
    pg.Reservar(2 * kAltoFila);
    cabecera();
    for (const auto& e : s.entradas) {
        if (!pg.Cabe(kAltoFila)) {
            pg.Reservar(2 * kAltoFila);
            cabecera();
        }
        if (e.error)
            Fila(pg, {anchos[0], pg.ancho() - anchos[0]},
                 {Q(EtiquetaCampo(e.campo)), Q(MensajeError(ErrorEjecucion(e.error->numero, e.error->descripcion)))});
        else
            Fila(pg, anchos,
                 {Q(EtiquetaCampo(e.campo)), Q(FormatoCuatroDecimales(e.menos)), Q(FormatoCuatroDecimales(e.mas)),
                  Q(FormatoCuatroDecimales(e.efecto))});
    }
    pg.Avanzar(6);
}

// The technologies' results on a page of their own, then the cumulative chart.
void PaginaTecnologias(Paginas& pg, const CosteVidaTecnologias& c)
{
    pg.Reservar(10000);
    Titulo(pg, QStringLiteral("Tecnologías"));
    pg.Fuente(9);
    pg.Texto(
        0, pg.ancho(), 14,
        Q("Horizonte " + std::to_string(c.horizonte) + " años desde " + std::to_string(c.primerAnio) +
          "; tasa de descuento " + FormatoDosDecimales(c.tasa) + " %; " + FormatoMiles(c.kilometros) + " km al año."));
    pg.Avanzar(18);
    const double resto = (pg.ancho() - 170) / static_cast<double>(std::max<size_t>(c.tecnologias.size(), 1));
    const std::vector<double> anchos(c.tecnologias.size() + 1, resto);
    std::vector<double> columnas = anchos;
    columnas[0] = 170;
    QStringList cabecera{QStringLiteral("Resultado")};
    for (const auto& t : c.tecnologias) cabecera << Q(t.nombre);
    Fila(pg, columnas, cabecera, true, QColor(225, 232, 240));
    for (const auto& fila : TablaResultadosTecnologias(c)) {
        QStringList textos;
        for (const auto& t : fila) textos << Q(t);
        Fila(pg, columnas, textos);
    }
    pg.Avanzar(8);
    GraficosTecnologias graficos;
    graficos.Actualizar(&c, nullptr);
    Dibujar(pg, 330, graficos.acumulado()->chart());
}

}  // namespace

InformePdf::InformePdf(const DatosAnalisis& datos) : datos_(datos) {}

std::string InformePdf::Generar() const
{
    if (!datos_.simulacion.calculada) throw ErrorEjecucion(kDesbordamiento);
    const Simulacion& s = *datos_.simulacion.calculada;
    std::vector<std::string> lineas;
    InformeDetallado(s, lineas);

    return DocumentoPdf(QStringLiteral("TARVELON - Análisis de costes"), [&](QPdfWriter& pdf, QPainter& pintor) {
        Paginas pg(pdf, pintor);

        pg.Fuente(17, true);
        pg.Texto(0, pg.ancho(), 24, QStringLiteral("TARVELON - Análisis de costes"));
        pg.Avanzar(26);
        pg.Fuente(10);
        const QString fecha = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
        for (const QString& t : {QStringLiteral("Tipo de vehículo: ") + Q(s.Tipo), QStringLiteral("Fecha: ") + fecha,
                                 QStringLiteral("Versión del programa: ") + TextoVersion()}) {
            pg.Texto(0, pg.ancho(), 14, t);
            pg.Avanzar(14);
        }

        Titulo(pg, QStringLiteral("Informe detallado"));
        Informe(pg, lineas);

        Titulo(pg, QStringLiteral("Estructura del coste"), 360);
        Grafica<GraficoEstructura>(pg, 360, [&](GraficoEstructura& g) {
            g.Actualizar(&datos_.simulacion.estructura,
                         datos_.referencia.calculada ? &datos_.referencia.estructura : nullptr);
        });

        Titulo(pg, QStringLiteral("Comparación con los datos del Mirandel"));
        TablaComparacion(pg, datos_);

        if (datos_.sensibilidad) {
            Titulo(pg,
                   QStringLiteral("Sensibilidad del coste por km (±") +
                       Q(NumeroATexto(datos_.sensibilidad->variacion)) + QStringLiteral(" %)"),
                   300);
            Grafica<GraficoSensibilidad>(pg, 300, [&](GraficoSensibilidad& g) { g.Actualizar(&*datos_.sensibilidad); });
            TablaSensibilidad(pg, *datos_.sensibilidad);
            Grafica<GraficoCurvaKm>(pg, 240, [&](GraficoCurvaKm& g) {
                g.Actualizar(&datos_.sensibilidad->curvaKm,
                             datos_.curvaReferencia ? &*datos_.curvaReferencia : nullptr);
            });
        }
        if (datos_.tecnologias) PaginaTecnologias(pg, *datos_.tecnologias);
    });
}

void InformePdf::Grabar(const std::string& ruta) const { GrabarContenido(ruta, Generar()); }

}  // namespace tarvelon
