#include "windows/Inicio.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>

#include "model/Errores.h"
#include "windows/AbrirFlota.h"
#include "windows/CajaTexto.h"
#include "windows/CambiosSimulacion.h"
#include "windows/Columnas.h"
#include "windows/CostesFijosC.h"
#include "windows/DatosGenerales.h"
#include "windows/DisenosEntrada.h"
#include "windows/Indice.h"
#include "windows/Logo.h"
#include "windows/Plataforma.h"
#include "windows/Twips.h"
#include "windows/VentanaAnalisis.h"
#include "windows/VentanaAyuda.h"
#include "windows/frmAbout.h"

#include "windows/DatosPersonalizados.h"
#include "windows/Presupuesto.h"
#include "windows/SeleccionarResultado.h"
#include "windows/Trayecto.h"

namespace tarvelon {

namespace {
constexpr int kHuecoPasoTwips = 5;    // between the index and the step windows
constexpr int kAnchoUtil = 320;       // a step window narrower than this covers the index instead
constexpr int kAnchoAnalisis = 1020;  // what the analysis window asks for beside the steps

// A hosted window inside its frame: it scrolls when the work area is smaller
// than the window, and asks for the window's whole size otherwise.
class Desplazable : public QScrollArea {
public:
    explicit Desplazable(QWidget* ventana)
    {
        setObjectName(QStringLiteral("Desplazable") + ventana->objectName());
        setWindowTitle(ventana->windowTitle());  // the frame's caption, and what names the window
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setWidget(ventana);
    }
    QSize sizeHint() const override { return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()); }
};
}  // namespace

Inicio::Inicio(Plataforma& plataforma, OpcionesInicio opciones, QWidget* parent)
    : QMainWindow(parent),
      plataforma_(plataforma),
      opciones_(std::move(opciones)),
      rutaPrograma_(opciones_.rutaPrograma),
      rutaConfig_(opciones_.rutaConfig)
{
    setObjectName(QStringLiteral("Inicio"));
    setWindowTitle(QString::fromUtf8(kTituloInicio));
    setWindowIcon(QIcon(DibujarLogo(64, 48)));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("AreaTrabajo"));
    // A frame the user drags past the edge is still reached; and the area
    // never asks for the room of its largest window, so the main window fits
    // a small screen and can be maximised.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);

    CrearMenus();
    // Saving and copying reference data wait for a vehicle type.
    menuArchivoGuardar_->setEnabled(false);
    menuCopiarDatos_->setEnabled(false);
    menuAnalisis_->setEnabled(false);

    // One instance of each step window for the whole run, created hidden.
    // The input windows come first: the result windows work on their columns.
    dg_ = new DatosGenerales(plataforma_);
    cfa_ = CrearCostesFijosA();
    cfb_ = CrearCostesFijosB();
    cfc_ = new CostesFijosC();
    cva_ = CrearCostesVariablesA();
    cvb_ = CrearCostesVariablesB();
    ci_ = CrearCostesIndirectos();
    vehiculo_ = new SeleccionarVehiculo(plataforma_, *this);
    columnas_ =
        std::make_unique<Columnas>(VentanasColumnas{vehiculo_, dg_, cfa_, cfb_, cfc_, cva_, cvb_, ci_}, plataforma_);
    columnas_->AlFallarCaja([this](QLineEdit* caja) { SenalarCaja(caja); });
    cambios_ = std::make_unique<CambiosSimulacion>(VentanasColumnas{vehiculo_, dg_, cfa_, cfb_, cfc_, cva_, cvb_, ci_});
    auto* nuevoTrayecto = new Trayecto(*columnas_, plataforma_);
    trayecto_ = nuevoTrayecto;
    auto* nuevoPresupuesto = new Presupuesto(*columnas_, plataforma_);
    presupuesto_ = nuevoPresupuesto;
    indice_ = new Indice();
    indice_->AlPulsar([this](int paso) { PulsarPaso(paso); });
    resultado_ = new SeleccionarResultado(*nuevoTrayecto, *nuevoPresupuesto, [this](QWidget* w) { MostrarEnPaso(w); });
    for (QWidget* w : {static_cast<QWidget*>(dg_), static_cast<QWidget*>(cfa_), static_cast<QWidget*>(cfb_),
                       static_cast<QWidget*>(cfc_), static_cast<QWidget*>(cva_), static_cast<QWidget*>(cvb_), trayecto_,
                       presupuesto_, static_cast<QWidget*>(vehiculo_), resultado_, static_cast<QWidget*>(ci_)})
        Alojar(w);

    // The index panel at the left edge, the only window shown at start.
    QMdiSubWindow* marcoIndice = Alojar(indice_, true);
    marcoIndice->move(0, 0);
    marcoIndice->show();

    // Room for the largest step window beside the index.
    int ancho = indice_->width();
    int alto = indice_->height();
    for (const auto& [w, marco] : marcos_) {
        if (w == indice_) continue;
        // A hidden frame may not count its window yet: the window and a title bar.
        const int barra = marco->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, marco) + 8;
        ancho =
            std::max({ancho, IzquierdaPaso() + marco->sizeHint().width(), IzquierdaPaso() + w->sizeHint().width() + 8});
        alto = std::max({alto, marco->sizeHint().height(), w->sizeHint().height() + barra});
    }
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

    // Never larger than the screen (a scaled screen may be small in logical pixels).
    QSize tam(ancho + 8, alto + 8 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    if (screen()) {
        const QSize zona = screen()->availableGeometry().size() - QSize(16, 48);
        // A screen too small for the largest window: all of it, and the windows scroll.
        if (tam.width() > zona.width() || tam.height() > zona.height()) setWindowState(Qt::WindowMaximized);
        tam = tam.boundedTo(zona);
    }
    resize(tam);
}

Inicio::~Inicio() = default;

void Inicio::CrearMenus()
{
    QMenuBar* barra = menuBar();
    barra->setNativeMenuBar(false);
    auto nombrar = [](QAction* a, const char* nombre) {
        a->setObjectName(QString::fromLatin1(nombre));
        return a;
    };

    QMenu* archivo = barra->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("menuArchivo"));
    nombrar(archivo->menuAction(), "menuArchivo");
    // Every entry has an access key, and the commands their keys, shown beside them.
    menuArchivoGuardar_ =
        nombrar(archivo->addAction(QStringLiteral("&Guardar Datos Personalizados"), QKeySequence(Qt::CTRL | Qt::Key_G)),
                "menuArchivoGuardar");
    menuArchivoCargar_ =
        nombrar(archivo->addAction(QStringLiteral("&Cargar Datos Personalizados"), QKeySequence(Qt::CTRL | Qt::Key_O)),
                "menuArchivoCargar");
    connect(nombrar(archivo->addAction(QStringLiteral("Abrir &flota…")), "menuArchivoFlota"), &QAction::triggered, this,
            &Inicio::menuArchivoFlota_Click);
    nombrar(archivo->addSeparator(), "menuSeparador3");
    QAction* salir =
        nombrar(archivo->addAction(QStringLiteral("&Salir"), QKeySequence(Qt::CTRL | Qt::Key_Q)), "menuArchivoSalir");

    menuCopiarDatos_ = nombrar(barra->addAction(QStringLiteral("&Copiar Datos del Mirandel")), "menuCopiarDatos");
    menuCopiarDatos_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    menuAnalisis_ = nombrar(barra->addAction(QStringLiteral("A&nálisis")), "menuAnalisis");
    menuAnalisis_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

    QMenu* ayuda = barra->addMenu(QStringLiteral("A&yuda"));
    ayuda->setObjectName(QStringLiteral("menuAyuda"));
    nombrar(ayuda->menuAction(), "menuAyuda");
    QAction* ayudaAyuda =
        nombrar(ayuda->addAction(QStringLiteral("&Ayuda"), QKeySequence(QKeySequence::HelpContents)), "menuAyudaAyuda");
    QAction* acercaDe = nombrar(ayuda->addAction(QStringLiteral("A&cerca de ...")), "menuAyudaAcercaDe");
    // The two commands of the bar itself show their keys where the pointer rests on them.
    for (QAction* a : {menuCopiarDatos_, menuAnalisis_})
        a->setToolTip(a->text().remove(QLatin1Char('&')) + QStringLiteral(" (") +
                      a->shortcut().toString(QKeySequence::NativeText) + QLatin1Char(')'));

    connect(menuArchivoGuardar_, &QAction::triggered, this, &Inicio::menuArchivoGuardar_Click);
    connect(menuArchivoCargar_, &QAction::triggered, this, &Inicio::menuArchivoCargar_Click);
    connect(salir, &QAction::triggered, this, &QWidget::close);
    connect(menuCopiarDatos_, &QAction::triggered, this, &Inicio::menuCopiarDatos_Click);
    connect(menuAnalisis_, &QAction::triggered, this, &Inicio::menuAnalisis_Click);
    connect(ayudaAyuda, &QAction::triggered, this, &Inicio::menuAyudaAyuda_Click);
    connect(acercaDe, &QAction::triggered, this, &Inicio::menuAyudaAcercaDe_Click);
}

QMdiSubWindow* Inicio::Alojar(QWidget* ventana, bool sinBorde)
{
    Qt::WindowFlags banderas = sinBorde ? Qt::FramelessWindowHint
                                        : Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    // The index is never larger than the area; every other window scrolls inside its frame.
    QMdiSubWindow* marco = mdi_->addSubWindow(sinBorde ? ventana : new Desplazable(ventana), banderas);
    // Closing a step window only hides it: it keeps its contents for the run.
    marco->setAttribute(Qt::WA_DeleteOnClose, false);
    marco->setObjectName(QStringLiteral("Marco") + ventana->objectName());
    marco->setWindowTitle(ventana->windowTitle());
    marco->hide();
    ventana->installEventFilter(this);
    marcos_[ventana] = marco;
    return marco;
}

bool Inicio::eventFilter(QObject* objeto, QEvent* evento)
{
    // The work area changed size (the main window maximised, restored or
    // resized): the windows shown fit it again, each where it was.
    if (objeto == mdi_->viewport() && evento->type() == QEvent::Resize && !ajustando_) {
        ajustando_ = true;
        for (const auto& [w, marco] : marcos_)
            if (w != indice_ && marco->isVisible() &&
                !(marco->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
                Colocar(marco, marco->pos(), w == analisis_ ? marco->width() : QWIDGETSIZE_MAX);
        if (analisisPorColocar_ && analisis_ && analisis_->isVisible())
            ColocarAnalisis(analisisSitio_.first, analisisSitio_.second);
        analisisPorColocar_ = false;
        ajustando_ = false;
    }
    // A window that hides itself takes its frame with it.
    if (evento->type() == QEvent::HideToParent)
        if (auto* w = qobject_cast<QWidget*>(objeto))
            if (QMdiSubWindow* marco = Marco(w)) marco->hide();
    return QMainWindow::eventFilter(objeto, evento);
}

QMdiSubWindow* Inicio::Marco(QWidget* ventana) const
{
    auto it = marcos_.find(ventana);
    return it == marcos_.end() ? nullptr : it->second;
}

void Inicio::Ocultar(QWidget* ventana)
{
    if (!ventana) return;
    if (QMdiSubWindow* marco = Marco(ventana)) marco->hide();
}

void Inicio::MostrarEnPaso(QWidget* ventana)
{
    if (!ventana) return;
    QMdiSubWindow* marco = Marco(ventana);
    if (!marco) marco = Alojar(ventana);
    ventana->show();
    // A window the user minimised or maximised comes back as designed.
    if (marco->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) marco->showNormal();
    Colocar(marco, QPoint(IzquierdaPaso(), 0));
    marco->show();
    marco->raise();
    mdi_->setActiveSubWindow(marco);
    lblIndicacion_->setText(IndicacionDe(ventana));
}

QString Inicio::IndicacionDe(const QWidget* ventana) const
{
    const auto paso = [this](int n) { return QStringLiteral("el paso ") + indice_->Boton(n)->text(); };
    if (ventana == vehiculo_)
        return tipoColumna_.empty() ? QStringLiteral("Elija el tipo de vehículo y pulse «Seleccionar»")
                                    : QStringLiteral("Elija otro tipo de vehículo o continúe con ") + paso(1);
    if (ventana == resultado_) return QStringLiteral("Elija qué calcular y pulse «Calcular»");
    if (ventana == trayecto_ || ventana == presupuesto_)
        return QStringLiteral("Conserve el informe con «Guardar como PDF…» o «Imprimir»");
    for (int n = 1; n < Indice::kPasos - 1; ++n)
        if (ventana == VentanaDePaso(n)) return QStringLiteral("Continúe con ") + paso(n + 1);
    return lblIndicacion_->text();
}

void Inicio::Colocar(QMdiSubWindow* marco, QPoint sitio, int anchoMaximo)
{
    // The window keeps its own size where the work area has room for it (a
    // list filled on first showing may have widened it); else its frame is as
    // large as the area allows beside the index, and the window scrolls in it.
    marco->adjustSize();
    const QSize area = mdi_->viewport()->size();
    // A frame cut short one way shows a scroll bar: room for it the other way.
    QSize natural = marco->size();
    const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (natural.height() > area.height()) natural.rwidth() += barra;
    if (natural.width() > std::min(anchoMaximo, area.width() - std::max(0, sitio.x()))) natural.rheight() += barra;
    QSize tam = natural.boundedTo(area).boundedTo(QSize(anchoMaximo, area.height()));
    tam.setWidth(std::min(tam.width(), std::max(area.width() - sitio.x(), std::min(tam.width(), kAnchoUtil))));
    // Never partly off the area.
    sitio.setX(std::clamp(sitio.x(), 0, std::max(0, area.width() - tam.width())));
    sitio.setY(std::clamp(sitio.y(), 0, std::max(0, area.height() - tam.height())));
    marco->resize(tam);
    marco->move(sitio);
}

int Inicio::IzquierdaPaso() const
{
    // 2005 twips with the design's index; more when its captions need it.
    return indice_->width() + TwipsAPixelesX(kHuecoPasoTwips, this);
}

void Inicio::OcultarForms()
{
    for (QWidget* w : {static_cast<QWidget*>(vehiculo_), static_cast<QWidget*>(dg_), static_cast<QWidget*>(cfa_),
                       static_cast<QWidget*>(cfb_), static_cast<QWidget*>(cfc_), static_cast<QWidget*>(cva_),
                       static_cast<QWidget*>(cvb_), static_cast<QWidget*>(ci_), trayecto_, resultado_, presupuesto_})
        Ocultar(w);
    indice_->QuitarNegritas();
}

QWidget* Inicio::VentanaDePaso(int paso) const
{
    switch (paso) {
    case 0: return vehiculo_;
    case 1: return dg_;
    case 2: return cfa_;
    case 3: return cfb_;
    case 4: return cfc_;
    case 5: return cva_;
    case 6: return cvb_;
    case 7: return ci_;
    case 8: return resultado_;
    default: return nullptr;
    }
}

void Inicio::PulsarPaso(int paso)
{
    OcultarForms();
    MostrarEnPaso(VentanaDePaso(paso));
    indice_->MarcarNegrita(paso);
}

void Inicio::OcultarTrasSeleccion()
{
    // This window first, then the step windows (it is the first of them too).
    for (QWidget* w : {static_cast<QWidget*>(vehiculo_), static_cast<QWidget*>(dg_), static_cast<QWidget*>(cfa_),
                       static_cast<QWidget*>(cfb_), static_cast<QWidget*>(cfc_), static_cast<QWidget*>(cva_),
                       static_cast<QWidget*>(cvb_), trayecto_})
        Ocultar(w);
}

void Inicio::HabilitarPasos()
{
    indice_->HabilitarPasos();
    menuArchivoGuardar_->setEnabled(true);
    menuCopiarDatos_->setEnabled(true);
    menuAnalisis_->setEnabled(true);
}

void Inicio::TituloConTipo(const std::string& tipo)
{
    setWindowTitle(QString::fromUtf8(kTituloInicio) + QStringLiteral(" - ") + QString::fromStdString(tipo));
}

std::string Inicio::CarpetaPrograma() const
{
    return opciones_.carpetaPrograma ? opciones_.carpetaPrograma() : rutaPrograma_;
}

std::string Inicio::TextoTipoSeleccionado() const { return vehiculo_->TextoTipo(); }

void Inicio::menuArchivoGuardar_Click() { GuardarDatosPersonalizados(*this); }

void Inicio::menuArchivoCargar_Click()
{
    if (ConfirmarCambios()) CargarDatosPersonalizados(*this);
}

void Inicio::menuArchivoFlota_Click()
{
    // A row chosen in the fleet loads as «Cargar» does, after the same question.
    if (auto* flota = AbrirFlota(plataforma_, *mdi_, rutaPrograma_, CarpetaPrograma()))
        connect(flota, &VentanaFlota::Elegido, this, [this](const QString& ruta) {
            if (ConfirmarCambios()) CargarDatosPersonalizados(*this, ruta.toStdString());
        });
}

void Inicio::menuCopiarDatos_Click()
{
    // Figures not saved are replaced only after a Yes; saved ones can be loaded again.
    if (cambios_->Cambiada()) {
        Aviso pregunta;
        pregunta.texto = kPreguntaCopiar;
        pregunta.icono = Icono::Pregunta;
        pregunta.botones = Botones::SiNo;
        if (plataforma_.Mostrar(pregunta) != Respuesta::Si) return;
    }
    Simulacion s;
    columnas_->LeerColumnaReferencia(s);
    columnas_->EscribirColumnaSimulacion(s);
    lblIndicacion_->setText(QStringLiteral("Datos del Mirandel copiados en la columna de simulación"));
}

bool Inicio::ConfirmarCambios()
{
    if (!cambios_->Cambiada()) return true;
    Aviso pregunta;
    pregunta.texto = kPreguntaCambios;
    pregunta.icono = Icono::Pregunta;
    pregunta.botones = Botones::SiNoCancelar;
    const Respuesta r = plataforma_.Mostrar(pregunta);
    if (r == Respuesta::Cancelar) return false;
    if (r != Respuesta::Si) return true;
    // The figures are saved under the type they belong to, not under one
    // chosen in the selector but not selected yet.
    const std::string elegido = vehiculo_->TextoTipo();
    vehiculo_->EscribirTipo(tipoColumna_);
    const bool grabado = GuardarDatosPersonalizados(*this);
    vehiculo_->EscribirTipo(elegido);
    return grabado;
}

void Inicio::Indicar(const std::string& texto, const std::string& fichero)
{
    lblIndicacion_->setText(QString::fromStdString(texto));
    lblFichero_->setText(fichero.empty() ? QString() : QStringLiteral("Datos: ") + QString::fromStdString(fichero));
    lblFichero_->setToolTip(QString::fromStdString(fichero));
}

void Inicio::ColumnaSeleccionada(const std::string& tipo)
{
    cambios_->Tomar();
    tipoColumna_ = tipo;
    Indicar("Tipo seleccionado: " + tipo + ". Continúe con el paso 1.- Datos Generales", "");
}

void Inicio::ColumnaGuardada(const std::string& fichero)
{
    cambios_->Tomar();
    Indicar("Fichero " + fichero + " grabado", fichero);
}

void Inicio::ColumnaNoGuardada()
{
    lblIndicacion_->setText(QStringLiteral("No se ha grabado ningún fichero de configuración"));
}

void Inicio::ColumnaCargada(const std::string& fichero, const std::string& tipo)
{
    cambios_->Tomar();
    tipoColumna_ = tipo;
    Indicar("Fichero: " + fichero + " cargado", fichero);
}

int Inicio::PasoDe(const QWidget* w) const
{
    for (int paso = 0; paso < Indice::kPasos; ++paso)
        if (VentanaDePaso(paso)->isAncestorOf(w)) return paso;
    return -1;
}

void Inicio::SenalarCaja(QLineEdit* caja)
{
    const int paso = PasoDe(caja);
    if (paso < 0 || !caja->isEnabled()) return;
    PulsarPaso(paso);
    mdi_->setActiveSubWindow(Marco(VentanaDePaso(paso)));
    lblIndicacion_->setText(QStringLiteral("Corrija la casilla señalada en el paso ") + indice_->Boton(paso)->text());
    EnfocarCaja(caja);
}

void Inicio::closeEvent(QCloseEvent* evento)
{
    if (ConfirmarCambios()) evento->accept();
    else evento->ignore();
}

void Inicio::menuAnalisis_Click()
{
    // A window of the work area that stays in view while the user types in the steps.
    if (!analisis_) {
        analisis_ = new VentanaAnalisis(*this, this);
        Alojar(analisis_);
    }
    QMdiSubWindow* marco = Marco(analisis_);
    analisis_->show();
    if (marco->isMinimized() || marco->isMaximized()) marco->showNormal();
    // Beside the step windows: right of the widest of them.
    int derechaPasos = IzquierdaPaso();
    for (const auto& [w, m] : marcos_)
        if (w != indice_ && w != analisis_)  // a frame never shown may not count its window yet
            derechaPasos = std::max(
                {derechaPasos, IzquierdaPaso() + m->sizeHint().width(), IzquierdaPaso() + w->sizeHint().width() + 8});
    const int bordes = marco->sizeHint().width() - marco->widget()->sizeHint().width();
    // Narrower than its content it still serves beside the steps: it scrolls.
    const int minimo = std::min(analisis_->minimumSizeHint().width() + bordes, 2 * PixelesEscalados(kAnchoUtil, this));
    const int deseado = std::max(minimo, PixelesEscalados(kAnchoAnalisis, this));
    // A main window that is not maximised grows within the screen to make the
    // room; the window system may resize it later, and the area places the
    // analysis window again then.
    const int area = mdi_->viewport()->width();
    if (area < derechaPasos + deseado && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) && screen()) {
        const QRect zona = screen()->availableGeometry();
        const int bordesPrincipal = frameGeometry().width() - width();
        const int ancho = std::min(width() + derechaPasos + deseado - area, zona.width() - bordesPrincipal);
        if (ancho > width()) {
            analisisPorColocar_ = true;
            resize(ancho, height());
            const int derecha = x() + ancho + bordesPrincipal;
            if (derecha > zona.right() + 1) move(std::max(zona.left(), x() - (derecha - zona.right() - 1)), y());
        }
    }
    analisisSitio_ = {derechaPasos, minimo};
    ColocarAnalisis(derechaPasos, minimo);
    marco->show();
    marco->raise();
    mdi_->setActiveSubWindow(marco);
}

void Inicio::ColocarAnalisis(int derechaPasos, int minimo)
{
    QMdiSubWindow* marco = Marco(analisis_);
    const int area = mdi_->viewport()->width();
    // Too narrow for both: at the right edge over the step windows, the index
    // left in view; the frames are switched with Ctrl+Tab.
    if (area - derechaPasos >= minimo) {
        Colocar(marco, QPoint(derechaPasos, 0), area - derechaPasos);
    } else {
        Colocar(marco, QPoint(IzquierdaPaso(), 0), area - IzquierdaPaso());
        marco->move(std::max(0, area - marco->width()), 0);
    }
    marco->resize(marco->width(), mdi_->viewport()->height());
}

void Inicio::menuAyudaAyuda_Click()
{
    // The program folder as it is now, like the original help command.
    const QString ruta = QString::fromStdString(CarpetaPrograma()) + QStringLiteral("/ayuda.html");
    if (!QFileInfo(ruta).isFile()) {
        plataforma_.Mostrar(Aviso{"No se encuentra el fichero de ayuda " + ruta.toStdString(), Icono::Critico});
        return;
    }
    if (!ayuda_) ayuda_ = new VentanaAyuda(this);
    ayuda_->Abrir(ruta);
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

void Inicio::menuAyudaAcercaDe_Click()
{
    // Each further one a step down and to the right of the last, so that it is seen.
    const auto abiertas = findChildren<frmAbout*>();
    auto* acerca = new frmAbout(this);
    acerca->adjustSize();
    QPoint sitio = geometry().center() - acerca->rect().center();
    if (!abiertas.isEmpty()) sitio = abiertas.last()->pos() + QPoint(32, 32);
    acerca->move(sitio);
    acerca->show();
}

}  // namespace tarvelon
