// The record's key=value form: ToArray, FromArray and the field table.
#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ApoyoPruebas.h"
#include "data/Ficheros.h"
#include "model/Simulacion.h"

using namespace tarvelon;
using namespace tarvelon::pruebas;

namespace {

using Miembro = std::variant<std::string Simulacion::*, double Simulacion::*, int32_t Simulacion::*,
                             int16_t Simulacion::*>;

struct Campo {
    const char* nombre;
    Miembro miembro;
};

#define C(nombre, clase) Campo{#nombre, &Simulacion::nombre}

// The 86 fields in the order of the lines of a file.
const std::vector<Campo>& Campos()
{
    static const std::vector<Campo> c = {
        C(Tipo, texto),
        C(DGRecorridoMedioPorVehiculo, real),
        C(DGTiempoMedioPorVehiculo, real),
        C(DGKilometrajeAnualEnVacio, real),
        C(DGPotenciaCV, real),
        C(DGPesoMaximoAutorizado, real),
        C(DGCargaUtil, real),
        C(DGNumeroDeEjes, largo),
        C(DGNumeroTotalDeNeumaticos, largo),
        C(CFCabezaPrecioBruto, real),
        C(CFSemiPrecioBruto, real),
        C(CFCabezaDescuentoMedio, real),
        C(CFSemiDescuentoMedio, real),
        C(CFCabezaPrecioMedio, real),
        C(CFSemiPrecioMedio, real),
        C(CFCabezaValorResidual, real),
        C(CFSemiValorResidual, real),
        C(CFCabezaPeriodoAmortizacion, largo),
        C(CFSemiPeriodoAmortizacion, largo),
        C(CFVehiculoCuantiaAFinanciar, real),
        C(CFPeriodoAFinanciar, largo),
        C(CFTAE, real),
        C(CFHorasAnualesTrabajadas, real),
        C(CFDiasDeActividad, real),
        C(CFSeguridadSocialEmpresa, real),
        C(CFRetribucionOrdinaria1ConductorMecanico, real),
        C(CFPlusDeAsistencia, real),
        C(CFVisado, real),
        C(CFIVTM, real),
        C(CFITV, real),
        C(CFIAE, real),
        C(CFATP, real),
        C(CFADR, real),
        C(CFCosteRevisionTacografo, real),
        C(TipoSeguro, corto),
        C(CFSeguroObligatorio, real),
        C(CFSeguroObligatorioYTerceros, real),
        C(CFSeguroTodoRiesgo, real),
        C(CFSeguroMercancia, real),
        C(CFResponsabilidadCivil, real),
        C(CFOtrosGastosFijos, real),
        C(CVPrecioBrutoDelGasoleo, real),
        C(CVDescuentoMedioSobreCombustible, real),
        C(CVPrecioDelGasoleo, real),
        C(CVConsumoMedio, real),
        C(CVDietaMedia, real),
        C(CVDietasNumeroDeDias, largo),
        C(CVPrecioBrutoNeumaticos, real),
        C(CVDescuentoMedioNeumaticos, real),
        C(CVPrecioMedioNeumaticos, real),
        C(CVDuracionMediaDeLosNeumaticos, largo),
        C(CVMantenimientoYReparacion, real),
        C(CVCosteMedioDelKMEnAutopista, real),
        C(CVPorcentajeDeServiciosQPaganPEajes, real),
        C(CIGastosAnuales, real),
        C(ServiciosDiarios, real),
        C(KilometrajeAnual, real),
        C(NumeroServiciosAnuales, real),
        C(CosteAnualAmortizacion, real),
        C(CosteAnualDeFinanciacion, real),
        C(CosteAnualDePersonal, real),
        C(CosteAnualCargasFiscales, real),
        C(CosteAnualSegurosDelVehiculo, real),
        C(CosteAnualOtrosGastosFijos, real),
        C(CostesFijosAnuales, real),
        C(CostesFijosAnualesporKm, real),
        C(CostesFijosAnualesporKmServicio, real),
        C(CostesFijosAnualesporServicio, real),
        C(CosteAnualCombustible, real),
        C(CosteAnualDietas, real),
        C(CosteAnualNeumaticos, real),
        C(CosteAnualMantenimiento, real),
        C(CosteAnualPeajes, real),
        C(CostesVariablesAnuales, real),
        C(CostesVariablesAnualesporKm, real),
        C(CostesVariablesAnualesporKmServicio, real),
        C(CostesVariablesAnualesporServicio, real),
        C(CostesDirectosAnuales, real),
        C(CostesDirectosporKm, real),
        C(CostesDirectosporServicio, real),
        C(CostesInDirectosAnuales, real),
        C(CostesInDirectosporKm, real),
        C(CostesInDirectosporServicio, real),
        C(CostesFijosPorDia, real),
        C(CostesFijosPorHora, real),
        C(ErrorMsg, texto),
    };
    return c;
}

#undef C

// Every field of `a` equals that of `b` bit for bit.
void ExpectIguales(const Simulacion& a, const Simulacion& b)
{
    for (const auto& c : Campos()) {
        SCOPED_TRACE(c.nombre);
        std::visit(
            [&](auto m) {
                using T = std::remove_cvref_t<decltype(a.*m)>;
                if constexpr (std::is_same_v<T, double>)
                    EXPECT_EQ(std::bit_cast<uint64_t>(a.*m), std::bit_cast<uint64_t>(b.*m)) << a.*m << " / " << b.*m;
                else
                    EXPECT_EQ(a.*m, b.*m);
            },
            c.miembro);
    }
}

// A record with every field set to a distinct value that the general number
// form can carry exactly (at most 15 significant digits).
Simulacion RegistroAleatorio(uint64_t semilla, bool mensajeConSaltos)
{
    std::mt19937_64 gen(semilla);
    std::uniform_int_distribution<long long> cifras(1, 999999999999999LL);
    std::uniform_int_distribution<int> exponente(-12, 8);
    std::uniform_int_distribution<int32_t> largo(INT32_MIN, INT32_MAX);
    std::uniform_int_distribution<int> corto(-32768, 32767);
    std::bernoulli_distribution negativo(0.3);
    Simulacion s;
    for (const auto& c : Campos()) {
        std::visit(
            [&](auto m) {
                using T = std::remove_reference_t<decltype(s.*m)>;
                if constexpr (std::is_same_v<T, double>) {
                    double v = std::stod(std::to_string(cifras(gen)) + "e" + std::to_string(exponente(gen)));
                    s.*m = negativo(gen) ? -v : v;
                } else if constexpr (std::is_same_v<T, int32_t>) {
                    s.*m = largo(gen);
                } else if constexpr (std::is_same_v<T, int16_t>) {
                    s.*m = static_cast<int16_t>(corto(gen));
                }
            },
            c.miembro);
    }
    s.Tipo = "Camión rígido 3 ejes = 26 t € ";
    s.ErrorMsg = mensajeConSaltos ? "\r\nError en Servicios Diarios\r\nError en Kilometros Anuales"
                                  : "Error en Precio de Cabeza Tractora";
    return s;
}

TablaLineas Tabla(const std::vector<std::pair<std::string, std::string>>& filas)
{
    TablaLineas t;
    t.Redimensionar(0);
    for (const auto& [k, v] : filas) t.AnadirFila(k, v);
    return t;
}

TEST(CamposSimulacion, OrdenNombresYTipos)
{
    ASSERT_EQ(Campos().size(), 86u);
    const auto& tabla = CamposSimulacion();
    for (size_t i = 0; i < Campos().size(); ++i) {
        SCOPED_TRACE(Campos()[i].nombre);
        EXPECT_EQ(tabla[i].nombre, Campos()[i].nombre);
        EXPECT_EQ(IndiceCampo(Campos()[i].nombre), static_cast<int>(i));
        const TipoCampo esperado = std::visit(
            [](auto m) {
                using T = std::remove_reference_t<decltype(std::declval<Simulacion&>().*m)>;
                if constexpr (std::is_same_v<T, double>) return TipoCampo::Double;
                else if constexpr (std::is_same_v<T, int32_t>) return TipoCampo::Long;
                else if constexpr (std::is_same_v<T, int16_t>) return TipoCampo::Integer;
                else return TipoCampo::Texto;
            },
            Campos()[i].miembro);
        EXPECT_EQ(tabla[i].tipo, esperado);
    }
    EXPECT_EQ(IndiceCampo("kilometrajeanual"), -1);
    EXPECT_EQ(IndiceCampo("KilometrajeAnual "), -1);
}

// Each field's text is that of its own member, not its neighbour's.
TEST(CamposSimulacion, TextoYAsignacionPorIndice)
{
    const Simulacion s = RegistroAleatorio(11, true);
    Simulacion copia;
    for (size_t i = 0; i < Campos().size(); ++i)
        AsignarCampoDesdeTexto(copia, static_cast<int>(i), TextoDeCampo(s, static_cast<int>(i)));
    ExpectIguales(copia, s);
}

TEST(CamposSimulacion, VacioEsCeroYRedondeo)
{
    Simulacion s;
    s.CFTAE = 5;
    s.CFPeriodoAFinanciar = 4;
    const int tae = IndiceCampo("CFTAE");
    const int periodo = IndiceCampo("CFPeriodoAFinanciar");
    AsignarCampoDesdeTexto(s, tae, "", true);
    AsignarCampoDesdeTexto(s, periodo, "", true);
    EXPECT_EQ(s.CFTAE, 0);
    EXPECT_EQ(s.CFPeriodoAFinanciar, 0);
    EXPECT_EQ(NumeroDeError([&] { AsignarCampoDesdeTexto(s, tae, " ", true); }), 13);
    EXPECT_EQ(NumeroDeError([&] { AsignarCampoDesdeTexto(s, tae, ""); }), 13);
    AsignarCampoDesdeTexto(s, periodo, "2,5");
    EXPECT_EQ(s.CFPeriodoAFinanciar, 2);
    AsignarCampoDesdeTexto(s, IndiceCampo("Tipo"), "", true);
    EXPECT_EQ(s.Tipo, "");
}

TEST(ToArray, OchentaYSeisFilasEnOrden)
{
    TablaLineas previa = Tabla(std::vector<std::pair<std::string, std::string>>(100, {"x", "y"}));
    Simulacion s;
    const TablaLineas devuelta = s.ToArray(previa);
    ASSERT_EQ(previa.UltimaFila(), 86);
    ASSERT_EQ(devuelta.UltimaFila(), 86);
    for (int fila = 1; fila <= 86; ++fila) {
        const std::string clave = std::string(Campos()[fila - 1].nombre) + "=";
        SCOPED_TRACE(clave);
        EXPECT_EQ(previa.Clave(fila), clave);
        EXPECT_EQ(devuelta.Clave(fila), clave);
        // A new record: empty texts and zeros.
        const bool texto = fila == 1 || fila == 86;
        EXPECT_EQ(devuelta.Valor(fila), texto ? "" : "0");
        EXPECT_EQ(previa.Valor(fila), devuelta.Valor(fila));
    }
}

TEST(ToArray, TextosDeLosValores)
{
    Simulacion s;
    s.Tipo = "Tractora = frigorífica";
    s.CFTAE = 1234.5;
    s.KilometrajeAnual = 1e16;
    s.CVMantenimientoYReparacion = 1.5e-5;
    s.DGNumeroDeEjes = -5;
    s.TipoSeguro = 2;
    s.CostesFijosAnuales = 1.0 / 3.0;
    s.ErrorMsg = "\r\nError en Servicios Diarios";
    const TablaLineas t = s.ToArray();
    const struct {
        const char* clave;
        const char* valor;
    } casos[] = {
        {"Tipo=", "Tractora = frigorífica"},
        {"CFTAE=", "1234,5"},
        {"KilometrajeAnual=", "1E+16"},
        {"CVMantenimientoYReparacion=", "1,5E-05"},
        {"DGNumeroDeEjes=", "-5"},
        {"TipoSeguro=", "2"},
        {"CostesFijosAnuales=", "0,333333333333333"},
        {"ErrorMsg=", "\r\nError en Servicios Diarios"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.clave);
        bool hallada = false;
        for (int fila = 1; fila <= t.UltimaFila(); ++fila)
            if (t.Clave(fila) == c.clave) {
                hallada = true;
                EXPECT_EQ(t.Valor(fila), c.valor);
            }
        EXPECT_TRUE(hallada);
    }
}

// The rows of ToArray as lines, split again at the first "=" as a file read does.
TablaLineas ComoLineas(const TablaLineas& t)
{
    TablaLineas r;
    r.Redimensionar(0);
    for (int fila = 1; fila <= t.UltimaFila(); ++fila) {
        const std::string linea = t.Linea(fila);
        const size_t p = linea.find('=');
        r.AnadirFila(linea.substr(0, p), linea.substr(p + 1));
    }
    return r;
}

TEST(FromArray, IdaYVueltaDeCadaCampoBitABit)
{
    for (uint64_t semilla : {1u, 2u, 3u}) {
        SCOPED_TRACE(semilla);
        const Simulacion original = RegistroAleatorio(semilla, true);
        Simulacion leido;
        leido.FromArray(ComoLineas(original.ToArray()));
        ExpectIguales(leido, original);
    }
}

TEST(FromArray, IdaYVueltaPorUnFichero)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const Simulacion original = RegistroAleatorio(42, false);
    const std::string ruta = carpeta.Fichero("datos.txt");
    ASSERT_TRUE(GrabarLineas(ruta, original.ToArray(), avisos));
    const TablaLineas leida = LeerBloque(ruta, "", avisos);
    EXPECT_TRUE(avisos.avisos.empty());
    ASSERT_EQ(leida.UltimaFila(), 86);
    Simulacion leido;
    leido.FromArray(leida);
    ExpectIguales(leido, original);

    // The block of the record's own type is the whole file as well.
    Simulacion porTipo;
    porTipo.FromArray(LeerBloque(ruta, original.Tipo, avisos));
    ExpectIguales(porTipo, original);
}

struct CasoLectura {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> filas;
    std::function<void(const Simulacion&)> comprobar;
};

TEST(FromArray, Casos)
{
    const CasoLectura casos[] = {
        {"coma decimal", {{"CFTAE", "0,25"}}, [](const Simulacion& s) { EXPECT_EQ(s.CFTAE, 0.25); }},
        {"punto de miles", {{"CFCabezaPrecioBruto", "1.500"}},
         [](const Simulacion& s) { EXPECT_EQ(s.CFCabezaPrecioBruto, 1500); }},
        {"ejes 5", {{"DGNumeroDeEjes", "5"}}, [](const Simulacion& s) { EXPECT_EQ(s.DGNumeroDeEjes, 5); }},
        {"ejes 2,5", {{"DGNumeroDeEjes", "2,5"}}, [](const Simulacion& s) { EXPECT_EQ(s.DGNumeroDeEjes, 2); }},
        {"ejes 3,5", {{"DGNumeroDeEjes", "3,5"}}, [](const Simulacion& s) { EXPECT_EQ(s.DGNumeroDeEjes, 4); }},
        {"seguro 2,5", {{"TipoSeguro", "2,5"}}, [](const Simulacion& s) { EXPECT_EQ(s.TipoSeguro, 2); }},
        {"seguro minimo", {{"TipoSeguro", "-32768"}},
         [](const Simulacion& s) { EXPECT_EQ(s.TipoSeguro, -32768); }},
        {"blancos alrededor", {{"KilometrajeAnual", " 120000 "}},
         [](const Simulacion& s) { EXPECT_EQ(s.KilometrajeAnual, 120000); }},
        {"gana la primera fila", {{"KilometrajeAnual", "100"}, {"KilometrajeAnual", "200"}},
         [](const Simulacion& s) { EXPECT_EQ(s.KilometrajeAnual, 100); }},
        {"claves sensibles a mayusculas", {{"kilometrajeanual", "100"}, {"KilometrajeAnual ", "7"}},
         [](const Simulacion& s) { EXPECT_EQ(s.KilometrajeAnual, 0); }},
        {"filas vacias y claves ajenas", {{"", ""}, {"Otra", "x"}, {"", ""}, {"CFTAE", "3"}},
         [](const Simulacion& s) { EXPECT_EQ(s.CFTAE, 3); }},
        {"la unica clave en la ultima fila", {{"", ""}, {"x", "1"}, {"CVConsumoMedio", "33,5"}},
         [](const Simulacion& s) {
             EXPECT_EQ(s.CVConsumoMedio, 33.5);
             EXPECT_EQ(s.Tipo, "0");
             EXPECT_EQ(s.ErrorMsg, "0");
             EXPECT_EQ(s.KilometrajeAnual, 0);
             EXPECT_EQ(s.DGNumeroDeEjes, 0);
             EXPECT_EQ(s.TipoSeguro, 0);
         }},
        {"texto con igual", {{"Tipo", "A=B"}}, [](const Simulacion& s) { EXPECT_EQ(s.Tipo, "A=B"); }},
        {"texto sin recortar", {{"Tipo", " A "}}, [](const Simulacion& s) { EXPECT_EQ(s.Tipo, " A "); }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        // Start from a full record: fields whose key is missing must become 0.
        Simulacion s = RegistroAleatorio(5, true);
        ASSERT_EQ(NumeroDeError([&] { s.FromArray(Tabla(c.filas)); }), 0);
        c.comprobar(s);
    }
}

TEST(FromArray, ClaveQueFaltaLeeCero)
{
    Simulacion s = RegistroAleatorio(9, true);
    s.FromArray(Tabla({{"Tipo", "A"}}));
    Simulacion esperado;
    esperado.Tipo = "A";
    esperado.ErrorMsg = "0";
    ExpectIguales(s, esperado);
}

struct CasoFallo {
    const char* nombre;
    std::vector<std::pair<std::string, std::string>> filas;
    int error;
};

// A failing value stops the load there: earlier fields are set, later keep
// what they held.
TEST(FromArray, ValoresQueNoSeConviertenParanLaCarga)
{
    const CasoFallo casos[] = {
        {"CFTAE vacio", {{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, {"CFTAE", ""}, {"KilometrajeAnual", "5"}}, 13},
        {"CFTAE con letras", {{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, {"CFTAE", "cinco"}}, 13},
        {"CFTAE con dos iguales", {{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, {"CFTAE", "1=2"}}, 13},
        {"Long fuera de rango", {{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, {"CFPeriodoAFinanciar", "3000000000"}}, 6},
        {"Integer fuera de rango", {{"Tipo", "A"}, {"DGNumeroDeEjes", "3"}, {"TipoSeguro", "40000"}}, 6},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        Simulacion s;
        s.DGNumeroDeEjes = 9;
        s.KilometrajeAnual = 777;
        s.ErrorMsg = "intacto";
        EXPECT_EQ(NumeroDeError([&] { s.FromArray(Tabla(c.filas)); }), c.error);
        EXPECT_EQ(s.Tipo, "A");
        EXPECT_EQ(s.DGNumeroDeEjes, 3);
        EXPECT_EQ(s.KilometrajeAnual, 777);
        EXPECT_EQ(s.ErrorMsg, "intacto");
    }
}

TEST(FromArray, TablaSinDimensionarEsErrorDeSubindice)
{
    Simulacion s;
    s.Tipo = "sin tocar";
    EXPECT_EQ(NumeroDeError([&] { s.FromArray(TablaLineas{}); }), 9);
    EXPECT_EQ(s.Tipo, "sin tocar");
}

TEST(FromArray, LineaConDosIgualesDesdeUnFichero)
{
    CarpetaTemporal carpeta;
    AvisadorGrabador avisos;
    const std::string ruta = carpeta.Fichero("bloque.txt");
    GrabarLineasCifradas(ruta, {"Tipo=A", "CFTAE=1=2"});
    const TablaLineas t = LeerBloque(ruta, "A", avisos);
    ASSERT_EQ(t.UltimaFila(), 2);
    EXPECT_EQ(t.Clave(2), "CFTAE");
    EXPECT_EQ(t.Valor(2), "1=2");
    Simulacion s;
    EXPECT_EQ(NumeroDeError([&] { s.FromArray(t); }), 13);
    EXPECT_EQ(s.Tipo, "A");
}

}  // namespace
