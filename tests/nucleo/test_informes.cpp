// The text of the three result reports, against a golden file checked by hand,
// and the cutting of message texts.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ApoyoPruebas.h"
#include "reports/Informes.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

using Lineas = std::vector<std::string>;

Simulacion Calculado()
{
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    return s;
}

// Each report under a "### " heading; a budget that fails keeps the lines
// written before the failing step and ends with the error's number.
TEST(Informes, ComoElFicheroDorado)
{
    std::string texto;
    auto anadir = [&texto](const std::string& titulo, auto&& escribir) {
        Lineas l;
        const int error = NumeroDeError([&] { escribir(l); });
        texto += "### " + titulo + "\n";
        for (const auto& x : l) texto += x + "\n";
        if (error) texto += "[error " + std::to_string(error) + "]\n";
    };
    anadir("detallado", [](Lineas& l) { InformeDetallado(Calculado(), l); });
    anadir("resumen", [](Lineas& l) { InformeResumen(Calculado(), l); });
    // Not calculated: zeros print nothing in "#,###", negative and over-long values.
    Simulacion raro = Cambiado({},
                               "KilometrajeAnual=1234,6 NumeroServiciosAnuales=0,4 CosteAnualAmortizacion=12345,678 "
                               "CosteAnualDeFinanciacion=-1234,5 CostesFijosAnuales=1E12 "
                               "CostesFijosAnualesporKm=123456789,5");
    raro.Tipo = "Camión rígido";
    anadir("detallado sin calcular", [&](Lineas& l) { InformeDetallado(raro, l); });
    const std::pair<const char*, const char*> presupuestos[] = {
        {"100", "2"}, {" 12,5", "0 "}, {"0", "3"}, {"100", "abc"}, {"", "2"}, {"100", "1E308"}, {"1E309", "2"}};
    for (const auto& [km, horas] : presupuestos)
        anadir(std::string("presupuesto [") + km + "] [" + horas + "]",
               [&, k = km, h = horas](Lineas& l) { InformePresupuesto(Calculado(), k, h, l); });
    ComoDorado(TARVELON_DATOS_PRUEBA "/informes.txt", texto);
}

TEST(LineasDeMensajes, CortaEnCadaRetornoYSalto)
{
    const std::pair<std::string, Lineas> casos[] = {
        {"", {}}, {"a\r\n", {"a"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"a\n\r\nb\rc", {"a\n", "b\rc"}}};
    for (const auto& [texto, lineas] : casos) EXPECT_EQ(LineasDeMensajes(texto), lineas) << texto.size();
}

}  // namespace
