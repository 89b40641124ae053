#include "windows/AreaTrabajo.h"

#include <algorithm>
#include <functional>

#include <QEvent>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "windows/Twips.h"

namespace tarvelon {

namespace {
constexpr int kHuecoPasoTwips = 5;  // between the index and the step windows
constexpr int kAnchoUtil = 320;     // a step window narrower than this covers the index instead

// A hosted window inside its frame: it scrolls when the work area is smaller
// than the window, and asks for the window's whole size otherwise.
class Desplazable : public QScrollArea {
public:
    explicit Desplazable(QWidget* ventana)
    {
        setObjectName(QStringLiteral("Desplazable") + ventana->objectName());
        setWindowTitle(ventana->windowTitle());  // the frame's caption, and what names the window
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(ventana);
    }
    QSize sizeHint() const override { return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()); }
};

// Passes the events of the objects it watches to the area (the area's own
// filter serves its frames and keys).
class Vigia : public QObject {
public:
    Vigia(QObject* padre, std::function<void(QObject*, QEvent*)> accion) : QObject(padre), accion_(std::move(accion)) {}
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        accion_(objeto, evento);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> accion_;
};
}  // namespace

AreaTrabajo::AreaTrabajo(QWidget* parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("AreaTrabajo"));
    // A frame the user drags past the edge is still reached; and the area
    // never asks for the room of its largest window, so the main window fits
    // a small screen and can be maximised.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    vigia_ = new Vigia(this, [this](QObject* o, QEvent* e) { Vigilar(o, e); });
    viewport()->installEventFilter(vigia_);
}

AreaTrabajo::~AreaTrabajo()
{
    // The hosted windows go after this body, with events the watcher must not
    // pass on to an area that is no longer one.
    delete vigia_;
}

void AreaTrabajo::AlojarPanel(QWidget* panel)
{
    // The index is never larger than the area: no scroll area, no frame.
    panel_ = panel;
    QMdiSubWindow* marco = addSubWindow(panel, Qt::FramelessWindowHint);
    marco->setAttribute(Qt::WA_DeleteOnClose, false);
    marco->setObjectName(QStringLiteral("Marco") + panel->objectName());
    marco->move(0, 0);
    marco->show();
}

QMdiSubWindow* AreaTrabajo::Alojar(QWidget* ventana)
{
    const Qt::WindowFlags banderas =
        Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    QMdiSubWindow* marco = addSubWindow(new Desplazable(ventana), banderas);
    // Closing a step window only hides it: it keeps its contents for the run.
    marco->setAttribute(Qt::WA_DeleteOnClose, false);
    marco->setObjectName(QStringLiteral("Marco") + ventana->objectName());
    marco->setWindowTitle(ventana->windowTitle());
    marco->hide();
    ventana->installEventFilter(vigia_);
    marcos_[ventana] = marco;
    return marco;
}

void AreaTrabajo::Vigilar(QObject* objeto, QEvent* evento)
{
    // The work area changed size (the main window maximised, restored or
    // resized): the windows shown fit it again, each where it was.
    if (objeto == viewport() && evento->type() == QEvent::Resize && !ajustando_) Ajustar();
    // A window that hides itself takes its frame with it.
    if (evento->type() == QEvent::HideToParent)
        if (auto* w = qobject_cast<QWidget*>(objeto))
            if (QMdiSubWindow* marco = Marco(w)) marco->hide();
}

void AreaTrabajo::Ajustar()
{
    ajustando_ = true;
    const auto normal = [](QMdiSubWindow* m) {
        return m->isVisible() && !(m->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
    };
    for (const auto& [w, marco] : marcos_)
        if (w != alLado_ && normal(marco)) Colocar(marco, marco->pos());
    // The window beside the steps takes the width the area has now for it
    // (a maximised main window gives it its whole content), or goes over
    // the steps again when the area has become too narrow.
    if (alLado_ && normal(Marco(alLado_))) ColocarAlLado(alLadoSitio_.first, alLadoSitio_.second);
    ajustando_ = false;
}

QMdiSubWindow* AreaTrabajo::Marco(QWidget* ventana) const
{
    auto it = marcos_.find(ventana);
    return it == marcos_.end() ? nullptr : it->second;
}

void AreaTrabajo::Ocultar(QWidget* ventana)
{
    if (QMdiSubWindow* marco = Marco(ventana)) marco->hide();
}

void AreaTrabajo::MostrarEnPaso(QWidget* ventana)
{
    QMdiSubWindow* marco = Marco(ventana);
    if (!marco) marco = Alojar(ventana);
    ventana->show();
    // A window the user minimised or maximised comes back as designed.
    if (marco->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) marco->showNormal();
    // Shown before it is sized: a window fills its lists when first shown
    // (step 0's types widen its selector), and the frame must hold them.
    // Nothing is painted in between.
    marco->show();
    Colocar(marco, QPoint(IzquierdaPaso(), 0));
    marco->raise();
    setActiveSubWindow(marco);
}

void AreaTrabajo::Colocar(QMdiSubWindow* marco, QPoint sitio, int anchoMaximo)
{
    // The window keeps its own size where the work area has room for it (a
    // list filled on first showing may have widened it); else its frame is as
    // large as the area allows beside the index, and the window scrolls in it.
    marco->adjustSize();
    const QSize area = viewport()->size();
    // A frame cut short one way shows a scroll bar: room for it the other way.
    QSize natural = marco->size();
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (natural.height() > area.height()) natural.rwidth() += barra;
    if (natural.width() > std::min(anchoMaximo, area.width() - std::max(0, sitio.x()))) natural.rheight() += barra;
    QSize tam = natural.boundedTo(area).boundedTo(QSize(anchoMaximo, area.height()));
    tam.setWidth(std::min(tam.width(), std::max(area.width() - sitio.x(), std::min(tam.width(), kAnchoUtil))));
    // Never partly off the area.
    sitio.setX(std::clamp(sitio.x(), 0, std::max(0, area.width() - tam.width())));
    sitio.setY(std::clamp(sitio.y(), 0, std::max(0, area.height() - tam.height())));
    marco->resize(tam);
    marco->move(sitio);
}

int AreaTrabajo::IzquierdaPaso() const
{
    // 2005 twips with the design's index; more when its captions need it.
    return panel_->width() + TwipsAPixelesX(kHuecoPasoTwips, this);
}

QSize AreaTrabajo::TamanoNecesario() const
{
    QSize tam = panel_->size();
    for (const auto& [w, marco] : marcos_) {
        // A hidden frame may not count its window yet: the window and a title bar.
        const int barra = marco->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, marco) + 8;
        tam.setWidth(std::max(
            {tam.width(), IzquierdaPaso() + marco->sizeHint().width(), IzquierdaPaso() + w->sizeHint().width() + 8}));
        tam.setHeight(std::max({tam.height(), marco->sizeHint().height(), w->sizeHint().height() + barra}));
    }
    return tam;
}

void AreaTrabajo::MostrarAlLado(QWidget* ventana, int anchoDeseado)
{
    alLado_ = ventana;
    QMdiSubWindow* marco = Marco(ventana);
    if (!marco) marco = Alojar(ventana);
    ventana->show();
    if (marco->isMinimized() || marco->isMaximized()) marco->showNormal();
    marco->show();  // before it is measured: it fills its charts when shown
    // Right of the widest step window.
    int derechaPasos = IzquierdaPaso();
    for (const auto& [w, m] : marcos_)
        if (w != ventana)  // a frame never shown may not count its window yet
            derechaPasos = std::max(
                {derechaPasos, IzquierdaPaso() + m->sizeHint().width(), IzquierdaPaso() + w->sizeHint().width() + 8});
    // Narrower than its content it still serves beside the steps: it scrolls.
    const int bordes = marco->sizeHint().width() - marco->widget()->sizeHint().width();
    const int minimo = std::min(ventana->minimumSizeHint().width() + bordes, 2 * PixelesEscalados(kAnchoUtil, this));
    const int deseado = std::max(minimo, PixelesEscalados(anchoDeseado, this));
    alLadoSitio_ = {derechaPasos, minimo};
    // A main window that is not maximised grows within the screen to make the
    // room; the window system may resize it later, and the area places the
    // window again then.
    QWidget* principal = window();
    const int area = viewport()->width();
    if (area < derechaPasos + deseado && !(principal->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) &&
        screen()) {
        const QRect zona = screen()->availableGeometry();
        const int bordesPrincipal = principal->frameGeometry().width() - principal->width();
        const int ancho = std::min(principal->width() + derechaPasos + deseado - area, zona.width() - bordesPrincipal);
        if (ancho > principal->width()) {
            principal->resize(ancho, principal->height());
            const int derecha = principal->x() + ancho + bordesPrincipal;
            if (derecha > zona.right() + 1)
                principal->move(std::max(zona.left(), principal->x() - (derecha - zona.right() - 1)), principal->y());
        }
    }
    ColocarAlLado(derechaPasos, minimo);
    marco->raise();
    setActiveSubWindow(marco);
}

void AreaTrabajo::ColocarAlLado(int derechaPasos, int minimo)
{
    QMdiSubWindow* marco = Marco(alLado_);
    const int area = viewport()->width();
    // Too narrow for both: at the right edge over the step windows, the index
    // left in view; the frames are switched with Ctrl+Tab.
    if (area - derechaPasos >= minimo) {
        Colocar(marco, QPoint(derechaPasos, 0), area - derechaPasos);
    } else {
        Colocar(marco, QPoint(IzquierdaPaso(), 0), area - IzquierdaPaso());
        marco->move(std::max(0, area - marco->width()), 0);
    }
    marco->resize(marco->width(), viewport()->height());
}

}  // namespace tarvelon
