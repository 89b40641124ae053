// Analysis and exports: every figure must be what Calcular gives on a copy of
// the record, and every export must read back to the record's own numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

TEST(Analisis, JsonYCsvDevuelvenLosNumerosDelRegistro)
{
    const Simulacion c = Calculada(EjemploTrabajado());
    const json j = json::parse(JsonInforme(c, {"línea"}));
    for (const auto& [nombre, v] : j["registro"].items()) {
        const int i = IndiceCampo(nombre);
        if (const double* d = DoubleDeCampo(c, i)) EXPECT_EQ(v.get<double>(), *d) << nombre;
        else EXPECT_EQ(v.is_string() ? v.get<std::string>() : v.dump(), TextoDeCampo(c, i)) << nombre;
    }
    EXPECT_EQ(j["registro"].size(), 86u);
    EXPECT_EQ(j["estructura"][0]["anual"].get<double>(), c.CosteAnualAmortizacion);
    const json cmp = json::parse(JsonComparacion(Comparar(c, c)));
    EXPECT_TRUE(cmp["filas"][8]["porcentaje"].is_null());  // CostesFijosAnualesporKmServicio: 0 on both sides
    const json sens =
        json::parse(JsonSensibilidad(AnalizarSensibilidad(Cambiado(EjemploTrabajado(), "CFADR=1,79E+308"))));
    EXPECT_TRUE(sens["entradas"].back()["error"]["numero"] == 6 && !sens["entradas"].back().contains("mas"));

    // The fleet table read back without the program's own reader (its layout
    // is in the tool's golden output).
    Simulacion fino = c;
    fino.CostesFijosPorHora = 1.2345678901234567e-5;
    const std::string csv = CsvFlota({{"a.txt", c.Tipo, fino, ""}});
    const auto fila = Partir(csv.substr(csv.find('\n') + 1, csv.size() - csv.find('\n') - 3), ';');
    ASSERT_EQ(fila.size(), 29u);
    for (int i = kPrimerCampoResultado; i <= kUltimoCampoResultado; ++i) {
        std::string t = fila[static_cast<size_t>(i - kPrimerCampoResultado + 2)];
        ASSERT_EQ(t.find('.'), std::string::npos) << t;  // decimal comma
        std::replace(t.begin(), t.end(), ',', '.');
        EXPECT_EQ(std::stod(t), *DoubleDeCampo(fino, i)) << t;
    }
}

// The workbook read back by an independent reader holds the record's numbers;
// a write that fails leaves neither the file nor a temporary one.
TEST(Analisis, XlsxSeLeeConLosMismosNumerosYUnFalloNoDejaFichero)
{
    CarpetaTemporal t;
    const Simulacion c = Calculada(EjemploTrabajado());
    const Comparacion cmp = Comparar(c, c);
    const std::string falta = t.Fichero("no/existe/libro.xlsx"), ruta = t.Fichero("libro.xlsx");
    EXPECT_EQ(NumeroDeError([&] { GrabarXlsx(falta, c, &cmp, AnalizarSensibilidad(c)); }), kRutaNoEncontrada);
    EXPECT_EQ(NumeroDeError([&] { GrabarContenido(falta, "x"); }), kRutaNoEncontrada);
    EXPECT_TRUE(std::filesystem::is_empty(t.Ruta()));

    GrabarXlsx(ruta, c, &cmp, AnalizarSensibilidad(c));
    const std::string py = std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    if (std::system((py + " -c 'import openpyxl' 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "python3-openpyxl no está instalado";
    // Each result field of the comparison sheet, and the first figure of the summary sheet.
    const std::string guion =
        py + " -c 'import sys, openpyxl\nw = openpyxl.load_workbook(sys.argv[1])\n" +
        "print(w.sheetnames)\nprint(repr(w[\"Resumen\"][\"C5\"].value))\n" +
        "for f in w[\"Comparación\"].iter_rows(min_row=3, values_only=True): " + "print(f[0], repr(f[1]))' " + ruta +
        " > " + t.Fichero("salida.txt");
    ASSERT_EQ(std::system(guion.c_str()), 0);
    const auto leidas = Partir(LeerBytes(t.Fichero("salida.txt")), '\n');
    ASSERT_EQ(leidas.size(), 2u + 27u + 1u);
    EXPECT_EQ(leidas[0], "['Resumen', 'Estructura', 'Comparación', 'Sensibilidad']");
    // The library writes 16 significant digits: within a few units in the last place.
    EXPECT_DOUBLE_EQ(std::stod(leidas[1]), c.CosteAnualAmortizacion);
    for (size_t i = 2; i < 29; ++i) {
        const auto campo = leidas[i].substr(0, leidas[i].find(' '));
        EXPECT_DOUBLE_EQ(std::stod(leidas[i].substr(campo.size())), *DoubleDeCampo(c, IndiceCampo(campo))) << campo;
    }
}

}  // namespace
}  // namespace tarvelon
