#include "windows/VentanaEntrada.h"

#include <algorithm>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
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
    int subcolumnas = 1;
    bool hayOpciones = false;
    int anchoEtiqueta = 0;
    for (const auto& m : d.marcos)
        for (const auto& f : m.filas) {
            subcolumnas = std::max(subcolumnas, static_cast<int>(f.sufijos.size()));
            hayOpciones = hayOpciones || !f.opcion.empty();
            anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiqueta)));
            if (!f.etiquetaReferencia.empty())
                anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiquetaReferencia)));
        }
    anchoEtiqueta = std::min(anchoEtiqueta + 4, PixelesEscalados(kAnchoMaximoEtiqueta, this));
    const int anchoBotonCopiar =
        std::max(PixelesEscalados(kAnchoBotonCopiar, this), fm.horizontalAdvance(QStringLiteral("<-")) + 12);
    const int indicador = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2;
    const int anchoCaja = fm.horizontalAdvance(QString(14, QLatin1Char('0'))) + 12;
    const int altoCaja = fm.height() + 10;

    // One grid for the whole window, so that a row of the simulation column,
    // its copy button and the same row of the reference column share their
    // height. Each column: frame padding, [option indicator], label, boxes,
    // frame padding; the frames lie under the cells of their rows.
    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(kMargen, kMargen, kMargen, kMargen);
    rejilla->setHorizontalSpacing(kHueco);
    rejilla->setVerticalSpacing(kEntreFilas);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
    const int columnasLado = 3 + (hayOpciones ? 1 : 0) + subcolumnas;
    const int colCopiar = columnasLado;
    const int inicioLado[] = {0, columnasLado + 1};
    const int colEtiqueta = hayOpciones ? 2 : 1;
    const int colCajas = colEtiqueta + 1;
    for (int lado : inicioLado) {
        rejilla->setColumnMinimumWidth(lado, kRellenoMarco - kHueco);
        if (hayOpciones) rejilla->setColumnMinimumWidth(lado + 1, indicador - kHueco);
        rejilla->setColumnMinimumWidth(lado + colEtiqueta, anchoEtiqueta);
        for (int c = 0; c < subcolumnas; ++c) rejilla->setColumnMinimumWidth(lado + colCajas + c, anchoCaja);
        rejilla->setColumnMinimumWidth(lado + columnasLado - 1, kRellenoMarco - kHueco);
    }
    rejilla->setColumnMinimumWidth(colCopiar, anchoBotonCopiar);
    int fila = 0;
    // A hidden box or button keeps its room: showing it moves nothing.
    auto fija = [](QWidget* w) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
        return w;
    };

    auto* titulo = new QLabel(Q(d.titulo), this);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont fuenteTitulo = negrita;
    fuenteTitulo.setPointSizeF(font().pointSizeF() * 1.2);
    titulo->setFont(fuenteTitulo);
    rejilla->setRowMinimumHeight(fila, QFontMetrics(fuenteTitulo).height() + 4);
    rejilla->addWidget(titulo, fila++, 0, 1, 2 * columnasLado + 1);

    auto* cabeceraIzquierda = CrearCabecera(QStringLiteral("DATOS DE SIMULACIÓN"), QStringLiteral("lblDatosSimulacion"),
                                            QColor(255, 240, 180), this);
    auto* cabeceraDerecha = CrearCabecera(QStringLiteral("DATOS DEL MIRANDEL"), QStringLiteral("lblDatosMirandel"),
                                          QColor(196, 222, 246), this);
    rejilla->setRowMinimumHeight(fila, fm.height() + 8);
    rejilla->addWidget(cabeceraIzquierda, fila, inicioLado[0], 1, columnasLado);
    rejilla->addWidget(cabeceraDerecha, fila++, inicioLado[1], 1, columnasLado);

    grupoCopiar_ = new QButtonGroup(this);
    grupoCopiar_->setObjectName(QStringLiteral("btCopiar"));
    connect(grupoCopiar_, &QButtonGroup::idClicked, this, [this](int i) { btCopiar_Click(i); });

    // Both sides of a row: a widget of the simulation side and its twin.
    auto lados = [&](QWidget* izquierda, QWidget* derecha, int columna, int ancho, Qt::Alignment alineacion = {}) {
        rejilla->addWidget(izquierda, fila, inicioLado[0] + columna, 1, ancho, alineacion);
        rejilla->addWidget(derecha, fila, inicioLado[1] + columna, 1, ancho, alineacion);
    };
    int numeroMarco = 0;
    for (const auto& m : d.marcos) {
        ++numeroMarco;
        auto* izq = new QGroupBox(Q(m.titulo), this);
        izq->setObjectName(QStringLiteral("Frame%1").arg(numeroMarco));
        auto* der = new QGroupBox(Q(m.titulo), this);
        der->setObjectName(QStringLiteral("MIRFrame%1").arg(numeroMarco));
        // The frames go in before the rows they hold: a cell takes the spacing of
        // the last widget put in it, and a frame's own cells have none.
        const int filasMarco = 2 + !m.subtitulo.empty() + !m.subcolumnas.empty() + static_cast<int>(m.filas.size());
        rejilla->addWidget(izq, fila, inicioLado[0], filasMarco, columnasLado);
        rejilla->addWidget(der, fila, inicioLado[1], filasMarco, columnasLado);
        rejilla->setRowMinimumHeight(fila++, fm.height() + 8 - kEntreFilas);  // the frame's caption

        if (!m.subtitulo.empty()) {
            auto* a = CrearEtiqueta(Q(m.subtitulo), QStringLiteral("lblSubtitulo"), this);
            auto* b = CrearEtiqueta(Q(m.subtitulo), QStringLiteral("MIRlblSubtitulo"), this);
            for (QLabel* l : {a, b}) l->setFont(negrita);
            rejilla->setRowMinimumHeight(fila, fmNegrita.height() + 4);
            lados(a, b, 1, columnasLado - 2);
            ++fila;
        }
        if (!m.subcolumnas.empty()) {
            int alto = 0;
            for (const auto& s : m.subcolumnas) alto = std::max(alto, AltoEnvuelto(fm, Q(s), anchoCaja));
            for (size_t c = 0; c < m.subcolumnas.size(); ++c) {
                QLabel* par[2];
                for (int i = 0; i < 2; ++i) {
                    par[i] = CrearEtiqueta(
                        Q(m.subcolumnas[c]),
                        QString::fromLatin1(i ? "MIRlblSubcolumna" : "lblSubcolumna") + QString::number(c + 1), this);
                    par[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                    par[i]->setFixedWidth(anchoCaja);
                }
                lados(par[0], par[1], colCajas + static_cast<int>(c), 1);
            }
            rejilla->setRowMinimumHeight(fila++, alto);
        }

        for (const auto& f : m.filas) {
            const QString textoRef = Q(f.etiquetaReferencia.empty() ? f.etiqueta : f.etiquetaReferencia);
            rejilla->setRowMinimumHeight(fila, std::max({altoCaja, AltoEnvuelto(fm, Q(f.etiqueta), anchoEtiqueta),
                                                         AltoEnvuelto(fm, textoRef, anchoEtiqueta)}));
            const QString primero = Q(f.sufijos.front());

            // Simulation column: option or label, boxes, then the copy button.
            QLabel* etiquetaRef = CrearEtiqueta(textoRef, QStringLiteral("MIRlbl") + primero, this);
            etiquetaRef->setFixedWidth(anchoEtiqueta);
            rejilla->addWidget(etiquetaRef, fila, inicioLado[1] + colEtiqueta);
            if (!f.opcion.empty()) {
                auto* o = new QRadioButton(Q(f.etiqueta), this);
                o->setObjectName(Q(f.opcion));
                rejilla->addWidget(o, fila, inicioLado[0] + 1, 1, 2);
                opciones_[f.opcion] = o;
            } else {
                QLabel* etiqueta = CrearEtiqueta(Q(f.etiqueta), QStringLiteral("lbl") + primero, this);
                etiqueta->setFixedWidth(anchoEtiqueta);
                rejilla->addWidget(etiqueta, fila, inicioLado[0] + colEtiqueta);
            }
            const TipoCaja tipo = !f.derivada          ? TipoCaja::Entrada
                                  : d.derivadaEditable ? TipoCaja::DerivadaEditable
                                                       : TipoCaja::Derivada;
            for (size_t c = 0; c < f.sufijos.size(); ++c) {
                auto* caja = new CajaTexto(tipo, f.maximo, this);
                caja->setObjectName(QStringLiteral("txt") + Q(f.sufijos[c]));
                auto* ref = new CajaTexto(TipoCaja::Referencia, 14, this);  // all reference boxes: 14 characters
                ref->setObjectName(QStringLiteral("MIRtxt") + Q(f.sufijos[c]));
                for (QLineEdit* e : {static_cast<QLineEdit*>(caja), static_cast<QLineEdit*>(ref)})
                    fija(e)->setFixedSize(anchoCaja, altoCaja);
                lados(caja, ref, colCajas + static_cast<int>(c), 1, Qt::AlignVCenter);
                cajas_[f.sufijos[c]] = caja;
                referencias_[f.sufijos[c]] = ref;
            }
            if (f.copiar >= 0) {
                auto* b = new QPushButton(QStringLiteral("<-"), this);
                b->setObjectName(QStringLiteral("btCopiar"));
                b->setProperty("Index", f.copiar);
                // Clicked, never reached by Tab: after a Tab the typing lands in a box.
                b->setFocusPolicy(Qt::NoFocus);
                fija(b)->setFixedSize(anchoBotonCopiar, altoCaja);
                rejilla->addWidget(b, fila, colCopiar, Qt::AlignVCenter);
                grupoCopiar_->addButton(b, f.copiar);
                copias_[f.copiar] = f.sufijos;
            }
            ++fila;
        }
        rejilla->setRowMinimumHeight(fila++, kRellenoMarco - 2 * kEntreFilas);  // the frame's lower padding
    }

    for (const auto& s : d.referenciasOcultas) {
        auto* caja = new CajaTexto(TipoCaja::Referencia, 14, this);
        caja->setObjectName(QStringLiteral("MIRtxt") + Q(s));
        caja->hide();
        referencias_[s] = caja;
    }
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
