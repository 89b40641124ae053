#pragma once
// The program's help, shown inside the program: the page ayuda.html of the
// program folder in a browser pane (links and images work), with a search
// field, so that no web browser is needed.
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace tarvelon {

class VentanaAyuda : public QWidget {
    Q_OBJECT
public:
    explicit VentanaAyuda(QWidget* parent = nullptr);

    // Shows the page `ruta` from its start.
    void Abrir(const QString& ruta);
    // Selects the next (or previous) place of `texto` after the current
    // selection, starting again from the other end; false when there is none.
    bool Buscar(const QString& texto, bool haciaAtras = false);

    QTextBrowser* navegador() const { return navegador_; }
    QLineEdit* campoBuscar() const { return buscar_; }

private:
    QTextBrowser* navegador_;
    QLineEdit* buscar_;
    QLabel* resultado_;
};

}  // namespace tarvelon
