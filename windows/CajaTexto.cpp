#include "windows/CajaTexto.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "data/Texto.h"

namespace tarvelon {

namespace {
const QColor kFondoGris(224, 224, 224);

// Turns the numeric keypad's decimal key, which types a point or a comma as
// the keyboard layout says, into the comma the numbers are written with.
class ComaTeclado : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() != QEvent::KeyPress) return false;
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (!(tecla->modifiers() & Qt::KeypadModifier) ||
            (tecla->key() != Qt::Key_Period && tecla->key() != Qt::Key_Comma))
            return false;
        // The plain comma key, so that the box handles it as typed (read-only,
        // maximum length, undo).
        QKeyEvent coma(QEvent::KeyPress, Qt::Key_Comma, tecla->modifiers() & ~Qt::KeypadModifier, QStringLiteral(","));
        QCoreApplication::sendEvent(objeto, &coma);
        return true;
    }
};
}  // namespace

CajaTexto::CajaTexto(TipoCaja tipo, int maximo, QWidget* parent) : QLineEdit(parent), tipo_(tipo)
{
    setMaxLength(maximo);
    ComaEnTecladoNumerico(this);
    switch (tipo) {
    case TipoCaja::Entrada: setFocusPolicy(Qt::StrongFocus); break;
    case TipoCaja::Derivada:
    case TipoCaja::Referencia:
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
        break;
    case TipoCaja::DerivadaEditable: setFocusPolicy(Qt::ClickFocus); break;
    }
    if (tipo != TipoCaja::Entrada) {
        QPalette p = palette();
        p.setColor(QPalette::Base, kFondoGris);
        setPalette(p);
    }
}

void CajaTexto::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    if (tipo_ != TipoCaja::Entrada) return;
    SeleccionarTexto(this);
    foco_.start();
}

void CajaTexto::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    // The click that brought the focus places the cursor after it arrived;
    // select again then. The focus may have come just before the click with
    // another reason: a window activated by that very click gives it back to
    // the box that had it last.
    if (tipo_ == TipoCaja::Entrada && foco_.isValid() && foco_.elapsed() <= QApplication::doubleClickInterval()) {
        foco_.invalidate();
        SeleccionarTexto(this);
    }
}

void ComaEnTecladoNumerico(QWidget* caja) { caja->installEventFilter(new ComaTeclado(caja)); }

void SeleccionarTexto(QLineEdit* caja)
{
    caja->setSelection(0, static_cast<int>(caja->text().size()));
    if (caja->text().isEmpty()) caja->setCursorPosition(0);
}

void EnfocarCaja(QLineEdit* caja)
{
    caja->setFocus(Qt::OtherFocusReason);
    SeleccionarTexto(caja);
}

std::string TextoCaja(const QLineEdit* caja) { return caja->text().toStdString(); }

void EscribirTexto(QLineEdit* caja, std::string_view texto)
{
    const size_t maximo = caja->maxLength() > 0 ? static_cast<size_t>(caja->maxLength()) : texto.size();
    caja->setText(QString::fromStdString(CortarParaCaja(texto, maximo)));
}

}  // namespace tarvelon
