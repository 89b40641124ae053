#include "windows/VentanaEntrada.h"

#include <algorithm>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioNeto.h"
#include "windows/CajaTexto.h"
#include "windows/Twips.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Layout measures in pixels of a 96-dpi screen; everything else follows the font.
constexpr int kMargen = 8;
constexpr int kHueco = 6;
constexpr int kRellenoMarco = 10;
constexpr int kAnchoMaximoEtiqueta = 340;
constexpr int kAnchoBotonCopiar = 30;
constexpr int kEntreFilas = 4;

int AltoEnvuelto(const QFontMetrics& fm, const QString& texto, int ancho)
{
    return fm.boundingRect(QRect(0, 0, ancho, 10000), Qt::TextWordWrap, texto).height();
}

QLabel* CrearEtiqueta(const QString& texto, const QString& nombre, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QLabel* CrearCabecera(const QString& texto, const QString& nombre, const QColor& fondo, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, fondo);
    l->setPalette(p);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

VentanaEntrada::VentanaEntrada(const DisenoVentana& diseno, QWidget* parent) : QWidget(parent)
{
    setObjectName(Q(diseno.nombre));
    setWindowTitle(Q(diseno.titulo));
    Construir(diseno);
}

void VentanaEntrada::Construir(const DisenoVentana& d)
{
    const QFontMetrics fm(font());
    QFont negrita = font();
    negrita.setBold(true);
    const QFontMetrics fmNegrita(negrita);

    // Column measures, the same for both columns.
    size_t subcolumnas = 1;
    bool hayOpciones = false;
    int anchoEtiqueta = 0;
    for (const auto& m : d.marcos)
        for (const auto& f : m.filas) {
            subcolumnas = std::max(subcolumnas, f.sufijos.size());
            hayOpciones = hayOpciones || !f.opcion.empty();
            anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiqueta)));
            if (!f.etiquetaReferencia.empty())
                anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiquetaReferencia)));
        }
    anchoEtiqueta = std::min(anchoEtiqueta + 4, PixelesEscalados(kAnchoMaximoEtiqueta, this));
    const int anchoBotonCopiar =
        std::max(PixelesEscalados(kAnchoBotonCopiar, this), fm.horizontalAdvance(QStringLiteral("<-")) + 12);
    const int indicador = hayOpciones ? style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                            style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2
                                      : 0;
    const int anchoCaja = fm.horizontalAdvance(QString(14, QLatin1Char('0'))) + 12;
    const int altoCaja = fm.height() + 10;
    const int n = static_cast<int>(subcolumnas);
    const int anchoColumna =
        kRellenoMarco + indicador + anchoEtiqueta + kHueco + n * anchoCaja + (n - 1) * kHueco + kRellenoMarco;
    const int xIzquierda = kMargen;
    const int xCopiar = xIzquierda + anchoColumna + kHueco;
    const int xDerecha = xCopiar + anchoBotonCopiar + kHueco;
    const int anchoTotal = xDerecha + anchoColumna + kMargen;

    auto* titulo = new QLabel(Q(d.titulo), this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont fuenteTitulo = negrita;
    fuenteTitulo.setPointSizeF(font().pointSizeF() * 1.2);
    titulo->setFont(fuenteTitulo);
    const int altoTitulo = QFontMetrics(fuenteTitulo).height() + 4;
    titulo->setGeometry(kMargen, kMargen, anchoTotal - 2 * kMargen, altoTitulo);

    int y = kMargen + altoTitulo + kEntreFilas;
    const int altoCabecera = fm.height() + 8;
    CrearCabecera(QStringLiteral("DATOS DE SIMULACIÓN"), QStringLiteral("lblDatosSimulacion"), QColor(255, 240, 180),
                  this)
        ->setGeometry(xIzquierda, y, anchoColumna, altoCabecera);
    CrearCabecera(QStringLiteral("DATOS DEL MIRANDEL"), QStringLiteral("lblDatosMirandel"), QColor(196, 222, 246), this)
        ->setGeometry(xDerecha, y, anchoColumna, altoCabecera);
    y += altoCabecera + kHueco;

    grupoCopiar_ = new QButtonGroup(this);
    grupoCopiar_->setObjectName(QStringLiteral("btCopiar"));
    connect(grupoCopiar_, &QButtonGroup::idClicked, this, [this](int i) { btCopiar_Click(i); });

    const int xEtiqueta = kRellenoMarco + indicador;
    const int xCajas = xEtiqueta + anchoEtiqueta + kHueco;
    int numeroMarco = 0;
    for (const auto& m : d.marcos) {
        ++numeroMarco;
        auto* izq = new QGroupBox(Q(m.titulo), this);
        izq->setObjectName(QStringLiteral("Frame%1").arg(numeroMarco));
        auto* der = new QGroupBox(Q(m.titulo), this);
        der->setObjectName(QStringLiteral("MIRFrame%1").arg(numeroMarco));
        int yi = fm.height() + 8;  // below the frame's caption

        if (!m.subtitulo.empty()) {
            const int alto = fmNegrita.height() + 4;
            for (auto [marco, nombre] : {std::pair{izq, "lblSubtitulo"}, std::pair{der, "MIRlblSubtitulo"}}) {
                auto* l = CrearEtiqueta(Q(m.subtitulo), QString::fromLatin1(nombre), marco);
                l->setFont(negrita);
                l->setGeometry(kRellenoMarco, yi, anchoColumna - 2 * kRellenoMarco, alto);
            }
            yi += alto + kEntreFilas;
        }
        if (!m.subcolumnas.empty()) {
            int alto = 0;
            for (const auto& s : m.subcolumnas) alto = std::max(alto, AltoEnvuelto(fm, Q(s), anchoCaja));
            for (size_t c = 0; c < m.subcolumnas.size(); ++c)
                for (auto [marco, prefijo] : {std::pair{izq, "lblSubcolumna"}, std::pair{der, "MIRlblSubcolumna"}}) {
                    auto* l = CrearEtiqueta(Q(m.subcolumnas[c]), QString::fromLatin1(prefijo) + QString::number(c + 1),
                                            marco);
                    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                    l->setGeometry(xCajas + static_cast<int>(c) * (anchoCaja + kHueco), yi, anchoCaja, alto);
                }
            yi += alto + kEntreFilas;
        }

        for (const auto& f : m.filas) {
            const QString textoRef = Q(f.etiquetaReferencia.empty() ? f.etiqueta : f.etiquetaReferencia);
            const int alto = std::max(
                {altoCaja, AltoEnvuelto(fm, Q(f.etiqueta), anchoEtiqueta), AltoEnvuelto(fm, textoRef, anchoEtiqueta)});
            const QString primero = Q(f.sufijos.front());

            // Simulation column: option or label, boxes, then the copy button.
            if (!f.opcion.empty()) {
                auto* o = new QRadioButton(Q(f.etiqueta), izq);
                o->setObjectName(Q(f.opcion));
                o->setGeometry(kRellenoMarco, yi, indicador + anchoEtiqueta, alto);
                opciones_[f.opcion] = o;
            } else {
                CrearEtiqueta(Q(f.etiqueta), QStringLiteral("lbl") + primero, izq)
                    ->setGeometry(xEtiqueta, yi, anchoEtiqueta, alto);
            }
            const TipoCaja tipo = !f.derivada          ? TipoCaja::Entrada
                                  : d.derivadaEditable ? TipoCaja::DerivadaEditable
                                                       : TipoCaja::Derivada;
            const int yCaja = yi + (alto - altoCaja) / 2;
            for (size_t c = 0; c < f.sufijos.size(); ++c) {
                auto* caja = new CajaTexto(tipo, f.maximo, izq);
                caja->setObjectName(QStringLiteral("txt") + Q(f.sufijos[c]));
                caja->setGeometry(xCajas + static_cast<int>(c) * (anchoCaja + kHueco), yCaja, anchoCaja, altoCaja);
                cajas_[f.sufijos[c]] = caja;
            }
            if (f.copiar >= 0) {
                auto* b = new QPushButton(QStringLiteral("<-"), this);
                b->setObjectName(QStringLiteral("btCopiar"));
                b->setProperty("Index", f.copiar);
                b->setGeometry(xCopiar, izq->y() + yCaja, anchoBotonCopiar, altoCaja);
                grupoCopiar_->addButton(b, f.copiar);
                copias_[f.copiar] = f.sufijos;
            }

            // Reference column: label and read-only boxes (all of them 14 characters).
            CrearEtiqueta(textoRef, QStringLiteral("MIRlbl") + primero, der)
                ->setGeometry(xEtiqueta, yi, anchoEtiqueta, alto);
            for (size_t c = 0; c < f.sufijos.size(); ++c) {
                auto* caja = new CajaTexto(TipoCaja::Referencia, 14, der);
                caja->setObjectName(QStringLiteral("MIRtxt") + Q(f.sufijos[c]));
                caja->setGeometry(xCajas + static_cast<int>(c) * (anchoCaja + kHueco), yCaja, anchoCaja, altoCaja);
                referencias_[f.sufijos[c]] = caja;
            }
            yi += alto + kEntreFilas;
        }
        const int altoMarco = yi + kRellenoMarco - kEntreFilas;
        izq->setGeometry(xIzquierda, y, anchoColumna, altoMarco);
        der->setGeometry(xDerecha, y, anchoColumna, altoMarco);
        // Copy buttons were placed before their frame had its final position.
        for (auto* b : grupoCopiar_->buttons())
            if (b->property("marco").isNull()) {
                b->move(b->x(), b->y() + y);
                b->setProperty("marco", numeroMarco);
            }
        y += altoMarco + kHueco;
    }

    if (!d.referenciasOcultas.empty()) {
        QWidget* padre =
            findChildren<QGroupBox*>().isEmpty() ? static_cast<QWidget*>(this) : findChildren<QGroupBox*>().last();
        for (const auto& s : d.referenciasOcultas) {
            auto* caja = new CajaTexto(TipoCaja::Referencia, 14, padre);
            caja->setObjectName(QStringLiteral("MIRtxt") + Q(s));
            caja->hide();
            referencias_[s] = caja;
        }
    }

    setFixedSize(anchoTotal, y - kHueco + kMargen);
}

QLineEdit* VentanaEntrada::Caja(const std::string& sufijo) const
{
    auto it = cajas_.find(sufijo);
    return it == cajas_.end() ? nullptr : it->second;
}

QLineEdit* VentanaEntrada::CajaReferencia(const std::string& sufijo) const
{
    auto it = referencias_.find(sufijo);
    return it == referencias_.end() ? nullptr : it->second;
}

QRadioButton* VentanaEntrada::Opcion(const std::string& nombre) const
{
    auto it = opciones_.find(nombre);
    return it == opciones_.end() ? nullptr : it->second;
}

QPushButton* VentanaEntrada::BotonCopiar(int indice) const
{
    return qobject_cast<QPushButton*>(grupoCopiar_->button(indice));
}

void VentanaEntrada::btCopiar_Click(int indice)
{
    auto it = copias_.find(indice);
    if (it == copias_.end()) return;
    // Unchanged text, cut to the target box; tractor before semi-trailer.
    for (const auto& s : it->second) EscribirTexto(Caja(s), TextoCaja(CajaReferencia(s)));
}

void VentanaEntrada::EnlazarPrecioNeto(const std::string& bruto, const std::string& descuento,
                                       const std::string& derivado, std::function<std::string(double)> formato)
{
    QLineEdit* b = Caja(bruto);
    QLineEdit* d = Caja(descuento);
    QLineEdit* n = Caja(derivado);
    auto recalcular = [this, b, d, n, formato] { CalcularPrecioNeto(b, d, n, formato); };
    connect(b, &QLineEdit::textChanged, this, recalcular);
    connect(d, &QLineEdit::textChanged, this, recalcular);
}

void VentanaEntrada::CalcularPrecioNeto(QLineEdit* bruto, QLineEdit* descuento, QLineEdit* derivado,
                                        const std::function<std::string(double)>& formato)
{
    const auto neto = PrecioNeto(TextoCaja(bruto), TextoCaja(descuento));
    if (!neto) return;
    try {
        EscribirTexto(derivado, formato(*neto));
    } catch (const ErrorEjecucion&) {
        // A value the format cannot show leaves the box as it was.
    }
}

}  // namespace tarvelon
