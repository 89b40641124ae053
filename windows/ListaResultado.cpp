#include "windows/ListaResultado.h"

#include "windows/Columnas.h"

#include <algorithm>

#include <QApplication>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPalette>
#include <QScrollBar>

#include "data/Avisador.h"
#include "windows/Plataforma.h"

namespace tarvelon {

namespace {

// Courier-like: the report columns are padded with spaces and must line up.
QFont FuenteInforme()
{
    QFont fuente(QStringLiteral("Liberation Mono"));
    fuente.setStyleHint(QFont::TypeWriter);
    fuente.setFixedPitch(true);
    // The design's 8.25 pt, but never smaller than the system's font.
    const double puntos = std::max(8.25, QApplication::font().pointSizeF());
    fuente.setPointSizeF(puntos);
    if (!QFontInfo(fuente).fixedPitch()) {
        fuente = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fuente.setPointSizeF(puntos);
    }
    return fuente;
}

}  // namespace

QListWidget* CrearListaResultado(QWidget* padre, int filas, int columnas)
{
    auto* lista = new QListWidget(padre);
    lista->setObjectName(QStringLiteral("lstResultado"));
    lista->setFont(FuenteInforme());
    lista->setUniformItemSizes(true);
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lista->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The row height is the style's, so it is measured on a sample line.
    lista->addItem(QString(columnas, QLatin1Char('0')));
    const int alto = lista->sizeHintForRow(0);
    const int ancho = lista->sizeHintForColumn(0);
    lista->clear();

    const int marco = 2 * lista->frameWidth();
    // A little slack on both axes so that a full report never brings a scroll bar.
    lista->setFixedSize(ancho + marco + 8, alto * filas + marco + 4);
    FijarColorLista(lista, kColorInforme);
    return lista;
}

void FijarColorLista(QListWidget* lista, const QColor& color)
{
    QPalette paleta = lista->palette();
    paleta.setColor(QPalette::Active, QPalette::Text, color);
    paleta.setColor(QPalette::Inactive, QPalette::Text, color);
    paleta.setColor(QPalette::Disabled, QPalette::Text, color);
    lista->setPalette(paleta);
}

void AnadirLineas(QListWidget* lista, const std::vector<std::string>& lineas)
{
    for (const auto& linea : lineas) lista->addItem(QString::fromStdString(linea));
}

void MostrarErroresEnLista(QListWidget* lista, const std::vector<std::string>& lineas)
{
    lista->clear();
    FijarColorLista(lista, kColorErrores);
    AnadirLineas(lista, lineas);
}

void OcultarVentana(QWidget* ventana)
{
    if (auto* marco = qobject_cast<QMdiSubWindow*>(ventana->parentWidget())) marco->hide();
    else ventana->hide();
}

void MostrarErrorEjecucion(Plataforma& plataforma, const ErrorEjecucion& e)
{
    Aviso aviso;
    aviso.texto = MensajeError(e);
    aviso.icono = Icono::Critico;
    plataforma.Mostrar(aviso);
}

void CalcularEnLista(QListWidget* lista, Columnas& columna, Plataforma& plataforma, const EscritorInforme& escribir,
                     const TextosServicio* servicio)
{
    lista->clear();
    EjecutarAccion(plataforma, [&] {
        Simulacion s;
        columna.LeerColumnaSimulacion(s);
        const ResultadoInforme r = CalcularInforme(s, columna.SeguroActual(), escribir, servicio);
        if (r.noValido) MostrarErroresEnLista(lista, r.lineas);
        if (r.informe) {
            FijarColorLista(lista, kColorInforme);
            AnadirLineas(lista, r.lineas);
        }
        if (r.error) MostrarErrorEjecucion(plataforma, *r.error);
    });
}

}  // namespace tarvelon
