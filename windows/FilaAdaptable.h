#pragma once
// Parts side by side where the window is wide enough for them, one under the
// other where it is not: a narrow window (beside a step window, or at 150 %)
// shows every part whole and scrolls down instead of cutting them at the side.
#include <QWidget>

class QBoxLayout;

namespace tarvelon {

class FilaAdaptable : public QWidget {
    Q_OBJECT
public:
    explicit FilaAdaptable(QWidget* parent = nullptr);

    // A part and its share of the spare width when side by side.
    void Anadir(QWidget* parte, int estiramiento = 0);
    void Anadir(QLayout* parte, int estiramiento = 0);

    bool EnFila() const;

    // As narrow as the widest part: the parts stack below that, and then ask
    // for the height of all of them.
    QSize minimumSizeHint() const override;
    // Asks for the width of the parts side by side even while they are
    // stacked: a window sized to it has them side by side again.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* evento) override;
    bool event(QEvent* evento) override;

private:
    // Side by side when `ancho` holds every part at its minimum, else stacked.
    void Orientar(int ancho);
    // The width the parts need side by side.
    int AnchoEnFila() const;

    QBoxLayout* disposicion_;
};

}  // namespace tarvelon
