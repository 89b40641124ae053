#pragma once
// Step 1, general data. Besides its boxes it checks three of them when the
// focus leaves the window for another one, and offers to correct them.
#include "windows/VentanaEntrada.h"

namespace tarvelon {

class Plataforma;

class DatosGenerales : public VentanaEntrada {
    Q_OBJECT
public:
    explicit DatosGenerales(Plataforma& plataforma, QWidget* parent = nullptr);

    // The check itself (kilometres, services, empty-run share); answers
    // whether it showed its message box.
    bool Form_LostFocus();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void CambioDeFoco(QWidget* anterior, QWidget* nuevo);

    Plataforma& plataforma_;
    bool comprobando_ = false;
    bool descartarPulsacion_ = false;
    bool seguir_ = false;  // the last answer was No
};

}  // namespace tarvelon
