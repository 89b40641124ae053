#include "windows/VentanaFlota.h"

#include <filesystem>

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "model/Errores.h"
#include "model/Numeros.h"
#include "windows/ExportarFlota.h"
#include "windows/FiltroFlota.h"
#include "windows/GraficosFlota.h"
#include "windows/ModeloFlota.h"
#include "windows/PanelSiEntonces.h"
#include "windows/Plataforma.h"
#include "windows/VigilanciaFlota.h"

namespace tarvelon {

namespace {

constexpr int kMsAntesDeProgreso = 200;
const QString kTodos = QStringLiteral("Todos los tipos");

}  // namespace

VentanaFlota::VentanaFlota(Plataforma& plataforma, std::string carpetaPrograma, CargaFlota::Cargador cargar,
                           QWidget* parent)
    : QWidget(parent),
      plataforma_(plataforma),
      carpetaPrograma_(std::move(carpetaPrograma)),
      modelo_(new ModeloFlota(this)),
      filtro_(new FiltroFlota(this)),
      cargador_(cargar ? cargar : [c = carpetaPrograma_](const std::string& r) { return CargarVehiculoFlota(r, c); }),
      carga_(cargador_),
      vigilancia_(new VigilanciaFlota(this)),
      actualizar_(new QTimer(this)),
      aviso_(new QTimer(this))
{
    setObjectName(QStringLiteral("VentanaFlota"));
    setWindowTitle(QStringLiteral("Flota"));
    filtro_->setSourceModel(modelo_);
    filtro_->setSortRole(ModeloFlota::kRolOrden);
    for (QTimer* t : {actualizar_, aviso_}) t->setSingleShot(true);
    actualizar_->setInterval(0);
    aviso_->setInterval(kMsAntesDeProgreso);

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(CrearBarra());
    auto* division = new QSplitter(Qt::Horizontal, this);
    auto* izquierda = new QSplitter(Qt::Vertical, division);
    izquierda->addWidget(CrearTabla());
    graficos_ = new GraficosFlota(izquierda);
    graficos_->setMinimumHeight(fontMetrics().height() * 10);
    izquierda->addWidget(graficos_);
    izquierda->setStretchFactor(0, 3);
    izquierda->setStretchFactor(1, 2);
    division->addWidget(izquierda);
    panel_ = new PanelSiEntonces(division);
    auto* desplazable = new QScrollArea(division);
    desplazable->setWidget(panel_);
    desplazable->setWidgetResizable(true);
    division->addWidget(desplazable);
    // The table takes what is left; on a small screen the panel scrolls.
    division->setStretchFactor(0, 1);
    // Once laid out: the panel whole when it takes at most half the width.
    QTimer::singleShot(0, division, [division, izquierda, desplazable, this] {
        const int ancho = division->width(), alto = izquierda->height();
        const int panel =
            std::min(ancho / 2, panel_->sizeHint().width() + desplazable->verticalScrollBar()->sizeHint().width() + 4);
        division->setSizes({ancho - panel, panel});
        izquierda->setSizes({alto * 3 / 5, alto - alto * 3 / 5});
    });
    raiz->addWidget(division, 1);
    raiz->addWidget(CrearProgreso());

    Conectar();
    Actualizar();
}

VentanaFlota::~VentanaFlota() = default;

void VentanaFlota::Conectar()
{
    connect(&carga_, &CargaFlota::Lote, this, &VentanaFlota::AlLote);
    connect(&carga_, &CargaFlota::Avance, this, [this](int hechos, int total) {
        progreso_->setMaximum(total);
        progreso_->setValue(hechos);
    });
    connect(&carga_, &CargaFlota::Terminada, this, &VentanaFlota::AlTerminar);
    connect(aviso_, &QTimer::timeout, this, [this] {
        if (carga_.Activa()) progreso_->parentWidget()->show();
    });
    connect(vigilancia_, &VigilanciaFlota::Cambio, this, &VentanaFlota::Revisar);
    connect(actualizar_, &QTimer::timeout, this, &VentanaFlota::Actualizar);
    for (auto senal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(filtro_, senal, actualizar_, qOverload<>(&QTimer::start));
    connect(filtro_, &QAbstractItemModel::modelReset, actualizar_, qOverload<>(&QTimer::start));
    connect(filtro_, &QAbstractItemModel::layoutChanged, actualizar_, qOverload<>(&QTimer::start));
    connect(filtro_, &QAbstractItemModel::dataChanged, actualizar_, qOverload<>(&QTimer::start));
    connect(panel_, &PanelSiEntonces::Cambiados, this, [this](const CambiosFlota& c) { modelo_->Cambiar(c); });
}

QWidget* VentanaFlota::CrearBarra()
{
    auto* barra = new QWidget(this);
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(0, 0, 0, 0);
    tipo_ = new QComboBox(barra);
    tipo_->setObjectName(QStringLiteral("cbTipoFlota"));
    tipo_->addItem(kTodos);
    tipo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    tipo_->setMinimumContentsLength(24);
    texto_ = new QLineEdit(barra);
    texto_->setObjectName(QStringLiteral("txtBuscarFlota"));
    texto_->setPlaceholderText(QStringLiteral("Buscar en fichero, tipo o motivo"));
    texto_->setClearButtonEnabled(true);
    texto_->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    cuenta_ = new QLabel(barra);
    cuenta_->setObjectName(QStringLiteral("lblCuentaFlota"));
    fila->addWidget(new QLabel(QStringLiteral("Tipo:"), barra));
    fila->addWidget(tipo_);
    fila->addWidget(texto_, 1);
    fila->addWidget(cuenta_);
    auto boton = [&](const char* nombre, const QString& texto) {
        auto* b = new QPushButton(texto, barra);
        b->setObjectName(QString::fromLatin1(nombre));
        fila->addWidget(b);
        return b;
    };
    connect(boton("btAnadirFicheros", QStringLiteral("Añadir ficheros…")), &QPushButton::clicked, this, [this] {
        PeticionFichero p;
        p.titulo = "Añadir ficheros a la flota";
        p.filtro = "Archivo de configuración (*.txt)|*.txt|Todos los archivos (*.*)|*.*|";
        p.carpetaInicial = vigilancia_->carpeta();
        AnadirFicheros(plataforma_.ElegirVarios(p, this));
    });
    auto filtrar = [this] {
        filtro_->Fijar(tipo_->currentIndex() > 0 ? tipo_->currentText() : QString(), texto_->text());
    };
    connect(tipo_, &QComboBox::currentIndexChanged, this, filtrar);
    connect(texto_, &QLineEdit::textChanged, this, filtrar);
    return barra;
}

QWidget* VentanaFlota::CrearTabla()
{
    auto* caja = new QWidget(this);
    auto* capas = new QVBoxLayout(caja);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->setSpacing(0);
    tabla_ = new QTableView(caja);
    tabla_->setObjectName(QStringLiteral("tablaFlota"));
    tabla_->setModel(filtro_);
    tabla_->setSortingEnabled(true);
    tabla_->sortByColumn(ModeloFlota::kFichero, Qt::AscendingOrder);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setDefaultSectionSize(tabla_->fontMetrics().height() + 6);
    tabla_->setWordWrap(false);
    tabla_->installEventFilter(this);
    pie_ = new QTableWidget(1, ModeloFlota::kColumnas, caja);
    pie_->setObjectName(QStringLiteral("pieFlota"));
    pie_->horizontalHeader()->hide();
    pie_->verticalHeader()->hide();
    pie_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pie_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pie_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    pie_->setFocusPolicy(Qt::NoFocus);
    pie_->setFixedHeight(tabla_->verticalHeader()->defaultSectionSize() + 2 * pie_->frameWidth());
    pie_->setRowHeight(0, tabla_->verticalHeader()->defaultSectionSize());
    for (int c = 0; c < ModeloFlota::kColumnas; ++c) {
        auto* celda = new QTableWidgetItem;
        QFont negrita = celda->font();
        negrita.setBold(true);
        celda->setFont(negrita);
        celda->setTextAlignment(Qt::AlignVCenter | (c <= ModeloFlota::kTipo ? Qt::AlignLeft : Qt::AlignRight));
        pie_->setItem(0, c, celda);
    }
    // The totals stay under their columns as these are resized or scrolled.
    connect(tabla_->horizontalHeader(), &QHeaderView::sectionResized, pie_,
            [this](int c, int, int ancho) { pie_->setColumnWidth(c, ancho); });
    connect(tabla_->horizontalScrollBar(), &QScrollBar::valueChanged, pie_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(tabla_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { emit Elegido(i.data(ModeloFlota::kRolRuta).toString()); });
    capas->addWidget(tabla_, 1);
    capas->addWidget(pie_);
    return caja;
}

QWidget* VentanaFlota::CrearProgreso()
{
    auto* barra = new QWidget(this);
    auto* fila = new QHBoxLayout(barra);
    fila->setContentsMargins(0, 0, 0, 0);
    estado_ = new QLabel(this);
    estado_->setObjectName(QStringLiteral("lblEstadoFlota"));
    progreso_ = new QProgressBar(barra);
    progreso_->setObjectName(QStringLiteral("progresoFlota"));
    progreso_->setFormat(QStringLiteral("%v de %m ficheros"));
    cancelar_ = new QPushButton(QStringLiteral("Cancelar"), barra);
    cancelar_->setObjectName(QStringLiteral("btCancelarCarga"));
    connect(cancelar_, &QPushButton::clicked, this, [this] { carga_.Cancelar(); });
    fila->addWidget(progreso_, 1);
    fila->addWidget(cancelar_);
    barra->hide();
    auto* pie = new QWidget(this);
    auto* capas = new QVBoxLayout(pie);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(barra);
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(estado_, 1);
    abajo->addWidget(new QLabel(QStringLiteral("Exportar:"), pie));
    const char* const formatos[][2] = {
        {"btExportarExcel", "Excel…"}, {"btExportarPdf", "PDF…"}, {"btExportarCsv", "CSV…"}};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(formatos[i][1]), pie);
        b->setObjectName(QString::fromLatin1(formatos[i][0]));
        connect(b, &QPushButton::clicked, this, [this, i] { Exportar(i); });
        abajo->addWidget(b);
    }
    capas->addLayout(abajo);
    return pie;
}

bool VentanaFlota::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == tabla_ && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if ((tecla == Qt::Key_Return || tecla == Qt::Key_Enter) && tabla_->currentIndex().isValid()) {
            emit Elegido(tabla_->currentIndex().data(ModeloFlota::kRolRuta).toString());
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void VentanaFlota::AbrirCarpeta(const std::string& carpeta)
{
    setWindowTitle(QStringLiteral("Flota - ") + QString::fromStdString(carpeta));
    vigilancia_->Carpeta(carpeta);
    std::vector<std::string> rutas;
    try {
        rutas = vigilancia_->Listar();
    } catch (...) {
        estado_->setText(QString::fromStdString(MensajeError(ComoErrorEjecucion(std::current_exception()))));
        return;
    }
    Cargar(std::move(rutas));
}

void VentanaFlota::AnadirFicheros(const std::vector<std::string>& rutas)
{
    if (rutas.empty()) return;
    vigilancia_->Sueltos(rutas);
    if (carga_.Activa()) Releer(rutas);
    else Cargar(rutas);
}

void VentanaFlota::Cargar(std::vector<std::string> rutas)
{
    vigilancia_->Leidos(rutas);
    progreso_->setMaximum(static_cast<int>(rutas.size()));
    progreso_->setValue(0);
    estado_->setText(QStringLiteral("Leyendo %1 ficheros…")
                         .arg(QString::fromStdString(EnteroATexto(static_cast<int64_t>(rutas.size())))));
    carga_.Empezar(std::move(rutas));
    aviso_->start();
}

void VentanaFlota::AlLote(const std::vector<VehiculoFlota>& lote)
{
    const bool primeras = modelo_->rowCount() == 0;
    modelo_->Poner(lote);
    ActualizarTipos();
    // Columns as wide as the first rows need (Qt looks at a sample, not at every row).
    if (!primeras) return;
    tabla_->resizeColumnsToContents();
    const int maximo = fontMetrics().averageCharWidth() * 36;  // a long reason or type does not take the table
    for (int c = 0; c < ModeloFlota::kColumnas; ++c)
        tabla_->setColumnWidth(c, std::min(tabla_->columnWidth(c), maximo));
}

void VentanaFlota::AlTerminar(int hechos, int total, bool cancelada)
{
    aviso_->stop();
    progreso_->parentWidget()->hide();
    const QString n = QString::fromStdString(EnteroATexto(hechos));
    const QString de = QString::fromStdString(EnteroATexto(total));
    if (cancelada)
        estado_->setText(hechos
                             ? QStringLiteral("Lectura cancelada: se muestran los %1 ficheros leídos de %2.").arg(n, de)
                             : QStringLiteral("Lectura cancelada: no se ha leído ningún fichero de %1.").arg(de));
    else estado_->setText(QStringLiteral("%1 ficheros leídos.").arg(n));
    // What the watcher saw during the load.
    if (!cancelada) Revisar();
}

void VentanaFlota::Revisar()
{
    // During a load its rows are still arriving: looked at once it ends.
    if (carga_.Activa()) return;
    VigilanciaFlota::Diferencias d = vigilancia_->Comparar(modelo_->Rutas());
    for (const auto& r : d.quitar) modelo_->Quitar(r);
    if (d.leer.empty()) return;
    vigilancia_->Leidos(d.leer);
    Releer(std::move(d.leer));
}

void VentanaFlota::Releer(std::vector<std::string> rutas)
{
    // A reading of its own each time: one still running is not cut short.
    auto* carga = new CargaFlota(cargador_, this);
    connect(carga, &CargaFlota::Lote, this, &VentanaFlota::AlLote);
    connect(carga, &CargaFlota::Terminada, carga, &QObject::deleteLater);
    carga->Empezar(std::move(rutas));
}

std::vector<const VehiculoFlota*> VentanaFlota::Visibles() const
{
    std::vector<const VehiculoFlota*> r;
    r.reserve(static_cast<size_t>(filtro_->rowCount()));
    for (int i = 0; i < filtro_->rowCount(); ++i)
        r.push_back(&modelo_->Vehiculo(filtro_->mapToSource(filtro_->index(i, 0)).row()));
    return r;
}

void VentanaFlota::Actualizar()
{
    const std::vector<const VehiculoFlota*> visibles = Visibles();
    const SumaFlota suma = Sumar(visibles);
    const bool cambios = HayCambios(modelo_->Cambios());
    for (int c = ModeloFlota::kCosteKmDespues; c <= ModeloFlota::kDiferenciaAnual; ++c) {
        const bool aparece = cambios && tabla_->isColumnHidden(c);
        tabla_->setColumnHidden(c, !cambios);
        if (aparece) tabla_->resizeColumnToContents(c);
        pie_->setColumnHidden(c, !cambios);
    }
    const QFontMetrics negrita(pie_->item(0, 0)->font());
    for (int c = 0; c < ModeloFlota::kColumnas; ++c) {
        const QString t = ModeloFlota::TextoTotal(c, suma);
        pie_->item(0, c)->setText(t);
        // A total wider than its column widens it: totals are never cut.
        const int ancho = negrita.horizontalAdvance(t) + 24;
        if (tabla_->columnWidth(c) < ancho) tabla_->setColumnWidth(c, ancho);
    }
    for (int c = 0; c < ModeloFlota::kColumnas; ++c) pie_->setColumnWidth(c, tabla_->columnWidth(c));
    panel_->MostrarTotales(suma);
    graficos_->Actualizar(visibles, suma, cambios);
    cuenta_->setText(QStringLiteral("%1 de %2 ficheros")
                         .arg(QString::fromStdString(EnteroATexto(filtro_->rowCount())),
                              QString::fromStdString(EnteroATexto(modelo_->rowCount()))));
}

void VentanaFlota::ActualizarTipos()
{
    const QStringList tipos = modelo_->Tipos();
    if (tipos.size() == tipo_->count() - 1) return;
    const QString actual = tipo_->currentText();
    const QSignalBlocker bloqueo(tipo_);
    tipo_->clear();
    tipo_->addItem(kTodos);
    tipo_->addItems(tipos);
    tipo_->setCurrentIndex(std::max(0, tipo_->findText(actual)));
}

void VentanaFlota::Exportar(int formato)
{
    ExportarFlota(plataforma_, this, static_cast<FormatoFlota>(formato),
                  DatosFlota{Visibles(), Sumar(Visibles()), modelo_->Cambios(), vigilancia_->carpeta()},
                  carpetaExportacion_);
}

}  // namespace tarvelon
