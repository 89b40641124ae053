#pragma once
// A platform that answers by itself, for tests and the start-up benchmark:
// it records every message box, file dialog, printout and started program,
// and gives the answers the test has queued.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "windows/Plataforma.h"

namespace tarvelon {

class PlataformaGuion : public Plataforma {
public:
    struct Programa {
        std::string programa;
        std::vector<std::string> argumentos;
    };

    Respuesta Mostrar(const Aviso& aviso) override;
    std::optional<std::string> ElegirFichero(const PeticionFichero& peticion, QWidget* padre) override;
    void ImprimirVentana(QWidget* ventana) override;
    void IniciarPrograma(const std::string& programa, const std::vector<std::string>& argumentos) override;

    // Answers of the Yes/No boxes, in order; when none is queued: No.
    // An OK box always answers Aceptar and takes nothing from the queue.
    std::deque<Respuesta> respuestas;
    // File dialog answers, in order: a path, or nothing for a cancel. Empty queue: cancel.
    std::deque<std::optional<std::string>> ficheros;
    // Printing and starting programs fail with this error when set.
    std::optional<std::pair<int, std::string>> falloImpresion;
    std::optional<std::pair<int, std::string>> falloPrograma;
    // Runs as each box is shown, before it is answered.
    std::function<void(const Aviso&)> alMostrar;

    std::vector<Aviso> avisos;
    std::vector<PeticionFichero> peticiones;
    std::vector<QWidget*> impresas;
    std::vector<Programa> programas;

    std::vector<std::string> Textos() const;  // texts of the boxes shown, in order
    void Limpiar();
};

}  // namespace tarvelon
