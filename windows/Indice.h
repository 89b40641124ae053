#pragma once
// The step index: nine stacked buttons at the left edge of the main window.
#include <array>
#include <functional>

#include <QWidget>

class QPushButton;

namespace tarvelon {

class Indice : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPasos = 9;

    explicit Indice(QWidget* parent = nullptr);

    QPushButton* Boton(int paso) const { return botones_[static_cast<size_t>(paso)]; }
    // What a click on step `paso` does (set by the main window).
    void AlPulsar(std::function<void(int)> accion) { accion_ = std::move(accion); }

    void HabilitarPasos();         // steps 1-8 together
    void MarcarNegrita(int paso);  // the pressed button's caption in bold
    void QuitarNegritas();         // steps 0 to 8, in order

private:
    std::array<QPushButton*, kPasos> botones_{};
    std::function<void(int)> accion_;
};

}  // namespace tarvelon
