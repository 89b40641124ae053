#pragma once
// The budget window: the cost of one service of the kilometres and hours
// typed in the result mode window, item by item.
#include <functional>
#include <string>
#include <utility>

#include <QWidget>

class QListWidget;
class QPushButton;

namespace tarvelon {

class Columnas;
class Plataforma;

class Presupuesto : public QWidget {
    Q_OBJECT
public:
    Presupuesto(Columnas& columna, Plataforma& plataforma, QWidget* parent = nullptr);

    // Where the service figures come from: kilometres and hours, as typed.
    void FijarTextosServicio(std::function<std::pair<std::string, std::string>()> textos);

    void btCalculoResumen_Click();  // also run by the result mode window
    void btImprimir_Click();
    void btGuardarPdf_Click();

private:
    Columnas& columna_;
    Plataforma& plataforma_;
    std::function<std::pair<std::string, std::string>()> textosServicio_;
    QListWidget* lstResultado_;
    QPushButton* btCalculoResumen_;
    QPushButton* btImprimir_;
    QPushButton* btGuardarPdf_;
};

}  // namespace tarvelon
