// The vehicle type selection, the input windows (net prices, copy buttons,
// insurance options), the column transfers, copy-all and the general-data check.
#include <set>

#include "Apoyo.h"
#include "data/Texto.h"
#include "windows/CajaTexto.h"
#include "windows/DatosGenerales.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {

std::vector<VentanaEntrada*> Ventanas(const Pasos& p)
{
    std::vector<VentanaEntrada*> v;
    for (int paso = Pasos::kDatosGenerales; paso <= Pasos::kCostesIndirectos; ++paso) v.push_back(p.Entrada(paso));
    return v;
}
std::vector<CajaTexto*> DeEntrada(QWidget* v)
{
    std::vector<CajaTexto*> cajas;
    for (auto* c : v->findChildren<CajaTexto*>())
        if (c->Tipo() == TipoCaja::Entrada) cajas.push_back(c);
    return cajas;
}
std::string Campo(const Simulacion& s, const std::string& nombre) { return TextoDeCampo(s, IndiceCampo(nombre)); }
bool EsPrima(const std::string& campo)
{
    return Empieza(campo, "CFSeguroObligatorio") || campo == "CFSeguroTodoRiesgo";
}
// A record with the figures given as texts, the rest as a new record's.
Simulacion Registro(const std::vector<std::pair<std::string, std::string>>& campos)
{
    Simulacion s;
    for (const auto& [campo, texto] : campos) AsignarCampoDesdeTexto(s, IndiceCampo(campo), texto);
    return s;
}
bool EsError(const Aviso& a, int n) { return Empieza(a.texto, "Se ha producido el error nº " + std::to_string(n)); }

class Entradas : public ConPrograma {};
const QString kTitulo = QStringLiteral("TARVELON - Mirandel de Costes de la Valdoria");

TEST_F(Entradas, PreciosNetosComoSeTeclean)
{
    // Gross, discount and net price boxes after "txt"; gross, discount, net price shown.
    for (const auto& [cajas, bruto, descuento, neto] :
         {std::tuple{"CFCabezaPrecioBruto CFCabezaDescuentoMedio CFCabezaPrecioMedio", "80000", "10", "72.000"},
          {"CFCabezaPrecioBruto CFCabezaDescuentoMedio CFCabezaPrecioMedio", "80000", "100", ""},
          {"CVPrecioBrutoDelGasoleo CVDescuentoMediosobreCombustible CVPrecioDelGasoleo", "1,2", "5", "1,1400"},
          {"CVPrecioBrutoNeumaticos CVDescuentoMediaNeumaticos CVPrecioMedioNeumaticos", "100", "150", "-50,00"}}) {
        SCOPED_TRACE(cajas);
        const QStringList c = QString(cajas).split(' ');
        QLineEdit *b = p.Caja("txt" + c[0].toStdString()), *d = p.Caja("txt" + c[1].toStdString()),
                  *n = p.Caja("txt" + c[2].toStdString());
        b->clear();
        d->clear();
        n->setText("previo");
        QTest::keyClicks(b, bruto);
        EXPECT_EQ(n->text(), "previo");  // discount still empty
        QTest::keyClicks(d, descuento);
        EXPECT_EQ(n->text(), neto);
        n->setText("quieto");
        d->clear();  // clearing leaves the net price
        EXPECT_EQ(n->text(), "quieto");
    }
}

// Every entry box but the net prices is filled by exactly one copy button, from its own reference box.
TEST_F(Entradas, CadaBotonDeCopiaLlenaSusCajas)
{
    int n = 0;  // distinct reference texts, longer than the shortest boxes
    for (auto* ref : p.inicio->findChildren<CajaTexto*>(QRegularExpression("^MIRtxt")))
        ref->setText(QStringLiteral("%1234567,891").arg(++n));
    for (VentanaEntrada* ventana : Ventanas(p.pasos())) {
        std::map<CajaTexto*, int> copias;
        for (int i = 0; i < 12; ++i) {
            QPushButton* boton = ventana->BotonCopiar(i);
            if (!boton) continue;
            for (auto* caja : DeEntrada(ventana)) caja->clear();
            boton->click();
            for (auto* caja : DeEntrada(ventana)) {
                if (caja->text().isEmpty()) continue;
                ++copias[caja];
                const QString ref = ventana->CajaReferencia(caja->objectName().mid(3).toStdString())->text();
                EXPECT_EQ(caja->text(), ref.left(caja->maxLength())) << caja->objectName().toStdString();
            }
        }
        for (auto* caja : DeEntrada(ventana))  // net prices are worked out, not copied
            EXPECT_EQ(copias[caja],
                      QRegularExpression("PrecioMedio|PrecioDelGasoleo").match(caja->objectName()).hasMatch() ? 0 : 1)
                << caja->objectName().toStdString();
    }
}

TEST_F(Entradas, OpcionDeSeguroMuestraSuPrimaYLaEnfoca)
{
    ASSERT_TRUE(p.Abrir(4));
    CostesFijosC* c = p.pasos().costesFijosC();
    const char* cajas[] = {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"};
    const char* opciones[] = {"OptionSeguroObligatorio", "OptionSeguroObligatorioyTerceros", "OptionTodoRiesgo"};
    p.Escribir("txtCFSeguroObligatorio=1000;txtCFSeguroTodoRiesgo=5400");
    for (int elegida : {2, 0, 1}) {
        QTest::mouseClick(c->Opcion(opciones[elegida]), Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_EQ(c->OpcionElegida(), elegida + 1);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(p.Caja(cajas[i])->isVisible() + c->BotonCopiar(i)->isVisible(), 2 * (i == elegida));
        ESPERAR(p.Caja(cajas[elegida])->hasFocus());
        EXPECT_EQ(p.Caja(cajas[elegida])->selectedText(), p.Caja(cajas[elegida])->text());
    }
    EXPECT_EQ(p.Texto(cajas[2]), "5400");  // hidden boxes keep their amounts
}

TEST_F(Entradas, LecturaQueFallaSeParaEnSuFila)
{
    p.pasos().vehiculo()->EscribirTipo("Mío");
    // Box, text, error number, a field read before it, a field after it.
    for (const auto& [caja, texto, numero, leido, noLeido] :
         {std::tuple{"txtServiciosDiarios", "", 13, "Tipo", "KilometrajeAnual"},
          {"txtCVDietasNumeroDeDias", "3000000000", 6, "CVDietaMedia", "CIGastosAnuales"}}) {
        SCOPED_TRACE(caja);
        for (const auto& [campo, nombre] : Cajas()) p.Escribir(nombre, "5");
        p.Escribir(caja, texto);
        p.plataforma.Limpiar();
        Simulacion s = Registro({{noLeido, "42"}});
        EXPECT_FALSE(p.inicio->sesion().columnas().LeerColumnaSimulacion(s));
        ASSERT_EQ(p.plataforma.avisos.size(), 1u);
        EXPECT_TRUE(EsError(p.plataforma.avisos[0], numero)) << p.plataforma.avisos[0].texto;
        EXPECT_EQ(Campo(s, leido), std::string(leido) == "Tipo" ? "Mío" : "5");
        EXPECT_EQ(Campo(s, noLeido), "42");
    }
}

TEST_F(Entradas, EscrituraYLecturaDevuelvenElRegistro)
{
    ASSERT_TRUE(p.Abrir(4));
    const char* primas[] = {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"};
    for (int tipo : {1, 2, 3, 0}) {
        SCOPED_TRACE(tipo);
        std::vector<std::pair<std::string, std::string>> campos = {{"Tipo", "Frigorífico 40 t"},
                                                                   {"TipoSeguro", std::to_string(tipo)}};
        for (const auto& [campo, caja] : Cajas()) campos.emplace_back(campo, std::to_string(campos.size()));
        const Simulacion s = Registro(campos);
        p.inicio->sesion().columnas().EscribirColumnaSimulacion(s);
        // Only the chosen type's premium survives; with none, the earlier option stays.
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(p.Texto(primas[i]), i + 1 == tipo ? Campo(s, primas[i] + 3) : "0");
            EXPECT_EQ(p.Caja(primas[i])->isVisible(), i + 1 == (tipo ? tipo : 3));
        }
        Simulacion leido;
        ASSERT_TRUE(p.inicio->sesion().columnas().LeerColumnaSimulacion(leido) && p.plataforma.avisos.empty());
        EXPECT_EQ(leido.Tipo, s.Tipo);
        EXPECT_EQ(int(leido.TipoSeguro), tipo ? tipo : 3);
        for (const auto& [campo, caja] : Cajas())
            EXPECT_TRUE(EsPrima(campo) || Campo(leido, campo) == Campo(s, campo)) << campo;
    }
}

TEST_F(Entradas, CopiarTodo)
{
    p.Seleccionar(0);
    p.Menu("menuCopiarDatos")->trigger();
    EXPECT_EQ(p.plataforma.avisos.size(), 1u);  // the selection's own
    for (const auto& [campo, caja] : Cajas())
        EXPECT_TRUE(EsPrima(campo) || p.Texto(caja) == p.Texto("MIR" + caja)) << caja;
    EXPECT_TRUE(p.pasos().costesFijosC()->Opcion("OptionSeguroObligatorioyTerceros")->isChecked());
    EXPECT_EQ(p.Distintas("txtCFSeguroObligatorioYTerceros=3000;txtCFSeguroObligatorio=0;txtCFCabezaPrecioMedio=84000"),
              "");
    // Figures not saved are replaced only after a Yes.
    for (Respuesta r : {Respuesta::No, Respuesta::Si}) {
        p.Escribir("txtCFIVTM", "777");
        p.plataforma.Limpiar();
        p.plataforma.respuestas = {r};
        p.Menu("menuCopiarDatos")->trigger();
        EXPECT_EQ(p.plataforma.Textos(), Textos{kPreguntaCopiar});
        EXPECT_EQ(p.Texto("txtCFIVTM"), r == Respuesta::Si ? "500" : "777");
    }
}

// From any box a Tab lands in the next box (or option), never on a copy button.
// Every box of the input windows is a field of the table, in the window the
// table gives it, and every field the table puts in a window has its boxes there.
TEST_F(Entradas, CajasDeLaTablaDeCampos)
{
    for (int paso = 1; paso <= 7; ++paso) {
        std::set<std::string> enVentana, enTabla;
        for (auto* c : p.pasos()[paso]->findChildren<QLineEdit*>()) {
            const std::string n = c->objectName().toStdString();
            if (Empieza(n, "txt") || Empieza(n, "MIRtxt")) enVentana.insert(n);
        }
        for (const auto& f : TablaCampos()) {
            if (f.paso != static_cast<VentanaCampo>(paso)) continue;
            if (std::string_view(f.clave) != "TipoSeguro") enTabla.insert("txt" + std::string(f.sufijo));
            enTabla.insert("MIRtxt" + std::string(f.sufijo));
        }
        EXPECT_EQ(enVentana, enTabla) << "paso " << paso;
    }
    // The boxes take the lengths of their fields, also for texts the program puts there.
    p.Escribir("txtCFSeguridadSocialEmpresa=23,456;txtCFIVTM=123456789012345");
    EXPECT_EQ(p.Distintas("txtCFSeguridadSocialEmpresa=23,45;txtCFIVTM=12345678901234"), "");
}

TEST_F(Entradas, TabulacionDeCajaEnCaja)
{
    p.Seleccionar(0);
    for (int paso = 1; paso <= 7; ++paso) {
        ASSERT_TRUE(p.Abrir(paso));
        std::vector<CajaTexto*> cajas = DeEntrada(p.pasos().DePaso(paso));
        EnfocarCaja(cajas.front());
        for (size_t i = 1; i < cajas.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_FALSE(qobject_cast<QPushButton*>(QApplication::focusWidget())) << "paso " << paso << " " << i;
        }
    }
}

TEST_F(Entradas, ComprobacionAlSalirDeDatosGenerales)
{
    const std::string todos =
        "Se ha producido el siguiente(s) error(es): \r\n"
        "El campo Kilometraje anual debe tener un valor mayor que 0\r\n"
        "El campo Servicios Diarios debe tener un valor mayor que 0\r\n"
        "El campo Kilometraje anual en vacio debe estar relleno\r\n"
        "¿Desea corregir los errores?";
    // The boxes' texts and the question asked (empty: none).
    for (const auto& [textos, pregunta] : {std::pair{"0,5;;", todos}, {"0.5;12,5;0", std::string()}})
        for (Respuesta respuesta : {Respuesta::Si, Respuesta::No}) {
            SCOPED_TRACE(textos + std::string(respuesta == Respuesta::Si ? " Sí" : " No"));
            p.Reiniciar();  // a fresh main window each round
            p.plataforma.Limpiar();
            Programa& q = p;
            ASSERT_TRUE(q.Abrir(1));
            const QStringList t = QString(textos).split(';');
            q.Escribir("txtKilometrajeAnual=" + t[0].toStdString() + ";txtServiciosDiarios=" + t[1].toStdString() +
                       ";txtDGKilometrajeAnualEnVacio=" + t[2].toStdString());
            q.Caja("txtDGKilometrajeAnualEnVacio")->setFocus();
            ESPERAR(q.Caja("txtDGKilometrajeAnualEnVacio")->hasFocus());
            q.plataforma.respuestas = {respuesta};
            // A real box moves the focus while it is open: that must not start the check again.
            q.plataforma.alMostrar = [&q, veces = 0](const Aviso&) mutable {
                if (veces++ > 0) return;
                q.Caja("txtKilometrajeAnual")->setFocus();
                q.Paso(3)->setFocus();
            };
            q.Paso(3)->setFocus();  // another window
            QTest::qWait(20);
            EXPECT_EQ(q.plataforma.Textos(), pregunta.empty() ? Textos{} : Textos{pregunta});
            if (pregunta.empty()) continue;
            EXPECT_EQ(q.plataforma.avisos[0].botones, Botones::SiNo);
            ESPERAR((respuesta == Respuesta::Si ? static_cast<QWidget*>(q.Caja("txtKilometrajeAnual")) : q.Paso(3))
                        ->hasFocus());
        }
}

TEST_F(Entradas, ClicEnOtroPasoConErroresNoCambiaDePaso)
{
    ASSERT_TRUE(p.Abrir(1));
    p.Caja("txtKilometrajeAnual")->setFocus();
    ESPERAR(p.Caja("txtKilometrajeAnual")->hasFocus());
    p.plataforma.respuestas = {Respuesta::Si};
    QTest::mouseClick(p.Paso(2), Qt::LeftButton);
    QTest::qWait(20);
    EXPECT_EQ(p.plataforma.avisos.size(), 1u);
    EXPECT_TRUE(p.pasos().datosGenerales()->isVisible() && !p.pasos()[Pasos::kCostesFijosA]->isVisible());
    p.inicio->OcultarForms();  // hidden first, as a load does: no check
    p.Paso(2)->setFocus();
    QTest::qWait(20);
    EXPECT_EQ(p.plataforma.avisos.size(), 1u);
}

TEST_F(Entradas, SeleccionarCargaAmbasColumnas)
{
    EXPECT_FALSE(p.Menu("menuArchivoGuardar")->isEnabled() || p.Menu("menuCopiarDatos")->isEnabled());
    p.inicio->PulsarPaso(0);
    p.pasos().vehiculo()->cbSeleccionarVehiculo()->setEditText("Rígido");  // typing does not choose
    p.pasos().vehiculo()->btSeleccionar_Click();
    EXPECT_EQ(p.plataforma.Textos(), Textos{"Debe seleccionar el tipo de vehículo"});
    EXPECT_FALSE(p.Paso(1)->isEnabled());

    p.Escribir("txtKilometrajeAnual", "5");  // typed before: replaced
    p.Seleccionar(0);
    EXPECT_EQ(p.inicio->windowTitle(), kTitulo + " - Frigorífico 40 t");
    EXPECT_EQ(p.Distintas("txtDGPotenciaCV=460;MIRtxtKilometrajeAnual=120000;MIRtxtTipoSeguro=2;txtKilometrajeAnual=0"),
              "");
    for (int i = 1; i < Indice::kPasos; ++i) EXPECT_TRUE(p.Paso(i)->isEnabled());
    EXPECT_TRUE(p.Menu("menuArchivoGuardar")->isEnabled() && p.Menu("menuCopiarDatos")->isEnabled());

    p.Escribir("txtCFIVTM", "777");
    p.Seleccionar(1);  // a second selection starts the simulation again
    EXPECT_EQ(p.Distintas("txtCFIVTM=0;MIRtxtKilometrajeAnual=60000;MIRtxtCFIVTM=0"), "");
    p.Escribir("txtCFIVTM", "777");
    p.plataforma.Limpiar();
    p.Seleccionar(2);  // its block line is "Tipo= Espacio": fails and changes nothing
    ASSERT_EQ(p.plataforma.avisos.size(), 1u);
    EXPECT_TRUE(EsError(p.plataforma.avisos[0], 9));
    EXPECT_EQ(p.Distintas("txtCFIVTM=777;MIRtxtKilometrajeAnual=60000"), "");
    EXPECT_EQ(p.inicio->windowTitle(), kTitulo + " - Rígido");
}

}  // namespace
