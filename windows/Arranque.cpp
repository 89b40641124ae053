#include "windows/Arranque.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "data/Ficheros.h"
#include "windows/Inicio.h"
#include "windows/Plataforma.h"
#include "windows/frmSplash.h"

namespace tarvelon {

std::string CarpetaEjecutable() { return QCoreApplication::applicationDirPath().toStdString(); }

bool CargarTraduccionesQt()
{
    static bool cargadas = false;
    if (cargadas) return true;
    // Sizes and dates in the file dialog follow the Spanish form too.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* traductor = new QTranslator(QCoreApplication::instance());
    if (!traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete traductor;
        return false;
    }
    QCoreApplication::installTranslator(traductor);
    cargadas = true;
    return true;
}

std::unique_ptr<Inicio> Main(Plataforma& plataforma, const OpcionesArranque& opciones)
{
    CargarTraduccionesQt();
    auto carpeta = opciones.carpetaPrograma ? opciones.carpetaPrograma : CarpetaEjecutable;
    OpcionesInicio inicio;
    inicio.carpetaPrograma = carpeta;
    inicio.rutaPrograma = carpeta();
    // The reference data file, whatever the letter case of its name on disk.
    inicio.rutaConfig = BuscarFichero(inicio.rutaPrograma, "CONFIG.TXT");

    // Closing the splash or the notice must not end the program before its
    // main window exists.
    const bool salirAlCerrar = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    {
        frmSplash splash(opciones.intervaloSplash);
        splash.MostrarModal();
    }
    Aviso aviso;
    aviso.texto = kAvisoComaDecimal;
    aviso.icono = Icono::Informacion;
    plataforma.Mostrar(aviso);

    auto principal = std::make_unique<Inicio>(plataforma, std::move(inicio));
    principal->show();
    QApplication::setQuitOnLastWindowClosed(salirAlCerrar);
    return principal;
}

}  // namespace tarvelon
