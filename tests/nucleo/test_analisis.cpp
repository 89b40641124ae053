// Analysis and exports: every figure must be what Calcular gives on a copy of
// the record, and every export must read back to the record's own numbers.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "model/Analisis.h"
#include "reports/Csv.h"
#include "reports/Json.h"
#include "reports/Xlsx.h"

namespace tarvelon {
namespace {

using namespace pruebas;
using nlohmann::json;

Simulacion Ejemplo()
{
    return Cambiado(EjemploTrabajado(), "TipoSeguro=2 CFSeguroObligatorioYTerceros=3000 CFResponsabilidadCivil=400");
}

double CosteCon(const Simulacion& s, std::string_view campo, double valor)
{
    Simulacion c = s;
    *DoubleDeCampo(c, IndiceCampo(campo)) = valor;
    c.Calcular(SeguroDesdeRegistro(c));
    return c.CostesDirectosporKm + c.CostesInDirectosporKm;
}

// CSV numbers back to Doubles without the program's own reader.
double LeerCsv(std::string t)
{
    for (char& c : t)
        if (c == ',') c = '.';
    double v = 0;
    EXPECT_EQ(std::from_chars(t.data(), t.data() + t.size(), v).ec, std::errc()) << t;
    return v;
}

std::vector<std::string> Partir(const std::string& linea, char sep)
{
    std::vector<std::string> r(1);
    for (char c : linea)
        if (c == sep) r.emplace_back();
        else r.back().push_back(c);
    return r;
}

TEST(Analisis, EstructuraSumaCienYComparacionConsigoMismaEsCero)
{
    const Simulacion c = Calculada(Ejemplo());
    const EstructuraCostes e = Estructura(c);
    ASSERT_EQ(e.componentes.size(), 12u);
    double suma = 0, anual = 0;
    for (const auto& x : e.componentes) {
        suma += *x.porcentaje;
        anual += x.anual;
        EXPECT_DOUBLE_EQ(x.porKm * c.KilometrajeAnual, x.anual) << x.campo;
    }
    EXPECT_NEAR(suma, 100.0, 1e-9);
    EXPECT_NEAR(anual, e.totalAnual, 1e-6);
    EXPECT_EQ(e.totalPorKm, c.CostesDirectosporKm + c.CostesInDirectosporKm);

    const Comparacion igual = Comparar(c, c);
    ASSERT_EQ(igual.filas.size(), 27u);
    EXPECT_EQ(igual.filas.front().campo, "CosteAnualAmortizacion");
    EXPECT_EQ(igual.filas.back().campo, "CostesFijosPorHora");
    for (const auto& f : igual.filas) {
        EXPECT_EQ(f.diferencia, 0) << f.campo;
        // The two ...porKmServicio results are always 0: no percentage, no error.
        EXPECT_EQ(f.porcentaje.has_value(), f.b != 0) << f.campo;
        EXPECT_EQ(f.porcentaje.value_or(0), 0) << f.campo;
    }
    Simulacion otra = c;
    otra.CosteAnualAmortizacion = 2 * c.CosteAnualAmortizacion;
    EXPECT_DOUBLE_EQ(*Comparar(otra, c).filas[0].porcentaje, 100.0);
    EXPECT_DOUBLE_EQ(*Comparar(c, otra).filas[0].porcentaje, -50.0);
}

// Each figure is Calcular on a copy with that one input changed; an input at
// the edge of the Double range makes its copy fail and carry the error.
TEST(Analisis, SensibilidadYCurvaSonCalcularSobreCopias)
{
    for (const double p : {1.0, 10.0, 33.3, 50.0}) {
        SCOPED_TRACE(p);
        const Simulacion s = Cambiado(Ejemplo(), "CFADR=1,79E+308");
        const Sensibilidad r = AnalizarSensibilidad(s, p);
        EXPECT_EQ(r.costeKm, CosteTotalPorKm(Calculada(s)));
        size_t noCero = 0;
        for (auto campo : CamposSensibles()) noCero += *DoubleDeCampo(s, IndiceCampo(campo)) != 0;
        ASSERT_EQ(r.entradas.size(), noCero);
        for (size_t i = 0; i < r.entradas.size(); ++i) {
            const auto& e = r.entradas[i];
            SCOPED_TRACE(e.campo);
            if (e.campo == "CFADR") {
                ASSERT_TRUE(e.error.has_value());
                EXPECT_EQ(e.error->numero, 6);
                EXPECT_EQ(i, r.entradas.size() - 1);  // failures last
                continue;
            }
            ASSERT_FALSE(e.error.has_value()) << e.error->numero;
            EXPECT_EQ(e.menos, CosteCon(s, e.campo, e.valor * (1 - p / 100)));
            EXPECT_EQ(e.mas, CosteCon(s, e.campo, e.valor * (1 + p / 100)));
            EXPECT_GE(i > 0 ? r.entradas[i - 1].efecto : e.efecto, e.efecto);
        }
        ASSERT_EQ(r.curvaKm.size(), 21u);
        EXPECT_EQ(r.curvaKm[10].km, s.KilometrajeAnual);
        for (size_t i = 0; i < 21; ++i) {
            EXPECT_EQ(r.curvaKm[i].km, s.KilometrajeAnual * ((50.0 + 5.0 * i) / 100.0));
            EXPECT_EQ(r.curvaKm[i].costeKm, CosteCon(s, "KilometrajeAnual", r.curvaKm[i].km));
        }
    }
    for (const double p : {0.0, 0.99, 50.01, std::nan("")})
        EXPECT_EQ(NumeroDeError([&] { AnalizarSensibilidad(Ejemplo(), p); }), 5) << p;
    EXPECT_EQ(NumeroDeError([] { AnalizarSensibilidad(Cambiado(Ejemplo(), "KilometrajeAnual=0")); }), 11);
    const auto curva = CurvaKm(Cambiado(Ejemplo(), "KilometrajeAnual=0"));
    EXPECT_EQ(curva.front().error->numero, 11);
}

TEST(Analisis, JsonYCsvDevuelvenLosNumerosDelRegistro)
{
    const Simulacion c = Calculada(Ejemplo());
    const json j = json::parse(JsonInforme(c, {"línea"}));
    const auto& campos = CamposSimulacion();
    for (int i = 0; i < kNumeroCampos; ++i) {
        const std::string nombre(campos[static_cast<size_t>(i)].nombre);
        if (const double* d = DoubleDeCampo(c, i)) EXPECT_EQ(j["registro"][nombre].get<double>(), *d) << nombre;
        else if (campos[static_cast<size_t>(i)].tipo == TipoCampo::Texto)
            EXPECT_EQ(j["registro"][nombre], TextoDeCampo(c, i));
        else EXPECT_EQ(j["registro"][nombre].dump(), TextoDeCampo(c, i)) << nombre;
    }
    EXPECT_EQ(j["informe"], json::array({"línea"}));
    EXPECT_EQ(j["estructura"][0]["anual"].get<double>(), c.CosteAnualAmortizacion);
    EXPECT_EQ(json::parse(JsonErrores({"a"}))["errores"][0], "a");
    EXPECT_EQ(json::parse(JsonError(ErrorEjecucion(11)))["error"]["numero"], 11);
    const json cmp = json::parse(JsonComparacion(Comparar(c, c)));
    EXPECT_TRUE(cmp["filas"][8]["porcentaje"].is_null());  // CostesFijosAnualesporKmServicio: 0 on both sides
    const json sens = json::parse(JsonSensibilidad(AnalizarSensibilidad(Cambiado(Ejemplo(), "CFADR=1,79E+308"))));
    EXPECT_EQ(sens["entradas"].back()["error"]["numero"], 6);
    EXPECT_FALSE(sens["entradas"].back().contains("mas"));
    // A broken byte in a text must not lose the export.
    Simulacion roto = c;
    roto.Tipo = "\xFF\xFE";
    EXPECT_NO_THROW(json::parse(JsonInforme(roto, {})));

    Simulacion fino = c;
    fino.CostesFijosPorHora = 1.2345678901234567e-5;
    const std::string csv = CsvFlota({{"a;b.txt", c.Tipo, fino, ""}, {"malo.txt", "", std::nullopt, "Error \"x\""}});
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF"
                        "Fichero;Tipo;CosteAnualAmortizacion;",
                        0),
              0u);
    auto lineas = Partir(csv.substr(3), '\n');
    ASSERT_EQ(lineas.size(), 4u);  // header, two rows, nothing after the last CR LF
    for (size_t i = 0; i < 3; ++i) {
        ASSERT_EQ(lineas[i].back(), '\r');
        lineas[i].pop_back();
    }
    EXPECT_EQ(lineas[0].substr(lineas[0].size() - 6), ";Error");
    const auto fila = Partir(lineas[1], ';');
    ASSERT_EQ(fila.size(), 31u);  // the quoted file name holds a ';'
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i)
        EXPECT_EQ(LeerCsv(fila[static_cast<size_t>(i - kPrimerCampoResultado + 3)]), *DoubleDeCampo(fino, i));
    EXPECT_EQ(lineas[2], "malo.txt;" + std::string(27, ';') + ";\"Error \"\"x\"\"\"");
}

// The workbook read back by an independent reader holds the record's numbers;
// a write that fails leaves neither the file nor a temporary one.
TEST(Analisis, XlsxSeLeeConLosMismosNumerosYUnFalloNoDejaFichero)
{
    CarpetaTemporal t;
    const Simulacion c = Calculada(Ejemplo());
    const Comparacion cmp = Comparar(c, c);
    const Sensibilidad sens = AnalizarSensibilidad(Ejemplo());
    const std::string falta = t.Fichero("no/existe/libro.xlsx");
    EXPECT_EQ(NumeroDeError([&] { GrabarXlsx(falta, c, &cmp, sens); }), kRutaNoEncontrada);
    EXPECT_EQ(NumeroDeError([&] { GrabarContenido(falta, "x"); }), kRutaNoEncontrada);
    EXPECT_TRUE(std::filesystem::is_empty(t.Ruta()));

    const std::string ruta = t.Fichero("libro.xlsx");
    GrabarXlsx(ruta, c, &cmp, sens);
    const char* python = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    if (std::system((std::string(python) + " -c 'import openpyxl' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-openpyxl no está instalado";
    const std::string guion = std::string(python) +
                              " -c 'import sys, openpyxl\nw = openpyxl.load_workbook(sys.argv[1])\n"
                              "print(w.sheetnames)\nfor f in w[\"Resumen\"].iter_rows(min_row=5, values_only=True): "
                              "print(repr(f[2]))\nprint(repr(w[\"Estructura\"][\"B2\"].value))' " +
                              ruta + " > " + t.Fichero("salida.txt");
    ASSERT_EQ(std::system(guion.c_str()), 0);
    const auto leidas = Partir(LeerBytes(t.Fichero("salida.txt")), '\n');
    const std::vector<double> esperadas = {c.CosteAnualAmortizacion,
                                           c.CosteAnualDeFinanciacion,
                                           c.CosteAnualDePersonal,
                                           c.CosteAnualCargasFiscales,
                                           c.CosteAnualSegurosDelVehiculo,
                                           c.CosteAnualOtrosGastosFijos,
                                           c.CostesFijosAnuales,
                                           c.CostesFijosAnualesporKm,
                                           c.CostesFijosAnualesporServicio,
                                           c.CosteAnualCombustible,
                                           c.CosteAnualDietas,
                                           c.CosteAnualNeumaticos,
                                           c.CosteAnualMantenimiento,
                                           c.CosteAnualPeajes,
                                           c.CostesVariablesAnuales,
                                           c.CostesVariablesAnualesporKm,
                                           c.CostesVariablesAnualesporServicio,
                                           c.CostesDirectosAnuales,
                                           c.CostesDirectosporKm,
                                           c.CostesDirectosporServicio,
                                           c.CostesInDirectosAnuales,
                                           c.CostesInDirectosporKm,
                                           c.CostesInDirectosporServicio,
                                           c.CostesFijosPorDia,
                                           c.CostesFijosPorHora,
                                           c.CosteAnualAmortizacion};
    ASSERT_EQ(leidas.size(), esperadas.size() + 2);
    EXPECT_EQ(leidas[0], "['Resumen', 'Estructura', 'Comparación', 'Sensibilidad']");
    // The library writes 16 significant digits: within a few units in the last place.
    for (size_t i = 0; i < esperadas.size(); ++i) EXPECT_DOUBLE_EQ(std::stod(leidas[i + 1]), esperadas[i]) << i;
}

}  // namespace
}  // namespace tarvelon
