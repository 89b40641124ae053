#include "windows/Presentacion.h"

#include <QEventLoop>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/Numeros.h"
#include "windows/Logo.h"

namespace tarvelon {

namespace {

QLabel* Etiqueta(const QString& texto, const char* nombre, double puntos, bool negrita, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    l->setFont(f);
    l->setWordWrap(true);
    return l;
}

// The common labels around the logo; answers the frame that holds them.
QFrame* ContenidoPresentacion(QWidget* ventana, const QString& version)
{
    auto* marco = new QFrame(ventana);
    marco->setObjectName(QStringLiteral("Frame1"));
    marco->setFrameShape(QFrame::Box);
    auto* rejilla = new QGridLayout(marco);
    rejilla->setContentsMargins(16, 16, 16, 16);
    rejilla->setHorizontalSpacing(20);

    auto* logo = new QLabel(marco);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(DibujarLogo(160, 120));
    rejilla->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);

    rejilla->addWidget(Etiqueta(QStringLiteral("TARVELON"), "Label1", 26, true, marco), 0, 1);
    rejilla->addWidget(Etiqueta(QStringLiteral("Mirandel de costes de transporte de mercancías en la Valdoria"),
                                "lblCompanyProduct", 12, true, marco),
                       1, 1);
    rejilla->addWidget(Etiqueta(QStringLiteral("Departamento de Movilidad y Transportes de la Valdoria"), "lblPlatform",
                                10, false, marco),
                       2, 1);
    rejilla->addWidget(
        Etiqueta(QStringLiteral("Dirección General de Transporte por Carretera"), "lblVersion", 10, false, marco), 3,
        1);
    rejilla->addWidget(Etiqueta(version, "lblWarning", 10, false, marco), 4, 1, Qt::AlignRight);
    marco->setMinimumWidth(560);
    return marco;
}

}  // namespace

frmSplash::frmSplash(int intervaloMs, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setModal(true);
    auto* disposicion = new QVBoxLayout(this);
    Frame1_ = ContenidoPresentacion(this, QStringLiteral("Ver 1.1.5"));
    disposicion->addWidget(Frame1_);
    // On opening the version label shows the running version.
    findChild<QLabel*>(QStringLiteral("lblWarning"))
        ->setText(QStringLiteral("Versión ") + QString::fromStdString(EnteroATexto(kVersionMayor)) + QLatin1Char('.') +
                  QString::fromStdString(EnteroATexto(kVersionMenor)) + QLatin1Char('.') +
                  QString::fromStdString(EnteroATexto(kVersionRevision)));
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

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de Mirandel de Costes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(ContenidoPresentacion(this, QStringLiteral("Ver 1.1.5")));
    auto* cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    disposicion->addWidget(cmdOK, 0, Qt::AlignRight);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tarvelon
