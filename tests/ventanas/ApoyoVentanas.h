#pragma once
// Shared set-up of the window tests: a program folder with a small reference
// data file, the main window over the scripted platform, and small helpers.
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "PlataformaGuion.h"
#include "data/Ficheros.h"
#include "windows/CostesFijosC.h"
#include "windows/DatosGenerales.h"
#include "windows/Indice.h"
#include "windows/Inicio.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/VentanaEntrada.h"

namespace tarvelon::prueba {

// Reference blocks for the tests: two loadable types and one listed with a
// blank after "Tipo=", which cannot be loaded.
inline std::vector<std::string> LineasReferencia()
{
    return {
        "Fichero de prueba",
        "Tipo=Tractora",
        "ServiciosDiarios=2",
        "KilometrajeAnual=120000",
        "DGKilometrajeAnualEnVacio=15",
        "DGPotenciaCV=420",
        "DGPesoMaximoAutorizado=40",
        "DGCargaUtil=25000,5",
        "DGNumeroDeEjes=5",
        "DGNumeroTotalDeNeumaticos=12",
        "CFCabezaPrecioBruto=80000",
        "CFCabezaDescuentoMedio=10",
        "CFCabezaPrecioMedio=72000",
        "CFSemiPrecioBruto=30000",
        "CFSemiDescuentoMedio=5",
        "CFSemiPrecioMedio=28500",
        "CFCabezaValorResidual=20",
        "CFSemiValorResidual=15",
        "CFCabezaPeriodoAmortizacion=7",
        "CFSemiPeriodoAmortizacion=10",
        "CFVehiculoCuantiaAFinanciar=80",
        "CFPeriodoAFinanciar=5",
        "CFTAE=6,5",
        "CFHorasAnualesTrabajadas=1800",
        "CFDiasDeActividad=225",
        "CFSeguridadSocialEmpresa=33,3",
        "CFRetribucionOrdinaria1ConductorMecanico=26000",
        "CFPlusDeAsistencia=1500",
        "CFVisado=120",
        "CFIVTM=520",
        "CFITV=160",
        "CFIAE=310",
        "CFATP=90",
        "CFADR=80",
        "CFCosteRevisionTacografo=60",
        "TipoSeguro=2",
        "CFSeguroObligatorio=1350",
        "CFSeguroObligatorioYTerceros=2900",
        "CFSeguroTodoRiesgo=5400",
        "CFSeguroMercancia=690",
        "CFResponsabilidadCivil=480",
        "CFOtrosGastosFijos=1800",
        "CVPrecioBrutoDelGasoleo=1,2",
        "CVDescuentoMedioSobreCombustible=5",
        "CVPrecioDelGasoleo=1,14",
        "CVConsumoMedio=33",
        "CVDietaMedia=40",
        "CVDietasNumeroDeDias=200",
        "CVPrecioBrutoNeumaticos=1500",
        "CVDescuentoMedioNeumaticos=10",
        "CVPrecioMedioNeumaticos=1350",
        "CVDuracionMediaDeLosNeumaticos=160000",
        "CVMantenimientoYReparacion=0,072",
        "CVCosteMedioDelKMEnAutopista=38",
        "CVPorcentajeDeServiciosQPaganPEajes=30",
        "CIGastosAnuales=14500",
        "Tipo=Rígido",
        "KilometrajeAnual=60000",
        "DGPotenciaCV=250",
        "TipoSeguro=3",
        "CFSeguroTodoRiesgo=3100",
        "Tipo= Espacio",
        "DGPotenciaCV=99",
    };
}

inline void AsegurarAplicacion()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char nombre[] = "tests_ventanas";
    static char* argv[] = {nombre, nullptr};
    static QApplication aplicacion(argc, argv);
}

// A program folder with Config.txt, and the main window working in it.
class Programa {
public:
    explicit Programa(bool conReferencia = true)
    {
        if (conReferencia) GrabarLineasCifradas(Ruta("Config.txt"), LineasReferencia());
        OpcionesInicio o;
        o.rutaPrograma = Carpeta();
        o.rutaConfig = Ruta("Config.txt");
        o.carpetaPrograma = [this] { return Carpeta(); };
        inicio = std::make_unique<Inicio>(plataforma, o);
        // Shown as the program shows it: windows load their lists when first shown.
        inicio->show();
    }

    std::string Carpeta() const { return carpeta_.path().toStdString(); }
    std::string Ruta(const std::string& nombre) const { return Carpeta() + "/" + nombre; }

    // Shows the main window and makes it the active one, for focus tests.
    void Mostrar()
    {
        inicio->show();
        QApplication::setActiveWindow(inicio.get());
        QVERIFY(QTest::qWaitForWindowActive(inicio.get()));
    }

    QLineEdit* Caja(const char* nombre) const
    {
        auto cajas = inicio->findChildren<QLineEdit*>(QString::fromLatin1(nombre));
        if (cajas.size() != 1) qFatal("caja %s: %d", nombre, static_cast<int>(cajas.size()));
        return cajas.front();
    }
    std::string Texto(const char* nombre) const { return Caja(nombre)->text().toStdString(); }
    void Escribir(const char* nombre, const char* texto) const { Caja(nombre)->setText(QString::fromUtf8(texto)); }

    QPushButton* Paso(int i) const { return inicio->indice()->Boton(i); }

    // Chooses entry `indice` of the vehicle list and presses "Seleccionar".
    void Seleccionar(int indice)
    {
        inicio->PulsarPaso(0);
        inicio->seleccionarVehiculo()->cbSeleccionarVehiculo()->setCurrentIndex(indice);
        inicio->seleccionarVehiculo()->btSeleccionar_Click();
    }

    bool Visible(QWidget* w) const { return w->isVisible(); }

    PlataformaGuion plataforma;
    std::unique_ptr<Inicio> inicio;

private:
    QTemporaryDir carpeta_;
};

}  // namespace tarvelon::prueba
