#include "windows/VentanaAnalisis.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include <QBrush>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "data/Ficheros.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/Xlsx.h"
#include "windows/CajaTexto.h"
#include "windows/Columnas.h"
#include "windows/CostesFijosC.h"
#include "windows/GraficoCurvaKm.h"
#include "windows/GraficoEstructura.h"
#include "windows/GraficoSensibilidad.h"
#include "windows/InformePdf.h"
#include "windows/Inicio.h"
#include "windows/ListaResultado.h"
#include "windows/PestanaPrecio.h"
#include "windows/PestanaRevision.h"
#include "windows/PestanaTecnologias.h"
#include "windows/Plataforma.h"

namespace tarvelon {

namespace {

const QColor kMasCaro{192, 0, 0};
const QColor kMasBarato{0, 128, 0};

QString Q(const std::string& s) { return QString::fromStdString(s); }

// As tarvelon-datos says it of --variacion.
constexpr const char* kVariacionFuera = "La variación debe estar entre 1 y 50.";

QLabel* Etiqueta(const QString& texto, QWidget* padre, const char* nombre = nullptr)
{
    auto* l = new QLabel(texto, padre);
    if (nombre) l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

QTableWidget* Tabla(const QStringList& cabeceras, const char* nombre, QWidget* padre)
{
    auto* t = new QTableWidget(0, static_cast<int>(cabeceras.size()), padre);
    t->setObjectName(QString::fromLatin1(nombre));
    t->setHorizontalHeaderLabels(cabeceras);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < cabeceras.size(); ++c)
        t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    return t;
}

QTableWidgetItem* Celda(const std::string& texto, bool numero = true)
{
    auto* c = new QTableWidgetItem(Q(texto));
    if (numero) c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return c;
}

// Per-km figures need four decimals to show a difference; the rest two.
std::string Cifra(std::string_view campo, double v)
{
    return campo.find("porKm") != std::string_view::npos ? FormatoCuatroDecimales(v) : FormatoDosDecimales(v);
}

std::string Valor(double v) { return v > -10 && v < 10 ? FormatoCuatroDecimales(v) : FormatoDosDecimales(v); }

struct DatosFormato {
    const char* nombre;
    const char* filtro;
    const char* extension;
};

DatosFormato Formato(FormatoExportacion f)
{
    switch (f) {
    case FormatoExportacion::Pdf: return {"PDF", "Documento PDF (*.pdf)|*.pdf|", "pdf"};
    case FormatoExportacion::Excel: return {"Excel", "Libro de Excel (*.xlsx)|*.xlsx|", "xlsx"};
    case FormatoExportacion::Csv: return {"CSV", "Texto separado por punto y coma (*.csv)|*.csv|", "csv"};
    case FormatoExportacion::Json: return {"JSON", "Datos JSON (*.json)|*.json|", "json"};
    }
    return {"", "", ""};
}

bool TerminaEn(const std::string& ruta, const std::string& extension)
{
    const std::string fin = "." + extension;
    if (ruta.size() < fin.size()) return false;
    for (size_t i = 0; i < fin.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(ruta[ruta.size() - fin.size() + i])) != fin[i]) return false;
    return true;
}

}  // namespace

VentanaAnalisis::VentanaAnalisis(Inicio& inicio, QWidget* parent) : QWidget(parent, Qt::Window), inicio_(inicio)
{
    setObjectName(QStringLiteral("VentanaAnalisis"));
    setWindowTitle(QStringLiteral("Análisis de costes"));

    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    pestanas_->addTab(CrearResumen(), QStringLiteral("Resumen en vivo"));
    pestanas_->addTab(CrearComparacion(), QStringLiteral("Comparación"));
    pestanas_->addTab(CrearSensibilidad(), QStringLiteral("Sensibilidad"));
    pestanas_->addTab(precio_ = new PestanaPrecio(inicio_), QStringLiteral("Precio del servicio"));
    pestanas_->addTab(revision_ = new PestanaRevision(inicio_), QStringLiteral("Revisión por combustible"));
    tecnologias_ = new PestanaTecnologias(
        inicio_.plataforma(), (std::filesystem::path(inicio_.RutaPrograma()) / kReferenciaTecnologias).string());
    pestanas_->addTab(tecnologias_, QStringLiteral("Tecnologías"));

    auto* botones = new QHBoxLayout;
    botones->addWidget(Etiqueta(QStringLiteral("Exportar el análisis:"), this));
    const std::pair<const char*, FormatoExportacion> exportaciones[] = {{"btExportarPdf", FormatoExportacion::Pdf},
                                                                        {"btExportarExcel", FormatoExportacion::Excel},
                                                                        {"btExportarCsv", FormatoExportacion::Csv},
                                                                        {"btExportarJson", FormatoExportacion::Json}};
    for (const auto& [nombre, formato] : exportaciones) {
        auto* b = new QPushButton(QString::fromLatin1(Formato(formato).nombre) + QStringLiteral("…"), this);
        b->setObjectName(QString::fromLatin1(nombre));
        connect(b, &QPushButton::clicked, this, [this, f = formato] { Exportar(f); });
        botones->addWidget(b);
    }
    botones->addStretch();
    auto* cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("btCerrar"));
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    botones->addWidget(cerrar);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(pestanas_);
    disposicion->addLayout(botones);

    // Typing costs one recalculation: every change of the column boxes
    // restarts the same zero-delay timer, which runs once the events settle.
    temporizador_ = new QTimer(this);
    temporizador_->setSingleShot(true);
    temporizador_->setInterval(0);
    connect(temporizador_, &QTimer::timeout, this, &VentanaAnalisis::Recalcular);
    for (bool simulacion : {true, false})
        for (QLineEdit* caja : inicio_.columnas().Cajas(simulacion))
            connect(caja, &QLineEdit::textChanged, this, &VentanaAnalisis::Cambio);
    for (QRadioButton* opcion : inicio_.costesFijosC()->findChildren<QRadioButton*>())
        connect(opcion, &QRadioButton::toggled, this, &VentanaAnalisis::Cambio);
    connect(pestanas_, &QTabWidget::currentChanged, this, &VentanaAnalisis::MostrarPestana);
    connect(variacion_, &QLineEdit::textChanged, this, [this] {
        mostrada_[kSensibilidad] = false;
        MostrarPestana(pestanas_->currentIndex());
    });
}

QWidget* VentanaAnalisis::CrearResumen()
{
    auto* pagina = new QWidget;
    auto* marco = new QGroupBox(QStringLiteral("Coste total (directos + indirectos)"), pagina);
    auto* rejilla = new QGridLayout(marco);
    rejilla->setHorizontalSpacing(24);
    const char* columnas[] = {"Simulación", "Mirandel"};
    const char* nombres[2][4] = {
        {"lblSimulacionPorKm", "lblSimulacionPorServicio", "lblSimulacionPorHora", "lblSimulacionAnual"},
        {"lblReferenciaPorKm", "lblReferenciaPorServicio", "lblReferenciaPorHora", "lblReferenciaAnual"}};
    const char* filas[] = {"Por kilómetro", "Por servicio", "Por hora de trabajo", "Por año"};
    for (int c = 0; c < 2; ++c) {
        auto* cabecera = Etiqueta(QString::fromUtf8(columnas[c]), marco);
        cabecera->setAlignment(Qt::AlignRight);
        QFont negrita = cabecera->font();
        negrita.setBold(true);
        cabecera->setFont(negrita);
        rejilla->addWidget(cabecera, 0, c + 1);
    }
    for (int f = 0; f < 4; ++f) {
        rejilla->addWidget(Etiqueta(QString::fromUtf8(filas[f]), marco), f + 1, 0);
        for (int c = 0; c < 2; ++c) {
            totales_[c][f] = Etiqueta(QStringLiteral("—"), marco, nombres[c][f]);
            totales_[c][f]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            totales_[c][f]->setTextInteractionFlags(Qt::TextSelectableByMouse);
            // Wide enough for large figures: typing does not move the chart.
            totales_[c][f]->setMinimumWidth(
                totales_[c][f]->fontMetrics().horizontalAdvance(QStringLiteral("9.999.999,99 €/año")));
            rejilla->addWidget(totales_[c][f], f + 1, c + 1);
        }
    }
    const char* motivos[] = {"lblMotivoSimulacion", "lblMotivoReferencia"};
    // Totals on the left, the chart beside them with the whole height: its
    // twelve names need it.
    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(marco);
    for (int c = 0; c < 2; ++c) {
        motivos_[c] = Etiqueta(QString(), pagina, motivos[c]);
        motivos_[c]->setWordWrap(true);
        motivos_[c]->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
        motivos_[c]->setMaximumWidth(marco->sizeHint().width() + 40);
        motivos_[c]->hide();
        izquierda->addWidget(motivos_[c]);
    }
    auto* nota = Etiqueta(QStringLiteral("Las cifras se recalculan al escribir en cualquier casilla de la columna "
                                         "«DATOS DE SIMULACIÓN». La columna «Mirandel» son los datos de referencia "
                                         "del tipo elegido."),
                          pagina);
    nota->setWordWrap(true);
    nota->setMaximumWidth(marco->sizeHint().width() + 40);
    nota->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    izquierda->addWidget(nota);
    izquierda->addStretch();
    estructura_ = new GraficoEstructura(pagina);
    auto* disposicion = new QHBoxLayout(pagina);
    disposicion->addLayout(izquierda);
    disposicion->addWidget(estructura_, 1);
    return pagina;
}

QWidget* VentanaAnalisis::CrearComparacion()
{
    auto* pagina = new QWidget;
    auto* disposicion = new QVBoxLayout(pagina);
    cabeceraComparacion_ = Etiqueta(QString(), pagina, "lblComparacion");
    cabeceraComparacion_->setWordWrap(true);
    disposicion->addWidget(cabeceraComparacion_);
    comparacion_ = Tabla({QStringLiteral("Resultado"), QStringLiteral("Simulación"), QStringLiteral("Mirandel"),
                          QStringLiteral("Diferencia"), QStringLiteral("Diferencia (%)")},
                         "tablaComparacion", pagina);
    disposicion->addWidget(comparacion_, 1);
    return pagina;
}

QWidget* VentanaAnalisis::CrearSensibilidad()
{
    auto* pagina = new QWidget;
    auto* disposicion = new QVBoxLayout(pagina);
    auto* fila = new QHBoxLayout;
    auto* etiqueta = Etiqueta(QStringLiteral("&Variación de cada dato:"), pagina);
    // A number box like the input windows': decimals with a comma ("12,5"),
    // and a figure out of range is said, never cut to what fits.
    variacion_ = new CajaTexto(TipoCaja::Entrada, 8, pagina);
    variacion_->setObjectName(QStringLiteral("txtVariacion"));
    variacion_->setText(QString::fromStdString(NumeroATexto(kVariacionPorDefecto)));
    variacion_->setMaximumWidth(variacion_->fontMetrics().horizontalAdvance(QStringLiteral("000,000")) + 16);
    etiqueta->setBuddy(variacion_);
    fila->addWidget(etiqueta);
    fila->addWidget(variacion_);
    fila->addWidget(Etiqueta(QStringLiteral("%"), pagina));
    motivoSensibilidad_ = Etiqueta(QString(), pagina, "lblMotivoSensibilidad");
    motivoSensibilidad_->setWordWrap(true);
    motivoSensibilidad_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    fila->addWidget(motivoSensibilidad_, 1);
    disposicion->addLayout(fila);

    auto* divisor = new QSplitter(Qt::Vertical, pagina);
    auto* graficos = new QSplitter(Qt::Horizontal, divisor);
    tornado_ = new GraficoSensibilidad(graficos);
    curva_ = new GraficoCurvaKm(graficos);
    // The tornado needs room for the names of the inputs.
    graficos->setSizes({600, 400});
    sensibilidad_ = Tabla({QStringLiteral("Dato"), QStringLiteral("Valor"), QStringLiteral("Coste/km con −p"),
                           QStringLiteral("Coste/km con +p"), QStringLiteral("Efecto máximo")},
                          "tablaSensibilidad", divisor);
    divisor->setSizes({420, 180});  // in proportion: the tornado's names need the height
    disposicion->addWidget(divisor, 1);
    return pagina;
}

void VentanaAnalisis::showEvent(QShowEvent* evento)
{
    if (!dimensionada_) {
        // Room for the charts, within the screen whatever its scale.
        dimensionada_ = true;
        const QRect zona = screen()->availableGeometry();
        resize(std::min(1020, zona.width() * 9 / 10), std::min(700, zona.height() * 9 / 10));
    }
    QWidget::showEvent(evento);
    if (!leido_) Recalcular();
}

void VentanaAnalisis::Cambio()
{
    leido_ = false;
    // A hidden window catches up when it is shown again.
    if (isVisible()) temporizador_->start();
}

void VentanaAnalisis::Recalcular()
{
    temporizador_->stop();
    datos_ = LeerDatosAnalisis(inicio_.columnas());
    leido_ = true;
    mostrada_ = {};
    MostrarPestana(pestanas_->currentIndex());
}

void VentanaAnalisis::MostrarPestana(int pestana)
{
    if (pestana < 0 || mostrada_[static_cast<size_t>(pestana)]) return;
    mostrada_[static_cast<size_t>(pestana)] = true;
    // Runs from a timer while the user types: nothing may escape into the
    // event loop, and no message box may interrupt the typing.
    try {
        switch (pestana) {
        case kResumen: MostrarResumen(); break;
        case kComparacion: MostrarComparacion(); break;
        case kSensibilidad: MostrarSensibilidad(); break;
        case kPrecio: precio_->Actualizar(datos_); break;
        case kRevision: revision_->Actualizar(datos_); break;
        case kTecnologias: tecnologias_->Actualizar(datos_); break;
        default: break;
        }
    } catch (...) {
        const QString texto = Q(MensajeError(ComoErrorEjecucion(std::current_exception())));
        for (QLabel* l : {motivos_[0], cabeceraComparacion_, motivoSensibilidad_}) l->setText(texto);
        motivos_[0]->show();
    }
}

void VentanaAnalisis::MostrarResumen()
{
    const ColumnaAnalizada* columnas[] = {&datos_.simulacion, &datos_.referencia};
    for (int c = 0; c < 2; ++c) {
        const ColumnaAnalizada& col = *columnas[c];
        const bool ok = col.calculada.has_value();
        const CostesTotales& t = col.totales;
        const std::string textos[] = {
            FormatoCuatroDecimales(t.porKm) + " €/km", FormatoDosDecimales(t.porServicio) + " €/servicio",
            FormatoDosDecimales(t.porHora) + " €/hora", FormatoDosDecimales(t.anual) + " €/año"};
        for (int f = 0; f < 4; ++f) totales_[c][f]->setText(ok ? Q(textos[f]) : QStringLiteral("—"));
        motivos_[c]->setText(ok ? QString()
                                : QString::fromUtf8(c == 0 ? "Simulación sin calcular. " : "Mirandel sin calcular. ") +
                                      Q(col.motivo));
        motivos_[c]->setVisible(!ok);
    }
    estructura_->Actualizar(datos_.simulacion.calculada ? &datos_.simulacion.estructura : nullptr,
                            datos_.referencia.calculada ? &datos_.referencia.estructura : nullptr);
}

void VentanaAnalisis::MostrarComparacion()
{
    comparacion_->setRowCount(0);
    if (!datos_.comparacion) {
        std::string motivo = "No hay comparación. ";
        if (!datos_.simulacion.calculada) motivo += "Simulación: " + datos_.simulacion.motivo + " ";
        if (!datos_.referencia.calculada) motivo += "Mirandel: " + datos_.referencia.motivo;
        cabeceraComparacion_->setText(Q(motivo));
        return;
    }
    const Comparacion& c = *datos_.comparacion;
    cabeceraComparacion_->setText(QStringLiteral("Simulación: ") + Q(c.tipoA) +
                                  QStringLiteral("   frente a   Mirandel: ") + Q(c.tipoB) +
                                  QStringLiteral(". En rojo lo que la simulación tiene más caro, en verde "
                                                 "lo que tiene más barato."));
    comparacion_->setRowCount(static_cast<int>(c.filas.size()));
    int fila = 0;
    for (const auto& f : c.filas) {
        comparacion_->setItem(fila, 0, Celda(EtiquetaCampo(f.campo), false));
        comparacion_->setItem(fila, 1, Celda(Cifra(f.campo, f.a)));
        comparacion_->setItem(fila, 2, Celda(Cifra(f.campo, f.b)));
        auto* diferencia = Celda(Cifra(f.campo, f.diferencia));
        auto* porcentaje = Celda(f.porcentaje ? FormatoDosDecimales(*f.porcentaje) + " %" : "");
        // Services are not a cost: only costs are dearer or cheaper.
        if (f.campo != "NumeroServiciosAnuales" && f.diferencia != 0)
            for (auto* celda : {diferencia, porcentaje})
                celda->setForeground(QBrush(f.diferencia > 0 ? kMasCaro : kMasBarato));
        comparacion_->setItem(fila, 3, diferencia);
        comparacion_->setItem(fila, 4, porcentaje);
        ++fila;
    }
}

std::optional<double> VentanaAnalisis::Variacion() const
{
    try {
        const double v = TextoANumero(TextoCaja(variacion_));
        if (v >= kVariacionMinima && v <= kVariacionMaxima) return v;
    } catch (const ErrorEjecucion&) {
        // Not a number: as out of range.
    }
    return std::nullopt;
}

void VentanaAnalisis::MostrarSensibilidad()
{
    // The reference curve does not depend on the variation: it stays in view.
    const std::optional<double> variacion = Variacion();
    AnadirSensibilidad(datos_, variacion.value_or(0));
    if (!variacion) datos_.motivoSensibilidad = kVariacionFuera;
    const Sensibilidad* s = datos_.sensibilidad ? &*datos_.sensibilidad : nullptr;
    motivoSensibilidad_->setText(s ? QString() : QStringLiteral("Sin análisis. ") + Q(datos_.motivoSensibilidad));
    tornado_->Actualizar(s);
    curva_->Actualizar(s ? &s->curvaKm : nullptr, datos_.curvaReferencia ? &*datos_.curvaReferencia : nullptr);
    const QString p = variacion ? Q(NumeroATexto(*variacion)) : QStringLiteral("p");
    sensibilidad_->setHorizontalHeaderLabels(
        {QStringLiteral("Dato"), QStringLiteral("Valor"), QStringLiteral("Coste/km con −") + p + QStringLiteral(" %"),
         QStringLiteral("Coste/km con +") + p + QStringLiteral(" %"), QStringLiteral("Efecto máximo")});
    sensibilidad_->clearSpans();
    sensibilidad_->setRowCount(s ? static_cast<int>(s->entradas.size()) : 0);
    int fila = 0;
    for (const auto& e : s ? s->entradas : std::vector<EntradaSensibilidad>{}) {
        sensibilidad_->setItem(fila, 0, Celda(EtiquetaCampo(e.campo), false));
        sensibilidad_->setItem(fila, 1, Celda(Valor(e.valor)));
        if (e.error) {
            sensibilidad_->setItem(fila, 2,
                                   Celda(MensajeError(ErrorEjecucion(e.error->numero, e.error->descripcion)), false));
            sensibilidad_->setSpan(fila, 2, 1, 3);
        } else {
            sensibilidad_->setItem(fila, 2, Celda(FormatoCuatroDecimales(e.menos)));
            sensibilidad_->setItem(fila, 3, Celda(FormatoCuatroDecimales(e.mas)));
            sensibilidad_->setItem(fila, 4, Celda(FormatoCuatroDecimales(e.efecto)));
        }
        ++fila;
    }
}

void VentanaAnalisis::Exportar(FormatoExportacion formato)
{
    Plataforma& plataforma = inicio_.plataforma();
    const DatosFormato f = Formato(formato);
    auto avisar = [&](std::string texto, Icono icono) {
        Aviso aviso;
        aviso.texto = std::move(texto);
        aviso.icono = icono;
        plataforma.Mostrar(aviso);
    };
    try {
        const std::optional<double> variacion = Variacion();
        if (!variacion) {
            avisar(std::string("No se puede exportar el análisis: ") + kVariacionFuera, Icono::Exclamacion);
            EnfocarCaja(variacion_);
            return;
        }
        PeticionFichero peticion;
        peticion.guardar = true;
        peticion.titulo = std::string("Exportar el análisis a ") + f.nombre;
        peticion.filtro = f.filtro;
        peticion.extensionPorDefecto = f.extension;
        peticion.carpetaInicial = carpetaExportacion_.empty() ? inicio_.RutaPrograma() : carpetaExportacion_;
        peticion.nombre = std::string("analisis.") + f.extension;
        std::optional<std::string> elegido = plataforma.ElegirFichero(peticion, this);
        // A cancelled dialog is the user's own choice: nothing is written or said.
        if (!elegido || elegido->empty()) return;
        std::string ruta = *elegido;
        if (!TerminaEn(ruta, f.extension)) {
            ruta += std::string(".") + f.extension;
            if (!plataforma.ConfirmarReemplazo(ruta)) return;
        }
        carpetaExportacion_ = std::filesystem::path(ruta).parent_path().string();

        // The analysis as the columns stand now, whatever tab is in view.
        DatosAnalisis d = LeerDatosAnalisis(inicio_.columnas());
        if (!d.simulacion.calculada) {
            avisar("No se puede exportar el análisis: " + d.simulacion.motivo, Icono::Exclamacion);
            return;
        }
        AnadirSensibilidad(d, *variacion);
        d.tecnologias = tecnologias_->Resultado(d);
        switch (formato) {
        case FormatoExportacion::Pdf: InformePdf(d).Grabar(ruta); break;
        case FormatoExportacion::Excel:
            if (!d.sensibilidad) throw ErrorEjecucion(kDesbordamiento, d.motivoSensibilidad);
            GrabarXlsx(ruta, *d.simulacion.calculada, d.comparacion ? &*d.comparacion : nullptr, *d.sensibilidad,
                       d.tecnologias ? &*d.tecnologias : nullptr);
            break;
        case FormatoExportacion::Csv: GrabarContenido(ruta, CsvAnalisis(d)); break;
        case FormatoExportacion::Json: GrabarContenido(ruta, JsonAnalisis(d)); break;
        }
        avisar("Fichero " + ruta + " grabado", Icono::Ninguno);
    } catch (...) {
        avisar(MensajeErrorFichero(ComoErrorEjecucion(std::current_exception())), Icono::Critico);
    }
}

}  // namespace tarvelon
