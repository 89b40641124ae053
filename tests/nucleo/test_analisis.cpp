// Analysis and exports: every figure must be what Calcular gives on a copy of
// the record, and every export must read back to the record's own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "data/Texto.h"
#include "model/Analisis.h"
#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "reports/Csv.h"
#include "reports/Json.h"
#include "reports/Xlsx.h"

namespace tarvelon {
namespace {

using namespace pruebas;
using nlohmann::json;

double CosteCon(const Simulacion& s, std::string_view campo, double valor)
{
    Simulacion c = s;
    *DoubleDeCampo(c, IndiceCampo(campo)) = valor;
    c.Calcular(SeguroDesdeRegistro(c));
    return c.CostesDirectosporKm + c.CostesInDirectosporKm;
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
    const Simulacion c = Calculada(EjemploTrabajado());
    const EstructuraCostes e = Estructura(c);
    ASSERT_EQ(e.componentes.size(), 12u);
    double suma = 0;
    for (const auto& x : e.componentes) {
        suma += *x.porcentaje;
        EXPECT_DOUBLE_EQ(x.porKm * c.KilometrajeAnual, x.anual) << x.campo;
    }
    EXPECT_NEAR(suma, 100.0, 1e-9);

    const Comparacion igual = Comparar(c, c);
    ASSERT_EQ(igual.filas.size(), 27u);
    for (const auto& f : igual.filas) {
        EXPECT_EQ(f.diferencia, 0) << f.campo;
        // The two ...porKmServicio results are always 0: no percentage, no error.
        EXPECT_EQ(f.porcentaje.has_value(), f.b != 0) << f.campo;
        EXPECT_EQ(f.porcentaje.value_or(0), 0) << f.campo;
    }
    Simulacion otra = c;
    otra.CosteAnualAmortizacion = 2 * c.CosteAnualAmortizacion;
    EXPECT_DOUBLE_EQ(*Comparar(c, otra).filas[0].porcentaje, -50.0);
}

// Each figure is Calcular on a copy with that one input changed; an input at
// the edge of the Double range makes its copy fail and carry the error. A
// copy pushed past a validation bound (110 % financed, 403 days) is a what-if
// and still calculated: only the record itself is validated.
TEST(Analisis, SensibilidadYCurvaSonCalcularSobreCopias)
{
    for (const double p : {1.0, 10.0, 33.3, 50.0}) {
        SCOPED_TRACE(p);
        const Simulacion s = Cambiado(EjemploTrabajado(),
                                      "CFADR=1,79E+308 CFVehiculoCuantiaAFinanciar=100 CFDiasDeActividad=366 "
                                      "CFSeguridadSocialEmpresa=100 CFHorasAnualesTrabajadas=8784");
        const Sensibilidad r = AnalizarSensibilidad(s, p);
        EXPECT_EQ(r.costeKm, CosteTotalPorKm(Calculada(s)));
        size_t noCero = 0;
        for (auto campo : CamposSensibles()) noCero += *DoubleDeCampo(s, IndiceCampo(campo)) != 0;
        ASSERT_EQ(r.entradas.size(), noCero);
        for (size_t i = 0; i < r.entradas.size(); ++i) {
            const auto& e = r.entradas[i];
            SCOPED_TRACE(e.campo);
            if (e.campo == "CFADR") {  // failures last
                EXPECT_TRUE(e.error && e.error->numero == 6 && i == r.entradas.size() - 1);
                continue;
            }
            ASSERT_FALSE(e.error.has_value()) << e.error->numero;
            EXPECT_EQ(e.menos, CosteCon(s, e.campo, e.valor * (1 - p / 100)));
            EXPECT_EQ(e.mas, CosteCon(s, e.campo, e.valor * (1 + p / 100)));
            EXPECT_GE(i > 0 ? r.entradas[i - 1].efecto : e.efecto, e.efecto);
        }
        ASSERT_EQ(r.curvaKm.size(), 21u);
        for (size_t i = 0; i < 21; ++i) {
            EXPECT_EQ(r.curvaKm[i].km, s.KilometrajeAnual * ((50.0 + 5.0 * i) / 100.0));
            EXPECT_EQ(r.curvaKm[i].costeKm, CosteCon(s, "KilometrajeAnual", r.curvaKm[i].km));
        }
    }
    EXPECT_EQ(NumeroDeError([&] { AnalizarSensibilidad(EjemploTrabajado(), 50.01); }), 5);
    EXPECT_EQ(NumeroDeError([] { AnalizarSensibilidad(Cambiado(EjemploTrabajado(), "KilometrajeAnual=0")); }), 11);
}

// At most 15 significant digits, as NumeroATexto writes them.
double Quince(double v) { return TextoANumero(NumeroATexto(v)); }

TEST(Analisis, JsonYCsvDevuelvenLosNumerosDelRegistroConQuinceCifras)
{
    const Simulacion c = Calculada(EjemploTrabajado());
    const json j = json::parse(JsonInforme(c, {"línea"}));
    for (const auto& [nombre, v] : j["registro"].items()) {
        const int i = IndiceCampo(nombre);
        if (const double* d = DoubleDeCampo(c, i)) EXPECT_EQ(v.get<double>(), Quince(*d)) << nombre;
        else EXPECT_EQ(v.is_string() ? v.get<std::string>() : v.dump(), TextoDeCampo(c, i)) << nombre;
    }
    EXPECT_EQ(j["registro"].size(), 86u);
    EXPECT_EQ(j["estructura"][0]["anual"].get<double>(), Quince(c.CosteAnualAmortizacion));
    const json cmp = json::parse(JsonComparacion(Comparar(c, c)));
    EXPECT_TRUE(cmp["filas"][8]["porcentaje"].is_null());  // CostesFijosAnualesporKmServicio: 0 on both sides
    const json sens =
        json::parse(JsonSensibilidad(AnalizarSensibilidad(Cambiado(EjemploTrabajado(), "CFADR=1,79E+308"))));
    EXPECT_TRUE(sens["entradas"].back()["error"]["numero"] == 6 && !sens["entradas"].back().contains("mas"));

    // A fleet row read back without the program's own reader (its layout is
    // in the tool's golden output).
    Simulacion fino = c;
    fino.CostesFijosPorHora = 1.2345678901234567e-5;
    const std::string fila = FilaCsvFlota({"a.txt", c.Tipo, fino, ""});
    const auto campos = Partir(fila.substr(0, fila.size() - 2), ';');
    ASSERT_EQ(campos.size(), 30u);
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        std::string t = campos[static_cast<size_t>(i - kPrimerCampoResultado + 2)];
        ASSERT_EQ(t.find('.'), std::string::npos) << t;  // decimal comma
        std::replace(t.begin(), t.end(), ',', '.');
        EXPECT_EQ(std::stod(t), Quince(*DoubleDeCampo(fino, i))) << t;
        // Every result has a label of its own for the headers.
        EXPECT_NE(EtiquetaCampo(CamposSimulacion()[static_cast<size_t>(i)].nombre),
                  CamposSimulacion()[static_cast<size_t>(i)].nombre);
    }
    for (auto campo : CamposSensibles()) EXPECT_NE(EtiquetaCampo(campo), campo);
}

// Text cells: what a spreadsheet would run as a formula gets an apostrophe,
// numbers stay numbers; a broken or control character is written as the JSON
// and the workbook write it (see the workbook test).
TEST(Analisis, CsvSinFormulasYConLosTextosLimpios)
{
    const std::pair<std::string, std::string> casos[] = {
        {"=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\""},
        {"+34 600", "'+34 600"},
        {"-5", "'-5"},
        {"@SUMA(A1)", "'@SUMA(A1)"},
        {"\t=1", "'\t=1"},
        {"\r=1", "\"'\r=1\""},
        {" =1", " =1"},
        {"a=b-c", "a=b-c"},
        {"Camión; 4 ejes", "\"Camión; 4 ejes\""},
        {"a\x01"
         "b\x1F",
         "a b "},
        {"a\xFF"
         "b\xC3",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD"},
        {"\x01=1", " =1"},
        {"", ""},
    };
    for (const auto& [nombre, celda] : casos) {
        EXPECT_EQ(TextoCsv(nombre), celda) << nombre;
        EXPECT_EQ(json::parse(JsonErrores({nombre}))["errores"][0], TextoExportable(nombre)) << nombre;
    }
    EXPECT_EQ(NumeroCsv(-5), "-5");
    EXPECT_EQ(NumeroCsv(49500.00000000001), "49500");
    EXPECT_EQ(NumeroCsv(-1.2345678901234567e-5), "-1,23456789012346E-05");
}

// The workbook read back by an independent reader, cell by cell at the
// addresses a user sees; a write that fails leaves neither the file nor a
// temporary one.
TEST(Analisis, XlsxSeLeeCeldaACeldaYUnFalloNoDejaFichero)
{
    CarpetaTemporal t;
    Simulacion c = Calculada(EjemploTrabajado());
    c.Tipo = "=HYPERLINK(\"x\")\x01\xFF";
    const Simulacion b = Calculada(Cambiado(EjemploTrabajado(), "KilometrajeAnual=150000"));
    const Comparacion cmp = Comparar(c, b);
    const Sensibilidad sens = AnalizarSensibilidad(c);
    const std::string falta = t.Fichero("no/existe/libro.xlsx"), ruta = t.Fichero("libro.xlsx");
    EXPECT_EQ(NumeroDeError([&] { GrabarXlsx(falta, c, &cmp, sens); }), kRutaNoEncontrada);
    EXPECT_EQ(NumeroDeError([&] { GrabarContenido(falta, "x"); }), kRutaNoEncontrada);
    EXPECT_TRUE(std::filesystem::is_empty(t.Ruta()));

    GrabarXlsx(ruta, c, &cmp, sens);
    const std::string py = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    if (std::system((py + " -c 'import openpyxl' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-openpyxl no está instalado";
    const size_t n = sens.entradas.size();
    const std::string curva = std::to_string(24 + n + 4), ultima = std::to_string(24 + n + 24);
    const std::vector<std::pair<std::string, json>> celdas = {
        {"Resumen!B1", TextoExportable(c.Tipo)},
        {"Resumen!C2", c.KilometrajeAnual},
        {"Resumen!C5", c.CosteAnualAmortizacion},
        {"Resumen!C29", c.CostesFijosPorHora},
        {"Estructura!B2", c.CosteAnualAmortizacion},
        {"Estructura!C14", CosteTotalPorKm(c)},
        {"Comparación!B2", b.Tipo},
        {"Comparación!A5", "Amortización (€/año)"},
        {"Comparación!B5", cmp.filas[0].a},
        {"Comparación!C5", cmp.filas[0].b},
        {"Comparación!D5", cmp.filas[0].diferencia},
        {"Comparación!E5", *cmp.filas[0].porcentaje},
        {"Comparación!A31", "Costes fijos (€/hora)"},
        {"Comparación!C31", b.CostesFijosPorHora},
        {"Sensibilidad!B2", sens.costeKm},
        {"Sensibilidad!A26", EtiquetaCampo(sens.entradas[0].campo)},
        {"Sensibilidad!C26", sens.entradas[0].menos},
        {"Sensibilidad!F26", sens.entradas[0].mas - sens.costeKm},
        {"Sensibilidad!D" + std::to_string(25 + n), sens.entradas[n - 1].mas},
        {"Sensibilidad!A" + curva, sens.curvaKm[0].km},
        {"Sensibilidad!B" + ultima, sens.curvaKm[20].costeKm},
    };
    // Each cell's value and kind (a text beginning with "=" is no formula),
    // the ranges that each chart plots, and how each sheet prints.
    std::string guion = py +
                        " -c 'import sys, json, re, zipfile, openpyxl\n"
                        "w = openpyxl.load_workbook(sys.argv[1])\n"
                        "c = [w[a.split(\"!\")[0]][a.split(\"!\")[1]] for a in sys.argv[2:]]\n"
                        "z = zipfile.ZipFile(sys.argv[1])\n"
                        "g = [re.findall(\"<c:f>([^<]*)</c:f>\", z.read(n).decode()) for n in sorted(z.namelist())"
                        " if n.startswith(\"xl/charts/chart\")]\n"
                        "p = [[w[n].sheet_properties.pageSetUpPr.fitToPage, w[n].page_setup.fitToWidth,"
                        " w[n].page_setup.fitToHeight, w[n].page_setup.paperSize] for n in w.sheetnames]\n"
                        "print(json.dumps([[x.value for x in c], [x.data_type for x in c], g, p]))' " +
                        ruta;
    for (const auto& [celda, valor] : celdas) guion += " '" + celda + "'";
    ASSERT_EQ(std::system((guion + " > " + t.Fichero("salida.json")).c_str()), 0);
    const json leido = json::parse(LeerBytes(t.Fichero("salida.json")));
    for (size_t i = 0; i < celdas.size(); ++i) {
        const auto& [celda, esperado] = celdas[i];
        const json& v = leido[0][i];
        if (!esperado.is_string()) {
            // The library writes 16 significant digits: within a few units in the last place.
            EXPECT_TRUE(v.is_number() &&
                        std::abs(v.get<double>() - esperado.get<double>()) <= 1e-14 * std::abs(esperado.get<double>()))
                << celda << ": " << v << " en lugar de " << esperado;
        } else {
            EXPECT_EQ(v, esperado) << celda;
            EXPECT_EQ(leido[1][i], "s") << celda;
        }
    }
    const std::string e = std::to_string(25 + std::min<size_t>(n, 10));
    // A4, one page wide (the width left as it is, 1) and as many tall as needed.
    EXPECT_EQ(leido[3],
              json::parse(R"([[true, null, 0, 9], [true, null, 0, 9], [true, null, 0, 9], [true, null, 0, 9]])"));
    // The sensitivity chart: name, categories and values of each series, the changes from the base.
    EXPECT_EQ(leido[2][1], json({"Sensibilidad!$E$25", "Sensibilidad!$A$26:$A$" + e, "Sensibilidad!$E$26:$E$" + e,
                                 "Sensibilidad!$F$25", "Sensibilidad!$A$26:$A$" + e, "Sensibilidad!$F$26:$F$" + e}));
}

}  // namespace
}  // namespace tarvelon
