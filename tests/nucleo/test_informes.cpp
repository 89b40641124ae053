// The text of the three result reports and the cutting of message texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ApoyoPruebas.h"
#include "results/Informes.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

const std::string kSangria(10, ' ');

// Field padding counted in characters, written here independently of the
// program's own helpers.
std::string Izq(const std::string& s, size_t ancho)
{
    const size_t n = NumCaracteres(s);
    return n >= ancho ? s : s + std::string(ancho - n, ' ');
}
std::string Der(const std::string& s, size_t ancho)
{
    const size_t n = NumCaracteres(s);
    return n >= ancho ? s : std::string(ancho - n, ' ') + s;
}

Simulacion Calculado()
{
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    return s;
}

struct LineaValor {
    int numero;  // 1-based line of the report
    const char* etiqueta;
    const char* valor;
    size_t ancho;
    const char* sufijo;
};

TEST(InformeDetallado, EjemploTrabajado)
{
    const Simulacion s = Calculado();
    std::vector<std::string> l;
    InformeDetallado(s, l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[0], kSangria + "Tractora con semirremolque");
    EXPECT_EQ(l[1], kSangria + std::string(26, '='));
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: 120.000");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   440");
    EXPECT_EQ(l[4], "");

    const std::pair<int, const char*> secciones[] = {
        {6, "************************ COSTES FIJOS **********************************"},
        {16, "************************ COSTES VARIABLES ******************************"},
        {25, "************************ COSTES DIRECTOS *******************************"},
        {29, "************************ COSTES INDIRECTOS *****************************"},
        {33, "************************ COSTES POR DIAS *******************************"},
    };
    for (const auto& [n, texto] : secciones) {
        SCOPED_TRACE(n);
        EXPECT_EQ(std::string(texto).size(), 72u);
        EXPECT_EQ(l[static_cast<size_t>(n) - 1], texto);
    }

    const LineaValor valores[] = {
        {7, "Coste Anual Amortización: ", "13.400,00", 12, " €"},
        {8, "Coste Anual de Financiación: ", "1.946,32", 12, " €"},
        {9, "Coste Fijo Personal: ", "32.880,00", 12, " €"},
        {10, "Coste Anual de Cargas Fiscales: ", "1.100,00", 12, " €"},
        {11, "Coste Anual Seguros Veh.: ", "4.000,00", 12, " €"},
        {12, "Otros Gastos Fijos: ", "1.000,00", 12, " €"},
        {13, "Costes Fijos Anuales: ", "54.326,32", 12, " €"},
        {14, "Costes Fijos por Km: ", "0,4527", 14, " €/Km"},
        {15, "Costes Fijos por Servicio (€/Serv): ", "123,47", 12, " €"},
        {17, "Coste Anual Combustible: ", "41.580,00", 12, " €"},
        {18, "Coste Anual Dietas: ", "6.600,00", 12, " €"},
        {19, "Coste Anual Neumáticos: ", "3.840,00", 12, " €"},
        {20, "Coste Anual Mantenimiento y Rep: ", "9.600,00", 12, " €"},
        {21, "Coste Anual Peajes: ", "5.280,00", 12, " €"},
        {22, "Costes Variables Anuales: ", "66.900,00", 12, " €"},
        {23, "Costes Variables por Km: ", "0,5575", 14, " €/Km"},
        {24, "Costes Variables por Servicio: ", "152,05", 12, " €/Serv"},
        {26, "Costes Directos Anuales: ", "121.226,32", 12, " €"},
        {27, "Costes Directos por Km: ", "1,0102", 14, " €/Km"},
        {28, "Costes Directos por Servicios: ", "275,51", 12, " €/Serv"},
        {30, "Costes Indirectos Anuales: ", "12.000,00", 12, " €"},
        {31, "Costes Indirectos por Km: ", "0,1000", 14, " €/Km"},
        {32, "Costes Indirectos por Servicios: ", "27,27", 12, " €/Serv"},
        {34, "Costes Fijos Por Días: ", "246,94", 12, " €/Día"},
        {35, "Costes Fijos Por Horas: ", "30,87", 12, " €/Hora"},
    };
    for (const auto& v : valores) {
        SCOPED_TRACE(v.numero);
        const std::string& linea = l[static_cast<size_t>(v.numero) - 1];
        EXPECT_EQ(linea, Izq(kSangria + v.etiqueta, 50) + Der(v.valor, v.ancho) + v.sufijo);
        // The value column ends at character 50 + width, right before the suffix.
        const std::u32string c = Caracteres(linea);
        ASSERT_GE(c.size(), 50 + v.ancho);
        EXPECT_EQ(c[50 + v.ancho - 1], Caracteres(v.valor).back());
        EXPECT_EQ(c[50 + v.ancho], U' ');
        EXPECT_EQ(c.size(), 50 + v.ancho + NumCaracteres(v.sufijo));
    }
}

TEST(InformeDetallado, LineaSieteDelEjemplo)
{
    Simulacion s;
    s.Tipo = "X";
    s.CosteAnualAmortizacion = 12345.678;
    std::vector<std::string> l;
    InformeDetallado(s, l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[6], std::string(10, ' ') + "Coste Anual Amortización: " + std::string(14, ' ') + std::string(3, ' ') +
                        "12.345,68" + " €");
    EXPECT_EQ(NumCaracteres(l[6]), 64u);
    // The value column starts at character 51.
    const std::u32string c = Caracteres(l[6]);
    EXPECT_EQ(c[49], U' ');
    EXPECT_EQ(c.substr(50, 12), U"   12.345,68");
}

TEST(InformeDetallado, CerosNegativosYValoresLargos)
{
    Simulacion s;  // not calculated: every result is 0
    s.Tipo = "";
    s.CosteAnualDeFinanciacion = -1234.5;
    s.CostesFijosAnuales = 1e12;
    s.CostesFijosAnualesporKm = 123456789.5;
    std::vector<std::string> l;
    InformeDetallado(s, l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[0], kSangria);
    EXPECT_EQ(l[1], kSangria);
    // "#,###" of zero prints nothing after the label.
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: ");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   ");
    EXPECT_EQ(l[6], Izq(kSangria + "Coste Anual Amortización: ", 50) + Der("0,00", 12) + " €");
    EXPECT_EQ(l[7], Izq(kSangria + "Coste Anual de Financiación: ", 50) + "   -1.234,50 €");
    // Over-long values are written whole and push the suffix right.
    EXPECT_EQ(l[12], Izq(kSangria + "Costes Fijos Anuales: ", 50) + "1.000.000.000.000,00 €");
    EXPECT_EQ(l[13], Izq(kSangria + "Costes Fijos por Km: ", 50) + "123.456.789,5000 €/Km");
}

TEST(InformeDetallado, CabeceraCuentaCaracteres)
{
    Simulacion s;
    s.Tipo = "Camión rígido";
    s.KilometrajeAnual = 1234.6;
    s.NumeroServiciosAnuales = 0.4;
    std::vector<std::string> l;
    InformeDetallado(s, l);
    ASSERT_EQ(l.size(), 35u);
    EXPECT_EQ(l[1], kSangria + "=============");
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: 1.235");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   ");
}

TEST(InformeResumen, EjemploTrabajado)
{
    const Simulacion s = Calculado();
    std::vector<std::string> l;
    InformeResumen(s, l);
    ASSERT_EQ(l.size(), 20u);
    EXPECT_EQ(l[0], kSangria + "Tractora con semirremolque");
    EXPECT_EQ(l[1], kSangria + std::string(26, '='));
    EXPECT_EQ(l[2], kSangria + "Kilometros anuales: 120.000");
    EXPECT_EQ(l[3], kSangria + "Servicios anuales:   440");
    EXPECT_EQ(l[4], "");
    EXPECT_EQ(l[10], "");
    EXPECT_EQ(l[16], "");
    const std::pair<int, const char*> secciones[] = {
        {6, "************************ COSTES TOTALES POR KILOMETRO **********************"},
        {12, "************************ COSTES TOTALES POR SERVICIO ***********************"},
        {18, "************************ COSTES POR TIEMPO *********************************"},
    };
    for (const auto& [n, texto] : secciones) {
        SCOPED_TRACE(n);
        EXPECT_EQ(std::string(texto).size(), 76u);
        EXPECT_EQ(l[static_cast<size_t>(n) - 1], texto);
    }
    const LineaValor valores[] = {
        {7, "Costes Fijos por Km: ", "0,4527", 14, " €/Km"},
        {8, "Costes Variables por Km: ", "0,5575", 14, " €/Km"},
        {9, "Costes Directos Anuales por Km: ", "1,0102", 14, " €/Km"},
        {10, "Costes Indirectos Anuales por Km: ", "0,1000", 14, " €/Km"},
        {13, "Costes Fijos por Servicio: ", "123,47", 14, " €/Serv"},
        {14, "Costes Variables por Servicio: ", "152,05", 14, " €/Serv"},
        {15, "Costes Directos Anuales por Servicio: ", "275,51", 14, " €/Serv"},
        {16, "Costes Indirectos Anuales por Servicio: ", "27,27", 14, " €/Serv"},
        {19, "Costes Fijos Por Días: ", "246,94", 14, " €/Día"},
        {20, "Costes Fijos Por Horas: ", "30,87", 14, " €/Hora"},
    };
    for (const auto& v : valores) {
        SCOPED_TRACE(v.numero);
        const std::string& linea = l[static_cast<size_t>(v.numero) - 1];
        EXPECT_EQ(linea, kSangria + Izq(v.etiqueta, 42) + Der(v.valor, 14) + v.sufijo);
        // The value column starts at character 53.
        const std::u32string c = Caracteres(linea);
        EXPECT_EQ(c.substr(52, 14), Caracteres(Der(v.valor, 14)));
    }
}

TEST(InformePresupuesto, CienKilometrosYDosHoras)
{
    const Simulacion s = Calculado();
    std::vector<std::string> l;
    InformePresupuesto(s, "100", "2", l);
    ASSERT_EQ(l.size(), 29u);
    const std::vector<std::string> cabecera = {
        kSangria + "Tractora con semirremolque",
        kSangria + std::string(26, '='),
        " ",
        kSangria + "Resultado del cálculo de costes",
        " ",
        kSangria + "Costes calculados para un servicio de",
        kSangria + "100 kilómetros y 2 horas",
        "",
        "************************ COSTES FIJOS *****************************",
    };
    for (size_t i = 0; i < cabecera.size(); ++i) EXPECT_EQ(l[i], cabecera[i]) << i + 1;

    const std::pair<int, const char*> secciones[] = {
        {9, "************************ COSTES FIJOS *****************************"},
        {17, "************************ COSTES VARIABLES *************************"},
        {24, "************************ COSTES DIRECTOS **************************"},
        {26, "************************ COSTES INDIRECTOS ************************"},
        {28, "************************ COSTES TOTALES ***************************"},
    };
    for (const auto& [n, texto] : secciones) {
        SCOPED_TRACE(n);
        EXPECT_EQ(std::string(texto).size(), 67u);
        EXPECT_EQ(l[static_cast<size_t>(n) - 1], texto);
    }

    // Fixed costs scaled by 2 of 1760 hours, variable ones by 100 of 120 000 km.
    const LineaValor valores[] = {
        {10, "Amortización: ", "15,23", 12, " €"},
        {11, "Financiación: ", "2,21", 12, " €"},
        {12, "Personal: ", "37,36", 12, " €"},
        {13, "Cargas Fiscales: ", "1,25", 12, " €"},
        {14, "Seguros Vehículo: ", "4,55", 12, " €"},
        {15, "Otros Gastos Fijos: ", "1,14", 12, " €"},
        {16, "Total Costes Fijos: ", "61,73", 12, " €"},
        {18, "Coste Anual Combustible: ", "34,65", 12, " €"},
        {19, "Coste Anual Dietas: ", "5,50", 12, " €"},
        {20, "Coste Anual Neumáticos: ", "3,20", 12, " €"},
        {21, "Coste Anual Mantenimiento y Rep: ", "8,00", 12, " €"},
        {22, "Coste Anual Peajes: ", "4,40", 12, " €"},
        {23, "Total Costes Variables: ", "55,75", 12, " €"},
        {25, "Total Costes Directos del Servicio: ", "117,48", 12, " €"},
        {27, "Costes Indirectos: ", "27,27", 12, " €"},
        {29, "Costes Totales: ", "144,76", 12, " €"},
    };
    for (const auto& v : valores) {
        SCOPED_TRACE(v.numero);
        const std::string& linea = l[static_cast<size_t>(v.numero) - 1];
        EXPECT_EQ(linea, Izq(kSangria + v.etiqueta, 46) + Der(v.valor, 12) + v.sufijo);
        EXPECT_EQ(Caracteres(linea).substr(46, 12), Caracteres(Der(v.valor, 12)));
    }
    // The longest label fills its field exactly.
    EXPECT_EQ(NumCaracteres(kSangria + "Total Costes Directos del Servicio: "), 46u);
}

TEST(InformePresupuesto, CeroKilometrosYCeroHoras)
{
    const Simulacion s = Calculado();
    std::vector<std::string> l;
    InformePresupuesto(s, "0", "0", l);
    ASSERT_EQ(l.size(), 29u);
    for (int n : {10, 11, 12, 13, 14, 15, 16, 18, 19, 20, 21, 22, 23, 25}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Caracteres(l[static_cast<size_t>(n) - 1]).substr(46), Caracteres(Der("0,00", 12) + " €"));
    }
    EXPECT_EQ(Caracteres(l[26]).substr(46), Caracteres(Der("27,27", 12) + " €"));
    EXPECT_EQ(Caracteres(l[28]).substr(46), Caracteres(Der("27,27", 12) + " €"));
}

TEST(InformePresupuesto, TextosTalComoSeEscribieron)
{
    const Simulacion s = Calculado();
    std::vector<std::string> l;
    InformePresupuesto(s, " 12,5", "3 ", l);
    ASSERT_EQ(l.size(), 29u);
    EXPECT_EQ(l[6], kSangria + " 12,5 kilómetros y 3  horas");
    // 12,5 km is twelve and a half: fuel 41580 / 120000 * 12.5 = 4,33125.
    EXPECT_EQ(l[17], Izq(kSangria + "Coste Anual Combustible: ", 46) + Der("4,33", 12) + " €");
    // 3 hours: amortisation 13400 / 1760 * 3 = 22,84.
    EXPECT_EQ(l[9], Izq(kSangria + "Amortización: ", 46) + Der("22,84", 12) + " €");
}

struct FalloPresupuesto {
    const char* km;
    const char* horas;
    size_t lineas;
    int error;
};

// The lines written before the failing step stay.
TEST(InformePresupuesto, PuntosDeFallo)
{
    const FalloPresupuesto fallos[] = {
        {"100", "abc", 9, 13},
        {"100", "", 9, 13},
        {"100", "   ", 9, 13},
        {"abc", "2", 17, 13},
        {"", "2", 17, 13},
        {"abc", "abc", 9, 13},
        {"100", "1E308", 9, 6},
        {"1E309", "2", 17, 6},
    };
    const Simulacion s = Calculado();
    for (const auto& f : fallos) {
        SCOPED_TRACE(testing::Message() << "[" << f.km << "] [" << f.horas << "]");
        std::vector<std::string> l;
        EXPECT_EQ(NumeroDeError([&] { InformePresupuesto(s, f.km, f.horas, l); }), f.error);
        ASSERT_EQ(l.size(), f.lineas);
        EXPECT_EQ(l[6], kSangria + f.km + " kilómetros y " + f.horas + " horas");
        EXPECT_EQ(l.back(), f.lineas == 9 ? "************************ COSTES FIJOS *****************************"
                                          : "************************ COSTES VARIABLES *************************");
    }
}

TEST(LineasDeMensajes, CortaEnCadaRetornoYSalto)
{
    const struct {
        const char* texto;
        std::vector<std::string> lineas;
    } casos[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"\r\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"\r\nb", {"", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\nb\r\nc", {"a", "b", "c"}},
        {"a\rb\nc", {"a\rb\nc"}},
        {"a\n\r\nb", {"a\n", "b"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.texto)));
        EXPECT_EQ(LineasDeMensajes(c.texto), c.lineas);
    }
}

TEST(LineasDeMensajes, MensajesDeValidacion)
{
    Simulacion s = EjemploTrabajado();
    s.KilometrajeAnual = 0;
    s.ServiciosDiarios = 0;
    ASSERT_FALSE(s.Validar());
    EXPECT_EQ(LineasDeMensajes(s.ErrorMsg),
              (std::vector<std::string>{"", "Error en Kilometros Anuales", "Error en Servicios Diarios"}));
}

}  // namespace
