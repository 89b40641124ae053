#pragma once
// The four transfers between the windows' two columns and a record. The
// windows are the working store; a record lives for one operation.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Errores.h"
#include "model/Simulacion.h"

class QLineEdit;
class QWidget;

namespace tarvelon {

class CostesFijosC;
class Plataforma;
class SeleccionarVehiculo;

struct VentanasColumnas {
    SeleccionarVehiculo* vehiculo;
    QWidget* datosGenerales;
    QWidget* costesFijosA;
    QWidget* costesFijosB;
    CostesFijosC* costesFijosC;
    QWidget* costesVariablesA;
    QWidget* costesVariablesB;
    QWidget* costesIndirectos;
};

// Where a silent read stopped: the field, its box (null for the type and the
// simulation's insurance option) and the run-time error.
struct FalloLectura {
    int campo;
    QLineEdit* caja;
    ErrorEjecucion error;
};

class Columnas {
public:
    Columnas(const VentanasColumnas& ventanas, Plataforma& plataforma);

    // Each stops at the first failing row with the usual error message; the
    // rows before it stay transferred.
    // Reading answers whether every row was read; when a box could not be
    // read, it goes to the action set with AlFallarCaja after the message.
    bool LeerColumnaSimulacion(Simulacion& s);
    void AlFallarCaja(std::function<void(QLineEdit*)> accion) { alFallarCaja_ = std::move(accion); }
    void EscribirColumnaSimulacion(const Simulacion& s);
    void LeerColumnaReferencia(Simulacion& s);
    void EscribirColumnaReferencia(const Simulacion& s);

    // The same reads without any message box, for panels that follow the
    // user's typing: they answer where they stopped, nothing when all was read.
    std::optional<FalloLectura> LeerColumnaSimulacionSinAvisos(Simulacion& s);
    std::optional<FalloLectura> LeerColumnaReferenciaSinAvisos(Simulacion& s);

    // The boxes of one column, in transfer order (the type and, in the
    // simulation column, the insurance option have none).
    std::vector<QLineEdit*> Cajas(bool simulacion) const;

    // The insurance window's option and box texts, for Calcular.
    EntradaSeguro SeguroActual() const;

private:
    struct Fila {
        int campo;  // index in CamposSimulacion
        bool vacioEsCero;
        QLineEdit* simulacion;  // null for the type and the insurance type
        QLineEdit* referencia;  // null for the type
    };
    void Fallo(const ErrorEjecucion& e);
    std::optional<FalloLectura> Leer(Simulacion& s, bool simulacion);

    VentanasColumnas v_;
    Plataforma& plataforma_;
    std::vector<Fila> filas_;
    std::function<void(QLineEdit*)> alFallarCaja_;
};

}  // namespace tarvelon
