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

// A hidden box or button keeps its room: showing it moves nothing.
QWidget* Fija(QWidget* w)
{
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
    return w;
}

// One grid for the whole window, so that a row of the simulation column, its
// copy button and the same row of the reference column share their height.
// Each column: frame padding, [option indicator], label, boxes, frame
// padding; the frames lie under the cells of their rows. The measures are
// the same for both columns.
struct Rejilla {
    Rejilla(QWidget* ventana, const DisenoVentana& d);
    // Both sides of the current row: a widget of the simulation side and its twin.
    void Lados(QWidget* izquierda, QWidget* derecha, int columna, int ancho, Qt::Alignment alineacion = {}) const
    {
        g->addWidget(izquierda, fila, inicioLado[0] + columna, 1, ancho, alineacion);
        g->addWidget(derecha, fila, inicioLado[1] + columna, 1, ancho, alineacion);
    }

    QWidget* v;
    QGridLayout* g;
    QFont negrita;
    QFontMetrics fm, fmNegrita;
    int subcolumnas = 1;
    bool hayOpciones = false;
    int anchoEtiqueta = 0;
    int anchoBotonCopiar, anchoCaja, altoCaja;
    int columnasLado, colCopiar, colEtiqueta, colCajas;
    int inicioLado[2];
    int fila = 0;
};

Rejilla::Rejilla(QWidget* ventana, const DisenoVentana& d)
    : v(ventana), g(new QGridLayout(ventana)), negrita(ventana->font()), fm(ventana->font()), fmNegrita(negrita)
{
    negrita.setBold(true);
    fmNegrita = QFontMetrics(negrita);
    for (const auto& m : d.marcos)
        for (const auto& f : m.filas) {
            subcolumnas = std::max(subcolumnas, static_cast<int>(f.sufijos.size()));
            hayOpciones = hayOpciones || !f.opcion.empty();
            anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiqueta)));
            if (!f.etiquetaReferencia.empty())
                anchoEtiqueta = std::max(anchoEtiqueta, fm.horizontalAdvance(Q(f.etiquetaReferencia)));
        }
    anchoEtiqueta = std::min(anchoEtiqueta + 4, PixelesEscalados(kAnchoMaximoEtiqueta, v));
    anchoBotonCopiar =
        std::max(PixelesEscalados(kAnchoBotonCopiar, v), fm.horizontalAdvance(QStringLiteral("<-")) + 12);
    const int indicador = v->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                          v->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 2;
    anchoCaja = fm.horizontalAdvance(QString(14, QLatin1Char('0'))) + 12;
    altoCaja = fm.height() + 10;

    g->setContentsMargins(kMargen, kMargen, kMargen, kMargen);
    g->setHorizontalSpacing(kHueco);
    g->setVerticalSpacing(kEntreFilas);
    g->setSizeConstraint(QLayout::SetFixedSize);
    columnasLado = 3 + (hayOpciones ? 1 : 0) + subcolumnas;
    colCopiar = columnasLado;
    inicioLado[0] = 0;
    inicioLado[1] = columnasLado + 1;
    colEtiqueta = hayOpciones ? 2 : 1;
    colCajas = colEtiqueta + 1;
    for (int lado : inicioLado) {
        g->setColumnMinimumWidth(lado, kRellenoMarco - kHueco);
        if (hayOpciones) g->setColumnMinimumWidth(lado + 1, indicador - kHueco);
        g->setColumnMinimumWidth(lado + colEtiqueta, anchoEtiqueta);
        for (int c = 0; c < subcolumnas; ++c) g->setColumnMinimumWidth(lado + colCajas + c, anchoCaja);
        g->setColumnMinimumWidth(lado + columnasLado - 1, kRellenoMarco - kHueco);
    }
    g->setColumnMinimumWidth(colCopiar, anchoBotonCopiar);
}

// The window's title and the headings of both columns.
void PonerCabeceras(Rejilla& r, const QString& texto)
{
    auto* titulo = new QLabel(texto, r.v);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont fuenteTitulo = r.negrita;
    fuenteTitulo.setPointSizeF(r.v->font().pointSizeF() * 1.2);
    titulo->setFont(fuenteTitulo);
    r.g->setRowMinimumHeight(r.fila, QFontMetrics(fuenteTitulo).height() + 4);
    r.g->addWidget(titulo, r.fila++, 0, 1, 2 * r.columnasLado + 1);

    auto* cabeceraIzquierda = CrearCabecera(QStringLiteral("DATOS DE SIMULACIÓN"), QStringLiteral("lblDatosSimulacion"),
                                            QColor(255, 240, 180), r.v);
    auto* cabeceraDerecha = CrearCabecera(QStringLiteral("DATOS DEL MIRANDEL"), QStringLiteral("lblDatosMirandel"),
                                          QColor(196, 222, 246), r.v);
    r.g->setRowMinimumHeight(r.fila, r.fm.height() + 8);
    r.g->addWidget(cabeceraIzquierda, r.fila, r.inicioLado[0], 1, r.columnasLado);
    r.g->addWidget(cabeceraDerecha, r.fila++, r.inicioLado[1], 1, r.columnasLado);
}

// A frame of both columns, its bold heading and the headings of its box columns.
void AbrirMarco(Rejilla& r, const MarcoEntrada& m, int numero)
{
    auto* izq = new QGroupBox(Q(m.titulo), r.v);
    izq->setObjectName(QStringLiteral("Frame%1").arg(numero));
    auto* der = new QGroupBox(Q(m.titulo), r.v);
    der->setObjectName(QStringLiteral("MIRFrame%1").arg(numero));
    // The frames go in before the rows they hold: a cell takes the spacing of
    // the last widget put in it, and a frame's own cells have none.
    const int filasMarco = 2 + !m.subtitulo.empty() + !m.subcolumnas.empty() + static_cast<int>(m.filas.size());
    r.g->addWidget(izq, r.fila, r.inicioLado[0], filasMarco, r.columnasLado);
    r.g->addWidget(der, r.fila, r.inicioLado[1], filasMarco, r.columnasLado);
    r.g->setRowMinimumHeight(r.fila++, r.fm.height() + 8 - kEntreFilas);  // the frame's caption

    if (!m.subtitulo.empty()) {
        auto* a = CrearEtiqueta(Q(m.subtitulo), QStringLiteral("lblSubtitulo"), r.v);
        auto* b = CrearEtiqueta(Q(m.subtitulo), QStringLiteral("MIRlblSubtitulo"), r.v);
        for (QLabel* l : {a, b}) l->setFont(r.negrita);
        r.g->setRowMinimumHeight(r.fila, r.fmNegrita.height() + 4);
        r.Lados(a, b, 1, r.columnasLado - 2);
        ++r.fila;
    }
    if (!m.subcolumnas.empty()) {
        int alto = 0;
        for (const auto& s : m.subcolumnas) alto = std::max(alto, AltoEnvuelto(r.fm, Q(s), r.anchoCaja));
        for (size_t c = 0; c < m.subcolumnas.size(); ++c) {
            QLabel* par[2];
            for (int i = 0; i < 2; ++i) {
                par[i] = CrearEtiqueta(
                    Q(m.subcolumnas[c]),
                    QString::fromLatin1(i ? "MIRlblSubcolumna" : "lblSubcolumna") + QString::number(c + 1), r.v);
                par[i]->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                par[i]->setFixedWidth(r.anchoCaja);
            }
            r.Lados(par[0], par[1], r.colCajas + static_cast<int>(c), 1);
        }
        r.g->setRowMinimumHeight(r.fila++, alto);
    }
}

// What a row put in the grid, for the window to keep.
struct FilaPuesta {
    QRadioButton* opcion = nullptr;
    std::vector<std::pair<QLineEdit*, QLineEdit*>> cajas;  // simulation box and its reference twin
    QPushButton* copiar = nullptr;
};

FilaPuesta PonerFila(Rejilla& r, const FilaEntrada& f, TipoCaja tipo)
{
    FilaPuesta puesta;
    const QString textoRef = Q(f.etiquetaReferencia.empty() ? f.etiqueta : f.etiquetaReferencia);
    r.g->setRowMinimumHeight(r.fila, std::max({r.altoCaja, AltoEnvuelto(r.fm, Q(f.etiqueta), r.anchoEtiqueta),
                                               AltoEnvuelto(r.fm, textoRef, r.anchoEtiqueta)}));
    const QString primero = Q(f.sufijos.front());

    // Simulation column: option or label, boxes, then the copy button.
    QLabel* etiquetaRef = CrearEtiqueta(textoRef, QStringLiteral("MIRlbl") + primero, r.v);
    etiquetaRef->setFixedWidth(r.anchoEtiqueta);
    r.g->addWidget(etiquetaRef, r.fila, r.inicioLado[1] + r.colEtiqueta);
    if (!f.opcion.empty()) {
        puesta.opcion = new QRadioButton(Q(f.etiqueta), r.v);
        puesta.opcion->setObjectName(Q(f.opcion));
        r.g->addWidget(puesta.opcion, r.fila, r.inicioLado[0] + 1, 1, 2);
    } else {
        QLabel* etiqueta = CrearEtiqueta(Q(f.etiqueta), QStringLiteral("lbl") + primero, r.v);
        etiqueta->setFixedWidth(r.anchoEtiqueta);
        r.g->addWidget(etiqueta, r.fila, r.inicioLado[0] + r.colEtiqueta);
    }
    for (size_t c = 0; c < f.sufijos.size(); ++c) {
        auto* caja = new CajaTexto(tipo, f.maximo, r.v);
        caja->setObjectName(QStringLiteral("txt") + Q(f.sufijos[c]));
        auto* ref = new CajaTexto(TipoCaja::Referencia, 14, r.v);  // all reference boxes: 14 characters
        ref->setObjectName(QStringLiteral("MIRtxt") + Q(f.sufijos[c]));
        for (QLineEdit* e : {static_cast<QLineEdit*>(caja), static_cast<QLineEdit*>(ref)})
            Fija(e)->setFixedSize(r.anchoCaja, r.altoCaja);
        r.Lados(caja, ref, r.colCajas + static_cast<int>(c), 1, Qt::AlignVCenter);
        puesta.cajas.emplace_back(caja, ref);
    }
    if (f.copiar >= 0) {
        auto* b = puesta.copiar = new QPushButton(QStringLiteral("<-"), r.v);
        b->setObjectName(QStringLiteral("btCopiar"));
        b->setProperty("Index", f.copiar);
        // Clicked, never reached by Tab: after a Tab the typing lands in a box.
        b->setFocusPolicy(Qt::NoFocus);
        Fija(b)->setFixedSize(r.anchoBotonCopiar, r.altoCaja);
        r.g->addWidget(b, r.fila, r.colCopiar, Qt::AlignVCenter);
    }
    ++r.fila;
    return puesta;
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
    Rejilla r(this, d);
    PonerCabeceras(r, Q(d.titulo));
    grupoCopiar_ = new QButtonGroup(this);
    grupoCopiar_->setObjectName(QStringLiteral("btCopiar"));
    connect(grupoCopiar_, &QButtonGroup::idClicked, this, [this](int i) { btCopiar_Click(i); });

    int numeroMarco = 0;
    for (const auto& m : d.marcos) {
        AbrirMarco(r, m, ++numeroMarco);
        for (const auto& f : m.filas) {
            const TipoCaja tipo = !f.derivada          ? TipoCaja::Entrada
                                  : d.derivadaEditable ? TipoCaja::DerivadaEditable
                                                       : TipoCaja::Derivada;
            const FilaPuesta puesta = PonerFila(r, f, tipo);
            if (puesta.opcion) opciones_[f.opcion] = puesta.opcion;
            for (size_t c = 0; c < f.sufijos.size(); ++c) {
                cajas_[f.sufijos[c]] = puesta.cajas[c].first;
                referencias_[f.sufijos[c]] = puesta.cajas[c].second;
            }
            if (puesta.copiar) {
                grupoCopiar_->addButton(puesta.copiar, f.copiar);
                copias_[f.copiar] = f.sufijos;
            }
        }
        r.g->setRowMinimumHeight(r.fila++, kRellenoMarco - 2 * kEntreFilas);  // the frame's lower padding
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
