#include "windows/PlataformaQt.h"

#include <algorithm>

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

#include "model/Errores.h"

namespace tarvelon {

namespace {
// Printer failures carry the number the original printing errors used.
constexpr int kErrorImpresora = 482;
}  // namespace

QString TextoAviso(const std::string& texto)
{
    QString t = QString::fromStdString(texto);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QStringList FiltrosDialogo(const std::string& filtro)
{
    const QStringList partes = QString::fromStdString(filtro).split(QLatin1Char('|'));
    QStringList filtros;
    // Pairs of description and pattern; the description already names the pattern.
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        const QString desc = partes[i].trimmed();
        const QString patron = partes[i + 1].trimmed();
        if (desc.isEmpty()) continue;
        filtros << (desc.contains(QLatin1Char('(')) ? desc : desc + QStringLiteral(" (") + patron + QLatin1Char(')'));
    }
    return filtros;
}

Respuesta PlataformaQt::Mostrar(const Aviso& aviso)
{
    QMessageBox caja(QApplication::activeWindow());
    caja.setWindowTitle(QString::fromStdString(aviso.titulo));
    caja.setText(TextoAviso(aviso.texto));
    switch (aviso.icono) {
    case Icono::Ninguno: caja.setIcon(QMessageBox::NoIcon); break;
    case Icono::Critico: caja.setIcon(QMessageBox::Critical); break;
    case Icono::Informacion: caja.setIcon(QMessageBox::Information); break;
    case Icono::Exclamacion: caja.setIcon(QMessageBox::Warning); break;
    case Icono::Pregunta: caja.setIcon(QMessageBox::Question); break;
    }
    if (aviso.botones == Botones::SiNo || aviso.botones == Botones::SiNoCancelar) {
        QPushButton* si = caja.addButton(QStringLiteral("&Sí"), QMessageBox::YesRole);
        QPushButton* no = caja.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        QPushButton* cancelar = aviso.botones == Botones::SiNoCancelar
                                    ? caja.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole)
                                    : nullptr;
        caja.setDefaultButton(si);
        caja.setEscapeButton(cancelar ? cancelar : no);
        caja.exec();
        if (caja.clickedButton() == si) return Respuesta::Si;
        return cancelar && caja.clickedButton() != no ? Respuesta::Cancelar : Respuesta::No;
    }
    QPushButton* aceptar = caja.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
    caja.setDefaultButton(aceptar);
    caja.setEscapeButton(aceptar);
    caja.exec();
    return Respuesta::Aceptar;
}

void DimensionarDialogo(QFileDialog& dialogo)
{
    // Qt's own dialog (not a native one): its detail columns fit their texts
    // and the name column takes the rest, so sizes and dates are never cut.
    const QFontMetrics fm(dialogo.font());
    if (auto* vista = dialogo.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* cabecera = vista->header();
        cabecera->setStretchLastSection(false);
        cabecera->setMinimumSectionSize(fm.horizontalAdvance(QStringLiteral("9.999,9 KiB")) +
                                        2 * fm.averageCharWidth());
        cabecera->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int i = 1; i < cabecera->count(); ++i) cabecera->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    }
    const QSize minimo(fm.averageCharWidth() * 115, fm.height() * 28);
    const QRect pantalla = dialogo.screen() ? dialogo.screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    dialogo.resize(std::min(std::max(dialogo.sizeHint().width(), minimo.width()), pantalla.width() * 9 / 10),
                   std::min(std::max(dialogo.sizeHint().height(), minimo.height()), pantalla.height() * 9 / 10));
}

std::optional<std::string> PlataformaQt::ElegirFichero(const PeticionFichero& peticion, QWidget* padre)
{
    QFileDialog dialogo(padre, QString::fromStdString(peticion.titulo));
    dialogo.setAcceptMode(peticion.guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog takes names that do not exist too: the load reports them.
    dialogo.setFileMode(QFileDialog::AnyFile);
    const QStringList filtros = FiltrosDialogo(peticion.filtro);
    dialogo.setNameFilters(filtros);
    if (peticion.indiceFiltro >= 1 && peticion.indiceFiltro <= filtros.size())
        dialogo.selectNameFilter(filtros[peticion.indiceFiltro - 1]);
    dialogo.setDefaultSuffix(QString::fromStdString(peticion.extensionPorDefecto));
    if (!peticion.carpetaInicial.empty()) dialogo.setDirectory(QString::fromStdString(peticion.carpetaInicial));
    if (!peticion.nombre.empty()) dialogo.selectFile(QString::fromStdString(peticion.nombre));
    // Once shown: showing restores the column widths and size of the last use.
    QTimer::singleShot(0, &dialogo, [&dialogo] { DimensionarDialogo(dialogo); });
    if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList elegidos = dialogo.selectedFiles();
    if (elegidos.isEmpty()) return std::string();
    return elegidos.first().toStdString();
}

std::vector<std::string> PlataformaQt::ElegirVarios(const PeticionFichero& peticion, QWidget* padre)
{
    QFileDialog dialogo(padre, QString::fromStdString(peticion.titulo));
    dialogo.setAcceptMode(QFileDialog::AcceptOpen);
    dialogo.setFileMode(peticion.carpeta ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    if (peticion.carpeta) dialogo.setOption(QFileDialog::ShowDirsOnly);
    else dialogo.setNameFilters(FiltrosDialogo(peticion.filtro));
    if (!peticion.carpetaInicial.empty()) dialogo.setDirectory(QString::fromStdString(peticion.carpetaInicial));
    QTimer::singleShot(0, &dialogo, [&dialogo] { DimensionarDialogo(dialogo); });
    std::vector<std::string> r;
    if (dialogo.exec() != QDialog::Accepted) return r;
    for (const QString& f : dialogo.selectedFiles()) r.push_back(f.toStdString());
    return r;
}

bool PlataformaQt::HayImpresora() { return !QPrinterInfo::defaultPrinter().isNull(); }

void PlataformaQt::ImprimirVentana(QWidget* ventana)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw ErrorEjecucion(kErrorImpresora, "No hay ninguna impresora predeterminada");
    QPrinter impresora(info, QPrinter::HighResolution);
    impresora.setFullPage(false);
    impresora.setDocName(ventana->windowTitle());
    const QPixmap imagen = ventana->grab();
    QPainter pintor;
    if (!pintor.begin(&impresora))
        throw ErrorEjecucion(kErrorImpresora,
                             "No se ha podido iniciar la impresión en " + info.printerName().toStdString());
    // The whole image on one page, as large as fits, with its proportions.
    const QRect pagina = pintor.viewport();
    QSize tam = imagen.size();
    tam.scale(pagina.size(), Qt::KeepAspectRatio);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawPixmap(QRect(pagina.topLeft(), tam), imagen);
    if (!pintor.end() || impresora.printerState() == QPrinter::Error)
        throw ErrorEjecucion(kErrorImpresora, "La impresora no ha aceptado el trabajo");
}

}  // namespace tarvelon
