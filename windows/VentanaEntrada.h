#pragma once
// Common frame of the seven input windows: the simulation column on the left,
// the reference column on the right, the copy buttons between them, and the
// net prices that follow their gross price and discount.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QWidget>

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tarvelon {

class Plataforma;

struct FilaEntrada {
    std::string etiqueta;              // simulation column label
    std::string etiquetaReferencia;    // reference column label when it differs
    std::vector<std::string> sufijos;  // box names after "txt"/"MIRtxt"; two in the tractor/semi-trailer rows
    int maximo = 14;
    int copiar = -1;        // index of the copy button, -1 none
    bool derivada = false;  // net price computed from the row's inputs
    std::string opcion;     // insurance option button left of the label
};

struct MarcoEntrada {
    std::string titulo;
    std::string subtitulo;                 // bold heading opening the frame
    std::vector<std::string> subcolumnas;  // headings above the two box columns
    std::vector<FilaEntrada> filas;
};

struct DisenoVentana {
    std::string nombre;  // object name
    std::string titulo;
    std::vector<MarcoEntrada> marcos;
    bool derivadaEditable = false;                // net price boxes can be typed into
    std::vector<std::string> referenciasOcultas;  // hidden read-only reference boxes
};

class VentanaEntrada : public QWidget {
    Q_OBJECT
public:
    explicit VentanaEntrada(const DisenoVentana& diseno, QWidget* parent = nullptr);

    QLineEdit* Caja(const std::string& sufijo) const;            // "txt" + sufijo
    QLineEdit* CajaReferencia(const std::string& sufijo) const;  // "MIRtxt" + sufijo
    QRadioButton* Opcion(const std::string& nombre) const;
    QPushButton* BotonCopiar(int indice) const;  // null when the window has none of that index

    // Copy button `indice`: the reference texts of its row into the simulation boxes.
    virtual void btCopiar_Click(int indice);

    // The derived box follows gross price and discount; `formato` shows the net price.
    void EnlazarPrecioNeto(const std::string& bruto, const std::string& descuento, const std::string& derivado,
                           std::function<std::string(double)> formato);

private:
    void Construir(const DisenoVentana& diseno);
    void CalcularPrecioNeto(QLineEdit* bruto, QLineEdit* descuento, QLineEdit* derivado,
                            const std::function<std::string(double)>& formato);

    std::map<std::string, QLineEdit*> cajas_;
    std::map<std::string, QLineEdit*> referencias_;
    std::map<std::string, QRadioButton*> opciones_;
    std::map<int, std::vector<std::string>> copias_;  // copy index -> box suffixes, in copy order
    QButtonGroup* grupoCopiar_ = nullptr;
};

}  // namespace tarvelon
