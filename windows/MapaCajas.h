#pragma once
// Where each field of the record stands in the input windows, as the field
// table says: the window, the suffix of its two boxes ("txt" + suffix for the
// simulation column, "MIRtxt" + suffix for the reference column) and whether
// an empty box reads as 0. The transfers, the window designs and the tests all
// take box names from here.
#include <span>
#include <string>
#include <string_view>

#include "model/TablaCampos.h"

namespace tarvelon {

struct CajaCampo {
    const char* campo;   // field name in the record
    const char* sufijo;  // box name suffix
    VentanaCampo ventana;
    bool vacioEsCero;
};

// Every transferred field, in transfer order.
std::span<const CajaCampo> MapaCajas();

// The box suffix of `campo`: its own name, except for the three boxes that
// are not named after their field.
std::string SufijoCaja(std::string_view campo);

}  // namespace tarvelon
