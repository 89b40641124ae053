#pragma once
// The main window's work area: the step index at its left edge, the step
// windows beside it, each in a frame of its own that scrolls what the area
// cannot hold, and the analysis window right of the steps.
#include <map>
#include <utility>

#include <QMdiArea>

class QMdiSubWindow;

namespace tarvelon {

class AreaTrabajo : public QMdiArea {
    Q_OBJECT
public:
    explicit AreaTrabajo(QWidget* parent = nullptr);
    ~AreaTrabajo() override;

    // The panel at the left edge, without a frame, shown from the start.
    void AlojarPanel(QWidget* panel);
    // A window in a frame of its own, hidden; closing it only hides it.
    QMdiSubWindow* Alojar(QWidget* ventana);
    QMdiSubWindow* Marco(QWidget* ventana) const;
    void Ocultar(QWidget* ventana);
    // Shows `ventana` where the step windows go (top, right of the panel),
    // as designed even when the user had minimised or maximised it.
    void MostrarEnPaso(QWidget* ventana);
    // Shows `ventana` right of the widest step window, `anchoDeseado` wide
    // (at 100 %) where there is room; a main window not maximised grows
    // within the screen for it.
    void MostrarAlLado(QWidget* ventana, int anchoDeseado);
    // The panel and the largest step window beside it.
    QSize TamanoNecesario() const;
    // Left edge of the step windows, beside the panel.
    int IzquierdaPaso() const;

private:
    // The frame at `sitio` with its window's size, within the area and at
    // most `anchoMaximo` wide; a larger window scrolls inside its frame.
    void Colocar(QMdiSubWindow* marco, QPoint sitio, int anchoMaximo = QWIDGETSIZE_MAX);
    // The window shown beside the steps: right of `derechaPasos` when the
    // area leaves it `minimo` there, else at the area's right edge.
    void ColocarAlLado(int derechaPasos, int minimo);
    // The area changed size: the windows shown fit it again.
    void Ajustar();
    void Vigilar(QObject* objeto, QEvent* evento);

    QObject* vigia_ = nullptr;
    QWidget* panel_ = nullptr;
    std::map<QWidget*, QMdiSubWindow*> marcos_;
    QWidget* alLado_ = nullptr;        // the window shown beside the steps
    std::pair<int, int> alLadoSitio_;  // ColocarAlLado's arguments when last shown
    bool ajustando_ = false;           // fitting the frames to the area
};

}  // namespace tarvelon
