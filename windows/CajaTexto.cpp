#include "windows/CajaTexto.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPalette>

#include "data/Texto.h"

namespace tarvelon {

namespace {
const QColor kFondoGris(224, 224, 224);
}

CajaTexto::CajaTexto(TipoCaja tipo, int maximo, QWidget* parent) : QLineEdit(parent), tipo_(tipo)
{
    setMaxLength(maximo);
    switch (tipo) {
    case TipoCaja::Entrada:
        setFocusPolicy(Qt::StrongFocus);
        break;
    case TipoCaja::Derivada:
    case TipoCaja::Referencia:
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
        break;
    case TipoCaja::DerivadaEditable:
        setFocusPolicy(Qt::ClickFocus);
        break;
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
    // A click places the cursor after the focus arrives; select again then.
    seleccionarTrasClic_ = e->reason() == Qt::MouseFocusReason;
}

void CajaTexto::mousePressEvent(QMouseEvent* e)
{
    QLineEdit::mousePressEvent(e);
    if (seleccionarTrasClic_) {
        seleccionarTrasClic_ = false;
        SeleccionarTexto(this);
    }
}

void SeleccionarTexto(QLineEdit* caja)
{
    caja->setSelection(0, static_cast<int>(caja->text().size()));
    if (caja->text().isEmpty()) caja->setCursorPosition(0);
}

std::string CortarParaCaja(std::string_view texto, size_t maximo)
{
    if (LongitudTexto(texto) <= maximo) return std::string(texto);
    // Exponent form: mantissa, then "E+" or "E-" and digits, nothing else.
    const size_t e = texto.find('E');
    if (e != std::string_view::npos && e > 0 && e + 2 < texto.size() &&
        (texto[e + 1] == '+' || texto[e + 1] == '-')) {
        const std::string_view mantisa = texto.substr(0, e);
        const std::string_view exponente = texto.substr(e);
        bool esNumero = true;
        for (size_t i = 2; i < exponente.size(); ++i)
            if (exponente[i] < '0' || exponente[i] > '9') esNumero = false;
        for (char c : mantisa)
            if (!((c >= '0' && c <= '9') || c == ',' || c == '-')) esNumero = false;
        const size_t digitosIniciales = (!mantisa.empty() && mantisa[0] == '-') ? 2 : 1;
        if (esNumero && maximo >= exponente.size() + digitosIniciales) {
            std::string m(mantisa.substr(0, maximo - exponente.size()));
            // No trailing zeros nor a lone decimal comma, as in the general form.
            if (m.find(',') != std::string::npos) {
                while (!m.empty() && m.back() == '0') m.pop_back();
                if (!m.empty() && m.back() == ',') m.pop_back();
            }
            return m + std::string(exponente);
        }
    }
    return CortarTexto(texto, maximo);
}

std::string TextoCaja(const QLineEdit* caja)
{
    return caja->text().toStdString();
}

void EscribirTexto(QLineEdit* caja, std::string_view texto)
{
    const size_t maximo = caja->maxLength() > 0 ? static_cast<size_t>(caja->maxLength()) : texto.size();
    caja->setText(QString::fromStdString(CortarParaCaja(texto, maximo)));
}

}  // namespace tarvelon
