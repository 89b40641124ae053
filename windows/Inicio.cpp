#include "windows/Inicio.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include "windows/AbrirFlota.h"
#include "windows/AreaTrabajo.h"
#include "windows/CajaTexto.h"
#include "windows/DatosPersonalizados.h"
#include "windows/Indice.h"
#include "windows/Logo.h"
#include "windows/Pasos.h"
#include "windows/Plataforma.h"
#include "windows/Twips.h"
#include "windows/VentanaAnalisis.h"
#include "windows/VentanaAyuda.h"
#include "windows/frmAbout.h"

namespace tarvelon {

constexpr int kAnchoAnalisis = 1020;  // what the analysis window asks for beside the steps

Inicio::Inicio(Plataforma& plataforma, OpcionesInicio opciones, QWidget* parent)
    : QMainWindow(parent), sesion_(new Sesion(plataforma, std::move(opciones), this))
{
    setObjectName(QStringLiteral("Inicio"));
    setWindowTitle(QString::fromUtf8(kTituloInicio));
    setWindowIcon(QIcon(DibujarLogo(64, 48)));
    area_ = new AreaTrabajo(this);
    setCentralWidget(area_);
    CrearMenus();

    // One instance of each step window for the whole run, created hidden.
    pasos_ = std::make_unique<Pasos>(plataforma, *sesion_, [this](QWidget* w) { MostrarEnPaso(w); });
    for (QWidget* w : pasos_->Todas()) area_->Alojar(w);
    // The index panel at the left edge, the only window shown at start.
    indice_ = new Indice();
    indice_->AlPulsar([this](int paso) { PulsarPaso(paso); });
    area_->AlojarPanel(indice_);
    CrearBarraEstado();
    SeguirSesion();

    Dimensionar();
}

void Inicio::Dimensionar()
{
    // The index, the largest step window and the analysis window beside it, as high as the screen less
    // the window frame; a screen too small (scaled: small in logical pixels): maximised, windows scroll.
    QSize tam =
        area_->TamanoNecesario() + QSize(8, 8 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    if (!screen()) return resize(tam);
    const QRect disponible = screen()->availableGeometry();
    const QSize zona = disponible.size() - QSize(16, 48);
    if (tam.width() > zona.width() || tam.height() > zona.height()) setWindowState(Qt::WindowMaximized);
    resize(tam = QSize(tam.width() + PixelesEscalados(kAnchoAnalisis, this), zona.height()).boundedTo(zona));
    move(disponible.topLeft() + QPoint((zona.width() - tam.width()) / 2, 0));
}

Inicio::~Inicio() = default;

void Inicio::CrearMenus()
{
    QMenuBar* barra = menuBar();
    barra->setNativeMenuBar(false);
    // Every entry has an access key, and the commands their keys, shown beside them.
    auto anadir = [this](QWidget* donde, const char* texto, QKeySequence tecla, const char* nombre, auto accion) {
        auto* a = new QAction(QString::fromUtf8(texto), donde);
        a->setShortcut(tecla);
        a->setObjectName(QString::fromLatin1(nombre));
        donde->addAction(a);
        connect(a, &QAction::triggered, this, accion);
        return a;
    };
    auto menu = [barra](const char* texto, const char* nombre) {
        QMenu* m = barra->addMenu(QString::fromUtf8(texto));
        m->setObjectName(QString::fromLatin1(nombre));
        m->menuAction()->setObjectName(QString::fromLatin1(nombre));
        return m;
    };

    QMenu* archivo = menu("&Archivo", "menuArchivo");
    menuArchivoGuardar_ = anadir(archivo, "&Guardar Datos Personalizados", QKeySequence(Qt::CTRL | Qt::Key_G),
                                 "menuArchivoGuardar", &Inicio::menuArchivoGuardar_Click);
    menuArchivoCargar_ = anadir(archivo, "&Cargar Datos Personalizados", QKeySequence(Qt::CTRL | Qt::Key_O),
                                "menuArchivoCargar", &Inicio::menuArchivoCargar_Click);
    anadir(archivo, "Abrir &flota…", QKeySequence(), "menuArchivoFlota", [this] { AbrirFlota(*sesion_, *area_); });
    archivo->addSeparator()->setObjectName(QStringLiteral("menuSeparador3"));
    anadir(archivo, "&Salir", QKeySequence(Qt::CTRL | Qt::Key_Q), "menuArchivoSalir", &QWidget::close);
    menuCopiarDatos_ = anadir(barra, "&Copiar Datos del Mirandel", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M),
                              "menuCopiarDatos", &Inicio::menuCopiarDatos_Click);
    menuAnalisis_ = anadir(barra, "A&nálisis", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), "menuAnalisis",
                           &Inicio::menuAnalisis_Click);
    QMenu* ayuda = menu("A&yuda", "menuAyuda");
    anadir(ayuda, "&Ayuda", QKeySequence(QKeySequence::HelpContents), "menuAyudaAyuda", &Inicio::menuAyudaAyuda_Click);
    anadir(ayuda, "A&cerca de ...", QKeySequence(), "menuAyudaAcercaDe", &Inicio::menuAyudaAcercaDe_Click);
    // The two commands of the bar itself show their keys where the pointer rests on them.
    for (QAction* a : {menuCopiarDatos_, menuAnalisis_})
        a->setToolTip(a->text().remove(QLatin1Char('&')) + QStringLiteral(" (") +
                      a->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));
    // Saving, copying reference data and the analysis wait for a vehicle type.
    for (QAction* a : {menuArchivoGuardar_, menuCopiarDatos_, menuAnalisis_}) a->setEnabled(false);
}

void Inicio::CrearBarraEstado()
{
    // Where to go next, and the file the simulation column came from.
    // Labels, not the bar's passing messages, which the menus' empty tips clear.
    lblIndicacion_ = new QLabel(QStringLiteral("Comience con el paso 0.- Selección Tipo Veh."), this);
    lblIndicacion_->setObjectName(QStringLiteral("lblIndicacion"));
    // A long type name must not widen the main window beyond the screen.
    lblIndicacion_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblFichero_ = new QLabel(this);
    lblFichero_->setObjectName(QStringLiteral("lblFicheroDatos"));
    statusBar()->setObjectName(QStringLiteral("BarraEstado"));
    statusBar()->addWidget(lblIndicacion_, 1);
    statusBar()->addPermanentWidget(lblFichero_);
}

void Inicio::SeguirSesion()
{
    connect(sesion_, &Sesion::pasosAbiertos, this, &Inicio::HabilitarPasos);
    connect(sesion_, &Sesion::tipoSeleccionado, this, [this](const QString& tipo) {
        setWindowTitle(QString::fromUtf8(kTituloInicio) + QStringLiteral(" - ") + tipo);
        Indicar(QStringLiteral("Tipo seleccionado: ") + tipo +
                QStringLiteral(". Continúe con el paso 1.- Datos Generales"));
        // The selection window first, then the steps behind it.
        for (int v = Pasos::kVehiculo; v <= Pasos::kCostesVariablesB; ++v) area_->Ocultar((*pasos_)[v]);
        area_->Ocultar((*pasos_)[Pasos::kTrayecto]);
    });
    connect(sesion_, &Sesion::columnaGuardada, this, [this](const QString& fichero) {
        Indicar(QStringLiteral("Fichero ") + fichero + QStringLiteral(" grabado"));
    });
    connect(sesion_, &Sesion::columnaCargada, this, [this](const QString& fichero) {
        OcultarForms();
        Indicar(QStringLiteral("Fichero: ") + fichero + QStringLiteral(" cargado"));
    });
    connect(sesion_, &Sesion::columnaNoGuardada, this,
            [this] { Indicar(QStringLiteral("No se ha grabado ningún fichero de configuración")); });
    connect(sesion_, &Sesion::referenciaCopiada, this,
            [this] { Indicar(QStringLiteral("Datos del Mirandel copiados en la columna de simulación")); });
    connect(sesion_, &Sesion::ficheroCambiado, this, [this](const QString& fichero) {
        lblFichero_->setText(fichero.isEmpty() ? QString() : QStringLiteral("Datos: ") + fichero);
        lblFichero_->setToolTip(fichero);
    });
    connect(sesion_, &Sesion::cajaFallida, this, &Inicio::SenalarCaja);
}

void Inicio::MostrarEnPaso(QWidget* ventana)
{
    if (!ventana) return;
    area_->MostrarEnPaso(ventana);
    Indicar(IndicacionDe(ventana));
}

QString Inicio::IndicacionDe(const QWidget* ventana) const
{
    const Pasos& p = *pasos_;
    const auto paso = [this](int n) { return QStringLiteral("el paso ") + indice_->Boton(n)->text(); };
    if (ventana == p[Pasos::kVehiculo])
        return sesion_->TipoColumna().empty() ? QStringLiteral("Elija el tipo de vehículo y pulse «Seleccionar»")
                                              : QStringLiteral("Elija otro tipo de vehículo o continúe con ") + paso(1);
    if (ventana == p[Pasos::kResultado]) return QStringLiteral("Elija qué calcular y pulse «Calcular»");
    if (ventana == p[Pasos::kTrayecto] || ventana == p[Pasos::kPresupuesto])
        return QStringLiteral("Conserve el informe con «Guardar como PDF…» o «Imprimir»");
    for (int n = 1; n < Indice::kPasos - 1; ++n)
        if (ventana == p.DePaso(n)) return QStringLiteral("Continúe con ") + paso(n + 1);
    return lblIndicacion_->text();
}

void Inicio::Indicar(const QString& texto) { lblIndicacion_->setText(texto); }

void Inicio::OcultarForms()
{
    for (QWidget* w : pasos_->Todas()) area_->Ocultar(w);
    indice_->QuitarNegritas();
}

void Inicio::PulsarPaso(int paso)
{
    OcultarForms();
    MostrarEnPaso(pasos_->DePaso(paso));
    indice_->MarcarNegrita(paso);
}

void Inicio::HabilitarPasos()
{
    indice_->HabilitarPasos();
    for (QAction* a : {menuArchivoGuardar_, menuCopiarDatos_, menuAnalisis_}) a->setEnabled(true);
}

void Inicio::SenalarCaja(QLineEdit* caja)
{
    const int paso = pasos_->PasoDe(caja);
    if (paso < 0 || !caja->isEnabled()) return;
    PulsarPaso(paso);
    area_->setActiveSubWindow(area_->Marco(pasos_->DePaso(paso)));
    Indicar(QStringLiteral("Corrija la casilla señalada en el paso ") + indice_->Boton(paso)->text());
    EnfocarCaja(caja);
}

void Inicio::menuArchivoGuardar_Click() { GuardarDatosPersonalizados(*sesion_, sesion_->TextoTipoSeleccionado()); }

void Inicio::menuArchivoCargar_Click()
{
    if (sesion_->ConfirmarCambios()) CargarDatosPersonalizados(*sesion_);
}

void Inicio::menuCopiarDatos_Click() { sesion_->CopiarReferencia(); }

void Inicio::closeEvent(QCloseEvent* evento)
{
    if (sesion_->ConfirmarCambios()) evento->accept();
    else evento->ignore();
}

void Inicio::menuAnalisis_Click()
{
    // A window of the work area that stays in view while the user types in the steps.
    if (!analisis_) analisis_ = new VentanaAnalisis(*sesion_, pasos_->DePaso(Pasos::kResultado), this);
    area_->MostrarAlLado(analisis_, kAnchoAnalisis);
}

void Inicio::menuAyudaAyuda_Click()
{
    // The program folder as it is now, like the original help command.
    const QString ruta = QString::fromStdString(sesion_->CarpetaPrograma()) + QStringLiteral("/ayuda.html");
    if (!QFileInfo(ruta).isFile()) {
        sesion_->plataforma().Mostrar(
            Aviso{"No se encuentra el fichero de ayuda " + ruta.toStdString(), Icono::Critico});
        return;
    }
    if (!ayuda_) ayuda_ = new VentanaAyuda(this);
    ayuda_->Abrir(ruta);
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

void Inicio::menuAyudaAcercaDe_Click() { frmAbout::Abrir(this); }

}  // namespace tarvelon
