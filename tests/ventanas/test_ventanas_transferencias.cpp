// The four column transfers, copy-all and the general-data window's check.
#include <QAction>
#include <QRadioButton>

#include "ApoyoVentanas.h"
#include "model/Numeros.h"

using namespace tarvelon;
using namespace tarvelon::prueba;

namespace {
// Fields moved by the transfers, with the simulation box of each (none for the
// type and the insurance type).
const std::vector<std::pair<const char*, const char*>>& Transferidos()
{
    static const std::vector<std::pair<const char*, const char*>> t = {
        {"ServiciosDiarios", "txtServiciosDiarios"}, {"KilometrajeAnual", "txtKilometrajeAnual"},
        {"DGKilometrajeAnualEnVacio", "txtDGKilometrajeAnualEnVacio"}, {"DGPotenciaCV", "txtDGPotenciaCV"},
        {"DGPesoMaximoAutorizado", "txtDGPesoMaximoAutorizado"}, {"DGCargaUtil", "txtDGCargaUtil"},
        {"DGNumeroDeEjes", "txtDGNumeroDeEjes"}, {"CFCabezaPrecioBruto", "txtCFCabezaPrecioBruto"},
        {"CFCabezaDescuentoMedio", "txtCFCabezaDescuentoMedio"}, {"CFCabezaPrecioMedio", "txtCFCabezaPrecioMedio"},
        {"CFCabezaValorResidual", "txtCFCabezaValorResidual"},
        {"CFCabezaPeriodoAmortizacion", "txtCFCabezaPeriodoAmortizacion"},
        {"CFSemiPrecioBruto", "txtCFSemiPrecioBruto"}, {"CFSemiDescuentoMedio", "txtCFSemiDescuentoMedio"},
        {"CFSemiPrecioMedio", "txtCFSemiPrecioMedio"}, {"CFSemiValorResidual", "txtCFSemiValorResidual"},
        {"CFSemiPeriodoAmortizacion", "txtCFSemiPeriodoAmortizacion"},
        {"CFVehiculoCuantiaAFinanciar", "txtCFVehiculoCuantiaAFinanciar"},
        {"CFPeriodoAFinanciar", "txtCFPeriodoAFinanciar"}, {"CFTAE", "txtCFTAE"},
        {"CFHorasAnualesTrabajadas", "txtCFHorasAnualesTrabajadas"}, {"CFDiasDeActividad", "txtCFDiasDeActividad"},
        {"CFSeguridadSocialEmpresa", "txtCFSeguridadSocialEmpresa"},
        {"CFRetribucionOrdinaria1ConductorMecanico", "txtCFRetribucionOrdinaria1ConductorMecanico"},
        {"CFPlusDeAsistencia", "txtCFPlusDeAsistencia"}, {"CFVisado", "txtCFVisado"}, {"CFIVTM", "txtCFIVTM"},
        {"CFITV", "txtCFITV"}, {"CFIAE", "txtCFIAE"}, {"CFATP", "txtCFATP"}, {"CFADR", "txtCFADR"},
        {"CFCosteRevisionTacografo", "txtCFCosteRevisionTacografo"},
        {"CFSeguroObligatorioYTerceros", "txtCFSeguroObligatorioYTerceros"},
        {"CFResponsabilidadCivil", "txtCFResponsabilidadCivil"}, {"CFSeguroMercancia", "txtCFSeguroMercancia"},
        {"CFOtrosGastosFijos", "txtCFOtrosGastosFijos"}, {"CVPrecioBrutoDelGasoleo", "txtCVPrecioBrutoDelGasoleo"},
        {"CVDescuentoMedioSobreCombustible", "txtCVDescuentoMediosobreCombustible"},
        {"CVPrecioDelGasoleo", "txtCVPrecioDelGasoleo"}, {"CVConsumoMedio", "txtCVConsumoMedio"},
        {"CVDietaMedia", "txtCVDietaMedia"}, {"CVDietasNumeroDeDias", "txtCVDietasNumeroDeDias"},
        {"DGNumeroTotalDeNeumaticos", "txtDGNumeroTotalDeNeumaticos"},
        {"CVPrecioBrutoNeumaticos", "txtCVPrecioBrutoNeumaticos"},
        {"CVDescuentoMedioNeumaticos", "txtCVDescuentoMediaNeumaticos"},
        {"CVPrecioMedioNeumaticos", "txtCVPrecioMedioNeumaticos"},
        {"CVDuracionMediaDeLosNeumaticos", "txtCVDuracionMediaDeLosNeumaticos"},
        {"CVMantenimientoYReparacion", "txtCVMantenimientoYReparacion"},
        {"CVCosteMedioDelKMEnAutopista", "txtCVCosteMedioDelKMEnAutopista"},
        {"CVPorcentajeDeServiciosQPaganPEajes", "txtCVPorcentajeServiciosQPaganPeajes"},
        {"CIGastosAnuales", "txtCIGastosAnuales"},
    };
    return t;
}

std::string Campo(const Simulacion& s, const char* nombre) { return TextoDeCampo(s, IndiceCampo(nombre)); }

const char* kPregunta =
    "Se ha producido el siguiente(s) error(es): \r\n"
    "El campo Kilometraje anual debe tener un valor mayor que 0\r\n"
    "El campo Servicios Diarios debe tener un valor mayor que 0\r\n"
    "El campo Kilometraje anual en vacio debe estar relleno\r\n"
    "¿Desea corregir los errores?";
}  // namespace

class PruebaTransferencias : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { AsegurarAplicacion(); }

    void LecturaConCasiTodoVacio()
    {
        Programa p;
        p.Escribir("txtServiciosDiarios", "2");
        p.Escribir("txtKilometrajeAnual", "1.500");
        p.Escribir("txtCFCabezaPeriodoAmortizacion", "2,5");
        p.Escribir("txtCFSemiPeriodoAmortizacion", "3,5");
        Simulacion s;
        s.DGRecorridoMedioPorVehiculo = 7;  // not transferred: stays
        p.inicio->LeerColumnaSimulacion(s);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(s.ServiciosDiarios, 2.0);
        QCOMPARE(s.KilometrajeAnual, 1500.0);
        QCOMPARE(s.CFCabezaPeriodoAmortizacion, 2);
        QCOMPARE(s.CFSemiPeriodoAmortizacion, 4);
        QCOMPARE(s.TipoSeguro, int16_t(1));  // no option chosen
        QCOMPARE(s.DGRecorridoMedioPorVehiculo, 7.0);
        for (const auto& [campo, caja] : Transferidos())
            if (std::string(caja).find("PeriodoAmortizacion") == std::string::npos &&
                std::string(campo) != "ServiciosDiarios" && std::string(campo) != "KilometrajeAnual")
                QCOMPARE(Campo(s, campo), std::string("0"));
    }

    void LecturaQueFallaSeParaEnSuFila_data()
    {
        QTest::addColumn<QString>("caja");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("numero");
        QTest::addColumn<QString>("ultimoLeido");  // a field read before the failing row
        QTest::addColumn<QString>("noLeido");      // a field after it
        QTest::newRow("servicios vacio") << "txtServiciosDiarios" << "" << 13 << "Tipo" << "KilometrajeAnual";
        QTest::newRow("km vacio") << "txtKilometrajeAnual" << "" << 13 << "ServiciosDiarios" << "CFTAE";
        QTest::newRow("blancos no son vacio") << "txtCFTAE" << "  " << 13 << "CFPeriodoAFinanciar" << "CIGastosAnuales";
        QTest::newRow("letras") << "txtCVConsumoMedio" << "mucho" << 13 << "CVPrecioDelGasoleo" << "CVDietaMedia";
        QTest::newRow("entero desbordado") << "txtCVDietasNumeroDeDias" << "3000000000" << 6 << "CVDietaMedia"
                                           << "CIGastosAnuales";
    }
    void LecturaQueFallaSeParaEnSuFila()
    {
        QFETCH(QString, caja);
        QFETCH(QString, texto);
        QFETCH(int, numero);
        QFETCH(QString, ultimoLeido);
        QFETCH(QString, noLeido);
        Programa p;
        for (const auto& [campo, nombre] : Transferidos()) p.Escribir(nombre, "5");
        p.inicio->seleccionarVehiculo()->EscribirTipo("Mío");
        p.Escribir(caja.toLatin1().constData(), texto.toUtf8().constData());
        Simulacion s;
        AsignarCampoDesdeTexto(s, IndiceCampo(noLeido.toStdString()), "42");
        p.inicio->LeerColumnaSimulacion(s);
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        const Aviso& a = p.plataforma.avisos[0];
        const std::string prefijo = "Se ha producido el error nº " + std::to_string(numero) + " ( ";
        QCOMPARE(a.texto.substr(0, prefijo.size()), prefijo);
        QCOMPARE(a.texto.substr(a.texto.size() - 2), std::string(") "));
        QVERIFY(a.icono == Icono::Critico);
        QCOMPARE(a.titulo, std::string("TARVELON"));
        QCOMPARE(s.Tipo, std::string("Mío"));
        if (ultimoLeido != QLatin1String("Tipo")) QCOMPARE(Campo(s, ultimoLeido.toLatin1().constData()), std::string("5"));
        QCOMPARE(Campo(s, noLeido.toLatin1().constData()), std::string("42"));
    }

    void EscrituraYLecturaDevuelvenElRegistro_data()
    {
        QTest::addColumn<int>("tipoSeguro");
        QTest::newRow("obligatorio") << 1;
        QTest::newRow("terceros") << 2;
        QTest::newRow("todo riesgo") << 3;
    }
    void EscrituraYLecturaDevuelvenElRegistro()
    {
        QFETCH(int, tipoSeguro);
        Programa p;
        p.Paso(0)->click();  // the type list is read
        Simulacion s;
        s.Tipo = "Tractora";
        int n = 0;
        for (const auto& [campo, caja] : Transferidos()) AsignarCampoDesdeTexto(s, IndiceCampo(campo), std::to_string(++n));
        s.TipoSeguro = static_cast<int16_t>(tipoSeguro);
        s.CFSeguroObligatorio = 100;
        s.CFSeguroObligatorioYTerceros = 200;
        s.CFSeguroTodoRiesgo = 300;
        p.inicio->EscribirColumnaSimulacion(s);
        Simulacion leido;
        p.inicio->LeerColumnaSimulacion(leido);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(leido.Tipo, std::string("Tractora"));
        QCOMPARE(leido.TipoSeguro, int16_t(tipoSeguro));
        for (const auto& [campo, caja] : Transferidos())
            if (std::string(campo).rfind("CFSeguroObligatorioYTerceros", 0) != 0)
                QCOMPARE(Campo(leido, campo), Campo(s, campo));
        // Only the chosen type's premium survives.
        const double primas[] = {leido.CFSeguroObligatorio, leido.CFSeguroObligatorioYTerceros, leido.CFSeguroTodoRiesgo};
        for (int i = 0; i < 3; ++i) QCOMPARE(primas[i], i + 1 == tipoSeguro ? 100.0 * (i + 1) : 0.0);
        QCOMPARE(p.inicio->SeguroActual().opcion, tipoSeguro);
    }

    void EscrituraDelSeguroEnLaSimulacion()
    {
        Programa p;
        p.inicio->HabilitarPasos();
        p.Paso(4)->click();
        Simulacion s;
        s.TipoSeguro = 2;
        s.CFSeguroObligatorio = 100;
        s.CFSeguroObligatorioYTerceros = 200;
        s.CFSeguroTodoRiesgo = 300;
        p.inicio->EscribirColumnaSimulacion(s);
        QCOMPARE(p.Texto("txtCFSeguroObligatorio"), std::string("0"));
        QCOMPARE(p.Texto("txtCFSeguroObligatorioYTerceros"), std::string("200"));
        QCOMPARE(p.Texto("txtCFSeguroTodoRiesgo"), std::string("0"));
        QVERIFY(!p.Caja("txtCFSeguroObligatorio")->isVisible());
        QVERIFY(p.Caja("txtCFSeguroObligatorioYTerceros")->isVisible());
        QVERIFY(!p.Caja("txtCFSeguroTodoRiesgo")->isVisible());

        // TipoSeguro 0: no option selected now, the one chosen before stays, all three read "0".
        s.TipoSeguro = 0;
        p.inicio->EscribirColumnaSimulacion(s);
        QVERIFY(p.inicio->costesFijosC()->Opcion("OptionSeguroObligatorioyTerceros")->isChecked());
        QVERIFY(p.Caja("txtCFSeguroObligatorioYTerceros")->isVisible());
        for (const char* c : {"txtCFSeguroObligatorio", "txtCFSeguroObligatorioYTerceros", "txtCFSeguroTodoRiesgo"})
            QCOMPARE(p.Texto(c), std::string("0"));
    }

    void FormasDeEscritura()
    {
        Programa p;
        Simulacion s;
        s.KilometrajeAnual = 1234.5;
        s.CFPeriodoAFinanciar = 12;
        s.CFTAE = 1.0 / 3.0;
        s.CFIVTM = 1.23456789012345e-5;  // 1,23456789012345E-05: too long for 14
        s.CFSeguridadSocialEmpresa = 23.456;
        s.CVDietasNumeroDeDias = -3;
        // Gross and discount change first; the record's net price is written last.
        s.CFCabezaPrecioBruto = 80000;
        s.CFCabezaDescuentoMedio = 10;
        s.CFCabezaPrecioMedio = 71000;
        s.CVPrecioBrutoNeumaticos = 1500;
        s.CVDescuentoMedioNeumaticos = 10;
        s.CVPrecioMedioNeumaticos = 1349.5;
        s.Tipo = "Tipo que no está en la lista";
        p.inicio->EscribirColumnaSimulacion(s);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string("1234,5"));
        QCOMPARE(p.Texto("txtCFPeriodoAFinanciar"), std::string("12"));
        QCOMPARE(p.Texto("txtCFTAE"), std::string("0,333333333333"));
        QCOMPARE(p.Texto("txtCFIVTM"), std::string("1,23456789E-05"));
        QCOMPARE(p.Texto("txtCFSeguridadSocialEmpresa"), std::string("23,45"));
        QCOMPARE(p.Texto("txtCVDietasNumeroDeDias"), std::string("-3"));
        QCOMPARE(p.Texto("txtCFCabezaPrecioMedio"), std::string("71000"));
        QCOMPARE(p.Texto("txtCVPrecioMedioNeumaticos"), std::string("1349,5"));
        QCOMPARE(p.inicio->seleccionarVehiculo()->TextoTipo(), std::string("Tipo que no está en la lista"));
        QCOMPARE(p.inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->currentIndex(), -1);
        QCOMPARE(p.Texto("txtCIGastosAnuales"), std::string("0"));  // the transfer went on to the end

        // The exponent text read back keeps the value's magnitude.
        Simulacion leido;
        p.Escribir("txtServiciosDiarios", "1");
        p.inicio->LeerColumnaSimulacion(leido);
        QVERIFY(leido.CFIVTM > 1.2e-5 && leido.CFIVTM < 1.3e-5);
    }

    void EscrituraYLecturaDeLaReferencia()
    {
        Programa p;
        Simulacion s;
        s.TipoSeguro = 3;
        s.DGPotenciaCV = 420;
        s.DGNumeroDeEjes = 5;
        s.CFSeguroObligatorio = 1350;
        p.inicio->EscribirColumnaReferencia(s);
        QCOMPARE(p.Texto("MIRtxtTipoSeguro"), std::string("3"));
        QCOMPARE(p.Texto("MIRtxtDGPotenciaCV"), std::string("420"));
        QCOMPARE(p.Texto("MIRtxtDGNumeroDeEjes"), std::string("5"));
        QCOMPARE(p.Texto("MIRtxtCFSeguroObligatorio"), std::string("1350"));
        QVERIFY(p.inicio->costesFijosC()->OpcionElegida() == 0);  // the simulation options are untouched
        Simulacion leido;
        p.inicio->LeerColumnaReferencia(leido);
        QVERIFY(p.plataforma.avisos.empty());
        QCOMPARE(leido.TipoSeguro, int16_t(3));
        QCOMPARE(leido.CFSeguroObligatorio, 1350.0);
        p.Escribir("MIRtxtTipoSeguro", "");
        p.inicio->LeerColumnaReferencia(leido);
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QCOMPARE(p.plataforma.avisos[0].texto.rfind("Se ha producido el error nº 13 ( ", 0), size_t(0));
    }

    void CopiarTodo()
    {
        Programa p;
        p.Seleccionar(0);
        p.plataforma.Limpiar();
        p.inicio->findChild<QAction*>(QStringLiteral("menuCopiarDatos"))->trigger();
        QVERIFY(p.plataforma.avisos.empty());
        for (const auto& [campo, caja] : Transferidos()) {
            const std::string ref = "MIR" + std::string(caja);
            QCOMPARE(p.Texto(caja), p.Texto(ref.c_str()));
        }
        QVERIFY(p.inicio->costesFijosC()->Opcion("OptionSeguroObligatorioyTerceros")->isChecked());
        QCOMPARE(p.Texto("txtCFSeguroObligatorio"), std::string("0"));
        QCOMPARE(p.Texto("txtCFSeguroTodoRiesgo"), std::string("0"));
        QCOMPARE(p.Texto("txtCFCabezaPrecioMedio"), std::string("72000"));
        QCOMPARE(p.Texto("txtCVPrecioDelGasoleo"), std::string("1,14"));
    }

    void CopiarTodoConUnaReferenciaIlegible()
    {
        Programa p;
        p.Seleccionar(0);
        p.plataforma.Limpiar();
        p.Escribir("txtCIGastosAnuales", "999");
        p.Escribir("MIRtxtCFIVTM", "mal");
        p.inicio->menuCopiarDatos_Click();
        QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        QCOMPARE(p.plataforma.avisos[0].texto.rfind("Se ha producido el error nº 13 ( ", 0), size_t(0));
        // Read before the failure: copied; after it: a new record's values.
        QCOMPARE(p.Texto("txtKilometrajeAnual"), std::string("120000"));
        QCOMPARE(p.Texto("txtCFVisado"), std::string("120"));
        QCOMPARE(p.Texto("txtCFIVTM"), std::string("0"));
        QCOMPARE(p.Texto("txtCIGastosAnuales"), std::string("0"));
    }

    // The general-data check, when the focus leaves the window.
    void ComprobacionAlSalirDeDatosGenerales_data()
    {
        QTest::addColumn<QString>("km");
        QTest::addColumn<QString>("servicios");
        QTest::addColumn<QString>("vacio");
        QTest::addColumn<QString>("pregunta");
        QTest::newRow("todo mal") << "0,5" << "" << "" << QString::fromUtf8(kPregunta);
        QTest::newRow("dos fallos") << "abc" << "0" << "0"
                                    << QString::fromUtf8(
                                           "Se ha producido el siguiente(s) error(es): \r\n"
                                           "El campo Kilometraje anual debe tener un valor mayor que 0\r\n"
                                           "El campo Servicios Diarios debe tener un valor mayor que 0\r\n"
                                           "¿Desea corregir los errores?");
        QTest::newRow("solo vacio") << "0.5" << "2" << ""
                                    << QString::fromUtf8(
                                           "Se ha producido el siguiente(s) error(es): \r\n"
                                           "El campo Kilometraje anual en vacio debe estar relleno\r\n"
                                           "¿Desea corregir los errores?");
        QTest::newRow("bien con punto") << "0.5" << "12,5" << "0" << QString();
    }
    void ComprobacionAlSalirDeDatosGenerales()
    {
        QFETCH(QString, km);
        QFETCH(QString, servicios);
        QFETCH(QString, vacio);
        QFETCH(QString, pregunta);
        for (Respuesta respuesta : {Respuesta::Si, Respuesta::No}) {
            Programa p;
            p.Mostrar();
            p.inicio->HabilitarPasos();
            p.Paso(1)->click();
            p.Escribir("txtKilometrajeAnual", km.toUtf8().constData());
            p.Escribir("txtServiciosDiarios", servicios.toUtf8().constData());
            p.Escribir("txtDGKilometrajeAnualEnVacio", vacio.toUtf8().constData());
            p.Caja("txtDGKilometrajeAnualEnVacio")->setFocus();
            QTRY_VERIFY(p.Caja("txtDGKilometrajeAnualEnVacio")->hasFocus());
            // Moving inside the window checks nothing.
            p.Caja("txtServiciosDiarios")->setFocus();
            QVERIFY(p.plataforma.avisos.empty());

            p.plataforma.respuestas = {respuesta};
            p.Paso(3)->setFocus();  // another window
            if (pregunta.isEmpty()) {
                QVERIFY(p.plataforma.avisos.empty());
                continue;
            }
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));
            const Aviso& a = p.plataforma.avisos[0];
            QCOMPARE(QString::fromStdString(a.texto), pregunta);
            QCOMPARE(a.titulo, std::string("Mirandel de costes de la VDR"));
            QVERIFY(a.icono == Icono::Critico);
            QVERIFY(a.botones == Botones::SiNo);
            if (respuesta == Respuesta::Si) {
                QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
            } else {
                QVERIFY(p.Paso(3)->hasFocus());
            }
            QCOMPARE(p.Texto("txtKilometrajeAnual"), km.toStdString());  // texts stay
            QTest::qWait(20);
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));  // no loop
        }
    }

    void ClicEnOtroPasoSegunLaRespuesta()
    {
        for (Respuesta respuesta : {Respuesta::Si, Respuesta::No}) {
            Programa p;
            p.Mostrar();
            p.inicio->HabilitarPasos();
            p.Paso(1)->click();
            p.Caja("txtKilometrajeAnual")->setFocus();
            QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
            p.plataforma.respuestas = {respuesta};
            QTest::mouseClick(p.Paso(2), Qt::LeftButton);
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));
            if (respuesta == Respuesta::Si) {
                // The user goes back to correct: the click does not switch steps.
                QTest::qWait(20);
                QVERIFY(p.inicio->datosGenerales()->isVisible());
                QVERIFY(!p.inicio->costesFijosA()->isVisible());
                QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
            } else {
                QTRY_VERIFY(p.inicio->costesFijosA()->isVisible());
                QVERIFY(!p.inicio->datosGenerales()->isVisible());
            }
            QCOMPARE(p.plataforma.avisos.size(), size_t(1));
        }
    }

    void SinComprobacionSiLaVentanaSeOculta()
    {
        Programa p;
        p.Mostrar();
        p.inicio->HabilitarPasos();
        p.Paso(1)->click();
        p.Caja("txtKilometrajeAnual")->setFocus();
        QTRY_VERIFY(p.Caja("txtKilometrajeAnual")->hasFocus());
        p.inicio->OcultarForms();  // as a load of personalised data does
        p.Paso(2)->setFocus();
        QTest::qWait(20);
        QVERIFY(p.plataforma.avisos.empty());
    }
};

QTEST_MAIN(PruebaTransferencias)
#include "test_ventanas_transferencias.moc"
