#include "windows/Presupuesto.h"

#include <tuple>
#include <vector>

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Simulacion.h"
#include "reports/Informes.h"
#include "windows/Columnas.h"
#include "windows/ListaResultado.h"
#include "windows/PdfResultado.h"
#include "windows/Plataforma.h"

namespace tarvelon {

namespace {

constexpr int kFilasPresupuesto = 29;     // the budget, whole
constexpr int kColumnasPresupuesto = 78;  // room for long kilometre and hour texts
constexpr const char* kNombrePdf = "presupuesto.pdf";

}  // namespace

Presupuesto::Presupuesto(Columnas& columna, Plataforma& plataforma, QWidget* parent)
    : QWidget(parent), columna_(columna), plataforma_(plataforma)
{
    setObjectName(QStringLiteral("Presupuesto"));
    setWindowTitle(QStringLiteral("Presupuesto"));

    lstResultado_ = CrearListaResultado(this, kFilasPresupuesto, kColumnasPresupuesto);
    btCalculoResumen_ = new QPushButton(QStringLiteral("&Resumen de resultados"), this);
    btCalculoResumen_->setObjectName(QStringLiteral("btCalculoResumen"));
    btImprimir_ = new QPushButton(QStringLiteral("&Imprimir"), this);
    btImprimir_->setObjectName(QStringLiteral("btImprimir"));
    btGuardarPdf_ = new QPushButton(QStringLiteral("Guardar como &PDF…"), this);
    btGuardarPdf_->setObjectName(QStringLiteral("btGuardarPdf"));
    // Hiding the print and PDF buttons must not move the other one.
    QSizePolicy politica = btImprimir_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    btImprimir_->setSizePolicy(politica);
    btGuardarPdf_->setSizePolicy(politica);

    auto* botones = new QHBoxLayout;
    botones->addWidget(btCalculoResumen_);
    botones->addStretch();
    botones->addWidget(btGuardarPdf_);
    botones->addWidget(btImprimir_);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(8, 9, 8, 8);
    disposicion->addWidget(lstResultado_);
    disposicion->addLayout(botones);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);

    connect(btCalculoResumen_, &QPushButton::clicked, this, [this] { btCalculoResumen_Click(); });
    connect(btImprimir_, &QPushButton::clicked, this, [this] { btImprimir_Click(); });
    connect(btGuardarPdf_, &QPushButton::clicked, this, [this] { btGuardarPdf_Click(); });
}

void Presupuesto::FijarTextosServicio(std::function<std::pair<std::string, std::string>()> textos)
{
    textosServicio_ = std::move(textos);
}

void Presupuesto::btCalculoResumen_Click()
{
    // The texts as they stand now in the result mode window.
    TextosServicio servicio;
    if (textosServicio_) std::tie(servicio.km, servicio.horas) = textosServicio_();
    CalcularEnLista(
        lstResultado_, columna_, plataforma_,
        [&servicio](const Simulacion& s, auto& lineas) { InformePresupuesto(s, servicio.km, servicio.horas, lineas); },
        &servicio);
}

void Presupuesto::btGuardarPdf_Click()
{
    GuardarInformeComoPdf(plataforma_, lstResultado_, QStringLiteral("Presupuesto del servicio"), kNombrePdf);
}

void Presupuesto::btImprimir_Click()
{
    if (OfrecerPdfSinImpresora(plataforma_, lstResultado_, QStringLiteral("Presupuesto del servicio"), kNombrePdf))
        return;
    // The printout shows the budget and its recalculation button, as the window does.
    btImprimir_->hide();
    btGuardarPdf_->hide();
    try {
        plataforma_.ImprimirVentana(this);
    } catch (...) {
        MostrarErrorEjecucion(plataforma_, ComoErrorEjecucion(std::current_exception()));
    }
    btImprimir_->show();
    btGuardarPdf_->show();
}

}  // namespace tarvelon
