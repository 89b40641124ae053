// The sample reference data shipped with the program: Config.txt as built
// beside the executables, its plain source, and every type's reports.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "data/Avisos.h"
#include "data/Ficheros.h"
#include "model/Simulacion.h"
#include "results/Informes.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

class AvisosMudos : public Avisador {
public:
    Respuesta Mostrar(const Aviso& a) override
    {
        vistos.push_back(a.texto);
        return Respuesta::Aceptar;
    }
    std::vector<std::string> vistos;
};

// Rows 1 to 57 of the key=value form are the inputs, Tipo included.
constexpr int kEntradas = 57;

class Muestra : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(ConfigMuestra())) << "falta " << ConfigMuestra();
        tipos_ = LeerTipos(ConfigMuestra(), avisos_);
        ASSERT_TRUE(avisos_.vistos.empty());
    }

    Simulacion Cargar(const std::string& tipo)
    {
        Simulacion s;
        s.FromArray(LeerBloque(ConfigMuestra(), tipo, avisos_));
        return s;
    }

    AvisosMudos avisos_;
    std::vector<std::string> tipos_;
};

TEST_F(Muestra, ConfigEsLaFuenteCifradaYListaDeSeisADiezTipos)
{
    const Salida des = Ejecutar({"descifrar", ConfigMuestra()});
    ASSERT_EQ(des.codigo, 0) << des.err;
    std::vector<std::string> fuente;
    const std::string bytes = LeerBytes(FuenteMuestra());
    ASSERT_FALSE(bytes.empty()) << FuenteMuestra();
    for (size_t i = 0; i < bytes.size();) {
        size_t p = bytes.find('\n', i);
        if (p == std::string::npos) p = bytes.size();
        fuente.push_back(bytes.substr(i, p - i));
        i = p + 1;
    }
    EXPECT_EQ(des.Lineas(), fuente);
    EXPECT_NE(fuente.at(0).find("ilustrativas"), std::string::npos);

    // The default file is the one beside the executable.
    const Salida tipos = Ejecutar({"tipos"});
    ASSERT_EQ(tipos.codigo, 0) << tipos.err;
    EXPECT_EQ(tipos.Lineas(), tipos_);
    EXPECT_GE(tipos_.size(), 6u);
    EXPECT_LE(tipos_.size(), 10u);
    EXPECT_EQ(std::set<std::string>(tipos_.begin(), tipos_.end()).size(), tipos_.size()) << "tipos repetidos";
}

TEST_F(Muestra, CadaTipoLlevaTodasLasEntradasUnaVezYEnFormaEspanola)
{
    const auto& campos = CamposSimulacion();
    for (const auto& tipo : tipos_) {
        SCOPED_TRACE(tipo);
        const TablaLineas t = LeerBloque(ConfigMuestra(), tipo, avisos_);
        ASSERT_TRUE(t.Dimensionada());
        EXPECT_EQ(t.Clave(1), "Tipo");
        EXPECT_EQ(t.Valor(1), tipo);
        for (int i = 0; i < kEntradas; ++i) {
            int veces = 0;
            for (int f = 1; f <= t.UltimaFila(); ++f) {
                if (t.Clave(f) != campos[static_cast<size_t>(i)].nombre) continue;
                ++veces;
                if (campos[static_cast<size_t>(i)].tipo != TipoCampo::Texto) {
                    EXPECT_EQ(t.Valor(f).find('.'), std::string::npos) << t.Linea(f);
                }
            }
            EXPECT_EQ(veces, 1) << campos[static_cast<size_t>(i)].nombre;
        }
    }
}

TEST_F(Muestra, CifrasCoherentesYPlausibles)
{
    std::set<int> seguros;
    for (const auto& tipo : tipos_) {
        SCOPED_TRACE(tipo);
        Simulacion s = Cargar(tipo);
        // Net prices are what the windows derive from gross price and discount.
        EXPECT_NEAR(s.CFCabezaPrecioMedio, s.CFCabezaPrecioBruto * (100 - s.CFCabezaDescuentoMedio) / 100, 0.005);
        EXPECT_NEAR(s.CFSemiPrecioMedio, s.CFSemiPrecioBruto * (100 - s.CFSemiDescuentoMedio) / 100, 0.005);
        EXPECT_NEAR(s.CVPrecioDelGasoleo, s.CVPrecioBrutoDelGasoleo * (100 - s.CVDescuentoMedioSobreCombustible) / 100,
                    0.00005);
        EXPECT_NEAR(s.CVPrecioMedioNeumaticos,
                    s.CVPrecioBrutoNeumaticos * (100 - s.CVDescuentoMedioNeumaticos) / 100, 0.005);
        EXPECT_GT(s.CFTAE, 0);
        EXPECT_GT(s.CFSeguroObligatorio, 0);
        EXPECT_GT(s.CFSeguroObligatorioYTerceros, s.CFSeguroObligatorio);
        EXPECT_GT(s.CFSeguroTodoRiesgo, s.CFSeguroObligatorioYTerceros);
        EXPECT_GE(s.TipoSeguro, 1);
        EXPECT_LE(s.TipoSeguro, 3);
        seguros.insert(s.TipoSeguro);

        ASSERT_TRUE(s.Validar()) << s.ErrorMsg;
        s.Calcular(SeguroDesdeRegistro(s));
        // A heavy goods vehicle in Spain costs roughly 0,8 to 2,5 € per km.
        EXPECT_GT(s.CostesDirectosporKm, 0.8);
        EXPECT_LT(s.CostesDirectosporKm, 2.5);
        EXPECT_GT(s.CosteAnualAmortizacion, 0);
        EXPECT_GT(s.CosteAnualDeFinanciacion, 0);
        EXPECT_GT(s.CostesFijosPorHora, 0);
    }
    EXPECT_EQ(seguros, (std::set<int>{1, 2, 3})) << "la muestra debe usar las tres opciones de seguro";
}

TEST_F(Muestra, LosTresInformesDeCadaTipoPorLineaDeOrdenes)
{
    for (const auto& tipo : tipos_) {
        SCOPED_TRACE(tipo);
        Simulacion s = Cargar(tipo);
        ASSERT_TRUE(s.Validar());
        s.Calcular(SeguroDesdeRegistro(s));

        struct Caso {
            std::vector<std::string> args;
            size_t lineas;
            std::vector<std::string> esperado;
        };
        std::vector<Caso> casos(3);
        casos[0] = {{"informe", "--detallado", "--tipo", tipo}, 35, {}};
        InformeDetallado(s, casos[0].esperado);
        casos[1] = {{"informe", "--tipo", tipo, "--config", ConfigMuestra()}, 20, {}};
        InformeResumen(s, casos[1].esperado);
        casos[2] = {{"presupuesto", "350", "6,5", "--tipo", tipo}, 29, {}};
        InformePresupuesto(s, "350", "6,5", casos[2].esperado);

        for (const auto& c : casos) {
            const Salida r = Ejecutar(c.args);
            ASSERT_EQ(r.codigo, 0) << r.err;
            EXPECT_EQ(r.err, "");
            const auto l = r.Lineas();
            ASSERT_EQ(l.size(), c.lineas);
            EXPECT_EQ(l[0], "          " + tipo);
            EXPECT_EQ(l, c.esperado);
        }
    }
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
