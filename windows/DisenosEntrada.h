#pragma once
// The designs of the seven input windows and the five that need no behaviour
// of their own beyond the common frame.
#include "windows/VentanaEntrada.h"

namespace tarvelon {

DisenoVentana DisenoDatosGenerales();
DisenoVentana DisenoCostesFijosA();
DisenoVentana DisenoCostesFijosB();
DisenoVentana DisenoCostesFijosC();
DisenoVentana DisenoCostesVariablesA();
DisenoVentana DisenoCostesVariablesB();
DisenoVentana DisenoCostesIndirectos();

// Windows with their net prices linked.
VentanaEntrada* CrearCostesFijosA(QWidget* parent = nullptr);
VentanaEntrada* CrearCostesFijosB(QWidget* parent = nullptr);
VentanaEntrada* CrearCostesVariablesA(QWidget* parent = nullptr);
VentanaEntrada* CrearCostesVariablesB(QWidget* parent = nullptr);
VentanaEntrada* CrearCostesIndirectos(QWidget* parent = nullptr);

}  // namespace tarvelon
