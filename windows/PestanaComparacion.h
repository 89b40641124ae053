#pragma once
// The analysis window's tab «Comparación»: every result of the simulation
// against the reference, with the difference in red where the simulation is
// dearer and in green where it is cheaper.
#include <QWidget>

class QLabel;
class QTableWidget;

namespace tarvelon {

struct DatosAnalisis;

class PestanaComparacion : public QWidget {
    Q_OBJECT
public:
    explicit PestanaComparacion(QWidget* parent = nullptr);

    void Actualizar(const DatosAnalisis& datos);
    // The analysis itself failed: said in the heading.
    void Fallo(const QString& texto);

private:
    QLabel* cabecera_;
    QTableWidget* tabla_;
};

}  // namespace tarvelon
