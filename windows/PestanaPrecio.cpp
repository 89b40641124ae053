#include "windows/PestanaPrecio.h"

#include <filesystem>

#include <QDateTime>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "windows/DatosAnalisis.h"
#include "windows/FilaAdaptable.h"
#include "windows/HojaCosteServicio.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* Caja(const char* nombre, QWidget* padre)
{
    auto* c = new QLineEdit(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("Transportes del Norte, S.L.")));
    return c;
}

QLabel* Cifra(const char* nombre, QWidget* padre)
{
    auto* l = new QLabel(QStringLiteral("—"), padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("9.999.999,99 €/km")));
    return l;
}

std::string Euros(double v) { return FormatoDosDecimales(RedondearCentimos(v)) + " €"; }

}  // namespace

PestanaPrecio::PestanaPrecio(Sesion& sesion, const QWidget* servicio, QWidget* parent)
    : QScrollArea(parent), sesion_(sesion), servicio_(servicio)
{
    setObjectName(QStringLiteral("PestanaPrecio"));
    // Scrolls rather than forcing the window beyond a small or scaled screen.
    auto* pagina = new QWidget(this);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    QWidget* datos = CrearServicio(pagina);
    QWidget* resultado = CrearResultado(pagina);
    veredicto_ = new QLabel(pagina);
    veredicto_->setObjectName(QStringLiteral("lblVeredicto"));
    veredicto_->setWordWrap(true);
    QFont grande = veredicto_->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.25);
    grande.setBold(true);
    veredicto_->setFont(grande);
    veredicto_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    hoja_ = new QPushButton(QStringLiteral("Hoja «Coste del servicio» en PDF…"), pagina);
    hoja_->setObjectName(QStringLiteral("btHojaCosteServicio"));
    connect(hoja_, &QPushButton::clicked, this, &PestanaPrecio::GrabarHoja);
    auto* nota = new QLabel(QStringLiteral("El coste es el del presupuesto del servicio (paso 8) con los datos de la "
                                           "columna «DATOS DE SIMULACIÓN». Las cifras cambian al escribir."),
                            pagina);
    nota->setWordWrap(true);
    nota->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));

    // The service and its figures side by side, or one under the other where
    // the window is narrow: the figures never end past its right edge.
    auto* arriba = new FilaAdaptable(pagina);
    arriba->setObjectName(QStringLiteral("filaPrecio"));
    arriba->Anadir(datos);
    arriba->Anadir(resultado);
    auto* botones = new QHBoxLayout;
    botones->addWidget(hoja_);
    botones->addStretch();
    auto* disposicion = new QVBoxLayout(pagina);
    disposicion->addWidget(arriba);
    disposicion->addWidget(veredicto_);
    disposicion->addWidget(nota);
    disposicion->addLayout(botones);
    disposicion->addStretch();

    for (QLineEdit* c : {km_, horas_, precioTexto_, margen_})
        connect(c, &QLineEdit::textChanged, this, &PestanaPrecio::Recalcular);
    Recalcular();
    setWidget(pagina);
}

QWidget* PestanaPrecio::CrearServicio(QWidget* pagina)
{
    auto* datos = new QGroupBox(QStringLiteral("Servicio"), pagina);
    auto* formulario = new QFormLayout(datos);
    km_ = Caja("txtKmServicio", datos);
    horas_ = Caja("txtHorasServicio", datos);
    precioTexto_ = Caja("txtPrecioOfrecido", datos);
    margen_ = Caja("txtMargenObjetivo", datos);
    margen_->setPlaceholderText(QStringLiteral("opcional"));
    referencia_ = Caja("txtReferenciaServicio", datos);
    referencia_->setPlaceholderText(QStringLiteral("opcional, para la hoja en PDF"));
    cliente_ = Caja("txtCliente", datos);
    cliente_->setPlaceholderText(QStringLiteral("opcional, para la hoja en PDF"));
    formulario->addRow(QStringLiteral("&Kilómetros del servicio:"), km_);
    formulario->addRow(QStringLiteral("&Horas del servicio:"), horas_);
    formulario->addRow(QStringLiteral("&Precio ofrecido (€ sin IVA):"), precioTexto_);
    formulario->addRow(QStringLiteral("&Margen objetivo (%):"), margen_);
    formulario->addRow(QStringLiteral("&Referencia:"), referencia_);
    formulario->addRow(QStringLiteral("C&liente:"), cliente_);
    return datos;
}

QWidget* PestanaPrecio::CrearResultado(QWidget* pagina)
{
    auto* resultado = new QGroupBox(QStringLiteral("Precio frente a coste"), pagina);
    auto* rejilla = new QGridLayout(resultado);
    rejilla->setHorizontalSpacing(24);
    const std::pair<const char*, QLabel**> filas[] = {{"Coste del servicio (directos + indirectos)", &coste_},
                                                      {"Coste por km", &costeKm_},
                                                      {"Precio por km", &precioKm_},
                                                      {"Margen (precio − coste)", &margenEuros_},
                                                      {"Margen sobre el precio", &margenPorcentaje_},
                                                      {"Precio mínimo para el margen objetivo", &precioMinimo_}};
    const char* nombres[] = {"lblCosteServicio", "lblCosteKm",          "lblPrecioKm",
                             "lblMargen",        "lblMargenPorcentaje", "lblPrecioMinimo"};
    int f = 0;
    for (const auto& [texto, destino] : filas) {
        rejilla->addWidget(new QLabel(QString::fromUtf8(texto), resultado), f, 0);
        *destino = Cifra(nombres[f], resultado);
        rejilla->addWidget(*destino, f++, 1);
    }
    return resultado;
}

void PestanaPrecio::Actualizar(const DatosAnalisis& datos)
{
    calculada_ = datos.simulacion.calculada;
    motivo_ = datos.simulacion.motivo;
    if (const QWidget* paso8 = servicio_) {
        const std::pair<QLineEdit*, const char*> copias[] = {{km_, "txtKilometrosDelServicio"},
                                                             {horas_, "txtHorasDelServicio"}};
        for (const auto& [caja, nombre] : copias) {
            const auto* origen = paso8->findChild<QLineEdit*>(QString::fromLatin1(nombre));
            if (caja->text().isEmpty() && origen && !origen->text().isEmpty()) caja->setText(origen->text());
        }
    }
    Recalcular();
}

void PestanaPrecio::Recalcular()
{
    precio_.reset();
    // The cost shows as soon as the service is known, before any price.
    std::optional<PrecioServicio> servicio;
    QString motivo;
    try {
        if (!calculada_) throw ErrorEjecucion(kDesbordamiento, "Simulación sin calcular. " + motivo_);
        if (km_->text().isEmpty() || horas_->text().isEmpty())
            throw ErrorEjecucion(0, "Escriba los kilómetros y las horas del servicio.");
        servicio = CalcularPrecioServicio(*calculada_, km_->text().toStdString(), horas_->text().toStdString(), 0);
        if (precioTexto_->text().trimmed().isEmpty()) throw ErrorEjecucion(0, "Escriba el precio ofrecido.");
        double precio = 0;
        std::optional<double> margen;
        try {
            precio = LeerImporte(precioTexto_->text().toStdString());
            if (!margen_->text().trimmed().isEmpty()) margen = LeerImporte(margen_->text().toStdString());
        } catch (const ErrorEjecucion&) {
            throw ErrorEjecucion(0, "El precio y el margen se escriben con coma decimal (1.259,50).");
        }
        if (!(precio > 0)) throw ErrorEjecucion(0, "El precio ofrecido debe ser mayor que cero.");
        if (margen && !(*margen >= 0 && *margen < kMargenMaximo))
            throw ErrorEjecucion(0, "El margen objetivo debe estar entre 0 y menos de 100 %.");
        precio_ = EvaluarPrecio(servicio->kilometros, servicio->horas, servicio->coste, precio, margen);
    } catch (...) {
        const ErrorEjecucion e = ComoErrorEjecucion(std::current_exception());
        motivo = e.Numero() == 0 ? Q(e.Descripcion()) : Q(MensajeError(e));
    }
    const PrecioServicio* p = precio_ ? &*precio_ : nullptr;
    const QString nada = QStringLiteral("—");
    auto porKm = [&](const std::optional<double>& v) { return v ? Q(FormatoCuatroDecimales(*v) + " €/km") : nada; };
    coste_->setText(servicio ? Q(Euros(servicio->coste)) : nada);
    costeKm_->setText(servicio ? porKm(servicio->costeKm) : nada);
    precioKm_->setText(p ? porKm(p->precioKm) : nada);
    margenEuros_->setText(p ? Q(Euros(p->margen)) : nada);
    margenPorcentaje_->setText(p && p->margenPorcentaje ? Q(FormatoDosDecimales(*p->margenPorcentaje) + " %") : nada);
    precioMinimo_->setText(p && p->precioMinimo ? Q(Euros(*p->precioMinimo)) : nada);
    veredicto_->setText(p ? Q(VeredictoPrecio(*p)) : motivo);
    veredicto_->setStyleSheet(!p         ? QStringLiteral("color: rgb(90, 90, 90);")
                              : p->cubre ? QStringLiteral("color: rgb(0, 128, 0);")
                                         : QStringLiteral("color: rgb(192, 0, 0);"));
    hoja_->setEnabled(p != nullptr);
}

void PestanaPrecio::GrabarHoja()
{
    if (!precio_ || !calculada_) return;
    Plataforma& plataforma = sesion_.plataforma();
    Aviso aviso;
    try {
        PeticionFichero peticion;
        peticion.guardar = true;
        peticion.titulo = "Hoja «Coste del servicio» en PDF";
        peticion.filtro = "Documento PDF (*.pdf)|*.pdf|";
        peticion.extensionPorDefecto = "pdf";
        peticion.carpetaInicial = carpeta_.empty() ? sesion_.RutaPrograma() : carpeta_;
        peticion.nombre = "coste-servicio.pdf";
        const std::optional<std::string> elegido = plataforma.ElegirFichero(peticion, this);
        if (!elegido || elegido->empty()) return;
        std::string ruta = *elegido;
        if (QFileInfo(Q(ruta)).suffix().compare(QStringLiteral("pdf"), Qt::CaseInsensitive) != 0) {
            ruta += ".pdf";
            if (!plataforma.ConfirmarReemplazo(ruta)) return;
        }
        carpeta_ = std::filesystem::path(ruta).parent_path().string();
        DatosHoja d;
        d.calculada = &*calculada_;
        d.kmTexto = km_->text().toStdString();
        d.horasTexto = horas_->text().toStdString();
        d.precio = *precio_;
        // The record comes from the data file last loaded or saved, or else
        // (after a selection) from the reference data of its type.
        d.fichero = sesion_.FicheroColumna().empty() ? sesion_.RutaConfig() : sesion_.FicheroColumna();
        const QFileInfo info(Q(d.fichero));
        if (info.exists()) d.fechaFichero = info.lastModified().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
        d.referencia = referencia_->text().trimmed().toStdString();
        d.cliente = cliente_->text().trimmed().toStdString();
        GrabarContenido(ruta, GenerarHojaCosteServicio(d));
        aviso.texto = "Fichero " + ruta + " grabado";
    } catch (...) {
        aviso.texto = MensajeErrorFichero(ComoErrorEjecucion(std::current_exception()));
        aviso.icono = Icono::Critico;
    }
    plataforma.Mostrar(aviso);
}

}  // namespace tarvelon
