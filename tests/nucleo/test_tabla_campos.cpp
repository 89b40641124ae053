// The field table holds together: every key once and in storage order, every
// label and caption once, the column transfers numbered without gaps, and the
// per-km figures with the decimals and unit of a per-km figure.
#include <gtest/gtest.h>

#include <set>

#include "model/EtiquetasCampos.h"
#include "model/TablaCampos.h"

using namespace tarvelon;

TEST(TablaCampos, Coherente)
{
    const auto& tabla = TablaCampos();
    std::set<std::string> etiquetas, rotulos;
    std::vector<int> traspasos;
    for (size_t i = 0; i < tabla.size(); ++i) {
        const FilaCampo& f = tabla[i];
        SCOPED_TRACE(f.clave);
        EXPECT_EQ(IndiceCampo(f.clave), static_cast<int>(i));
        const std::string etiqueta = EtiquetaDeFila(f);
        EXPECT_TRUE(etiqueta.empty() || etiquetas.insert(etiqueta).second) << etiqueta;
        EXPECT_TRUE(*f.rotulo == '\0' || rotulos.insert(f.rotulo).second) << f.rotulo;
        // A field is transferred exactly when an input window holds it.
        EXPECT_EQ(f.traspaso > 0, f.paso != VentanaCampo::Ninguna);
        if (f.traspaso > 0) traspasos.push_back(f.traspaso);
        EXPECT_EQ(f.porKm, std::string_view(f.unidad).starts_with("€/km"));
        EXPECT_TRUE(!f.porKm || f.decimales == 4);
    }
    std::sort(traspasos.begin(), traspasos.end());
    for (size_t i = 0; i < traspasos.size(); ++i) EXPECT_EQ(traspasos[i], static_cast<int>(i) + 1);
    // The figures of the comparison follow their field's decimals.
    EXPECT_EQ(CifraCampo("CostesDirectosporKm", 0.12345), "0,1235");
    EXPECT_EQ(CifraCampo("CostesDirectosporServicio", 0.12345), "0,12");
}
