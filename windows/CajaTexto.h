#pragma once
// The text boxes of the windows: their kinds (user input, derived net price,
// reference value), select-all on focus entry, the keypad's decimal comma, and
// writing texts from code with the box's maximum length.
#include <string>
#include <string_view>

#include "data/Texto.h"

#include <QElapsedTimer>
#include <QLineEdit>

namespace tarvelon {

enum class TipoCaja {
    Entrada,           // editable, in the tab sequence, selects all on entry
    Derivada,          // read-only net price, grey, outside the tab sequence
    DerivadaEditable,  // grey and outside the tab sequence, but can be typed into
    Referencia,        // read-only reference value, grey, outside the tab sequence
};

class CajaTexto : public QLineEdit {
    Q_OBJECT
public:
    CajaTexto(TipoCaja tipo, int maximo, QWidget* parent = nullptr);
    TipoCaja Tipo() const { return tipo_; }

protected:
    void focusInEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    TipoCaja tipo_;
    QElapsedTimer foco_;  // since the focus came in
};

// The numeric keypad's decimal key types the decimal comma in `caja` (every
// CajaTexto does this itself).
void ComaEnTecladoNumerico(QWidget* caja);

// Whole text selected: start 0, length the text's length.
void SeleccionarTexto(QLineEdit* caja);

// The program puts the focus into a box: its whole text is selected even
// when the box had the focus already, so that typing replaces it.
void EnfocarCaja(QLineEdit* caja);

// The box's text as UTF-8, and writing one from code (cut to the box's
// maximum length as above; the change event runs before this returns).
std::string TextoCaja(const QLineEdit* caja);
void EscribirTexto(QLineEdit* caja, std::string_view texto);

}  // namespace tarvelon
