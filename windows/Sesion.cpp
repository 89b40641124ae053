#include "windows/Sesion.h"

#include <QLineEdit>
#include <QRadioButton>

#include "windows/CambiosSimulacion.h"
#include "windows/CostesFijosC.h"
#include "windows/DatosPersonalizados.h"
#include "windows/Plataforma.h"
#include "windows/SeleccionarVehiculo.h"

namespace tarvelon {

Sesion::Sesion(Plataforma& plataforma, OpcionesInicio opciones, QWidget* ventana)
    : QObject(ventana), plataforma_(plataforma), opciones_(std::move(opciones)), ventana_(ventana)
{
}

Sesion::~Sesion() = default;

void Sesion::Unir(const VentanasColumnas& ventanas)
{
    ventanas_ = ventanas;
    columnas_ = std::make_unique<Columnas>(ventanas, plataforma_);
    columnas_->AlFallarCaja([this](QLineEdit* caja) { emit cajaFallida(caja); });
    cambios_ = std::make_unique<CambiosSimulacion>(ventanas);
    for (bool simulacion : {true, false})
        for (QLineEdit* caja : columnas_->Cajas(simulacion))
            connect(caja, &QLineEdit::textChanged, this, &Sesion::columnasEditadas);
    for (QRadioButton* opcion : ventanas.costesFijosC->findChildren<QRadioButton*>())
        connect(opcion, &QRadioButton::toggled, this, &Sesion::columnasEditadas);
}

std::string Sesion::CarpetaPrograma() const
{
    return opciones_.carpetaPrograma ? opciones_.carpetaPrograma() : opciones_.rutaPrograma;
}

std::string Sesion::TextoTipoSeleccionado() const { return ventanas_.vehiculo->TextoTipo(); }

void Sesion::PonerColumnas(const Simulacion& simulacion, const Simulacion& referencia)
{
    columnas_->EscribirColumnaSimulacion(simulacion);
    emit pasosAbiertos();
    columnas_->EscribirColumnaReferencia(referencia);
}

bool Sesion::Cambiada() const { return cambios_->Cambiada(); }

void Sesion::CopiarReferencia()
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
    emit referenciaCopiada();
}

bool Sesion::ConfirmarCambios()
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
    const bool grabado = GuardarDatosPersonalizados(*this, tipoColumna_);
    return grabado;
}

void Sesion::Tomar(const std::string& fichero)
{
    cambios_->Tomar();
    ficheroColumna_ = fichero;
    emit ficheroCambiado(QString::fromStdString(fichero));
}

void Sesion::ColumnaSeleccionada(const std::string& tipo)
{
    tipoColumna_ = tipo;
    Tomar("");
    emit tipoSeleccionado(QString::fromStdString(tipo));
}

void Sesion::ColumnaGuardada(const std::string& fichero)
{
    Tomar(fichero);
    emit columnaGuardada(QString::fromStdString(fichero));
}

void Sesion::ColumnaCargada(const std::string& fichero, const std::string& tipo)
{
    tipoColumna_ = tipo;
    Tomar(fichero);
    emit columnaCargada(QString::fromStdString(fichero));
}

void Sesion::ColumnaNoGuardada() { emit columnaNoGuardada(); }

}  // namespace tarvelon
