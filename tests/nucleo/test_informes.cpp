// The text of the three result reports and the cutting of message texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "ApoyoPruebas.h"
#include "reports/CalcularInforme.h"
#include "reports/Informes.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

using Lineas = std::vector<std::string>;
const std::string kSangria(10, ' ');

// Field padding counted in characters, independently of the program's helpers.
std::string Izq(const std::string& s, size_t n) { return s + std::string(n - std::min(n, NumCaracteres(s)), ' '); }
std::string Der(const std::string& s, size_t n) { return std::string(n - std::min(n, NumCaracteres(s)), ' ') + s; }

Simulacion Calculado()
{
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    return s;
}

// A value line (indented label, value, suffix); without a value, a section
// line, or an empty line when the title is empty too.
struct Linea {
    const char* etiqueta;
    const char* valor = nullptr;
    const char* sufijo = " €";
};

struct Formato {
    size_t etiqueta, ancho2, ancho4, seccion;  // field widths; the value's by its decimals
};

// Lines from number `desde` on: a section is 24 asterisks, its title between
// blanks and asterisks up to the report's width.
void Comprobar(const Lineas& l, size_t desde, const std::vector<Linea>& esperadas, const Formato& f)
{
    for (size_t i = 0; i < esperadas.size(); ++i) {
        const Linea& e = esperadas[i];
        const std::string& linea = l.at(desde - 1 + i);
        SCOPED_TRACE(linea);
        const std::string inicio = std::string(24, '*') + " " + e.etiqueta + " ";
        if (!e.valor) {
            EXPECT_EQ(linea, *e.etiqueta ? inicio + std::string(f.seccion - inicio.size(), '*') : "");
            continue;
        }
        const std::string v = e.valor;
        const size_t ancho = v.size() - v.find(',') == 5 ? f.ancho4 : f.ancho2;
        EXPECT_EQ(linea, Izq(kSangria + e.etiqueta, f.etiqueta) + Der(v, ancho) + e.sufijo);
        EXPECT_EQ(NumCaracteres(linea), f.etiqueta + ancho + NumCaracteres(e.sufijo));
    }
}

const Lineas kCabecera = {kSangria + "Tractora con semirremolque", kSangria + std::string(26, '='),
                          kSangria + "Kilometros anuales: 120.000", kSangria + "Servicios anuales:   440", ""};

TEST(InformeDetallado, EjemploTrabajado)
{
    Lineas l;
    InformeDetallado(Calculado(), l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(Lineas(l.begin(), l.begin() + 5), kCabecera);
    const char *km = " €/Km", *serv = " €/Serv";
    Comprobar(l, 6,
              {{"COSTES FIJOS"},
               {"Coste Anual Amortización: ", "13.400,00"},
               {"Coste Anual de Financiación: ", "1.946,32"},
               {"Coste Fijo Personal: ", "32.880,00"},
               {"Coste Anual de Cargas Fiscales: ", "1.100,00"},
               {"Coste Anual Seguros Veh.: ", "4.000,00"},
               {"Otros Gastos Fijos: ", "1.000,00"},
               {"Costes Fijos Anuales: ", "54.326,32"},
               {"Costes Fijos por Km: ", "0,4527", km},
               {"Costes Fijos por Servicio (€/Serv): ", "123,47"},
               {"COSTES VARIABLES"},
               {"Coste Anual Combustible: ", "41.580,00"},
               {"Coste Anual Dietas: ", "6.600,00"},
               {"Coste Anual Neumáticos: ", "3.840,00"},
               {"Coste Anual Mantenimiento y Rep: ", "9.600,00"},
               {"Coste Anual Peajes: ", "5.280,00"},
               {"Costes Variables Anuales: ", "66.900,00"},
               {"Costes Variables por Km: ", "0,5575", km},
               {"Costes Variables por Servicio: ", "152,05", serv},
               {"COSTES DIRECTOS"},
               {"Costes Directos Anuales: ", "121.226,32"},
               {"Costes Directos por Km: ", "1,0102", km},
               {"Costes Directos por Servicios: ", "275,51", serv},
               {"COSTES INDIRECTOS"},
               {"Costes Indirectos Anuales: ", "12.000,00"},
               {"Costes Indirectos por Km: ", "0,1000", km},
               {"Costes Indirectos por Servicios: ", "27,27", serv},
               {"COSTES POR DIAS"},
               {"Costes Fijos Por Días: ", "246,94", " €/Día"},
               {"Costes Fijos Por Horas: ", "30,87", " €/Hora"}},
              {50, 12, 14, 72});
}

TEST(InformeDetallado, CerosNegativosYValoresLargos)
{
    // Not calculated: every other result is 0.
    Simulacion s = Cambiado({},
                            "Tipo=Camión KilometrajeAnual=1234,6 NumeroServiciosAnuales=0,4 CosteAnualAmortizacion="
                            "12345,678 CosteAnualDeFinanciacion=-1234,5 CostesFijosAnuales=1E12 "
                            "CostesFijosAnualesporKm=123456789,5");
    s.Tipo += " rígido";
    Lineas l;
    InformeDetallado(s, l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[1], kSangria + "=============");
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: 1.235");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   ");  // "#,###" of zero prints nothing
    // 10 spaces, the 26-character label, 14 + 3 spaces, the value, " €": 64 characters.
    EXPECT_EQ(l[6], kSangria + "Coste Anual Amortización: " + std::string(17, ' ') + "12.345,68 €");
    EXPECT_EQ(NumCaracteres(l[6]), 64u);
    // Negative values keep their sign inside the field; over-long ones push the suffix right.
    Comprobar(l, 8, {{"Coste Anual de Financiación: ", "-1.234,50"}, {"Coste Fijo Personal: ", "0,00"}},
              {50, 12, 14, 72});
    EXPECT_EQ(l[12], Izq(kSangria + "Costes Fijos Anuales: ", 50) + "1.000.000.000.000,00 €");
    EXPECT_EQ(l[13], Izq(kSangria + "Costes Fijos por Km: ", 50) + "123.456.789,5000 €/Km");
}

TEST(InformeResumen, EjemploTrabajado)
{
    Lineas l;
    InformeResumen(Calculado(), l);
    ASSERT_EQ(l.size(), 20u);
    EXPECT_EQ(Lineas(l.begin(), l.begin() + 5), kCabecera);
    const char *km = " €/Km", *serv = " €/Serv";
    Comprobar(l, 6,
              {{"COSTES TOTALES POR KILOMETRO"},
               {"Costes Fijos por Km: ", "0,4527", km},
               {"Costes Variables por Km: ", "0,5575", km},
               {"Costes Directos Anuales por Km: ", "1,0102", km},
               {"Costes Indirectos Anuales por Km: ", "0,1000", km},
               {""},
               {"COSTES TOTALES POR SERVICIO"},
               {"Costes Fijos por Servicio: ", "123,47", serv},
               {"Costes Variables por Servicio: ", "152,05", serv},
               {"Costes Directos Anuales por Servicio: ", "275,51", serv},
               {"Costes Indirectos Anuales por Servicio: ", "27,27", serv},
               {""},
               {"COSTES POR TIEMPO"},
               {"Costes Fijos Por Días: ", "246,94", " €/Día"},
               {"Costes Fijos Por Horas: ", "30,87", " €/Hora"}},
              {52, 14, 14, 76});
}

const Formato kPresupuesto = {46, 12, 12, 67};

// Fixed costs scaled by 2 of 1760 hours, variable ones by 100 of 120 000 km.
TEST(InformePresupuesto, CienKilometrosYDosHoras)
{
    Lineas l;
    InformePresupuesto(Calculado(), "100", "2", l);
    ASSERT_EQ(l.size(), 29u);
    EXPECT_EQ(Lineas(l.begin(), l.begin() + 8),
              (Lineas{kSangria + "Tractora con semirremolque", kSangria + std::string(26, '='), " ",
                      kSangria + "Resultado del cálculo de costes", " ",
                      kSangria + "Costes calculados para un servicio de", kSangria + "100 kilómetros y 2 horas", ""}));
    Comprobar(l, 9,
              {{"COSTES FIJOS"},
               {"Amortización: ", "15,23"},
               {"Financiación: ", "2,21"},
               {"Personal: ", "37,36"},
               {"Cargas Fiscales: ", "1,25"},
               {"Seguros Vehículo: ", "4,55"},
               {"Otros Gastos Fijos: ", "1,14"},
               {"Total Costes Fijos: ", "61,73"},
               {"COSTES VARIABLES"},
               {"Coste Anual Combustible: ", "34,65"},
               {"Coste Anual Dietas: ", "5,50"},
               {"Coste Anual Neumáticos: ", "3,20"},
               {"Coste Anual Mantenimiento y Rep: ", "8,00"},
               {"Coste Anual Peajes: ", "4,40"},
               {"Total Costes Variables: ", "55,75"},
               {"COSTES DIRECTOS"},
               {"Total Costes Directos del Servicio: ", "117,48"},
               {"COSTES INDIRECTOS"},
               {"Costes Indirectos: ", "27,27"},
               {"COSTES TOTALES"},
               {"Costes Totales: ", "144,76"}},
              kPresupuesto);
}

// The texts are shown as typed; 12,5 km is twelve and a half; 0 hours or 0 km give 0,00.
TEST(InformePresupuesto, TextosTalComoSeEscribieron)
{
    Lineas l;
    InformePresupuesto(Calculado(), " 12,5", "0 ", l);
    ASSERT_EQ(l.size(), 29u);
    EXPECT_EQ(l[6], kSangria + " 12,5 kilómetros y 0  horas");
    Comprobar(l, 15, {{"Otros Gastos Fijos: ", "0,00"}, {"Total Costes Fijos: ", "0,00"}}, kPresupuesto);
    Comprobar(l, 18, {{"Coste Anual Combustible: ", "4,33"}}, kPresupuesto);
    Comprobar(l, 29, {{"Costes Totales: ", "34,24"}}, kPresupuesto);
    l.clear();
    InformePresupuesto(Calculado(), "0", "3", l);
    Comprobar(l, 10, {{"Amortización: ", "22,84"}}, kPresupuesto);
    Comprobar(l, 23, {{"Total Costes Variables: ", "0,00"}}, kPresupuesto);
    Comprobar(l, 29, {{"Costes Totales: ", "119,87"}}, kPresupuesto);
}

// The lines written before the failing step stay.
TEST(InformePresupuesto, PuntosDeFallo)
{
    const std::tuple<const char*, const char*, size_t, int> fallos[] = {
        {"100", "abc", 9, 13}, {"100", "", 9, 13},    {"100", "   ", 9, 13},  {"abc", "2", 17, 13},
        {"", "2", 17, 13},     {"abc", "abc", 9, 13}, {"100", "1E308", 9, 6}, {"1E309", "2", 17, 6},
    };
    const Simulacion s = Calculado();
    for (const auto& [km, horas, lineas, error] : fallos) {
        SCOPED_TRACE(testing::Message() << "[" << km << "] [" << horas << "]");
        Lineas l;
        EXPECT_EQ(NumeroDeError([&, k = km, h = horas] { InformePresupuesto(s, k, h, l); }), error);
        ASSERT_EQ(l.size(), lineas);
        EXPECT_EQ(l[6], kSangria + km + " kilómetros y " + horas + " horas");
        Comprobar(l, lineas, {{lineas == 9 ? "COSTES FIJOS" : "COSTES VARIABLES"}}, kPresupuesto);
    }
}

// The sequence of the result windows and of tarvelon-datos.
TEST(CalcularInforme, MensajesInformeYLineasAntesDelFallo)
{
    Simulacion malo = Cambiado(EjemploTrabajado(), "KilometrajeAnual=0");
    const ResultadoInforme noValido = CalcularInforme(malo, SeguroEjemplo(), InformeResumen);
    EXPECT_TRUE(noValido.noValido && !noValido.informe && !noValido.error);
    EXPECT_EQ(noValido.lineas, LineasDeMensajes(malo.ErrorMsg));

    Simulacion s = EjemploTrabajado();
    const ResultadoInforme resumen = CalcularInforme(s, SeguroEjemplo(), InformeResumen);
    EXPECT_TRUE(resumen.informe && !resumen.error);
    EXPECT_EQ(resumen.lineas.size(), 20u);

    const ResultadoInforme fallo = CalcularInforme(
        s, SeguroEjemplo(), [](const Simulacion& r, Lineas& l) { InformePresupuesto(r, "abc", "2", l); });
    EXPECT_TRUE(fallo.informe);
    ASSERT_TRUE(fallo.error);
    EXPECT_EQ(fallo.error->Numero(), kTiposNoCoinciden);
    EXPECT_EQ(fallo.lineas.size(), 17u);
}

TEST(LineasDeMensajes, CortaEnCadaRetornoYSalto)
{
    const std::pair<std::string, Lineas> casos[] = {
        {"", {}},
        {"a\r\n", {"a"}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\rb\nc", {"a\rb\nc"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const auto& [texto, lineas] : casos) EXPECT_EQ(LineasDeMensajes(texto), lineas) << texto.size();
    Simulacion s = EjemploTrabajado();
    s.KilometrajeAnual = s.ServiciosDiarios = 0;
    ASSERT_FALSE(s.Validar());
    EXPECT_EQ(LineasDeMensajes(s.ErrorMsg), (Lineas{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
}

}  // namespace
