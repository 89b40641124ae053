#include "windows/HojaCosteServicio.h"
#include "windows/DocumentoPdf.h"

#include <QBuffer>
#include <QDate>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "model/Errores.h"
#include "model/Numeros.h"
#include "reports/Informes.h"
#include "windows/frmAbout.h"

namespace tarvelon {

namespace {

constexpr double kMargen = 50;  // points

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Euros(double v) { return Q(FormatoDosDecimales(RedondearCentimos(v)) + " €"); }

// Writes rows down the page, in points.
class Hoja {
public:
    explicit Hoja(QPainter& p) : p_(p)
    {
        ancho_ = QPageSize(QPageSize::A4).size(QPageSize::Point).width() - 2 * kMargen;
    }
    static double D(double puntos) { return puntos * kResolucionPdf / 72.0; }
    void Fuente(double puntos, bool negrita = false)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSizeF(puntos);
        f.setBold(negrita);
        p_.setFont(f);
    }
    void Texto(const QString& t, double alto, double puntos, bool negrita = false, const QColor& color = Qt::black)
    {
        Fuente(puntos, negrita);
        p_.setPen(color);
        p_.drawText(QRectF(D(kMargen), D(y_), D(ancho_), D(alto)), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                    t);
        p_.setPen(Qt::black);
        y_ += alto;
    }
    // Label on the left, figure on the right, in a column of `ancho` points.
    void Fila(const QString& etiqueta, const QString& cifra, bool negrita = false, double sangria = 0)
    {
        constexpr double kAlto = 13;
        Fuente(9, negrita);
        const double ancho = 330;
        p_.drawText(QRectF(D(kMargen + sangria), D(y_), D(ancho - sangria), D(kAlto)), Qt::AlignLeft | Qt::AlignVCenter,
                    etiqueta);
        p_.drawText(QRectF(D(kMargen), D(y_), D(ancho + 90), D(kAlto)), Qt::AlignRight | Qt::AlignVCenter, cifra);
        y_ += kAlto;
    }
    void Seccion(const QString& titulo)
    {
        y_ += 8;
        p_.fillRect(QRectF(D(kMargen), D(y_), D(ancho_), D(15)), QColor(225, 232, 240));
        Fuente(10, true);
        p_.drawText(QRectF(D(kMargen + 3), D(y_), D(ancho_), D(15)), Qt::AlignLeft | Qt::AlignVCenter, titulo);
        y_ += 18;
    }
    void Avanzar(double puntos) { y_ += puntos; }
    double ancho() const { return ancho_; }

private:
    QPainter& p_;
    double ancho_ = 0;
    double y_ = kMargen;
};

}  // namespace

std::string GenerarHojaCosteServicio(const DatosHoja& d)
{
    if (!d.calculada) throw ErrorEjecucion(kDesbordamiento);
    const PrecioServicio& p = d.precio;
    const auto conceptos = ConceptosPresupuesto(*d.calculada, d.kmTexto, d.horasTexto);

    return DocumentoPdf(QStringLiteral("Coste del servicio"), [&](QPdfWriter&, QPainter& pintor) {
        Hoja h(pintor);
        h.Texto(QStringLiteral("Coste del servicio"), 26, 18, true);
        h.Texto(QStringLiteral("Fecha: ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")), 14, 9);

        h.Seccion(QStringLiteral("Vehículo"));
        h.Fila(QStringLiteral("Tipo"), Q(d.calculada->Tipo));
        h.Fila(QStringLiteral("Fichero de datos"), Q(d.fichero));
        if (!d.fechaFichero.empty()) h.Fila(QStringLiteral("Fecha del fichero"), Q(d.fechaFichero));

        h.Seccion(QStringLiteral("Servicio"));
        if (!d.referencia.empty()) h.Fila(QStringLiteral("Referencia"), Q(d.referencia));
        if (!d.cliente.empty()) h.Fila(QStringLiteral("Cliente"), Q(d.cliente));
        h.Fila(QStringLiteral("Kilómetros"), Q(FormatoDosDecimales(p.kilometros)));
        h.Fila(QStringLiteral("Horas"), Q(FormatoDosDecimales(p.horas)));

        h.Seccion(QStringLiteral("Presupuesto del servicio"));
        std::string seccion;
        for (const auto& c : conceptos) {
            if (c.seccion != seccion) {
                seccion = c.seccion;
                h.Avanzar(3);
                h.Fila(Q(seccion), QString(), true);
            }
            h.Fila(Q(c.concepto), Euros(c.importe), false, 12);
        }

        h.Seccion(QStringLiteral("Precio ofrecido"));
        h.Fila(QStringLiteral("Coste del servicio (directos + indirectos)"), Euros(p.coste), true);
        if (p.costeKm) h.Fila(QStringLiteral("Coste por km"), Q(FormatoCuatroDecimales(*p.costeKm) + " €/km"));
        h.Fila(QStringLiteral("Precio ofrecido (sin IVA)"), Euros(p.precio), true);
        if (p.precioKm) h.Fila(QStringLiteral("Precio por km"), Q(FormatoCuatroDecimales(*p.precioKm) + " €/km"));
        h.Fila(QStringLiteral("Margen"), Euros(p.margen), true);
        if (p.margenPorcentaje)
            h.Fila(QStringLiteral("Margen sobre el precio"), Q(FormatoDosDecimales(*p.margenPorcentaje) + " %"));
        if (p.precioMinimo)
            h.Fila(Q("Precio mínimo para un margen del " + FormatoDosDecimales(*p.margenObjetivo) + " %"),
                   Euros(*p.precioMinimo));
        h.Avanzar(10);
        h.Texto(Q(VeredictoPrecio(p)), 30, 11, true, p.cubre ? QColor(0, 120, 0) : QColor(192, 0, 0));
        h.Avanzar(6);
        h.Texto(QStringLiteral("Importes en euros sin IVA. El coste es el del presupuesto del servicio calculado "
                               "con los datos del vehículo indicados. Calculado con TARVELON versión ") +
                    TextoVersion() + QStringLiteral("."),
                30, 8, false, Qt::darkGray);
    });
}

}  // namespace tarvelon
