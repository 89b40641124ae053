// The record's key=value form: the field table, ToArray and FromArray.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

using Fila = std::pair<std::string, std::string>;

// The record as its lines; two records with values of at most 15 significant
// digits are equal exactly when their lines are.
std::vector<std::string> Lineas(const Simulacion& s)
{
    const TablaLineas t = s.ToArray();
    std::vector<std::string> r;
    for (int fila = 1; fila <= t.UltimaFila(); ++fila) r.push_back(t.Linea(fila));
    return r;
}

TablaLineas Tabla(const std::vector<Fila>& filas)
{
    TablaLineas t;
    for (const auto& [k, v] : filas) t.AnadirFila(k, v);
    return t;
}

// A record with a distinct value in every field, as the golden file holds it.
Simulacion RegistroDorado()
{
    Simulacion s;
    for (int i = 0; i < kNumeroCampos; ++i)
        if (CamposSimulacion()[static_cast<size_t>(i)].tipo != TipoCampo::Texto)
            AsignarCampoDesdeTexto(s, i, std::to_string(i) + ",5");  // whole numbers round to even
    s.Tipo = "Tractora = frigorífica €";
    s.CFTAE = 1234.5;
    s.KilometrajeAnual = 1e16;
    s.CVMantenimientoYReparacion = 0.000015;
    s.DGNumeroDeEjes = -5;
    s.CostesFijosAnuales = 1.0 / 3.0;
    s.ErrorMsg = "Error en Servicios Diarios";
    return s;
}

// Names, order, kinds and value texts of all 86 lines, against a saved file
// checked by hand.
TEST(ToArray, LineasComoElFicheroDorado)
{
    std::string texto;
    for (const auto& l : Lineas(RegistroDorado())) texto += l + "\n";
    ComoDorado(TARVELON_DATOS_PRUEBA "/registro_dorado.txt", texto);
    TablaLineas previa = Tabla(std::vector<Fila>(100, {"x", "y"}));  // filled in place, resized
    EXPECT_EQ(RegistroDorado().ToArray(previa).UltimaFila(), 86);
    EXPECT_EQ(previa.Linea(86), Lineas(RegistroDorado()).back());
    // The windows may store an exactly empty text as 0.
    Simulacion s = Cambiado({}, "CFTAE=5 CFPeriodoAFinanciar=4");
    for (const char* campo : {"CFTAE", "CFPeriodoAFinanciar"}) AsignarCampoDesdeTexto(s, IndiceCampo(campo), "", true);
    EXPECT_EQ(s.CFTAE + s.CFPeriodoAFinanciar, 0);
    EXPECT_EQ(NumeroDeError([&] { AsignarCampoDesdeTexto(s, IndiceCampo("CFTAE"), " ", true); }), 13);
    EXPECT_EQ(NumeroDeError([&] { AsignarCampoDesdeTexto(s, IndiceCampo("CFTAE"), ""); }), 13);
    EXPECT_EQ(NumeroDeError([&] { (void)TextoDeCampo(s, kNumeroCampos); }), 9);
}

// Saved, read back and loaded, every field comes back, from the whole file or
// from the block of the record's own type.
TEST(FromArray, IdaYVueltaPorUnFichero)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("datos.txt");
    ASSERT_TRUE(GrabarLineas(ruta, RegistroDorado().ToArray(), avisos));
    EXPECT_EQ(LeerLineasDescifradas(ruta), Lineas(RegistroDorado()));
    for (const std::string& tipo : {std::string(), RegistroDorado().Tipo}) {
        Simulacion leido;
        leido.FromArray(LeerBloque(ruta, tipo, avisos));
        EXPECT_EQ(Lineas(leido), Lineas(RegistroDorado())) << tipo;
    }
    EXPECT_TRUE(avisos.avisos.empty());
}

// The field's text once the rows are loaded into a full record: the first row
// with a key wins, keys are case-sensitive, a missing key reads 0.
TEST(FromArray, Casos)
{
    const struct {
        std::vector<Fila> filas;
        const char *campo, *texto;
    } casos[] = {{{{"CFCabezaPrecioBruto", "1.500"}}, "CFCabezaPrecioBruto", "1500"},
                 {{{"DGNumeroDeEjes", "3,5"}}, "DGNumeroDeEjes", "4"},
                 {{{"TipoSeguro", "-32768"}}, "TipoSeguro", "-32768"},
                 {{{"KilometrajeAnual", "100"}, {"KilometrajeAnual", "200"}}, "KilometrajeAnual", "100"},
                 {{{"kilometrajeanual", "100"}, {"KilometrajeAnual ", "7"}}, "KilometrajeAnual", "0"},
                 {{{"", ""}, {"x", "1"}, {"CVConsumoMedio", "33,5"}}, "CVConsumoMedio", "33,5"}};
    for (const auto& c : casos) {
        Simulacion s = RegistroDorado();
        ASSERT_EQ(NumeroDeError([&] { s.FromArray(Tabla(c.filas)); }), 0) << c.campo;
        EXPECT_EQ(TextoDeCampo(s, IndiceCampo(c.campo)), c.texto) << c.campo << " " << c.filas.front().second;
    }
    Simulacion s = RegistroDorado();
    s.FromArray(Tabla({{"Tipo", "A"}}));
    EXPECT_EQ(Lineas(s), Lineas(Cambiado({}, "Tipo=A ErrorMsg=0")));
}

// A failing value stops the load there: earlier fields are set, later ones
// keep what they held. A table never dimensioned is error 9.
TEST(FromArray, ValoresQueNoSeConviertenParanLaCarga)
{
    const std::pair<Fila, int> casos[] = {
        {{"CFTAE", "cinco"}, 13}, {{"CFPeriodoAFinanciar", "3000000000"}, 6}, {{"TipoSeguro", "40000"}, 6}};
    const std::string previo = "DGNumeroDeEjes=9 KilometrajeAnual=777 ErrorMsg=intacto";
    for (const auto& [fila, error] : casos) {
        Simulacion s = Cambiado({}, previo);
        const TablaLineas t = Tabla({{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, fila, {"KilometrajeAnual", "5"}});
        EXPECT_EQ(NumeroDeError([&] { s.FromArray(t); }), error) << fila.first << "=" << fila.second;
        EXPECT_EQ(Lineas(s), Lineas(Cambiado({}, "Tipo=A DGNumeroDeEjes=3 KilometrajeAnual=777 ErrorMsg=intacto")));
    }
    Simulacion s = Cambiado({}, previo);
    EXPECT_EQ(NumeroDeError([&] { s.FromArray(TablaLineas{}); }), 9);
    EXPECT_EQ(Lineas(s), Lineas(Cambiado({}, previo)));
}

}  // namespace
