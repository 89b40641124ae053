#pragma once
// A platform that answers by itself, for tests and benchmarks: it records
// every message box and file dialog, prints nothing, and gives the queued answers.
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
    std::vector<std::string> ElegirVarios(const PeticionFichero& peticion, QWidget* padre) override;
    void ImprimirVentana(QWidget* ventana) override;
    bool HayImpresora() override { return impresora; }

    std::deque<Respuesta> respuestas;                 // Yes/No(/Cancel) answers; none queued: No
    std::deque<std::optional<std::string>> ficheros;  // file dialog answers; none queued: cancel
    std::deque<std::vector<std::string>> varios;      // folder or files dialog answers; none queued: cancel
    std::function<void(const Aviso&)> alMostrar;      // as each box is shown
    bool impresora = true;                            // a default printer there
    int errorImpresion = 0;                           // the printer's failure, if any

    std::vector<Aviso> avisos;
    std::vector<PeticionFichero> peticiones;

    std::vector<std::string> Textos() const
    {
        std::vector<std::string> t;
        for (const auto& a : avisos) t.push_back(a.texto);
        return t;
    }
    void Limpiar() { *this = PlataformaGuion{}; }
};

}  // namespace tarvelon
