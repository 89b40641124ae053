// The sample reference data shipped with the program: Config.txt as built
// beside the executables, its plain source, and every type's reports.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "data/Ficheros.h"
#include "reports/Informes.h"
#include "tests/cli/Proceso.h"

namespace tarvelon::pruebas_cli {
namespace {

using namespace tarvelon::pruebas;

// Config.txt is the scrambled source and lists 6 to 10 distinct types. Each
// block carries every input (rows 1 to 57) once, numbers in Spanish form; its
// figures are coherent and plausible, and the tool prints its three reports.
TEST(Muestra, ConfigYCadaTipo)
{
    AvisadorGrabador avisos;
    const std::vector<std::string> tipos = LeerTipos(ConfigMuestra(), avisos);
    ASSERT_TRUE(avisos.avisos.empty()) << "falta " << ConfigMuestra();
    const Salida des = Ejecutar({"descifrar", ConfigMuestra()});
    ASSERT_EQ(des.codigo, 0) << des.err;
    const std::string fuente = LeerBytes(FuenteMuestra());
    ASSERT_NE(fuente.find("ilustrativas"), std::string::npos) << FuenteMuestra();
    EXPECT_EQ(des.out, fuente.back() == '\n' ? fuente : fuente + "\n");
    const Salida porDefecto = Ejecutar({"tipos"});
    EXPECT_EQ(porDefecto.codigo, 0);
    EXPECT_EQ(porDefecto.Lineas(), tipos);
    EXPECT_TRUE(tipos.size() >= 6 && tipos.size() <= 10) << tipos.size();
    EXPECT_EQ(std::set<std::string>(tipos.begin(), tipos.end()).size(), tipos.size());

    std::set<int> seguros;
    for (const auto& tipo : tipos) {
        SCOPED_TRACE(tipo);
        const TablaLineas t = LeerBloque(ConfigMuestra(), tipo, avisos);
        ASSERT_TRUE(t.Dimensionada());
        EXPECT_EQ(t.Linea(1), "Tipo" + tipo);
        for (int i = 0; i < 57; ++i) {
            const auto& campo = CamposSimulacion()[static_cast<size_t>(i)];
            int veces = 0;
            for (int f = 1; f <= t.UltimaFila(); ++f) {
                if (t.Clave(f) != campo.nombre) continue;
                ++veces;
                EXPECT_TRUE(campo.tipo == TipoCampo::Texto || t.Valor(f).find('.') == std::string::npos) << t.Linea(f);
            }
            EXPECT_EQ(veces, 1) << campo.nombre;
        }

        Simulacion s;
        s.FromArray(t);
        // Net prices are what the windows derive from gross price and discount.
        for (const auto& [neto, bruto, descuento] :
             {std::tuple{s.CFCabezaPrecioMedio, s.CFCabezaPrecioBruto, s.CFCabezaDescuentoMedio},
              {s.CFSemiPrecioMedio, s.CFSemiPrecioBruto, s.CFSemiDescuentoMedio},
              {s.CVPrecioDelGasoleo, s.CVPrecioBrutoDelGasoleo, s.CVDescuentoMedioSobreCombustible},
              {s.CVPrecioMedioNeumaticos, s.CVPrecioBrutoNeumaticos, s.CVDescuentoMedioNeumaticos}})
            EXPECT_NEAR(neto, bruto * (100 - descuento) / 100, bruto > 10 ? 0.005 : 0.00005);
        EXPECT_TRUE(0 < s.CFTAE && 0 < s.CFSeguroObligatorio &&
                    s.CFSeguroObligatorio < s.CFSeguroObligatorioYTerceros &&
                    s.CFSeguroObligatorioYTerceros < s.CFSeguroTodoRiesgo);
        seguros.insert(s.TipoSeguro);
        ASSERT_TRUE(s.Validar()) << s.ErrorMsg;
        s.Calcular(SeguroDesdeRegistro(s));
        // A heavy goods vehicle in Spain costs roughly 0,8 to 2,5 € per km.
        EXPECT_TRUE(0.8 < s.CostesDirectosporKm && s.CostesDirectosporKm < 2.5) << s.CostesDirectosporKm;
        EXPECT_TRUE(s.CosteAnualAmortizacion > 0 && s.CosteAnualDeFinanciacion > 0);

        std::vector<std::string> detallado, resumen, presupuesto;
        InformeDetallado(s, detallado);
        InformeResumen(s, resumen);
        InformePresupuesto(s, "350", "6,5", presupuesto);
        EXPECT_EQ(detallado.size() + resumen.size() + presupuesto.size(), 35u + 20u + 29u);
        EXPECT_EQ(Ejecutar({"informe", "--detallado", "--tipo", tipo}).Lineas(), detallado);
        EXPECT_EQ(Ejecutar({"informe", "--tipo", tipo, "--config", ConfigMuestra()}).Lineas(), resumen);
        EXPECT_EQ(Ejecutar({"presupuesto", "350", "6,5", "--tipo", tipo}).Lineas(), presupuesto);
    }
    EXPECT_EQ(seguros, (std::set<int>{1, 2, 3})) << "la muestra debe usar las tres opciones de seguro";
}

}  // namespace
}  // namespace tarvelon::pruebas_cli
