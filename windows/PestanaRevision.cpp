#include "windows/PestanaRevision.h"

#include <algorithm>
#include <filesystem>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "windows/DatosAnalisis.h"
#include "windows/EstiloGrafico.h"
#include "windows/FilaAdaptable.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* Caja(const char* nombre, QWidget* padre, const QString& texto = QString())
{
    auto* c = new QLineEdit(texto, padre);
    c->setObjectName(QString::fromLatin1(nombre));
    return c;
}

QLabel* Cifra(const char* nombre, QWidget* padre)
{
    auto* l = new QLabel(QStringLiteral("—"), padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

const char* const kSerieUsuario = "serie-gasoleo.csv";
const char* const kSerieEjemplo = "serie-gasoleo-ejemplo.csv";

// The program's own copy of the imported series: in the user's data folder,
// since the program's folder may not be writable.
std::string RutaSerieUsuario()
{
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(carpeta).filePath(QString::fromLatin1(kSerieUsuario)).toStdString();
}

qint64 Milisegundos(Mes mes) { return QDateTime(QDate(mes / 12, mes % 12 + 1, 1), QTime(0, 0)).toMSecsSinceEpoch(); }

double Numero(const QLineEdit* caja) { return LeerImporte(caja->text().toStdString()); }

}  // namespace

PestanaRevision::PestanaRevision(Sesion& sesion, QWidget* parent) : QScrollArea(parent), sesion_(sesion)
{
    setObjectName(QStringLiteral("PestanaRevision"));
    // Scrolls rather than forcing the window beyond a small or scaled screen.
    auto* pagina = new QWidget(this);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    QWidget* entradas = CrearEntradas(pagina);
    QWidget* resultado = CrearResultado(pagina);
    QLayout* lineaFactura = CrearLineaFactura(pagina);

    auto* importar = new QPushButton(QStringLiteral("&Importar serie…"), pagina);
    importar->setObjectName(QStringLiteral("btImportarSerie"));
    connect(importar, &QPushButton::clicked, this, &PestanaRevision::ImportarSerie);
    origenSerie_ = new QLabel(pagina);
    origenSerie_->setObjectName(QStringLiteral("lblOrigenSerie"));
    origenSerie_->setWordWrap(true);
    auto* filaSerie = new QHBoxLayout;
    filaSerie->addWidget(importar);
    filaSerie->addWidget(origenSerie_, 1);

    grafico_ = CrearGraficoSerie(pagina);

    auto* aviso =
        new QLabel(QStringLiteral("G es la variación del precio medio del gasóleo entre el día del contrato y "
                                  "el del porte (tabla publicada de precios medios). El programa calcula; "
                                  "el contrato y la factura son responsabilidad del usuario."),
                   pagina);
    aviso->setWordWrap(true);
    aviso->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));

    auto* arriba = new FilaAdaptable(pagina);
    arriba->Anadir(entradas, 3);
    arriba->Anadir(resultado, 2);
    auto* disposicion = new QVBoxLayout(pagina);
    disposicion->addWidget(arriba);
    disposicion->addLayout(lineaFactura);
    disposicion->addLayout(filaSerie);
    disposicion->addWidget(grafico_, 1);
    disposicion->addWidget(aviso);

    for (QLineEdit* c : {precio_, indice_, p0_, p1_, coeficiente_, umbral_})
        connect(c, &QLineEdit::textChanged, this, &PestanaRevision::Recalcular);
    for (QRadioButton* o : {porIndice_, porPrecios_, porSerie_})
        connect(o, &QRadioButton::toggled, this, &PestanaRevision::Recalcular);
    for (QComboBox* c : {mesContrato_, mesServicio_})
        connect(c, &QComboBox::currentIndexChanged, this, &PestanaRevision::Recalcular);
    connect(clase_, &QComboBox::activated, this, [this](int i) {
        coeficiente_->setText(Q(NumeroATexto(CoeficienteDeClase(static_cast<ClaseVehiculo>(i)))));
    });
    CargarSerie();
    setWidget(pagina);
}

QWidget* PestanaRevision::CrearEntradas(QWidget* pagina)
{
    auto* entradas = new QGroupBox(QStringLiteral("Datos del contrato"), pagina);
    auto* rejilla = new QGridLayout(entradas);
    precio_ = Caja("txtPrecioPactado", entradas);
    rejilla->addWidget(new QLabel(QStringLiteral("Precio pactado (€ sin IVA):"), entradas), 0, 0);
    rejilla->addWidget(precio_, 0, 1, 1, 2);

    porIndice_ = new QRadioButton(QStringLiteral("G publicada (%):"), entradas);
    porIndice_->setObjectName(QStringLiteral("optIndice"));
    porPrecios_ = new QRadioButton(QStringLiteral("Gasóleo (€/l), contrato y porte:"), entradas);
    porPrecios_->setObjectName(QStringLiteral("optPrecios"));
    porSerie_ = new QRadioButton(QStringLiteral("Meses de la serie, contrato y porte:"), entradas);
    porSerie_->setObjectName(QStringLiteral("optSerie"));
    porSerie_->setChecked(true);
    indice_ = Caja("txtVariacionGasoleo", entradas);
    p0_ = Caja("txtGasoleoContrato", entradas);
    p1_ = Caja("txtGasoleoPorte", entradas);
    mesContrato_ = new QComboBox(entradas);
    mesContrato_->setObjectName(QStringLiteral("cbMesContrato"));
    mesServicio_ = new QComboBox(entradas);
    mesServicio_->setObjectName(QStringLiteral("cbMesPorte"));
    rejilla->addWidget(porIndice_, 1, 0);
    rejilla->addWidget(indice_, 1, 1);
    rejilla->addWidget(porPrecios_, 2, 0);
    rejilla->addWidget(p0_, 2, 1);
    rejilla->addWidget(p1_, 2, 2);
    rejilla->addWidget(porSerie_, 3, 0);
    porSerie_->setToolTip(QStringLiteral("Mes del contrato y mes del porte en la serie de precios medios"));
    rejilla->addWidget(mesContrato_, 3, 1);
    rejilla->addWidget(mesServicio_, 3, 2);

    clase_ = new QComboBox(entradas);
    clase_->setObjectName(QStringLiteral("cbClaseVehiculo"));
    clase_->addItem(QStringLiteral("Hasta 3,5 t (k = 0,1)"));
    clase_->addItem(QStringLiteral("Más de 3,5 t y menos de 20 t; de obras (k = 0,2)"));
    clase_->addItem(QStringLiteral("20 t o más, vehículo o conjunto (k = 0,3)"));
    clase_->setCurrentIndex(2);
    clase_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    clase_->setMinimumContentsLength(24);
    coeficiente_ = Caja("txtCoeficiente", entradas, QStringLiteral("0,3"));
    umbral_ = Caja("txtUmbral", entradas, QStringLiteral("5"));
    rejilla->addWidget(new QLabel(QStringLiteral("Vehículo:"), entradas), 4, 0);
    rejilla->addWidget(clase_, 4, 1, 1, 2);
    rejilla->addWidget(new QLabel(QStringLiteral("Coeficiente k:"), entradas), 5, 0);
    rejilla->addWidget(coeficiente_, 5, 1);
    rejilla->addWidget(new QLabel(QStringLiteral("Umbral pactado (%, 5 o menos):"), entradas), 6, 0);
    rejilla->addWidget(umbral_, 6, 1);

    return entradas;
}

QWidget* PestanaRevision::CrearResultado(QWidget* pagina)
{
    auto* resultado = new QGroupBox(QStringLiteral("Revisión"), pagina);
    auto* formulario = new QFormLayout(resultado);
    variacion_ = Cifra("lblVariacion", resultado);
    aplica_ = Cifra("lblAplica", resultado);
    importe_ = Cifra("lblRevision", resultado);
    revisado_ = Cifra("lblPrecioRevisado", resultado);
    formulario->addRow(QStringLiteral("Variación G:"), variacion_);
    formulario->addRow(QStringLiteral("¿Se revisa?:"), aplica_);
    formulario->addRow(QStringLiteral("Revisión ΔP = P × G × k / 100:"), importe_);
    formulario->addRow(QStringLiteral("Precio revisado:"), revisado_);
    peso_ = new QLabel(resultado);
    peso_->setObjectName(QStringLiteral("lblPesoCombustible"));
    peso_->setWordWrap(true);
    peso_->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    formulario->addRow(peso_);

    return resultado;
}

QLayout* PestanaRevision::CrearLineaFactura(QWidget* pagina)
{
    factura_ = Caja("txtLineaFactura", pagina);
    factura_->setReadOnly(true);
    factura_->setMinimumWidth(200);
    copiar_ = new QPushButton(QStringLiteral("Co&piar"), pagina);
    copiar_->setObjectName(QStringLiteral("btCopiarLinea"));
    connect(copiar_, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(factura_->text()); });
    auto* lineaFactura = new QHBoxLayout;
    lineaFactura->addWidget(new QLabel(QStringLiteral("Línea para la factura:"), pagina));
    lineaFactura->addWidget(factura_, 1);
    lineaFactura->addWidget(copiar_);
    return lineaFactura;
}

QChartView* PestanaRevision::CrearGraficoSerie(QWidget* pagina)
{
    auto* grafico = CrearGrafico(QStringLiteral("Precio medio mensual del gasóleo"));
    linea_ = new QLineSeries;
    linea_->setName(QStringLiteral("€/l"));
    linea_->setPen(QPen(kColorReferencia, 2));
    marcas_ = new QScatterSeries;
    marcas_->setName(QStringLiteral("Meses del contrato y del porte"));
    marcas_->setColor(kColorSimulacion);
    marcas_->setMarkerSize(11);
    ejeMeses_ = new QDateTimeAxis;
    ejeMeses_->setFormat(QStringLiteral("MM/yyyy"));
    ejePrecio_ = new QValueAxis;
    ejePrecio_->setLabelFormat(QStringLiteral("%.3f"));
    ejePrecio_->setTitleText(QStringLiteral("€/l"));
    grafico->addAxis(ejeMeses_, Qt::AlignBottom);
    grafico->addAxis(ejePrecio_, Qt::AlignLeft);
    for (QXYSeries* s : {static_cast<QXYSeries*>(linea_), static_cast<QXYSeries*>(marcas_)}) {
        grafico->addSeries(s);
        s->attachAxis(ejeMeses_);
        s->attachAxis(ejePrecio_);
    }
    auto* vista = new QChartView(grafico, pagina);
    vista->setObjectName(QStringLiteral("graficoSerieGasoleo"));
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setMinimumHeight(200);

    return vista;
}

void PestanaRevision::Actualizar(const DatosAnalisis& datos)
{
    const double masa = datos.simulacion.registro.DGPesoMaximoAutorizado;
    // A new vehicle's mass presets the class and k; the user's own choice
    // stays while the mass is the same.
    if (masa > 0 && masaPreparada_ != masa) {
        masaPreparada_ = masa;
        const ClaseVehiculo clase = ClaseDeMasa(masa);
        clase_->setCurrentIndex(static_cast<int>(clase));
        coeficiente_->setText(Q(NumeroATexto(CoeficienteDeClase(clase))));
    }
    pesoCombustible_.reset();
    if (datos.simulacion.calculada)
        for (const auto& c : datos.simulacion.estructura.componentes)
            if (c.campo == "CosteAnualCombustible") pesoCombustible_ = c.porcentaje;
    Recalcular();
}

void PestanaRevision::Recalcular()
{
    revision_.reset();
    QString motivo;
    std::optional<Mes> marcas[2];
    try {
        double g = 0;
        if (porIndice_->isChecked()) {
            g = Numero(indice_);
        } else if (porPrecios_->isChecked()) {
            g = VariacionGasoleo(Numero(p0_), Numero(p1_));
        } else {
            if (mesContrato_->currentIndex() < 0) throw ErrorEjecucion(0, "No hay serie de precios del gasóleo.");
            for (int i = 0; i < 2; ++i) marcas[i] = (i ? mesServicio_ : mesContrato_)->currentData().toInt();
            g = VariacionGasoleo(*serie_.Precio(*marcas[0]), *serie_.Precio(*marcas[1]));
        }
        revision_ = CalcularRevision(Numero(precio_), g, Numero(coeficiente_), Numero(umbral_));
    } catch (const ErrorEjecucion& e) {
        motivo = e.Numero() == kTiposNoCoinciden ? QStringLiteral("Escriba las cifras con coma decimal (1.259,50).")
                                                 : Q(e.Descripcion());
    }
    const RevisionCombustible* r = revision_ ? &*revision_ : nullptr;
    variacion_->setText(r ? Q(FormatoDosDecimales(r->variacion) + " %") : QStringLiteral("—"));
    aplica_->setText(
        r ? (r->aplica ? QStringLiteral("sí, |G| alcanza el umbral") : QStringLiteral("no, |G| no alcanza el umbral"))
          : QStringLiteral("—"));
    importe_->setText(r ? Q((r->revision > 0 ? "+" : "") + FormatoDosDecimales(r->revision) + " €")
                        : QStringLiteral("—"));
    revisado_->setText(r ? Q(FormatoDosDecimales(r->precioRevisado) + " €") : QStringLiteral("—"));
    factura_->setText(r ? Q(LineaFactura(*r)) : motivo);
    copiar_->setEnabled(r != nullptr);
    peso_->setText(r && pesoCombustible_ ? Q(LineaPesoCombustible(*pesoCombustible_, r->coeficiente)) : QString());
    QList<QPointF> puntos;
    for (const auto& m : marcas)
        if (m) puntos.append(QPointF(static_cast<qreal>(Milisegundos(*m)), *serie_.Precio(*m)));
    marcas_->replace(puntos);
}

void PestanaRevision::MostrarSerie()
{
    const QSignalBlocker b1(mesContrato_), b2(mesServicio_);
    const int antes[2] = {mesContrato_->currentData().isValid() ? mesContrato_->currentData().toInt() : -1,
                          mesServicio_->currentData().isValid() ? mesServicio_->currentData().toInt() : -1};
    QList<QPointF> puntos;
    double minimo = 1e9, maximo = -1e9;
    for (QComboBox* c : {mesContrato_, mesServicio_}) c->clear();
    for (const auto& [mes, precio] : serie_.Precios()) {
        const QString texto = Q(TextoMes(mes) + "  (" + NumeroATexto(precio) + " €/l)");
        for (QComboBox* c : {mesContrato_, mesServicio_}) c->addItem(texto, mes);
        puntos.append(QPointF(static_cast<qreal>(Milisegundos(mes)), precio));
        minimo = std::min(minimo, precio);
        maximo = std::max(maximo, precio);
    }
    linea_->replace(puntos);
    if (!serie_.Vacia()) {
        ejeMeses_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(puntos.front().x())),
                            QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(puntos.back().x())));
        AjustarEje(ejePrecio_, minimo, maximo);
        // The months chosen before stay when the new series has them; else
        // the first and the last month.
        const int n = mesContrato_->count();
        const int i0 = mesContrato_->findData(antes[0]), i1 = mesServicio_->findData(antes[1]);
        mesContrato_->setCurrentIndex(i0 >= 0 ? i0 : 0);
        mesServicio_->setCurrentIndex(i1 >= 0 ? i1 : n - 1);
    }
    Recalcular();
}

void PestanaRevision::CargarSerie()
{
    std::string ruta = RutaSerieUsuario();
    serieEjemplo_ = !std::filesystem::exists(ruta);
    if (serieEjemplo_) ruta = BuscarFichero(sesion_.CarpetaPrograma(), kSerieEjemplo);
    try {
        serie_ = SerieGasoleo::Leer(LeerFicheroEntero(ruta));
        origenSerie_->setText(serieEjemplo_ ? QStringLiteral("Serie de EJEMPLO, ilustrativa: no son datos oficiales. "
                                                             "Importe la tabla publicada de precios medios.")
                                            : Q("Serie importada: " + std::to_string(serie_.Meses()) + " meses, de " +
                                                TextoMes(serie_.Precios().begin()->first) + " a " +
                                                TextoMes(serie_.Precios().rbegin()->first) + "."));
    } catch (const std::exception& e) {
        serie_ = SerieGasoleo();
        origenSerie_->setText(Q("No se ha podido leer la serie " + ruta + ": " + e.what()));
    }
    origenSerie_->setStyleSheet(serieEjemplo_ ? QStringLiteral("color: rgb(192, 0, 0);") : QString());
    MostrarSerie();
}

void PestanaRevision::ImportarSerie()
{
    Plataforma& plataforma = sesion_.plataforma();
    PeticionFichero peticion;
    peticion.titulo = "Importar la serie de precios medios del gasóleo";
    peticion.filtro = "Texto separado por punto y coma (*.csv)|*.csv|Todos los archivos (*.*)|*.*|";
    peticion.carpetaInicial = sesion_.RutaPrograma();
    Aviso aviso;
    try {
        const std::optional<std::string> elegido = plataforma.ElegirFichero(peticion, this);
        if (!elegido || elegido->empty()) return;
        // Read and checked whole before anything is replaced.
        const SerieGasoleo nueva = SerieGasoleo::Leer(LeerFicheroEntero(*elegido));
        if (nueva.Vacia()) throw ErrorSerie(1, "el fichero no tiene ningún mes");
        const std::string destino = RutaSerieUsuario();
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(destino).parent_path(), ec);
        GrabarContenido(destino, nueva.Texto());
        CargarSerie();
        aviso.texto = "Serie importada: " + std::to_string(nueva.Meses()) + " meses.";
    } catch (const ErrorSerie& e) {
        aviso.texto = std::string("No se ha importado la serie. ") + e.what() + ".";
        aviso.icono = Icono::Exclamacion;
    } catch (...) {
        aviso.texto = MensajeErrorFichero(ComoErrorEjecucion(std::current_exception()));
        aviso.icono = Icono::Critico;
    }
    plataforma.Mostrar(aviso);
}

}  // namespace tarvelon
