#include "windows/frmSplash.h"

#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "windows/frmAbout.h"

namespace tarvelon {

frmSplash::frmSplash(int intervaloMs, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    auto* disposicion = new QVBoxLayout(this);
    Frame1_ = ContenidoPresentacion(this, QStringLiteral("Ver ") + TextoVersion());
    disposicion->addWidget(Frame1_);
    // On opening the version label shows the running version.
    findChild<QLabel*>(QStringLiteral("lblWarning"))->setText(QStringLiteral("Versión ") + TextoVersion());
    // The frame closes the window; the labels and the logo keep their clicks.
    Frame1_->installEventFilter(this);
    for (auto* l : Frame1_->findChildren<QLabel*>()) l->installEventFilter(this);

    Timer1_ = new QTimer(this);
    Timer1_->setObjectName(QStringLiteral("Timer1"));
    Timer1_->setSingleShot(true);
    Timer1_->setTimerType(Qt::PreciseTimer);
    Timer1_->setInterval(intervaloMs);
    connect(Timer1_, &QTimer::timeout, this, &QDialog::accept);
    setFocusPolicy(Qt::StrongFocus);
}

void frmSplash::MostrarModal()
{
    // Own loop rather than exec(): a short interval may close the window
    // while it is still being shown, before exec() would start waiting.
    setWindowModality(Qt::ApplicationModal);
    QEventLoop espera;
    connect(this, &QDialog::finished, &espera, &QEventLoop::quit);
    show();
    if (isVisible()) espera.exec(QEventLoop::DialogExec);
}

void frmSplash::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // The timer runs from the moment the window opens.
    if (!Timer1_->isActive()) Timer1_->start();
}

void frmSplash::mousePressEvent(QMouseEvent*) { accept(); }

void frmSplash::keyPressEvent(QKeyEvent* e)
{
    if (!e->text().isEmpty()) accept();
    else QDialog::keyPressEvent(e);
}

bool frmSplash::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::MouseButtonPress) {
        if (objeto == Frame1_) accept();
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

}  // namespace tarvelon
