#pragma once
// A platform that answers by itself, for tests and the start-up benchmark:
// it records every message box, file dialog and printout,
// and gives the answers queued by the test.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "windows/Plataforma.h"

namespace tarvelon {

class PlataformaGuion : public Plataforma {
public:
    Respuesta Mostrar(const Aviso& aviso) override;
    std::optional<std::string> ElegirFichero(const PeticionFichero& peticion, QWidget* padre) override;
    void ImprimirVentana(QWidget* ventana) override;

    // Yes/No(/Cancel) answers in order (none queued: No); an OK box answers Aceptar.
    std::deque<Respuesta> respuestas;
    // File dialog answers in order; nothing, or an empty queue, is a cancel.
    std::deque<std::optional<std::string>> ficheros;
    // Printing fails with this error when set.
    std::optional<std::pair<int, std::string>> falloImpresion;
    std::function<void(const Aviso&)> alMostrar;  // as each box is shown
    std::function<void(QWidget*)> alImprimir;     // as each window is printed

    std::vector<Aviso> avisos;
    std::vector<PeticionFichero> peticiones;
    std::vector<QWidget*> impresas;

    std::vector<std::string> Textos() const  // texts of the boxes shown, in order
    {
        std::vector<std::string> t;
        for (const auto& a : avisos) t.push_back(a.texto);
        return t;
    }
    void Limpiar() { *this = PlataformaGuion{}; }  // records, queues and failures
};

}  // namespace tarvelon
