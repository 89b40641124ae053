#include "windows/Columnas.h"

#include <QLineEdit>
#include <QWidget>

#include "model/Errores.h"
#include "model/Numeros.h"
#include "windows/CajaTexto.h"
#include "windows/CostesFijosC.h"
#include "windows/MapaCajas.h"
#include "windows/Plataforma.h"
#include "windows/SeleccionarVehiculo.h"

namespace tarvelon {

namespace {
int CampoTipo()
{
    static const int i = IndiceCampo("Tipo");
    return i;
}
int CampoTipoSeguro()
{
    static const int i = IndiceCampo("TipoSeguro");
    return i;
}

QLineEdit* Buscar(QWidget* ventana, const QString& nombre)
{
    auto* caja = ventana->findChild<QLineEdit*>(nombre);
    if (!caja) throw std::logic_error("falta la caja " + nombre.toStdString());
    return caja;
}
}  // namespace

Columnas::Columnas(const VentanasColumnas& ventanas, Plataforma& plataforma) : v_(ventanas), plataforma_(plataforma)
{
    QWidget* porVentana[] = {v_.vehiculo,     v_.datosGenerales,   v_.costesFijosA,     v_.costesFijosB,
                             v_.costesFijosC, v_.costesVariablesA, v_.costesVariablesB, v_.costesIndirectos};
    for (const auto& m : MapaCajas()) {
        Fila f{IndiceCampo(m.campo), m.vacioEsCero, nullptr, nullptr};
        if (f.campo < 0) throw std::logic_error(std::string("campo desconocido ") + m.campo);
        QWidget* w = porVentana[static_cast<int>(m.ventana)];
        const QString sufijo = QString::fromLatin1(m.sufijo);
        if (f.campo != CampoTipo()) {
            if (f.campo != CampoTipoSeguro()) f.simulacion = Buscar(w, QStringLiteral("txt") + sufijo);
            f.referencia = Buscar(w, QStringLiteral("MIRtxt") + sufijo);
        }
        filas_.push_back(f);
    }
}

void Columnas::Fallo(const ErrorEjecucion& e)
{
    Aviso aviso;
    aviso.texto = MensajeError(e);
    aviso.icono = Icono::Critico;
    plataforma_.Mostrar(aviso);
}

std::optional<FalloLectura> Columnas::Leer(Simulacion& s, bool simulacion)
{
    const Fila* actual = nullptr;
    try {
        for (const auto& f : filas_) {
            actual = &f;
            if (f.campo == CampoTipo()) {
                AsignarCampoDesdeTexto(s, f.campo, v_.vehiculo->TextoTipo());
            } else if (simulacion && f.campo == CampoTipoSeguro()) {
                // No option chosen counts as the compulsory insurance.
                const int opcion = v_.costesFijosC->OpcionElegida();
                s.TipoSeguro = static_cast<int16_t>(opcion == 0 ? 1 : opcion);
            } else {
                QLineEdit* caja = simulacion ? f.simulacion : f.referencia;
                AsignarCampoDesdeTexto(s, f.campo, TextoCaja(caja), f.vacioEsCero);
            }
        }
        return std::nullopt;
    } catch (...) {
        const ErrorEjecucion e = ComoErrorEjecucion(std::current_exception());
        if (!actual) return FalloLectura{-1, nullptr, e};
        return FalloLectura{actual->campo, simulacion ? actual->simulacion : actual->referencia, e};
    }
}

std::optional<FalloLectura> Columnas::LeerColumnaSimulacionSinAvisos(Simulacion& s) { return Leer(s, true); }

std::optional<FalloLectura> Columnas::LeerColumnaReferenciaSinAvisos(Simulacion& s) { return Leer(s, false); }

bool Columnas::LeerColumnaSimulacion(Simulacion& s)
{
    const auto fallo = Leer(s, true);
    if (!fallo) return true;
    Fallo(fallo->error);
    // The user is shown which figure could not be read.
    if (fallo->caja && alFallarCaja_) alFallarCaja_(fallo->caja);
    return false;
}

void Columnas::LeerColumnaReferencia(Simulacion& s)
{
    if (const auto fallo = Leer(s, false)) Fallo(fallo->error);
}

std::vector<QLineEdit*> Columnas::Cajas(bool simulacion) const
{
    std::vector<QLineEdit*> cajas;
    for (const auto& f : filas_)
        if (QLineEdit* c = simulacion ? f.simulacion : f.referencia) cajas.push_back(c);
    return cajas;
}

void Columnas::EscribirColumnaSimulacion(const Simulacion& s)
{
    static const int kPrimas[] = {IndiceCampo("CFSeguroObligatorio"), IndiceCampo("CFSeguroObligatorioYTerceros"),
                                  IndiceCampo("CFSeguroTodoRiesgo")};
    try {
        std::vector<QLineEdit*> cajasPrima;
        for (const auto& f : filas_)
            for (int p : kPrimas)
                if (f.campo == p) cajasPrima.push_back(f.simulacion);

        for (const auto& f : filas_) {
            if (f.campo == CampoTipo()) {
                v_.vehiculo->EscribirTipo(s.Tipo);
            } else if (f.campo == CampoTipoSeguro()) {
                // Only the chosen type's premium survives; the other two read "0".
                for (QLineEdit* c : cajasPrima) EscribirTexto(c, "0");
                const int tipo = s.TipoSeguro;
                if (tipo >= 1 && tipo <= 3) {
                    v_.costesFijosC->ElegirOpcion(tipo);
                    EscribirTexto(cajasPrima[static_cast<size_t>(tipo - 1)], TextoDeCampo(s, kPrimas[tipo - 1]));
                }
            } else if (f.campo == kPrimas[0] || f.campo == kPrimas[1] || f.campo == kPrimas[2]) {
                continue;  // written with the insurance type
            } else {
                EscribirTexto(f.simulacion, TextoDeCampo(s, f.campo));
            }
        }
    } catch (...) {
        Fallo(ComoErrorEjecucion(std::current_exception()));
    }
}

void Columnas::EscribirColumnaReferencia(const Simulacion& s)
{
    try {
        for (const auto& f : filas_) {
            if (f.campo == CampoTipo()) v_.vehiculo->EscribirTipo(s.Tipo);
            else EscribirTexto(f.referencia, TextoDeCampo(s, f.campo));
        }
    } catch (...) {
        Fallo(ComoErrorEjecucion(std::current_exception()));
    }
}

EntradaSeguro Columnas::SeguroActual() const
{
    auto texto = [this](const char* sufijo) {
        return TextoCaja(v_.costesFijosC->findChild<QLineEdit*>(QStringLiteral("txt") + QString::fromLatin1(sufijo)));
    };
    EntradaSeguro e;
    e.opcion = v_.costesFijosC->OpcionElegida();
    e.primaObligatorio = texto("CFSeguroObligatorio");
    e.primaObligatorioYTerceros = texto("CFSeguroObligatorioYTerceros");
    e.primaTodoRiesgo = texto("CFSeguroTodoRiesgo");
    e.mercancia = texto("CFSeguroMercancia");
    e.responsabilidadCivil = texto("CFResponsabilidadCivil");
    return e;
}

}  // namespace tarvelon
