// The input windows (box kinds and lengths, select-all on entry, net prices,
// copy buttons, insurance options, tab sequence), the four column transfers,
// copy-all and the general-data window's check.
#include <set>

#include <QLabel>

#include "Apoyo.h"
#include "data/Texto.h"
#include "model/Numeros.h"
#include "windows/CajaTexto.h"
#include "windows/SeleccionarVehiculo.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {
std::vector<VentanaEntrada*> Entradas(const Inicio& i)
{
    return {i.datosGenerales(),   i.costesFijosA(),     i.costesFijosB(),    i.costesFijosC(),
            i.costesVariablesA(), i.costesVariablesB(), i.costesIndirectos()};
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
Simulacion Registro(const Programa::Textos& campos)
{
    Simulacion s;
    for (const auto& [campo, texto] : campos) AsignarCampoDesdeTexto(s, IndiceCampo(campo), texto);
    return s;
}
bool EsError(const Aviso& a, int numero)
{
    return Empieza(a.texto, "Se ha producido el error nº " + std::to_string(numero) + " ( ") &&
           a.texto.substr(a.texto.size() - 2) == ") " && a.icono == Icono::Critico && a.titulo == "TARVELON";
}
}  // namespace

class PruebaEntradas : public QObject {
    Q_OBJECT
private slots:
    void CajasEtiquetasYTitulos()
    {
        Programa p;
        const std::map<QString, int> cortas = {
            {"txtCFHorasAnualesTrabajadas", 7}, {"txtCFDiasDeActividad", 6},
            {"txtCFSeguridadSocialEmpresa", 5}, {"txtCFRetribucionOrdinaria1ConductorMecanico", 10},
            {"txtCFPlusDeAsistencia", 10},      {"txtCFVisado", 10}};
        // Net price boxes, and whether they can be typed into.
        const std::map<QString, bool> netos = {{"txtCFCabezaPrecioMedio", true},
                                               {"txtCFSemiPrecioMedio", true},
                                               {"txtCVPrecioDelGasoleo", false},
                                               {"txtCVPrecioMedioNeumaticos", false}};
        const size_t entradas[] = {5, 11, 10, 6, 5, 7, 1};
        for (int v = 0; v < 7; ++v) {
            VentanaEntrada* ventana = Entradas(*p.inicio)[v];
            for (auto* caja : ventana->findChildren<CajaTexto*>()) {
                const QString nombre = caja->objectName();
                const bool referencia = nombre.startsWith("MIR"), neto = netos.count(nombre);
                QVERIFY2(caja->isReadOnly() == (referencia || (neto && !netos.at(nombre))), qPrintable(nombre));
                QCOMPARE(bool(caja->focusPolicy() & Qt::TabFocus), !referencia && !neto);
                QCOMPARE(caja->maxLength(), cortas.count(nombre) ? cortas.at(nombre) : 14);
                if (!referencia && !neto) QVERIFY2(ventana->findChild<QLineEdit*>("MIR" + nombre), qPrintable(nombre));
            }
            QCOMPARE(DeEntrada(ventana).size(), entradas[v]);
            QCOMPARE(En<QLabel>(ventana, "lblDatosSimulacion")->text(), QStringLiteral("DATOS DE SIMULACIÓN"));
            QCOMPARE(En<QLabel>(ventana, "lblDatosMirandel")->text(), QStringLiteral("DATOS DEL MIRANDEL"));
        }
        QVERIFY(p.Caja("MIRtxtTipoSeguro")->isHidden() && p.Caja("MIRtxtTipoSeguro")->isReadOnly());
        QCOMPARE(p.inicio->costesVariablesB()->windowTitle(),
                 QStringLiteral("6-Costes Variables B - NEUMÁTICOS, MANTENIM. Y REPARACIÓN, PEAJES"));
        for (const auto& [nombre, texto] :
             {std::pair{"MIRlblCFHorasAnualesTrabajadas", "Horas laborales básicas anuales"},
              {"lblCVPrecioBrutoDelGasoleo", "Precio bruto del gasóleo SIN IVA (€/litro) "},
              {"lblCFSeguroMercancia", "Seguro mercancía  (€/año)"}})
            QCOMPARE(p.Hijo<QLabel>(nombre)->text(), QString::fromUtf8(texto));
    }

    void TecleoLimitadoYTextosCortados()
    {
        Programa p;
        QTest::keyClicks(p.Caja("txtKilometrajeAnual"), QStringLiteral("123456789012345"));
        QTest::keyClicks(p.Caja("txtCFDiasDeActividad"), QStringLiteral("12345678"));
        EscribirTexto(p.Caja("txtCFSeguridadSocialEmpresa"), "23,456");
        QCOMPARE(
            p.Distintas(
                "txtKilometrajeAnual=12345678901234;txtCFDiasDeActividad=123456;txtCFSeguridadSocialEmpresa=23,45"),
            std::string());
        // Too long with an exponent: fewer digits, the exponent kept.
        for (const auto& [texto, maximo, esperado] : {std::tuple{"1,5E-05", 14, "1,5E-05"},
                                                      {"0,333333333333333", 14, "0,333333333333"},
                                                      {"1,23456789012345E-04", 14, "1,23456789E-04"},
                                                      {"1,23456789012346E+15", 14, "1,23456789E+15"},
                                                      {"-1,23456789012345E+20", 14, "-1,2345678E+20"},
                                                      {"1,5E-05", 5, "1E-05"},
                                                      {"1,20000000000001E+20", 14, "1,2E+20"},
                                                      {"abcdefE+0512345", 14, "abcdefE+051234"}})
            QCOMPARE(CortarParaCaja(texto, size_t(maximo)), std::string(esperado));
    }

    void EntrarSeleccionaTodo()
    {
        Programa p;
        QVERIFY(p.Abrir(1));
        QLineEdit* km = p.Caja("txtKilometrajeAnual");
        km->setText(QStringLiteral("12345"));
        km->setFocus();
        QTRY_COMPARE(km->selectedText(), QStringLiteral("12345"));
        QTest::keyClick(km, Qt::Key_7);
        QCOMPARE(km->text(), QStringLiteral("7"));
        QLineEdit* horas = p.Caja("txtCFHorasAnualesTrabajadas");
        horas->setText(QStringLiteral("1800"));
        QTest::mouseClick(horas, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(horas->selectedText(), QStringLiteral("1800"));
        p.Escribir("txtCFDiasDeActividad", "225");
        QTest::keyClick(horas, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // past the copy button
        QCOMPARE(p.Caja("txtCFDiasDeActividad")->selectedText(), QStringLiteral("225"));
        QLineEdit* ref = p.Caja("MIRtxtKilometrajeAnual");  // a reference box does not select
        ref->setText(QStringLiteral("120000"));
        QTest::mouseClick(ref, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(ref->selectedText().isEmpty());
    }

    void PreciosNetosComoSeTeclean()
    {
        Programa p;
        // Gross, discount and net price boxes after "txt"; gross, discount, net price shown.
        for (const auto& [cajas, bruto, descuento, neto] :
             {std::tuple{"CFCabezaPrecioBruto CFCabezaDescuentoMedio CFCabezaPrecioMedio", "80000", "10", "72.000"},
              {"CFCabezaPrecioBruto CFCabezaDescuentoMedio CFCabezaPrecioMedio", "80000", "100", ""},
              {"CFSemiPrecioBruto CFSemiDescuentoMedio CFSemiPrecioMedio", "84999,5", "0", "85.000"},
              {"CVPrecioBrutoDelGasoleo CVDescuentoMediosobreCombustible CVPrecioDelGasoleo", "1,2", "5", "1,1400"},
              {"CVPrecioBrutoNeumaticos CVDescuentoMediaNeumaticos CVPrecioMedioNeumaticos", "1500", "10", "1.350,00"},
              {"CVPrecioBrutoNeumaticos CVDescuentoMediaNeumaticos CVPrecioMedioNeumaticos", "100", "150", "-50,00"}}) {
            const QStringList c = QString(cajas).split(' ');
            QLineEdit *b = p.Caja("txt" + c[0].toStdString()), *d = p.Caja("txt" + c[1].toStdString()),
                      *n = p.Caja("txt" + c[2].toStdString());
            b->clear();
            d->clear();
            n->setText(QStringLiteral("previo"));
            QTest::keyClicks(b, bruto);
            QCOMPARE(n->text(), QStringLiteral("previo"));  // discount still empty
            QTest::keyClicks(d, descuento);
            QCOMPARE(n->text(), QString(neto));
            n->setText(QStringLiteral("quieto"));
            d->clear();  // clearing leaves the net price
            QCOMPARE(n->text(), QStringLiteral("quieto"));
            QTest::keyClicks(d, descuento);
            QTest::keyClicks(b, QStringLiteral("x"));  // not a number: left as it is
            QCOMPARE(n->text(), QString(neto));
        }
    }

    void BotonesDeCopiaPorIndice()
    {
        // Per window, the boxes each copy button fills, by index ("-": no button).
        const QStringList copias = {
            "ServiciosDiarios KilometrajeAnual DGKilometrajeAnualEnVacio CFHorasAnualesTrabajadas CFDiasDeActividad",
            "CFCabezaPrecioBruto+CFSemiPrecioBruto CFCabezaDescuentoMedio+CFSemiDescuentoMedio - "
            "CFCabezaValorResidual+CFSemiValorResidual CFCabezaPeriodoAmortizacion+CFSemiPeriodoAmortizacion "
            "CFVehiculoCuantiaAFinanciar CFPeriodoAFinanciar CFTAE",
            "CFSeguridadSocialEmpresa CFRetribucionOrdinaria1ConductorMecanico CFPlusDeAsistencia CFVisado CFIVTM "
            "CFITV "
            "CFIAE CFCosteRevisionTacografo CFATP CFADR",
            "CFSeguroObligatorio CFSeguroObligatorioYTerceros CFSeguroTodoRiesgo CFSeguroMercancia "
            "CFResponsabilidadCivil CFOtrosGastosFijos",
            "CVPrecioBrutoDelGasoleo CVDescuentoMediosobreCombustible CVConsumoMedio CVDietaMedia CVDietasNumeroDeDias",
            "CVPrecioBrutoNeumaticos CVDescuentoMediaNeumaticos CVDuracionMediaDeLosNeumaticos "
            "DGNumeroTotalDeNeumaticos "
            "CVMantenimientoYReparacion CVCosteMedioDelKMEnAutopista CVPorcentajeServiciosQPaganPeajes",
            "CIGastosAnuales"};
        Programa p;
        int n = 0;  // distinct reference texts, longer than the shortest boxes
        for (auto* ref : p.inicio->findChildren<CajaTexto*>(QRegularExpression("^MIRtxt")))
            ref->setText(QStringLiteral("%1234567,891").arg(++n));
        for (int v = 0; v < copias.size(); ++v) {
            VentanaEntrada* ventana = Entradas(*p.inicio)[v];
            const QStringList botones = copias[v].split(' ');
            QVERIFY(ventana->BotonCopiar(botones.size()) == nullptr);
            for (int i = 0; i < botones.size(); ++i) {
                QPushButton* boton = ventana->BotonCopiar(i);
                QVERIFY((boton == nullptr) == (botones[i] == "-"));
                if (!boton) continue;
                QCOMPARE(boton->objectName() + boton->text(), QStringLiteral("btCopiar<-"));
                for (auto* caja : DeEntrada(ventana)) caja->clear();
                boton->click();
                for (auto* caja : DeEntrada(ventana)) {
                    const QString sufijo = caja->objectName().mid(3);
                    const QString ref = ventana->CajaReferencia(sufijo.toStdString())->text();
                    const bool copiada = botones[i].split('+').contains(sufijo);
                    QVERIFY2(caja->text() == (copiada ? ref.left(caja->maxLength()) : QString()),
                             qPrintable(ventana->objectName() + " " + caja->objectName()));
                }
            }
        }
        // Copying both gross prices works out both net prices.
        p.Escribir(
            "MIRtxtCFCabezaPrecioBruto=80000;MIRtxtCFSemiPrecioBruto=30000;txtCFCabezaDescuentoMedio="
            "10;txtCFSemiDescuentoMedio=5");
        p.inicio->costesFijosA()->BotonCopiar(0)->click();
        QCOMPARE(p.Distintas("txtCFCabezaPrecioMedio=72.000;txtCFSemiPrecioMedio=28.500"), std::string());
    }

    void OpcionesDeSeguroYActualiza()
    {
        Programa p;
        QVERIFY(p.Abrir(4));
        CostesFijosC* c = p.inicio->costesFijosC();
        const char* cajas[] = {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"};
        const char* opciones[] = {"OptionSeguroObligatorio", "OptionSeguroObligatorioyTerceros", "OptionTodoRiesgo"};
        for (int i = 0; i < 3; ++i)
            QVERIFY(!p.Caja(cajas[i])->isVisible() && !c->BotonCopiar(i)->isVisible() &&
                    !c->Opcion(opciones[i])->isChecked());
        QVERIFY(c->BotonCopiar(3)->isVisible());
        p.Escribir(cajas[0], "1000");
        p.Escribir(cajas[2], "5400");
        for (int elegida : {2, 0, 1}) {
            QTest::mouseClick(c->Opcion(opciones[elegida]), Qt::LeftButton, {}, QPoint(6, 6));
            QCOMPARE(c->OpcionElegida(), elegida + 1);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(p.Caja(cajas[i])->isVisible(), i == elegida);
                QCOMPARE(c->BotonCopiar(i)->isVisible(), i == elegida);
            }
            QTRY_VERIFY(p.Caja(cajas[elegida])->hasFocus());
            QCOMPARE(p.Caja(cajas[elegida])->selectedText(), p.Caja(cajas[elegida])->text());
        }
        QCOMPARE(p.Texto(cajas[2]), std::string("5400"));  // hidden boxes keep their amounts
    }

    void TabuladorSaltaReferenciasYNetos()
    {
        for (int paso = 1; paso <= 7; ++paso) {
            Programa p;
            if (paso == 4) p.inicio->costesFijosC()->ElegirOpcion(1);
            QVERIFY(p.Abrir(paso));
            QWidget* v = p.inicio->VentanaDePaso(paso);
            std::set<QWidget*> visitadas;
            DeEntrada(v).front()->setFocus();
            QTRY_VERIFY(DeEntrada(v).front()->hasFocus());
            for (QWidget* f = QApplication::focusWidget(); v->isAncestorOf(f) && visitadas.insert(f).second;
                 f = QApplication::focusWidget()) {
                auto* caja = qobject_cast<CajaTexto*>(f);
                QVERIFY2(caja ? caja->Tipo() == TipoCaja::Entrada : qobject_cast<QAbstractButton*>(f) != nullptr,
                         qPrintable(f->objectName()));
                QTest::keyClick(f, Qt::Key_Tab);
            }
            for (QWidget* caja : DeEntrada(v))
                QVERIFY2(caja->isHidden() || visitadas.count(caja), qPrintable(caja->objectName()));
        }
    }

    void LecturaConCasiTodoVacio()
    {
        Programa p;
        p.Escribir(
            "txtServiciosDiarios=2;txtKilometrajeAnual=1.500;txtCFCabezaPeriodoAmortizacion=2,5;"
            "txtCFSemiPeriodoAmortizacion=3,5");
        Simulacion s = Registro({{"DGRecorridoMedioPorVehiculo", "7"}});  // not transferred: stays
        QVERIFY(p.inicio->columnas().LeerColumnaSimulacion(s) && p.plataforma.avisos.empty());
        QCOMPARE(s.ServiciosDiarios, 2.0);
        QCOMPARE(s.KilometrajeAnual, 1500.0);
        QCOMPARE(s.CFCabezaPeriodoAmortizacion, 2);  // to the even neighbour
        QCOMPARE(s.CFSemiPeriodoAmortizacion, 4);
        QCOMPARE(s.TipoSeguro, int16_t(1));  // no option chosen
        QCOMPARE(s.DGRecorridoMedioPorVehiculo, 7.0);
        for (const auto& [campo, caja] : Cajas())  // empty reads 0, except in the first two rows
            if (caja.find("PeriodoAmortizacion") == std::string::npos && campo != "ServiciosDiarios" &&
                campo != "KilometrajeAnual")
                QCOMPARE(Campo(s, campo), std::string("0"));
    }

    void LecturaQueFallaSeParaEnSuFila()
    {
        Programa p;
        p.inicio->seleccionarVehiculo()->EscribirTipo("Mío");
        // Box, text, error number, a field read before it, a field after it.
        for (const auto& [caja, texto, numero, leido, noLeido] :
             {std::tuple{"txtServiciosDiarios", "", 13, "Tipo", "KilometrajeAnual"},
              {"txtKilometrajeAnual", "", 13, "ServiciosDiarios", "CFTAE"},
              {"txtCFTAE", "  ", 13, "CFPeriodoAFinanciar", "CIGastosAnuales"},
              {"txtCVConsumoMedio", "mucho", 13, "CVPrecioDelGasoleo", "CVDietaMedia"},
              {"txtCVDietasNumeroDeDias", "3000000000", 6, "CVDietaMedia", "CIGastosAnuales"}}) {
            for (const auto& [campo, nombre] : Cajas()) p.Escribir(nombre, "5");
            p.Escribir(caja, texto);
            p.plataforma.Limpiar();
            Simulacion s = Registro({{noLeido, "42"}});
            QVERIFY(!p.inicio->columnas().LeerColumnaSimulacion(s));
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));
            QVERIFY2(EsError(p.plataforma.avisos[0], numero), caja);
            QCOMPARE(s.Tipo, std::string("Mío"));
            QCOMPARE(Campo(s, leido), std::string(std::string(leido) == "Tipo" ? "Mío" : "5"));
            QCOMPARE(Campo(s, noLeido), std::string("42"));
        }
    }

    void EscrituraYLecturaDevuelvenElRegistro()
    {
        Programa p;
        QVERIFY(p.Abrir(4));
        const char* primas[] = {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"};
        for (int tipo : {1, 2, 3, 0}) {
            Programa::Textos campos = {{"Tipo", "Frigorífico 40 t"}, {"TipoSeguro", std::to_string(tipo)}};
            for (const auto& [campo, caja] : Cajas()) campos.emplace_back(campo, std::to_string(campos.size()));
            const Simulacion s = Registro(campos);
            p.inicio->columnas().EscribirColumnaSimulacion(s);
            // Only the chosen type's premium survives; with none, the earlier option stays.
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(p.Texto(primas[i]), i + 1 == tipo ? Campo(s, primas[i] + 3) : std::string("0"));
                QCOMPARE(p.Caja(primas[i])->isVisible(), i + 1 == (tipo ? tipo : 3));
            }
            Simulacion leido;
            QVERIFY(p.inicio->columnas().LeerColumnaSimulacion(leido) && p.plataforma.avisos.empty());
            QCOMPARE(leido.Tipo, s.Tipo);
            QCOMPARE(int(leido.TipoSeguro), tipo ? tipo : 3);
            for (const auto& [campo, caja] : Cajas())
                if (!EsPrima(campo)) QCOMPARE(Campo(leido, campo), Campo(s, campo));
        }
    }

    void FormasDeEscritura()
    {
        Programa p;
        // Gross and discount are written first, the record's net price last; the
        // exponent of a figure too long for its box stays.
        Simulacion s = Registro({{"KilometrajeAnual", "1234,5"},
                                 {"CFPeriodoAFinanciar", "12"},
                                 {"CFIVTM", "1,23456789012345E-05"},
                                 {"CFSeguridadSocialEmpresa", "23,456"},
                                 {"CVDietasNumeroDeDias", "-3"},
                                 {"CFCabezaPrecioBruto", "80000"},
                                 {"CFCabezaDescuentoMedio", "10"},
                                 {"CFCabezaPrecioMedio", "71000"},
                                 {"CVPrecioBrutoNeumaticos", "1500"},
                                 {"CVDescuentoMedioNeumaticos", "10"},
                                 {"CVPrecioMedioNeumaticos", "1349,5"},
                                 {"Tipo", "Tipo que no está en la lista"}});
        s.CFTAE = 1.0 / 3.0;
        p.inicio->columnas().EscribirColumnaSimulacion(s);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(p.Distintas(
                     "txtKilometrajeAnual=1234,5;txtCFPeriodoAFinanciar=12;txtCFTAE=0,333333333333;txtCFIVTM=1,"
                     "23456789E-05;txtCFSeguridadSocialEmpresa=23,45;txtCVDietasNumeroDeDias=-3;txtCFCabezaPrecioMedio="
                     "71000;txtCVPrecioMedioNeumaticos=1349,5;txtCIGastosAnuales=0"),
                 std::string());
        QCOMPARE(p.inicio->seleccionarVehiculo()->TextoTipo(), s.Tipo);
        QCOMPARE(p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->currentIndex(), -1);
        Simulacion leido;
        p.Escribir("txtServiciosDiarios", "1");
        QVERIFY(p.inicio->columnas().LeerColumnaSimulacion(leido));
        QVERIFY(leido.CFIVTM > 1.2e-5 && leido.CFIVTM < 1.3e-5);
    }

    void EscrituraYLecturaDeLaReferencia()
    {
        Programa p;
        p.inicio->columnas().EscribirColumnaReferencia(
            Registro({{"TipoSeguro", "3"}, {"DGPotenciaCV", "420"}, {"CFSeguroObligatorio", "1350"}}));
        QCOMPARE(p.Distintas(
                     {{"MIRtxtTipoSeguro", "3"}, {"MIRtxtDGPotenciaCV", "420"}, {"MIRtxtCFSeguroObligatorio", "1350"}}),
                 std::string());
        QCOMPARE(p.inicio->costesFijosC()->OpcionElegida(), 0);  // the simulation's options untouched
        Simulacion leido;
        p.inicio->columnas().LeerColumnaReferencia(leido);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(leido.TipoSeguro, int16_t(3));
        QCOMPARE(leido.CFSeguroObligatorio, 1350.0);
        p.Escribir("MIRtxtTipoSeguro", "");  // strict
        p.inicio->columnas().LeerColumnaReferencia(leido);
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QVERIFY(EsError(p.plataforma.avisos[0], 13));
    }

    void CopiarTodo()
    {
        Programa p;
        p.Seleccionar(0);
        p.Menu("menuCopiarDatos")->trigger();
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));  // the selection's own
        for (const auto& [campo, caja] : Cajas())
            if (!EsPrima(campo)) QCOMPARE(p.Texto(caja), p.Texto("MIR" + caja));
        QVERIFY(p.inicio->costesFijosC()->Opcion("OptionSeguroObligatorioyTerceros")->isChecked());
        QCOMPARE(p.Distintas("txtCFSeguroObligatorioYTerceros=3000;txtCFSeguroObligatorio=0;"
                             "txtCFSeguroTodoRiesgo=0;txtCFCabezaPrecioMedio=84000"),
                 std::string());  // the record's net price, not worked out again

        // An unreadable reference: read before it copied, after it a new record's values.
        p.Escribir("txtCIGastosAnuales=999;txtKilometrajeAnual=1;MIRtxtCFIVTM=mal");
        p.plataforma.Limpiar();
        p.inicio->menuCopiarDatos_Click();
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QVERIFY(EsError(p.plataforma.avisos[0], 13));
        QCOMPARE(p.Distintas("txtKilometrajeAnual=120000;txtCFIVTM=0;txtCIGastosAnuales=0"), std::string());
    }

    void ComprobacionAlSalirDeDatosGenerales()
    {
        const std::string cabeza = "Se ha producido el siguiente(s) error(es): \r\n",
                          pie = "¿Desea corregir los errores?",
                          km = "El campo Kilometraje anual debe tener un valor mayor que 0\r\n",
                          servicios = "El campo Servicios Diarios debe tener un valor mayor que 0\r\n",
                          vacio = "El campo Kilometraje anual en vacio debe estar relleno\r\n";
        // Kilometres, services, empty run; the question asked (empty: none).
        for (const auto& [kms, serv, vac, pregunta] : {std::tuple{"0,5", "", "", cabeza + km + servicios + vacio + pie},
                                                       {"abc", "0", "0", cabeza + km + servicios + pie},
                                                       {"0.5", "2", "", cabeza + vacio + pie},
                                                       {"0.5", "12,5", "0", std::string()}})
            for (Respuesta respuesta : {Respuesta::Si, Respuesta::No}) {
                Programa p;
                QVERIFY(p.Abrir(1));
                p.Escribir({{"txtKilometrajeAnual", kms},
                            {"txtServiciosDiarios", serv},
                            {"txtDGKilometrajeAnualEnVacio", vac}});
                p.Caja("txtDGKilometrajeAnualEnVacio")->setFocus();
                QTRY_VERIFY(p.Caja("txtDGKilometrajeAnualEnVacio")->hasFocus());
                p.Caja("txtServiciosDiarios")->setFocus();  // inside the window: no check
                QVERIFY(p.plataforma.avisos.empty());
                p.plataforma.respuestas = {respuesta};
                // A real box moves the focus while it is open: that must not start the check again.
                p.plataforma.alMostrar = [&p, veces = 0](const Aviso&) mutable {
                    if (veces++ > 0) return;
                    p.Caja("txtKilometrajeAnual")->setFocus();
                    p.Paso(3)->setFocus();
                };
                p.Paso(3)->setFocus();  // another window
                QTest::qWait(20);
                QCOMPARE(p.plataforma.Textos(), pregunta.empty() ? std::vector<std::string>{}
                                                                 : std::vector<std::string>{pregunta});  // once only
                if (pregunta.empty()) continue;
                const Aviso& a = p.plataforma.avisos[0];
                QVERIFY(a.titulo == "Mirandel de costes de la VDR" && a.icono == Icono::Critico &&
                        a.botones == Botones::SiNo);
                QWidget* foco = p.Paso(3);
                if (respuesta == Respuesta::Si) foco = p.Caja("txtKilometrajeAnual");
                QTRY_VERIFY(foco->hasFocus());
                QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string(kms));
            }
    }

    void ClicEnOtroPasoSegunLaRespuesta()
    {
        for (Respuesta respuesta : {Respuesta::Si, Respuesta::No}) {
            Programa p;
            QVERIFY(p.Abrir(1));
            p.Caja("txtKilometrajeAnual")->setFocus();
            QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
            p.plataforma.respuestas = {respuesta};
            QTest::mouseClick(p.Paso(2), Qt::LeftButton);
            QTest::qWait(20);
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));
            // Yes: back to correct, the click does not switch steps.
            QTRY_COMPARE(p.inicio->costesFijosA()->isVisible(), respuesta == Respuesta::No);
            QCOMPARE(p.inicio->datosGenerales()->isVisible(), respuesta == Respuesta::Si);
            if (respuesta == Respuesta::Si) QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
        }
        Programa p;  // hidden first, as a load does: no check
        QVERIFY(p.Abrir(1));
        p.Caja("txtKilometrajeAnual")->setFocus();
        QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
        p.inicio->OcultarForms();
        p.Paso(2)->setFocus();
        QTest::qWait(20);
        QVERIFY(p.plataforma.avisos.empty());
    }
};

QTEST_MAIN(PruebaEntradas)
#include "test_ventanas_entradas.moc"
