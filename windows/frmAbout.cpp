#include "windows/frmAbout.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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

}  // namespace

QString TextoVersion() { return QStringLiteral(TARVELON_VERSION); }

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

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Acerca de Mirandel de Costes"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(ContenidoPresentacion(this, QStringLiteral("Ver ") + TextoVersion()));
    auto* cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
    disposicion->addWidget(cmdOK, 0, Qt::AlignRight);
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::Abrir(QWidget* principal)
{
    const auto abiertas = principal->findChildren<frmAbout*>();
    auto* acerca = new frmAbout(principal);
    acerca->adjustSize();
    QPoint sitio = principal->geometry().center() - acerca->rect().center();
    if (!abiertas.isEmpty()) sitio = abiertas.last()->pos() + QPoint(32, 32);
    acerca->move(sitio);
    acerca->show();
}

}  // namespace tarvelon
