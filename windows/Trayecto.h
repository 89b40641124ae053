#pragma once
// The annual results window: the detailed or the summary cost report of the
// figures typed in the input windows, or the validation messages in red.
#include <QWidget>

class QListWidget;
class QPushButton;

namespace tarvelon {

class Columnas;
class Plataforma;

class Trayecto : public QWidget {
    Q_OBJECT
public:
    Trayecto(Columnas& columna, Plataforma& plataforma, QWidget* parent = nullptr);

    void btCalculoDetallado_Click();
    void btCalculoResumen_Click();  // also run by the result mode window
    void btImprimir_Click();
    void btGuardarPdf_Click();

    Plataforma& plataforma() { return plataforma_; }

private:
    void Calcular(bool detallado);

    Columnas& columna_;
    Plataforma& plataforma_;
    QListWidget* lstResultado_;
    QPushButton* btCalculoDetallado_;
    QPushButton* btCalculoResumen_;
    QPushButton* btImprimir_;
    QPushButton* btGuardarPdf_;
};

}  // namespace tarvelon
