#include "windows/Trayecto.h"

#include <string>
#include <vector>

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/Avisador.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "reports/Informes.h"
#include "windows/Columnas.h"
#include "windows/ListaResultado.h"
#include "windows/PdfResultado.h"
#include "windows/Plataforma.h"

namespace tarvelon {

namespace {

constexpr int kFilasInforme = 35;     // the detailed report, whole
constexpr int kColumnasInforme = 78;  // the summary's 76-character lines and a margin
constexpr const char* kNombrePdf = "resultados.pdf";

// A hidden button keeps its place, so nothing moves while the window prints.
QPushButton* CrearBoton(QWidget* padre, const char* nombre, const QString& texto)
{
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(QString::fromLatin1(nombre));
    QSizePolicy politica = boton->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    boton->setSizePolicy(politica);
    return boton;
}

}  // namespace

Trayecto::Trayecto(Columnas& columna, Plataforma& plataforma, QWidget* parent)
    : QWidget(parent), columna_(columna), plataforma_(plataforma)
{
    setObjectName(QStringLiteral("Trayecto"));
    setWindowTitle(QStringLiteral("7-Resultados"));

    lstResultado_ = CrearListaResultado(this, kFilasInforme, kColumnasInforme);
    btCalculoDetallado_ = CrearBoton(this, "btCalculoDetallado", QStringLiteral("Cálculo &Detallado"));
    btCalculoResumen_ = CrearBoton(this, "btCalculoResumen", QStringLiteral("&Resumen de resultados"));
    btImprimir_ = CrearBoton(this, "btImprimir", QStringLiteral("&Imprimir"));
    btGuardarPdf_ = CrearBoton(this, "btGuardarPdf", QStringLiteral("Guardar como &PDF…"));

    auto* botones = new QHBoxLayout;
    botones->addWidget(btCalculoDetallado_);
    botones->addWidget(btCalculoResumen_);
    botones->addStretch();
    // Beside printing, without moving the other buttons.
    botones->addWidget(btGuardarPdf_);
    botones->addWidget(btImprimir_);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(16, 8, 16, 8);
    disposicion->addWidget(lstResultado_);
    disposicion->addLayout(botones);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);

    connect(btCalculoDetallado_, &QPushButton::clicked, this, [this] { btCalculoDetallado_Click(); });
    connect(btCalculoResumen_, &QPushButton::clicked, this, [this] { btCalculoResumen_Click(); });
    connect(btImprimir_, &QPushButton::clicked, this, [this] { btImprimir_Click(); });
    connect(btGuardarPdf_, &QPushButton::clicked, this, [this] { btGuardarPdf_Click(); });
}

void Trayecto::btCalculoDetallado_Click() { Calcular(true); }

void Trayecto::btCalculoResumen_Click() { Calcular(false); }

void Trayecto::Calcular(bool detallado)
{
    CalcularEnLista(lstResultado_, columna_, plataforma_, [detallado](const Simulacion& s, auto& lineas) {
        if (detallado) InformeDetallado(s, lineas);
        else InformeResumen(s, lineas);
    });
}

void Trayecto::btGuardarPdf_Click()
{
    GuardarInformeComoPdf(plataforma_, lstResultado_, QStringLiteral("Resultados anuales"), kNombrePdf);
}

void Trayecto::btImprimir_Click()
{
    if (OfrecerPdfSinImpresora(plataforma_, lstResultado_, QStringLiteral("Resultados anuales"), kNombrePdf)) return;
    // The printout is the report alone: the buttons stay out of the image.
    btImprimir_->hide();
    btCalculoDetallado_->hide();
    btCalculoResumen_->hide();
    btGuardarPdf_->hide();
    try {
        plataforma_.ImprimirVentana(this);
    } catch (...) {
        Aviso aviso;
        aviso.texto = MensajeErrorImpresion(ComoErrorEjecucion(std::current_exception()));
        aviso.icono = Icono::Ninguno;
        plataforma_.Mostrar(aviso);
    }
    btImprimir_->show();
    btCalculoDetallado_->show();
    btCalculoResumen_->show();
    btGuardarPdf_->show();
}

}  // namespace tarvelon
