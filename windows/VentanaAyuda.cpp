#include "windows/VentanaAyuda.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvelon {

VentanaAyuda::VentanaAyuda(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("VentanaAyuda"));
    setWindowTitle(QStringLiteral("Ayuda de TARVELON"));

    navegador_ = new QTextBrowser(this);
    navegador_->setObjectName(QStringLiteral("navegador"));
    // Links to other sites go to the system's browser, if there is one.
    navegador_->setOpenExternalLinks(true);

    auto* etiqueta = new QLabel(QStringLiteral("&Buscar:"), this);
    buscar_ = new QLineEdit(this);
    buscar_->setObjectName(QStringLiteral("txtBuscar"));
    buscar_->setClearButtonEnabled(true);
    etiqueta->setBuddy(buscar_);
    auto* anterior = new QPushButton(QStringLiteral("&Anterior"), this);
    auto* siguiente = new QPushButton(QStringLiteral("&Siguiente"), this);
    resultado_ = new QLabel(this);
    resultado_->setObjectName(QStringLiteral("lblResultado"));

    auto* barra = new QHBoxLayout;
    barra->addWidget(etiqueta);
    barra->addWidget(buscar_, 1);
    barra->addWidget(anterior);
    barra->addWidget(siguiente);
    barra->addWidget(resultado_);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(barra);
    disposicion->addWidget(navegador_, 1);

    auto buscar = [this](bool atras) { Buscar(buscar_->text(), atras); };
    connect(buscar_, &QLineEdit::returnPressed, this, [buscar] { buscar(false); });
    connect(siguiente, &QPushButton::clicked, this, [buscar] { buscar(false); });
    connect(anterior, &QPushButton::clicked, this, [buscar] { buscar(true); });
    // Escape closes the help as it closes a dialog, wherever the focus is in it.
    auto* cerrar = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(cerrar, &QShortcut::activated, this, &QWidget::close);

    // The page's lines and its 640-pixel picture without a side scroll bar,
    // most of the screen's height.
    const QFontMetrics fm(navegador_->font());
    const QRect pantalla = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    resize(std::min(std::max(fm.averageCharWidth() * 110, 760), pantalla.width() * 9 / 10), pantalla.height() * 3 / 4);
}

void VentanaAyuda::Abrir(const QString& ruta)
{
    // Images and relative links are found beside the page.
    navegador_->setSearchPaths({QFileInfo(ruta).absolutePath()});
    navegador_->setSource(QUrl::fromLocalFile(QFileInfo(ruta).absoluteFilePath()));
    navegador_->reload();
    resultado_->clear();
    buscar_->setFocus();
}

bool VentanaAyuda::Buscar(const QString& texto, bool haciaAtras)
{
    resultado_->clear();
    if (texto.isEmpty()) return false;
    const QTextDocument::FindFlags sentido = haciaAtras ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (navegador_->find(texto, sentido)) return true;
    // From the other end of the page.
    QTextCursor cursor = navegador_->textCursor();
    cursor.movePosition(haciaAtras ? QTextCursor::End : QTextCursor::Start);
    navegador_->setTextCursor(cursor);
    if (navegador_->find(texto, sentido)) return true;
    resultado_->setText(QStringLiteral("No se encuentra «%1»").arg(texto));
    return false;
}

}  // namespace tarvelon
