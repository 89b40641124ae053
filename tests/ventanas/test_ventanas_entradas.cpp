// The input windows: box kinds and lengths, select-all on entry, net prices,
// copy buttons, the insurance options and the tab sequence.
#include <map>
#include <set>

#include <QLabel>
#include <QRadioButton>

#include "ApoyoVentanas.h"
#include "windows/CajaTexto.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {
const std::map<std::string, int> kLongitudes = {
    {"txtServiciosDiarios", 14}, {"txtKilometrajeAnual", 14}, {"txtDGKilometrajeAnualEnVacio", 14},
    {"txtCFHorasAnualesTrabajadas", 7}, {"txtCFDiasDeActividad", 6}, {"txtCFSeguridadSocialEmpresa", 5},
    {"txtCFRetribucionOrdinaria1ConductorMecanico", 10}, {"txtCFPlusDeAsistencia", 10}, {"txtCFVisado", 10},
};

// Derived net price boxes: window, whether they can be typed into.
const std::map<std::string, bool> kDerivadas = {
    {"txtCFCabezaPrecioMedio", true},
    {"txtCFSemiPrecioMedio", true},
    {"txtCVPrecioDelGasoleo", false},
    {"txtCVPrecioMedioNeumaticos", false},
};

std::vector<VentanaEntrada*> Entradas(const Inicio& i)
{
    return {i.datosGenerales(),   i.costesFijosA(),     i.costesFijosB(),    i.costesFijosC(),
            i.costesVariablesA(), i.costesVariablesB(), i.costesIndirectos()};
}

bool EsReferencia(const QString& nombre) { return nombre.startsWith(QLatin1String("MIRtxt")); }
}  // namespace

class PruebaEntradas : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AsegurarAplicacion(); }

    void CajasPorVentanaConSuClaseYLongitud()
    {
        Programa p;
        const std::map<std::string, int> entradasPorVentana = {
            {"DatosGenerales", 5},   {"CostesFijosA", 11},     {"CostesFijosB", 10},    {"CostesFijosC", 6},
            {"CostesVariablesA", 5}, {"CostesVariablesB", 7}, {"CostesIndirectos", 1},
        };
        for (VentanaEntrada* v : Entradas(*p.inicio)) {
            int entradas = 0;
            for (auto* caja : v->findChildren<CajaTexto*>()) {
                const std::string nombre = caja->objectName().toStdString();
                if (EsReferencia(caja->objectName())) {
                    QVERIFY2(caja->isReadOnly(), nombre.c_str());
                    QCOMPARE(caja->maxLength(), 14);
                    QVERIFY(!(caja->focusPolicy() & Qt::TabFocus));
                    continue;
                }
                auto derivada = kDerivadas.find(nombre);
                if (derivada != kDerivadas.end()) {
                    QCOMPARE(caja->isReadOnly(), !derivada->second);
                    QVERIFY2(!(caja->focusPolicy() & Qt::TabFocus), nombre.c_str());
                    QCOMPARE(caja->maxLength(), 14);
                    continue;
                }
                ++entradas;
                QVERIFY(!caja->isReadOnly());
                QVERIFY(caja->focusPolicy() & Qt::TabFocus);
                auto l = kLongitudes.find(nombre);
                QCOMPARE(caja->maxLength(), l == kLongitudes.end() ? 14 : l->second);
                // Every simulation box has its reference twin.
                QVERIFY2(v->findChild<QLineEdit*>(QStringLiteral("MIR") + caja->objectName()), nombre.c_str());
            }
            QCOMPARE(entradas, entradasPorVentana.at(v->objectName().toStdString()));
        }
        QVERIFY(p.Caja("MIRtxtTipoSeguro")->isHidden());
        QVERIFY(p.Caja("MIRtxtTipoSeguro")->isReadOnly());
    }

    void EtiquetasYTitulos()
    {
        Programa p;
        auto etiqueta = [&](VentanaEntrada* v, const char* nombre) {
            return v->findChild<QLabel*>(QString::fromLatin1(nombre))->text();
        };
        QCOMPARE(p.inicio->datosGenerales()->windowTitle(), QStringLiteral("1-DATOS GENERALES"));
        QCOMPARE(etiqueta(p.inicio->datosGenerales(), "lblCFHorasAnualesTrabajadas"),
                 QStringLiteral("Horas anuales trabajadas"));
        QCOMPARE(etiqueta(p.inicio->datosGenerales(), "MIRlblCFHorasAnualesTrabajadas"),
                 QStringLiteral("Horas laborales básicas anuales"));
        QCOMPARE(etiqueta(p.inicio->costesVariablesA(), "lblCVPrecioBrutoDelGasoleo"),
                 QStringLiteral("Precio bruto del gasóleo SIN IVA (€/litro) "));
        QCOMPARE(etiqueta(p.inicio->costesFijosC(), "lblCFSeguroMercancia"), QStringLiteral("Seguro mercancía  (€/año)"));
        QCOMPARE(p.inicio->costesFijosC()->Opcion("OptionSeguroObligatorio")->text(),
                 QStringLiteral("Solo Obligatorio  (€/año)"));
        QCOMPARE(p.inicio->costesVariablesB()->windowTitle(),
                 QStringLiteral("6-Costes Variables B - NEUMÁTICOS, MANTENIM. Y REPARACIÓN, PEAJES"));
        for (VentanaEntrada* v : Entradas(*p.inicio)) {
            QCOMPARE(v->findChild<QLabel*>(QStringLiteral("lblDatosSimulacion"))->text(),
                     QStringLiteral("DATOS DE SIMULACIÓN"));
            QCOMPARE(v->findChild<QLabel*>(QStringLiteral("lblDatosMirandel"))->text(),
                     QStringLiteral("DATOS DEL MIRANDEL"));
        }
    }

    void TecleoLimitadoYTextosCortados()
    {
        Programa p;
        QLineEdit* km = p.Caja("txtKilometrajeAnual");
        QTest::keyClicks(km, QStringLiteral("123456789012345"));
        QCOMPARE(km->text(), QStringLiteral("12345678901234"));
        QLineEdit* ss = p.Caja("txtCFSeguridadSocialEmpresa");
        EscribirTexto(ss, "23,456");
        QCOMPARE(ss->text(), QStringLiteral("23,45"));
        QLineEdit* dias = p.Caja("txtCFDiasDeActividad");
        QTest::keyClicks(dias, QStringLiteral("12345678"));
        QCOMPARE(dias->text(), QStringLiteral("123456"));
    }

    void CorteQueConservaElExponente_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("maximo");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("cabe") << "1,5E-05" << 14 << "1,5E-05";
        QTest::newRow("sin exponente") << "0,333333333333333" << 14 << "0,333333333333";
        QTest::newRow("exponente negativo") << "1,23456789012345E-04" << 14 << "1,23456789E-04";
        QTest::newRow("exponente positivo") << "1,23456789012346E+15" << 14 << "1,23456789E+15";
        QTest::newRow("negativo") << "-1,23456789012345E+20" << 14 << "-1,2345678E+20";
        QTest::newRow("caja de 5") << "1,5E-05" << 5 << "1E-05";
        QTest::newRow("ceros al final") << "1,20000000000001E+20" << 14 << "1,2E+20";
        QTest::newRow("no es un numero") << "abcdefE+0512345" << 14 << "abcdefE+051234";
    }
    void CorteQueConservaElExponente()
    {
        QFETCH(QString, texto);
        QFETCH(int, maximo);
        QFETCH(QString, esperado);
        QCOMPARE(QString::fromStdString(CortarParaCaja(texto.toStdString(), static_cast<size_t>(maximo))), esperado);
    }

    void EntrarSeleccionaTodo()
    {
        Programa p;
        p.Mostrar();
        p.inicio->HabilitarPasos();
        p.Paso(1)->click();
        QLineEdit* km = p.Caja("txtKilometrajeAnual");
        km->setText(QStringLiteral("12345"));
        km->setFocus();
        QTRY_VERIFY(km->hasFocus());
        QCOMPARE(km->selectedText(), QStringLiteral("12345"));
        QTest::keyClick(km, Qt::Key_7);
        QCOMPARE(km->text(), QStringLiteral("7"));

        // By a click, and by the tab key.
        QLineEdit* horas = p.Caja("txtCFHorasAnualesTrabajadas");
        horas->setText(QStringLiteral("1800"));
        QTest::mouseClick(horas, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(horas->hasFocus());
        QCOMPARE(horas->selectedText(), QStringLiteral("1800"));
        QLineEdit* dias = p.Caja("txtCFDiasDeActividad");
        dias->setText(QStringLiteral("225"));
        QTest::keyClick(horas, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // past the copy button
        QVERIFY(dias->hasFocus());
        QCOMPARE(dias->selectedText(), QStringLiteral("225"));

        // A reference box does not select on entry.
        QLineEdit* ref = p.Caja("MIRtxtKilometrajeAnual");
        ref->setText(QStringLiteral("120000"));
        ref->setCursorPosition(0);
        QTest::mouseClick(ref, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(ref->selectedText().isEmpty());
    }

    void PreciosNetos_data()
    {
        QTest::addColumn<QString>("bruto");
        QTest::addColumn<QString>("descuento");
        QTest::addColumn<QString>("derivada");
        QTest::addColumn<QString>("textoBruto");
        QTest::addColumn<QString>("textoDescuento");
        QTest::addColumn<QString>("esperado");
        QTest::newRow("cabeza") << "txtCFCabezaPrecioBruto" << "txtCFCabezaDescuentoMedio" << "txtCFCabezaPrecioMedio"
                                << "80000" << "10" << "72.000";
        QTest::newRow("cabeza 100 %") << "txtCFCabezaPrecioBruto" << "txtCFCabezaDescuentoMedio"
                                      << "txtCFCabezaPrecioMedio" << "80000" << "100" << "";
        QTest::newRow("semi, media a redondear") << "txtCFSemiPrecioBruto" << "txtCFSemiDescuentoMedio"
                                                 << "txtCFSemiPrecioMedio" << "84999,5" << "0" << "85.000";
        QTest::newRow("gasoleo") << "txtCVPrecioBrutoDelGasoleo" << "txtCVDescuentoMediosobreCombustible"
                                 << "txtCVPrecioDelGasoleo" << "1,2" << "5" << "1,1400";
        QTest::newRow("neumaticos") << "txtCVPrecioBrutoNeumaticos" << "txtCVDescuentoMediaNeumaticos"
                                    << "txtCVPrecioMedioNeumaticos" << "1500" << "10" << "1.350,00";
        QTest::newRow("neumaticos negativo") << "txtCVPrecioBrutoNeumaticos" << "txtCVDescuentoMediaNeumaticos"
                                             << "txtCVPrecioMedioNeumaticos" << "100" << "150" << "-50,00";
    }
    void PreciosNetos()
    {
        QFETCH(QString, bruto);
        QFETCH(QString, descuento);
        QFETCH(QString, derivada);
        QFETCH(QString, textoBruto);
        QFETCH(QString, textoDescuento);
        QFETCH(QString, esperado);
        Programa p;
        QLineEdit* b = p.Caja(bruto.toLatin1().constData());
        QLineEdit* d = p.Caja(descuento.toLatin1().constData());
        QLineEdit* n = p.Caja(derivada.toLatin1().constData());
        n->setText(QStringLiteral("previo"));
        QTest::keyClicks(b, textoBruto);
        QCOMPARE(n->text(), QStringLiteral("previo"));  // discount still empty
        QTest::keyClicks(d, textoDescuento);
        QCOMPARE(n->text(), esperado);
        // Clearing the discount leaves the net price; typing it again recomputes.
        n->setText(QStringLiteral("quieto"));
        d->clear();
        QCOMPARE(n->text(), QStringLiteral("quieto"));
        QTest::keyClicks(d, textoDescuento);
        QCOMPARE(n->text(), esperado);
        // A text that is not a number leaves it too.
        QTest::keyClicks(b, QStringLiteral("x"));
        QCOMPARE(n->text(), esperado);
    }

    void BotonesDeCopia_data()
    {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("copiadas");
        auto fila = [](const char* v, int i, QStringList c) {
            QTest::addRow("%s %d", v, i) << QString::fromLatin1(v) << i << c;
        };
        fila("DatosGenerales", 0, {"ServiciosDiarios"});
        fila("DatosGenerales", 1, {"KilometrajeAnual"});
        fila("DatosGenerales", 2, {"DGKilometrajeAnualEnVacio"});
        fila("DatosGenerales", 3, {"CFHorasAnualesTrabajadas"});
        fila("DatosGenerales", 4, {"CFDiasDeActividad"});
        fila("CostesFijosA", 0, {"CFCabezaPrecioBruto", "CFSemiPrecioBruto"});
        fila("CostesFijosA", 1, {"CFCabezaDescuentoMedio", "CFSemiDescuentoMedio"});
        fila("CostesFijosA", 3, {"CFCabezaValorResidual", "CFSemiValorResidual"});
        fila("CostesFijosA", 4, {"CFCabezaPeriodoAmortizacion", "CFSemiPeriodoAmortizacion"});
        fila("CostesFijosA", 5, {"CFVehiculoCuantiaAFinanciar"});
        fila("CostesFijosA", 6, {"CFPeriodoAFinanciar"});
        fila("CostesFijosA", 7, {"CFTAE"});
        const char* b[] = {"CFSeguridadSocialEmpresa", "CFRetribucionOrdinaria1ConductorMecanico", "CFPlusDeAsistencia",
                           "CFVisado", "CFIVTM", "CFITV", "CFIAE", "CFCosteRevisionTacografo", "CFATP", "CFADR"};
        for (int i = 0; i < 10; ++i) fila("CostesFijosB", i, {b[i]});
        const char* c[] = {"CFSeguroObligatorio", "CFSeguroObligatorioYTerceros", "CFSeguroTodoRiesgo",
                           "CFSeguroMercancia", "CFResponsabilidadCivil", "CFOtrosGastosFijos"};
        for (int i = 0; i < 6; ++i) fila("CostesFijosC", i, {c[i]});
        const char* va[] = {"CVPrecioBrutoDelGasoleo", "CVDescuentoMediosobreCombustible", "CVConsumoMedio",
                            "CVDietaMedia", "CVDietasNumeroDeDias"};
        for (int i = 0; i < 5; ++i) fila("CostesVariablesA", i, {va[i]});
        const char* vb[] = {"CVPrecioBrutoNeumaticos", "CVDescuentoMediaNeumaticos", "CVDuracionMediaDeLosNeumaticos",
                            "DGNumeroTotalDeNeumaticos", "CVMantenimientoYReparacion", "CVCosteMedioDelKMEnAutopista",
                            "CVPorcentajeServiciosQPaganPeajes"};
        for (int i = 0; i < 7; ++i) fila("CostesVariablesB", i, {vb[i]});
        fila("CostesIndirectos", 0, {"CIGastosAnuales"});
    }
    void BotonesDeCopia()
    {
        QFETCH(QString, ventana);
        QFETCH(int, indice);
        QFETCH(QStringList, copiadas);
        Programa p;
        VentanaEntrada* v = p.inicio->findChild<VentanaEntrada*>(ventana);
        QVERIFY(v);
        // Distinct reference texts, longer than the shortest boxes.
        int n = 0;
        for (auto* ref : v->findChildren<QLineEdit*>())
            if (EsReferencia(ref->objectName())) ref->setText(QStringLiteral("%1234567,891").arg(++n));
        QPushButton* boton = v->BotonCopiar(indice);
        QVERIFY(boton);
        QCOMPARE(boton->objectName(), QStringLiteral("btCopiar"));
        QCOMPARE(boton->text(), QStringLiteral("<-"));
        boton->click();
        for (auto* caja : v->findChildren<CajaTexto*>()) {
            if (caja->Tipo() != TipoCaja::Entrada) continue;
            const QString sufijo = caja->objectName().mid(3);
            if (copiadas.contains(sufijo)) {
                const QString ref = v->CajaReferencia(sufijo.toStdString())->text();
                QCOMPARE(caja->text(), ref.left(caja->maxLength()));
            } else {
                QVERIFY2(caja->text().isEmpty(), qPrintable(caja->objectName()));
            }
        }
    }

    void CopiaDePreciosRecalculaAmbosNetos()
    {
        Programa p;
        p.Escribir("MIRtxtCFCabezaPrecioBruto", "80000");
        p.Escribir("MIRtxtCFSemiPrecioBruto", "30000");
        p.Escribir("txtCFCabezaDescuentoMedio", "10");
        p.Escribir("txtCFSemiDescuentoMedio", "5");
        p.inicio->costesFijosA()->BotonCopiar(0)->click();
        QCOMPARE(p.Texto("txtCFCabezaPrecioMedio"), std::string("72.000"));
        QCOMPARE(p.Texto("txtCFSemiPrecioMedio"), std::string("28.500"));
        QVERIFY(p.inicio->costesFijosA()->BotonCopiar(2) == nullptr);
    }

    void OpcionesDeSeguro()
    {
        Programa p;
        p.Mostrar();
        p.inicio->HabilitarPasos();
        p.Paso(4)->click();
        CostesFijosC* c = p.inicio->costesFijosC();
        const char* cajas[] = {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"};
        const char* opciones[] = {"OptionSeguroObligatorio", "OptionSeguroObligatorioyTerceros", "OptionTodoRiesgo"};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(!p.Caja(cajas[i])->isVisible());
            QVERIFY(!c->BotonCopiar(i)->isVisible());
            QVERIFY(!c->Opcion(opciones[i])->isChecked());
        }
        QVERIFY(c->BotonCopiar(3)->isVisible());
        p.Escribir("txtCFSeguroObligatorio", "1000");
        p.Escribir("txtCFSeguroTodoRiesgo", "5400");
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
        // Hidden boxes keep their amounts.
        QCOMPARE(p.Texto("txtCFSeguroTodoRiesgo"), std::string("5400"));
    }

    void TabuladorSaltaReferenciasYDerivadas_data()
    {
        QTest::addColumn<int>("paso");
        for (int paso = 1; paso <= 7; ++paso) QTest::addRow("paso %d", paso) << paso;
    }
    void TabuladorSaltaReferenciasYDerivadas()
    {
        QFETCH(int, paso);
        Programa p;
        p.Mostrar();
        p.inicio->HabilitarPasos();
        if (paso == 4) p.inicio->costesFijosC()->ElegirOpcion(1);
        p.Paso(paso)->click();
        auto* v = static_cast<VentanaEntrada*>(p.inicio->VentanaDePaso(paso));
        std::set<QWidget*> esperadas;
        for (auto* caja : v->findChildren<CajaTexto*>())
            if (caja->Tipo() == TipoCaja::Entrada && caja->isVisible()) esperadas.insert(caja);
        QWidget* primero = nullptr;
        for (auto* caja : v->findChildren<CajaTexto*>())
            if (esperadas.count(caja)) {
                primero = caja;
                break;
            }
        primero->setFocus();
        QTRY_VERIFY(primero->hasFocus());
        std::set<QWidget*> visitadas;
        for (int i = 0; i < 80; ++i) {
            QWidget* f = QApplication::focusWidget();
            if (!v->isAncestorOf(f)) break;
            if (!visitadas.insert(f).second) break;
            QVERIFY2(!EsReferencia(f->objectName()), qPrintable(f->objectName()));
            QVERIFY2(!kDerivadas.count(f->objectName().toStdString()), qPrintable(f->objectName()));
            QVERIFY2(qobject_cast<QLineEdit*>(f) || qobject_cast<QAbstractButton*>(f), qPrintable(f->objectName()));
            QTest::keyClick(f, Qt::Key_Tab);
        }
        for (QWidget* w : esperadas) QVERIFY2(visitadas.count(w), qPrintable(w->objectName()));
    }
};

QTEST_MAIN(PruebaEntradas)
#include "test_ventanas_entradas.moc"
