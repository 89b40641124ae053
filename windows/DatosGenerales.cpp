#include "windows/DatosGenerales.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "model/DatosGeneralesCheck.h"
#include "windows/CajaTexto.h"
#include "windows/DisenosEntrada.h"
#include "windows/Plataforma.h"

namespace tarvelon {

DatosGenerales::DatosGenerales(Plataforma& plataforma, QWidget* parent)
    : VentanaEntrada(DisenoDatosGenerales(), parent), plataforma_(plataforma)
{
    connect(qApp, &QApplication::focusChanged, this, &DatosGenerales::CambioDeFoco);
}

void DatosGenerales::CambioDeFoco(QWidget* anterior, QWidget* nuevo)
{
    // Only a move from this window to another window while this one is shown;
    // the check's own message box must not start it again.
    if (comprobando_ || anterior == nullptr || nuevo == nullptr) return;
    if (!isAncestorOf(anterior) || isAncestorOf(nuevo) || nuevo == this) return;
    if (!isVisible()) return;
    if (!Form_LostFocus()) return;
    // A click that moved the focus is still on its way to its target: hold it
    // back, so that the answer decides what happens next. Nothing else is
    // held: the filter goes at the next turn of the event loop.
    descartarPulsacion_ = true;
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        descartarPulsacion_ = false;
        qApp->removeEventFilter(this);
    });
}

bool DatosGenerales::eventFilter(QObject* objeto, QEvent* evento)
{
    if (descartarPulsacion_ &&
        (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonRelease ||
         evento->type() == QEvent::MouseButtonDblClick)) {
        // Answer No: the user goes on to where the click was going.
        if (evento->type() == QEvent::MouseButtonPress && seguir_)
            if (auto* boton = qobject_cast<QAbstractButton*>(objeto))
                QTimer::singleShot(0, boton, &QAbstractButton::click);
        return true;
    }
    return VentanaEntrada::eventFilter(objeto, evento);
}

bool DatosGenerales::Form_LostFocus()
{
    const std::string mensajes =
        ComprobarDatosGenerales(TextoCaja(Caja("KilometrajeAnual")), TextoCaja(Caja("ServiciosDiarios")),
                                TextoCaja(Caja("DGKilometrajeAnualEnVacio")));
    if (mensajes.empty()) return false;
    comprobando_ = true;
    Aviso aviso;
    aviso.texto = PreguntaDatosGenerales(mensajes);
    aviso.icono = Icono::Critico;
    aviso.botones = Botones::SiNo;
    aviso.titulo = std::string(kTituloComprobacionDatosGenerales);
    const Respuesta r = plataforma_.Mostrar(aviso);
    if (r == Respuesta::Si) {
        // After the focus change under way has ended, or it would win.
        QTimer::singleShot(0, this, [this] {
            if (!isVisible()) return;
            // The frame holds the window inside a scroll area.
            QWidget* marco = parentWidget();
            while (marco && !qobject_cast<QMdiSubWindow*>(marco)) marco = marco->parentWidget();
            if (auto* m = qobject_cast<QMdiSubWindow*>(marco); m && m->mdiArea()) m->mdiArea()->setActiveSubWindow(m);
            EnfocarCaja(Caja("KilometrajeAnual"));
        });
    }
    seguir_ = r != Respuesta::Si;
    comprobando_ = false;
    return true;
}

}  // namespace tarvelon
