#include "windows/PestanaTecnologias.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "data/Ficheros.h"
#include "model/Errores.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"
#include "model/ReferenciaTecnologias.h"
#include "reports/InformesTecnologias.h"
#include "windows/CajaTexto.h"
#include "windows/DatosAnalisis.h"
#include "windows/GraficosTecnologias.h"
#include "windows/Plataforma.h"
#include "windows/TablaTecnologias.h"

namespace tarvelon {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

const char* const kPrefijos[] = {"diesel", "hvo", "gnl", "electrico"};
const char* const kNombres[] = {kDiesel, kHvo, kGnl, kElectrico};
const char* const kCabeceras[] = {"Diésel (l)", "HVO (l)", "GNL (kg)", "Eléctrico de\nbatería (kWh)"};

// A box the program fills: what it last wrote there, so that it can tell a box
// the user typed in (kept) from one that follows the record.
void Escribir(QLineEdit* caja, const std::string& texto)
{
    if (caja->text() != caja->property("escrito").toString() && !caja->text().isEmpty()) return;
    const QString nuevo = Q(texto);
    caja->setProperty("escrito", nuevo);
    if (caja->text() != nuevo) caja->setText(nuevo);
}

double Numero(const QLineEdit* caja, const std::string& nombre)
{
    try {
        return LeerImporte(TextoCaja(caja));
    } catch (const ErrorEjecucion&) {
        throw ErrorEjecucion(0, nombre + ": escriba un número (los decimales van con coma).");
    }
}

std::optional<int> Entero(const QLineEdit* caja, const std::string& nombre, int minimo, int maximo)
{
    if (caja->text().trimmed().isEmpty()) return std::nullopt;
    const double v = Numero(caja, nombre);
    if (!(v >= minimo && v <= maximo) || v != static_cast<int>(v))
        throw ErrorEjecucion(
            0, nombre + ": debe ser un entero de " + std::to_string(minimo) + " a " + std::to_string(maximo) + ".");
    return static_cast<int>(v);
}

CajaTexto* Caja(const QString& nombre, QWidget* padre, TipoCaja tipo = TipoCaja::Entrada)
{
    auto* c = new CajaTexto(tipo, 20, padre);
    c->setObjectName(nombre);
    c->setAlignment(Qt::AlignRight);
    c->setMinimumWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("0000000,000")));
    return c;
}

}  // namespace

PestanaTecnologias::PestanaTecnologias(Plataforma& plataforma, std::string rutaReferencia, QWidget* parent)
    : QScrollArea(parent), plataforma_(plataforma), rutaReferencia_(std::move(rutaReferencia))
{
    setObjectName(QStringLiteral("PestanaTecnologias"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    auto* pagina = new QWidget(this);
    auto* entradas = new QGroupBox(QStringLiteral("Datos de cada tecnología"), pagina);
    auto* rejilla = new QGridLayout(entradas);
    CrearColumnas(entradas, rejilla);

    QGroupBox* comunes = CrearComunes(pagina);

    motivoEtiqueta_ = new QLabel(pagina);
    motivoEtiqueta_->setObjectName(QStringLiteral("lblMotivoTecnologias"));
    motivoEtiqueta_->setWordWrap(true);
    motivoEtiqueta_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    tabla_ = new TablaTecnologias(pagina);
    graficos_ = new GraficosTecnologias(pagina);

    // One above the other: the tab fits a narrow or scaled window and scrolls.
    auto* disposicion = new QVBoxLayout(pagina);
    for (QWidget* w : {static_cast<QWidget*>(comunes), static_cast<QWidget*>(entradas)}) {
        auto* fila = new QHBoxLayout;
        fila->addWidget(w);
        fila->addStretch();
        disposicion->addLayout(fila);
    }
    disposicion->addWidget(motivoEtiqueta_);
    disposicion->addWidget(tabla_, 0, Qt::AlignLeft);
    disposicion->addWidget(graficos_, 1);
    for (QLineEdit* c : {horizonte_, primerAnio_, tasa_, co2_})
        connect(c, &QLineEdit::textChanged, this, &PestanaTecnologias::Recalcular);
    setWidget(pagina);
}

QGroupBox* PestanaTecnologias::CrearComunes(QWidget* pagina)
{
    auto* comunes = new QGroupBox(QStringLiteral("Datos comunes"), pagina);
    auto* formulario = new QGridLayout(comunes);
    horizonte_ = Caja(QStringLiteral("txtHorizonte"), comunes);
    primerAnio_ = Caja(QStringLiteral("txtPrimerAnio"), comunes);
    tasa_ = Caja(QStringLiteral("txtTasaDescuento"), comunes);
    co2_ = Caja(QStringLiteral("txtPrecioCo2"), comunes);
    co2_->setAlignment(Qt::AlignLeft);
    for (QLineEdit* c : {horizonte_, primerAnio_, tasa_}) c->setMaximumWidth(c->minimumWidth());
    co2_->setText(Q(CaminoCo2ATexto(EscenarioTecnologias{}.precioCo2)));
    kilometros_ = new QLabel(comunes);
    // Two pairs a row: the group stays narrower than the columns below it.
    const std::pair<const char*, QWidget*> filas[] = {{"&Horizonte (años):", horizonte_},
                                                      {"&Primer año:", primerAnio_},
                                                      {"&Tasa de descuento (%):", tasa_},
                                                      {"Kilómetros al año (del fichero):", kilometros_},
                                                      {"Precio del &CO2 (año: €/t desde ese año):", co2_}};
    int f = 0;
    for (const auto& [texto, caja] : filas) {
        auto* etiqueta = new QLabel(QString::fromUtf8(texto), comunes);
        etiqueta->setBuddy(caja);
        formulario->addWidget(etiqueta, f / 2, f % 2 * 2);
        formulario->addWidget(caja, f / 2, f % 2 * 2 + 1, 1, caja == co2_ ? 3 : 1,
                              caja == co2_ ? Qt::Alignment() : Qt::AlignLeft);
        ++f;
    }
    auto* guardar = new QPushButton(QStringLiteral("&Guardar escenario…"), comunes);
    guardar->setObjectName(QStringLiteral("btGuardarEscenario"));
    auto* abrir = new QPushButton(QStringLiteral("&Abrir escenario…"), comunes);
    abrir->setObjectName(QStringLiteral("btAbrirEscenario"));
    connect(guardar, &QPushButton::clicked, this, &PestanaTecnologias::GuardarEscenario);
    connect(abrir, &QPushButton::clicked, this, &PestanaTecnologias::AbrirEscenario);
    auto* botones = new QHBoxLayout;
    botones->addWidget(guardar);
    botones->addWidget(abrir);
    botones->addStretch();
    formulario->addLayout(botones, 3, 0, 1, 4);
    return comunes;
}

void PestanaTecnologias::CrearColumnas(QWidget* marco, QGridLayout* rejilla)
{
    try {
        referencia_ = LeerReferenciaTecnologias(LeerFicheroEntero(rutaReferencia_), &fuentes_);
    } catch (const ErrorReferencia& e) {
        motivoReferencia_ = rutaReferencia_ + ", " + e.what();
    } catch (...) {
        motivoReferencia_ = MensajeErrorFichero(ComoErrorEjecucion(std::current_exception()));
    }
    auto* fuente =
        new QLabel(QStringLiteral("Fuente: ") + Q(std::filesystem::path(rutaReferencia_).filename().string()) +
                       QStringLiteral(" (la fuente y la fecha de cada valor salen al dejar el ratón sobre su "
                                      "casilla; ILUSTRATIVO: orden de magnitud, no dato oficial)"),
                   marco);
    fuente->setObjectName(QStringLiteral("lblFuenteTecnologias"));
    fuente->setWordWrap(true);
    fuente->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    const auto& claves = ClavesTecnologia();
    for (int t = 0; t < 4; ++t)
        rejilla->addWidget(new QLabel(QString::fromUtf8(kCabeceras[t]), marco), 0, t + 1, Qt::AlignRight);
    for (size_t k = 0; k < claves.size(); ++k) {
        const int fila = static_cast<int>(k) + 1;
        rejilla->addWidget(new QLabel(Q(std::string(EtiquetaClaveTecnologia(claves[k]))), marco), fila, 0);
        const std::string clave(claves[k]);
        for (size_t t = 0; t < 4; ++t) {
            const QString nombre = QString::fromLatin1(kPrefijos[t]) + QLatin1Char('_') + Q(clave);
            const std::string completa = std::string(kPrefijos[t]) + "." + clave;
            const bool registro = t == 0 && ClaveDelRegistro(clave);
            QWidget* w = nullptr;
            if (clave == "paga_carbono" || clave == "devolucion") {
                auto* c = new QCheckBox(marco);
                c->setObjectName(QStringLiteral("chk_") + nombre);
                casillas_[t][clave == "devolucion"] = c;
                connect(c, &QCheckBox::toggled, this, &PestanaTecnologias::Recalcular);
                cajas_[t].push_back(nullptr);
                w = c;
            } else {
                auto* c =
                    Caja(QStringLiteral("txt_") + nombre, marco, registro ? TipoCaja::Referencia : TipoCaja::Entrada);
                connect(c, &QLineEdit::textChanged, this, &PestanaTecnologias::Recalcular);
                cajas_[t].push_back(c);
                w = c;
            }
            const auto origen = fuentes_.find(completa);
            w->setToolTip(registro                   ? QStringLiteral("Del fichero de datos (columna de simulación)")
                          : origen != fuentes_.end() ? QStringLiteral("Fuente: ") + Q(origen->second)
                                                     : QString());
            rejilla->addWidget(w, fila, static_cast<int>(t) + 1, Qt::AlignRight);
        }
    }
    rejilla->addWidget(fuente, static_cast<int>(claves.size()) + 1, 0, 1, 5);
}

void PestanaTecnologias::Actualizar(const DatosAnalisis& datos)
{
    calculada_ = datos.simulacion.calculada;
    motivo_ = datos.simulacion.motivo;
    if (calculada_) Rellenar(*calculada_);
    Recalcular();
}

void PestanaTecnologias::Rellenar(const Simulacion& calculada)
{
    if (referencia_.size() != 4) return;
    const std::vector<EntradaTecnologia> columnas = ColumnasDelRegistro(calculada, referencia_);
    const auto& claves = ClavesTecnologia();
    const QSignalBlocker bloqueo(this);
    for (size_t t = 0; t < 4; ++t)
        for (size_t k = 0; k < claves.size(); ++k) {
            const double v = ValorCampoTecnologia(columnas[t], claves[k]);
            if (QLineEdit* c = cajas_[t][k]) {
                const QSignalBlocker b(c);
                if (t == 0 && ClaveDelRegistro(claves[k])) {
                    if (c->text() != Q(NumeroATexto(v))) c->setText(Q(NumeroATexto(v)));
                } else Escribir(c, NumeroATexto(v));
            } else if (!casillas_[t][claves[k] == "devolucion"]->property("escrito").toBool()) {
                QCheckBox* casilla = casillas_[t][claves[k] == "devolucion"];
                const QSignalBlocker b(casilla);
                casilla->setChecked(v != 0);
                casilla->setProperty("escrito", true);
            }
        }
    kilometros_->setText(Q(FormatoMiles(calculada.KilometrajeAnual)));
}

EscenarioTecnologias PestanaTecnologias::LeerCajas() const
{
    if (!motivoReferencia_.empty()) throw ErrorEjecucion(0, "No se puede leer " + motivoReferencia_);
    EscenarioTecnologias e;
    e.horizonte = Entero(horizonte_, "Horizonte (años)", 1, 50);
    e.primerAnio = Entero(primerAnio_, "Primer año", 1900, 2200);
    if (!tasa_->text().trimmed().isEmpty()) {
        e.tasa = Numero(tasa_, "Tasa de descuento (%)");
        if (!(*e.tasa > -100 && *e.tasa < 1000))
            throw ErrorEjecucion(0, "Tasa de descuento (%): debe estar entre −100 y 1.000 sin llegar a ellos.");
    }
    try {
        e.precioCo2 = LeerCaminoCo2(TextoCaja(co2_));
    } catch (const ErrorEjecucion& x) {
        throw ErrorEjecucion(0, "Precio del CO2, " + x.Descripcion() + ".");
    }
    const auto& claves = ClavesTecnologia();
    e.tecnologias = referencia_;
    for (size_t t = 0; t < 4; ++t)
        for (size_t k = 0; k < claves.size(); ++k) {
            if (t == 0 && ClaveDelRegistro(claves[k])) continue;
            const std::string nombre =
                std::string(kNombres[t]) + ", " + std::string(EtiquetaClaveTecnologia(claves[k]));
            const double v = cajas_[t][k] ? Numero(cajas_[t][k], nombre)
                                          : static_cast<double>(casillas_[t][claves[k] == "devolucion"]->isChecked());
            const std::string motivo = AsignarCampoTecnologia(e.tecnologias[t], claves[k], v);
            if (!motivo.empty()) throw ErrorEjecucion(0, nombre + ": " + motivo + ".");
        }
    return e;
}

void PestanaTecnologias::Recalcular()
{
    resultado_.reset();
    curva_.clear();
    try {
        if (!calculada_) throw ErrorEjecucion(0, "Simulación sin calcular. " + motivo_);
        EscenarioTecnologias e = LeerCajas();
        e.tecnologias[0] = DieselDelRegistro(*calculada_, e.tecnologias[0]);
        const int anio = QDate::currentDate().year();
        resultado_ = CalcularTecnologias(*calculada_, e, anio);
        curva_ = CurvaKmTecnologias(*calculada_, e, *resultado_, anio);
        motivoEtiqueta_->clear();
    } catch (...) {
        const ErrorEjecucion x = ComoErrorEjecucion(std::current_exception());
        motivoEtiqueta_->setText(x.Numero() == 0 ? Q(x.Descripcion()) : Q(MensajeError(x)));
    }
    Mostrar();
}

void PestanaTecnologias::Mostrar()
{
    const CosteVidaTecnologias* r = resultado_ ? &*resultado_ : nullptr;
    motivoEtiqueta_->setVisible(!r);
    graficos_->Actualizar(r, r ? &curva_ : nullptr);
    tabla_->Actualizar(r);
    if (!r) return;
    horizonte_->setPlaceholderText(Q(std::to_string(r->horizonte)));
    primerAnio_->setPlaceholderText(Q(std::to_string(r->primerAnio)));
    tasa_->setPlaceholderText(Q(NumeroATexto(r->tasa)));
}

std::optional<CosteVidaTecnologias> PestanaTecnologias::Resultado(const DatosAnalisis& datos)
{
    if (!datos.simulacion.calculada) return std::nullopt;
    const Simulacion& calculada = *datos.simulacion.calculada;
    Rellenar(calculada);
    try {
        EscenarioTecnologias e = LeerCajas();
        e.tecnologias[0] = DieselDelRegistro(calculada, e.tecnologias[0]);
        return CalcularTecnologias(calculada, e, QDate::currentDate().year());
    } catch (...) {
        // The tab says why; the export goes on without the technologies.
        return std::nullopt;
    }
}

void PestanaTecnologias::EscribirEscenario(const EscenarioTecnologias& e)
{
    const auto& claves = ClavesTecnologia();
    const QSignalBlocker bloqueo(this);
    for (size_t t = 0; t < 4 && t < e.tecnologias.size(); ++t)
        for (size_t k = 0; k < claves.size(); ++k) {
            if (t == 0 && ClaveDelRegistro(claves[k])) continue;
            const double v = ValorCampoTecnologia(e.tecnologias[t], claves[k]);
            QWidget* w = cajas_[t][k] ? static_cast<QWidget*>(cajas_[t][k]) : casillas_[t][claves[k] == "devolucion"];
            const QSignalBlocker b(w);
            // What the scenario says counts as typed: it no longer follows the record.
            if (cajas_[t][k]) cajas_[t][k]->setText(Q(NumeroATexto(v)));
            else casillas_[t][claves[k] == "devolucion"]->setChecked(v != 0);
            w->setProperty("escrito", cajas_[t][k] ? QVariant(QString()) : QVariant(true));
        }
    const std::pair<QLineEdit*, QString> comunes[] = {
        {horizonte_, e.horizonte ? QString::number(*e.horizonte) : QString()},
        {primerAnio_, e.primerAnio ? QString::number(*e.primerAnio) : QString()},
        {tasa_, e.tasa ? Q(NumeroATexto(*e.tasa)) : QString()},
        {co2_, Q(CaminoCo2ATexto(e.precioCo2))}};
    for (const auto& [caja, texto] : comunes) {
        const QSignalBlocker b(caja);
        caja->setText(texto);
    }
}

void PestanaTecnologias::Avisar(const std::string& texto, bool error)
{
    plataforma_.Mostrar(Aviso{texto, error ? Icono::Critico : Icono::Ninguno});
}

void PestanaTecnologias::GuardarEscenario()
{
    EscenarioTecnologias e;
    try {
        e = LeerCajas();
    } catch (const ErrorEjecucion& x) {
        Avisar("No se puede guardar el escenario. " + x.Descripcion(), true);
        return;
    }
    PeticionFichero p;
    p.guardar = true;
    p.titulo = "Guardar escenario";
    p.filtro = "Escenario (*.json)|*.json|";
    p.extensionPorDefecto = "json";
    p.carpetaInicial = carpeta_.empty() ? std::filesystem::path(rutaReferencia_).parent_path().string() : carpeta_;
    p.nombre = "escenario.json";
    try {
        const std::optional<std::string> ruta = plataforma_.ElegirDondeGrabar(p, this);
        if (!ruta) return;
        carpeta_ = std::filesystem::path(*ruta).parent_path().string();
        GrabarContenido(*ruta, EscenarioAJson(e));
        Avisar("Fichero " + *ruta + " grabado", false);
    } catch (...) {
        Avisar(MensajeErrorFichero(ComoErrorEjecucion(std::current_exception())), true);
    }
}

void PestanaTecnologias::AbrirEscenario()
{
    PeticionFichero p;
    p.titulo = "Abrir escenario";
    p.filtro = "Escenario (*.json)|*.json|Todos los ficheros (*.*)|*.*|";
    p.carpetaInicial = carpeta_.empty() ? std::filesystem::path(rutaReferencia_).parent_path().string() : carpeta_;
    const std::optional<std::string> ruta = plataforma_.ElegirFichero(p, this);
    if (!ruta || ruta->empty()) return;
    try {
        // Over the boxes as they are; if they are not valid, over the reference.
        EscenarioTecnologias e;
        try {
            e = LeerCajas();
        } catch (const ErrorEjecucion&) {
            e.tecnologias = referencia_;
        }
        const std::string texto = LeerFicheroEntero(*ruta);
        LeerEscenarioTecnologias(texto, e);
        carpeta_ = std::filesystem::path(*ruta).parent_path().string();
        EscribirEscenario(e);
        Recalcular();
    } catch (const ErrorEscenario& x) {
        Avisar("No se puede abrir el escenario " + *ruta + ". " + x.what() + " No se ha cambiado nada.", true);
    } catch (...) {
        Avisar(MensajeErrorFichero(ComoErrorEjecucion(std::current_exception())), true);
    }
}

}  // namespace tarvelon
