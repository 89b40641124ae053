#include "windows/VentanaAnalisis.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "data/Ficheros.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/InformesAnalisis.h"
#include "reports/Xlsx.h"
#include "windows/CajaTexto.h"
#include "windows/InformePdf.h"
#include "windows/PestanaComparacion.h"
#include "windows/PestanaPrecio.h"
#include "windows/PestanaResumen.h"
#include "windows/PestanaRevision.h"
#include "windows/PestanaSensibilidad.h"
#include "windows/PestanaTecnologias.h"
#include "windows/Plataforma.h"
#include "windows/Sesion.h"

namespace tarvelon {

namespace {

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

VentanaAnalisis::VentanaAnalisis(Sesion& sesion, const QWidget* servicio, QWidget* parent)
    : QWidget(parent, Qt::Window), sesion_(sesion)
{
    setObjectName(QStringLiteral("VentanaAnalisis"));
    setWindowTitle(QStringLiteral("Análisis de costes"));

    pestanas_ = new QTabWidget(this);
    pestanas_->setObjectName(QStringLiteral("pestanas"));
    pestanas_->addTab(resumen_ = new PestanaResumen, QStringLiteral("Resumen en vivo"));
    pestanas_->addTab(comparacion_ = new PestanaComparacion, QStringLiteral("Comparación"));
    pestanas_->addTab(sensibilidad_ = new PestanaSensibilidad, QStringLiteral("Sensibilidad"));
    pestanas_->addTab(precio_ = new PestanaPrecio(sesion_, servicio), QStringLiteral("Precio del servicio"));
    pestanas_->addTab(revision_ = new PestanaRevision(sesion_), QStringLiteral("Revisión por combustible"));
    tecnologias_ = new PestanaTecnologias(
        sesion_.plataforma(), (std::filesystem::path(sesion_.CarpetaPrograma()) / kReferenciaTecnologias).string());
    pestanas_->addTab(tecnologias_, QStringLiteral("Tecnologías"));

    auto* botones = new QHBoxLayout;
    botones->addWidget(new QLabel(QStringLiteral("Exportar el análisis:"), this));
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
    // Thin margins: beside the steps or on a scaled screen every pixel of width goes to the tabs.
    disposicion->setContentsMargins(4, 4, 4, 4);
    disposicion->addWidget(pestanas_);
    disposicion->addLayout(botones);

    // Typing costs one recalculation: every change of the column boxes
    // restarts the same zero-delay timer, which runs once the events settle.
    temporizador_ = new QTimer(this);
    temporizador_->setSingleShot(true);
    temporizador_->setInterval(0);
    connect(temporizador_, &QTimer::timeout, this, &VentanaAnalisis::Recalcular);
    connect(&sesion_, &Sesion::columnasEditadas, this, &VentanaAnalisis::Cambio);
    connect(pestanas_, &QTabWidget::currentChanged, this, &VentanaAnalisis::MostrarPestana);
    connect(sensibilidad_, &PestanaSensibilidad::variacionCambiada, this, [this] {
        mostrada_[kSensibilidad] = false;
        MostrarPestana(pestanas_->currentIndex());
    });
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
    datos_ = LeerDatosAnalisis(sesion_.columnas());
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
        case kResumen: resumen_->Actualizar(datos_); break;
        case kComparacion: comparacion_->Actualizar(datos_); break;
        case kSensibilidad: sensibilidad_->Actualizar(datos_); break;
        case kPrecio: precio_->Actualizar(datos_); break;
        case kRevision: revision_->Actualizar(datos_); break;
        case kTecnologias: tecnologias_->Actualizar(datos_); break;
        default: break;
        }
    } catch (...) {
        const QString texto = QString::fromStdString(MensajeError(ComoErrorEjecucion(std::current_exception())));
        comparacion_->Fallo(texto);
        sensibilidad_->Fallo(texto);
        resumen_->Fallo(texto);
    }
}

void VentanaAnalisis::Exportar(FormatoExportacion formato)
{
    Plataforma& plataforma = sesion_.plataforma();
    const DatosFormato f = Formato(formato);
    auto avisar = [&](std::string texto, Icono icono) { plataforma.Mostrar(Aviso{std::move(texto), icono}); };
    try {
        const std::optional<double> variacion = sensibilidad_->Variacion();
        if (!variacion) {
            avisar(std::string("No se puede exportar el análisis: ") + kVariacionFuera, Icono::Exclamacion);
            EnfocarCaja(sensibilidad_->cajaVariacion());
            return;
        }
        PeticionFichero peticion;
        peticion.guardar = true;
        peticion.titulo = std::string("Exportar el análisis a ") + f.nombre;
        peticion.filtro = f.filtro;
        peticion.extensionPorDefecto = f.extension;
        peticion.carpetaInicial = carpetaExportacion_.empty() ? sesion_.RutaPrograma() : carpetaExportacion_;
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
        DatosAnalisis d = LeerDatosAnalisis(sesion_.columnas());
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
