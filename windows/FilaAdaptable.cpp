#include "windows/FilaAdaptable.h"

#include <algorithm>

#include <QBoxLayout>
#include <QEvent>
#include <QResizeEvent>
#include <QStyle>

namespace tarvelon {

FilaAdaptable::FilaAdaptable(QWidget* parent)
    : QWidget(parent), disposicion_(new QBoxLayout(QBoxLayout::LeftToRight, this))
{
    disposicion_->setContentsMargins(0, 0, 0, 0);
    // A style may leave the spacing to each pair of controls (-1): the sums
    // below need one figure, the same both ways.
    const int hueco = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
    disposicion_->setSpacing(hueco > 0 ? hueco : 6);
}

void FilaAdaptable::Anadir(QWidget* parte, int estiramiento) { disposicion_->addWidget(parte, estiramiento); }

void FilaAdaptable::Anadir(QLayout* parte, int estiramiento) { disposicion_->addLayout(parte, estiramiento); }

bool FilaAdaptable::EnFila() const { return disposicion_->direction() == QBoxLayout::LeftToRight; }

int FilaAdaptable::AnchoEnFila() const
{
    int ancho = 0;
    int partes = 0;
    for (int i = 0; i < disposicion_->count(); ++i) {
        QLayoutItem* parte = disposicion_->itemAt(i);
        if (parte->isEmpty()) continue;  // a hidden part takes no room
        ancho += parte->minimumSize().width();
        ++partes;
    }
    return ancho + std::max(0, partes - 1) * disposicion_->spacing();
}

QSize FilaAdaptable::minimumSizeHint() const
{
    int ancho = 0;
    int alto = 0;
    int suma = 0;
    int partes = 0;
    for (int i = 0; i < disposicion_->count(); ++i) {
        QLayoutItem* item = disposicion_->itemAt(i);
        if (item->isEmpty()) continue;
        const QSize parte = item->minimumSize();
        ancho = std::max(ancho, parte.width());
        alto = std::max(alto, parte.height());
        suma += parte.height();
        ++partes;
    }
    suma += std::max(0, partes - 1) * disposicion_->spacing();
    return {ancho, EnFila() ? alto : suma};
}

QSize FilaAdaptable::sizeHint() const
{
    int ancho = 0;
    int partes = 0;
    for (int i = 0; i < disposicion_->count(); ++i) {
        QLayoutItem* parte = disposicion_->itemAt(i);
        if (parte->isEmpty()) continue;
        ancho += parte->sizeHint().width();
        ++partes;
    }
    return {ancho + std::max(0, partes - 1) * disposicion_->spacing(), disposicion_->sizeHint().height()};
}

void FilaAdaptable::Orientar(int ancho)
{
    const auto direccion = ancho >= AnchoEnFila() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (disposicion_->direction() == direccion) return;
    disposicion_->setDirection(direccion);
    updateGeometry();  // the height it asks for changes with the direction
}

void FilaAdaptable::resizeEvent(QResizeEvent* evento)
{
    Orientar(evento->size().width());
    QWidget::resizeEvent(evento);
}

bool FilaAdaptable::event(QEvent* evento)
{
    // A part that grows (a chart given longer names) may no longer fit beside
    // the others at the same width.
    if (evento->type() == QEvent::LayoutRequest) Orientar(width());
    return QWidget::event(evento);
}

}  // namespace tarvelon
