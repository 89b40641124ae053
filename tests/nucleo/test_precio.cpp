// The price of a service against its cost and the fuel-price revision: the
// formulas at their edges, the series and services readers.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "ApoyoPruebas.h"
#include "model/CostesServicio.h"
#include "model/PrecioServicio.h"
#include "model/RevisionCombustible.h"
#include "model/SerieGasoleo.h"
#include "reports/RevisionLote.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

TEST(Revision, FormulaUmbralSignoYCentimos)
{
    struct Caso {
        double precio, g, k, umbral;
        bool aplica;
        double revision;
    } casos[] = {
        {1000, 7.45, 0.3, 5, true, 22.35},  {1000, 5.00, 0.3, 5, true, 15},    // the threshold itself
        {1000, 4.99, 0.3, 5, false, 0},     {1000, -5.00, 0.2, 5, true, -10},  // the price goes down
        {1000, -4.99, 0.2, 5, false, 0},    {1000, 3, 0.1, 3, true, 3},        // a lower agreed threshold
        {1000, 4.995, 0.3, 5, true, 15},    {1000, 5.004, 0.3, 5, true, 15},   // G to two decimals
        {1, 5, 0.1, 5, true, 0.01},         {1, -5, 0.1, 5, true, -0.01},      // half a cent, away from zero
        {333.33, 6.25, 0.2, 5, true, 4.17}, {2000, 0, 0.3, 0, true, 0},
    };
    for (const auto& c : casos) {
        const RevisionCombustible r = CalcularRevision(c.precio, c.g, c.k, c.umbral);
        EXPECT_EQ(r.aplica, c.aplica) << c.g;
        EXPECT_DOUBLE_EQ(r.revision, c.revision) << c.precio << " " << c.g;
        EXPECT_DOUBLE_EQ(r.precioRevisado, RedondearCentimos(c.precio + c.revision));
    }
    EXPECT_EQ(LineaFactura(CalcularRevision(1000, 7.45, 0.3)),
              "Revisión por variación del precio del gasóleo (G = 7,45 %; k = 0,3): +22,35 €");
    EXPECT_EQ(LineaFactura(CalcularRevision(1000, -6.2, 0.2)),
              "Revisión por variación del precio del gasóleo (G = -6,20 %; k = 0,2): -12,40 €");
    for (auto f : {+[] { CalcularRevision(0, 6, 0.3); }, +[] { CalcularRevision(10, 6, 0); },
                   +[] { CalcularRevision(10, 6, 1.1); }, +[] { CalcularRevision(10, 6, 0.3, 5.01); },
                   +[] { CalcularRevision(10, 6, 0.3, -1); }, +[] { VariacionGasoleo(0, 1.5); }})
        EXPECT_EQ(NumeroDeError(f), 5);
}

TEST(Revision, CoeficientePorMasaYVariacionDeDosPrecios)
{
    const std::pair<double, double> masas[] = {{1.2, 0.1}, {3.5, 0.1},  {3.51, 0.2},  {19.99, 0.2}, {20, 0.3},
                                               {40, 0.3},  {3500, 0.1}, {12000, 0.2}, {40000, 0.3}};
    for (const auto& [masa, k] : masas) EXPECT_EQ(CoeficienteDeClase(ClaseDeMasa(masa)), k) << masa;
    EXPECT_EQ(NumeroDeError([] { ClaseDeMasa(0); }), 5);
    const std::tuple<double, double, double> precios[] = {
        {1.40, 1.47, 5.00}, {1.5, 1.4, -6.67}, {1.234, 1.296, 5.02}, {1.2, 1.2, 0}, {1.333, 1.4, 5.03}};
    for (const auto& [p0, p1, g] : precios) EXPECT_DOUBLE_EQ(VariacionGasoleo(p0, p1), g) << p0 << " " << p1;
}

TEST(Precio, MargenVeredictoYPrecioMinimo)
{
    const PrecioServicio p = EvaluarPrecio(350, 6, 1146.6, 1259, 15);
    EXPECT_NEAR(p.margen, 112.4, 1e-9);
    EXPECT_NEAR(*p.margenPorcentaje, 112.4 / 1259 * 100, 1e-9);
    EXPECT_NEAR(*p.costeKm, 1146.6 / 350, 1e-12);
    EXPECT_NEAR(*p.precioKm, 1259.0 / 350, 1e-12);
    EXPECT_NEAR(*p.precioMinimo, 1146.6 / 0.85, 1e-9);
    EXPECT_EQ(VeredictoPrecio(p), "El precio cubre el coste del servicio con un margen de 112,40 € (8,9 %)");
    EXPECT_EQ(VeredictoPrecio(EvaluarPrecio(350, 6, 1146.6, 1061.5)), "El precio no cubre el coste: faltan 85,10 €");
    // To the cent: a fraction of a cent short is covered, more than half a cent is not.
    EXPECT_TRUE(EvaluarPrecio(1, 1, 100.004, 100).cubre);
    EXPECT_FALSE(EvaluarPrecio(1, 1, 100.006, 100).cubre);
    EXPECT_FALSE(EvaluarPrecio(0, 1, 10, 5).costeKm.has_value());
    EXPECT_DOUBLE_EQ(PrecioMinimo(1000, 20), 1250);
    EXPECT_DOUBLE_EQ(PrecioMinimo(1000, 0), 1000);
    for (double m : {-1.0, 100.0}) EXPECT_EQ(NumeroDeError([m] { PrecioMinimo(1000, m); }), 5);
    const std::pair<double, double> redondeos[] = {{1.005, 1.01}, {-1.005, -1.01}, {2.675, 2.68}, {0.00499, 0}};
    for (const auto& [v, r] : redondeos) EXPECT_DOUBLE_EQ(RedondearCentimos(v), r) << v;
    EXPECT_FALSE(std::signbit(RedondearCentimos(-0.004)));
    EXPECT_DOUBLE_EQ(LeerImporte("1.259,50"), 1259.5);
    for (const char* t : {"1259.5", "1.25", "1.2345,6", "9991.999,99"})
        EXPECT_EQ(NumeroDeError([t] { LeerImporte(t); }), 13) << t;
}

// The cost is the budget's, never a formula of its own.
TEST(Precio, CosteEsElTotalDelPresupuesto)
{
    Simulacion s = EjemploTrabajado();
    s.Calcular(SeguroEjemplo());
    const PrecioServicio p = CalcularPrecioServicio(s, "350", "6,5", 2000);
    EXPECT_EQ(p.coste, *CalcularCostesServicio(s, "350", "6,5").totales);
    EXPECT_EQ(NumeroDeError([&] { CalcularPrecioServicio(s, "350", "seis", 2000); }), 13);
}

TEST(SerieGasoleo, LeeYSenalaLaLineaMala)
{
    const SerieGasoleo s =
        SerieGasoleo::Leer("\xEF\xBB\xBFmes;euros_litro\r\n# nota\r\n\r\n2024-02;1,52\n2024-01 ; 1,5 ;\n");
    EXPECT_EQ(s.Meses(), 2u);
    EXPECT_EQ(s.Precio(*LeerMes("2024-01")), 1.5);
    EXPECT_FALSE(s.Precio(*LeerMes("2024-03")));
    EXPECT_EQ(SerieGasoleo::Leer(s.Texto()).Precios(), s.Precios());
    const std::tuple<const char*, int, const char*> malas[] = {
        {"2024-01;1,5\n2024-13;1,5", 2, "AAAA-MM"},
        {"2024-01 1,5", 1, "«;»"},
        {"2024-01;1.512", 1, "menor que 100"},
        {"2024-01;x", 1, "no es un número"},
        {"2024-01;1,5\n2024-01;1,6", 2, "ya aparece"},
        {"2024-01;1,5;2", 1, "sobran"},
        {"2024-01;0", 1, "mayor que 0"},
    };
    for (const auto& [texto, linea, motivo] : malas) {
        try {
            SerieGasoleo::Leer(texto);
            ADD_FAILURE() << texto;
        } catch (const ErrorSerie& e) {
            EXPECT_EQ(e.Linea(), linea) << texto;
            EXPECT_NE(e.Motivo().find(motivo), std::string::npos) << e.what();
        }
    }
    for (const char* f : {"2023-02-29", "2024-04-31", "2024-1-01", "2024-01-00"}) EXPECT_FALSE(MesDeFecha(f)) << f;
    EXPECT_EQ(MesDeFecha("2024-02-29"), LeerMes("2024-02"));
}

TEST(RevisionLote, AnadeColumnasYDejaFueraLasLineasMalas)
{
    const SerieGasoleo serie = SerieGasoleo::Leer("2024-01;1,40\n2024-03;1,47\n");
    std::istringstream entrada(
        "referencia;fecha_contrato;fecha_servicio;precio;masa_t\r\n"
        "\"A;1\";2024-01-10;2024-03-05;1.000,00;40\r\n"
        "B;2024-01-10;2024-02-05;500;12\r\n"
        "C;2024-03-01;2024-01-31;500;3,5\r\n");
    std::ostringstream salida, errores;
    const ResumenLote r = RevisarServicios(entrada, salida, errores, serie);
    EXPECT_EQ(salida.str(),
              "\xEF\xBB\xBFreferencia;fecha_contrato;fecha_servicio;precio;masa_t;variacion;coeficiente;aplica;"
              "revision;precio_revisado\r\n"
              "\"A;1\";2024-01-10;2024-03-05;1.000,00;40;5;0,3;sí;15;1015\r\n"
              "C;2024-03-01;2024-01-31;500;3,5;-4,76;0,1;no;0;500\r\n"
              "Total;;;1500;;;;;15;1515\r\n");
    EXPECT_EQ(errores.str(), "Línea 3: la serie no tiene el precio del gasóleo de 2024-02\n");
    EXPECT_EQ(r.revisados, 2);
    EXPECT_EQ(r.erroneos, 1);
    std::istringstream sinCabecera("A;2024-01-10;2024-03-05;1000;40\n");
    EXPECT_THROW(RevisarServicios(sinCabecera, salida, errores, serie), ErrorSerie);
}

}  // namespace
