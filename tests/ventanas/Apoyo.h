#pragma once
// Shared by the window tests: a program folder with a reference data file,
// the real main window over the scripted platform, and helpers.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "PlataformaGuion.h"
#include "data/Ficheros.h"
#include "windows/AreaTrabajo.h"
#include "windows/Columnas.h"
#include "windows/CostesFijosC.h"
#include "windows/Indice.h"
#include "windows/Inicio.h"
#include "windows/MapaCajas.h"
#include "windows/Pasos.h"
#include "windows/SeleccionarVehiculo.h"
#include "windows/Trayecto.h"
#include "windows/VentanaEntrada.h"

namespace tarvelon::prueba {

// A vehicle's reference block, in transfer order: one "key=value" line each.
inline const std::vector<std::string>& Ejemplo()
{
    static const std::vector<std::string> e = [] {
        std::vector<std::string> lineas;
        std::ifstream f(TARVELON_DATOS_VENTANAS "/ejemplo.txt");
        for (std::string l; std::getline(f, l);) lineas.push_back(l);
        return lineas;
    }();
    return e;
}

// The fields with a simulation box, and that box's name: three are not named after their field.
inline std::vector<std::pair<std::string, std::string>> Cajas()
{
    std::vector<std::pair<std::string, std::string>> c;
    for (const std::string& linea : Ejemplo()) {
        const std::string campo = linea.substr(0, linea.find('='));
        if (campo != "Tipo" && campo != "TipoSeguro") c.emplace_back(campo, "txt" + SufijoCaja(campo));
    }
    return c;
}

using Textos = std::vector<std::string>;
inline bool Empieza(const std::string& texto, const std::string& inicio) { return texto.rfind(inicio, 0) == 0; }
inline std::string Contenido(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

class Programa {
public:
    // The reference file: the example, a short block whose missing keys read 0,
    // and a type listed from "Tipo= Espacio" that cannot be loaded.
    explicit Programa(bool conReferencia = true)
    {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("tests_ventanas"), nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);  // lives until exit
        std::vector<std::string> lineas = Ejemplo();
        lineas.insert(lineas.end(), {"Tipo=Rígido", "KilometrajeAnual=60000", "DGPotenciaCV=250", "TipoSeguro=3",
                                     "CFSeguroTodoRiesgo=3100", "Tipo= Espacio", "DGPotenciaCV=99"});
        if (conReferencia) GrabarLineasCifradas(Ruta("Config.txt"), lineas);
        // The technologies' reference values lie beside the program, as installed.
        GrabarContenido(Ruta("tecnologias.txt"),
                        Contenido(TARVELON_DATOS_VENTANAS "/../../../resources/datos/tecnologias.txt"));
        Reiniciar();
    }
    // A new main window over the same folder, as when the program starts again.
    void Reiniciar()
    {
        inicio.reset();
        inicio = std::make_unique<Inicio>(plataforma,
                                          OpcionesInicio{Carpeta(), Ruta("Config.txt"), [this] { return Carpeta(); }});
        inicio->show();  // windows load their lists when first shown
    }
    // The main window active, every step enabled and step `paso` shown.
    bool Abrir(int paso)
    {
        QApplication::setActiveWindow(inicio.get());
        inicio->HabilitarPasos();
        Paso(paso)->click();
        return QTest::qWaitForWindowActive(inicio.get());
    }
    std::string Carpeta() const { return carpeta_.path().toStdString(); }
    std::string Ruta(const std::string& nombre) const { return Carpeta() + "/" + nombre; }

    QLineEdit* Caja(const std::string& nombre) const
    {
        return inicio->findChild<QLineEdit*>(QString::fromStdString(nombre));
    }
    std::string Texto(const std::string& nombre) const { return Caja(nombre)->text().toStdString(); }
    void Escribir(const std::string& caja, const std::string& texto) const
    {
        Caja(caja)->setText(QString::fromStdString(texto));
    }
    // "box=text;box=text": written, or the boxes whose text differs ("" when none does).
    void Escribir(const std::string& lista) const
    {
        for (const QString& par : QString::fromStdString(lista).split(';'))
            Escribir(par.section('=', 0, 0).toStdString(), par.section('=', 1).toStdString());
    }
    std::string Distintas(const std::string& lista) const
    {
        std::string distintas;
        for (const QString& par : QString::fromStdString(lista).split(';'))
            if (Texto(par.section('=', 0, 0).toStdString()) != par.section('=', 1).toStdString())
                distintas += par.toStdString() + " (" + Texto(par.section('=', 0, 0).toStdString()) + ") ";
        return distintas;
    }
    QPushButton* Paso(int i) const { return inicio->indice()->Boton(i); }
    QAction* Menu(const char* nombre) const { return inicio->findChild<QAction*>(nombre); }

    void Seleccionar(int indice)
    {
        inicio->PulsarPaso(0);
        pasos().vehiculo()->cbSeleccionarVehiculo()->setCurrentIndex(indice);
        pasos().vehiculo()->btSeleccionar_Click();
    }
    // As a user starts: the example type chosen and its reference data copied.
    void CopiarEjemplo()
    {
        Seleccionar(0);
        inicio->menuCopiarDatos_Click();
        plataforma.Limpiar();
    }
    // Step 8's result mode window: an option, the service texts, "Calcular".
    void Resultado(bool servicio, const char* km = "", const char* horas = "")
    {
        inicio->PulsarPaso(8);
        modo()->findChild<QRadioButton*>(servicio ? "Option2" : "Option1")->click();
        modo()->findChild<QLineEdit*>("txtKilometrosDelServicio")->setText(QString::fromUtf8(km));
        modo()->findChild<QLineEdit*>("txtHorasDelServicio")->setText(QString::fromUtf8(horas));
        modo()->findChild<QPushButton*>("btCalcular")->click();
    }
    Simulacion Calculado() const  // the simulation column calculated by the core, outside the windows
    {
        Simulacion s;
        EXPECT_TRUE(inicio->sesion().columnas().LeerColumnaSimulacion(s));
        s.Calcular(inicio->sesion().columnas().SeguroActual());
        return s;
    }
    const Pasos& pasos() const { return inicio->pasos(); }
    Trayecto* trayecto() const { return pasos().trayecto(); }
    QWidget* presupuesto() const { return pasos()[Pasos::kPresupuesto]; }
    QWidget* modo() const { return pasos()[Pasos::kResultado]; }

    PlataformaGuion plataforma;
    std::unique_ptr<Inicio> inicio;

private:
    QTemporaryDir carpeta_;
};

// The fixtures: a fresh program, or one with the example type chosen and copied.
class ConPrograma : public ::testing::Test {
protected:
    Programa p;
};
class ConEjemplo : public ConPrograma {
protected:
    void SetUp() override { p.CopiarEjemplo(); }
};

// Waits, processing events, until the condition holds (QTRY_* report to QTest, not here).
#define ESPERAR(condicion) EXPECT_TRUE(QTest::qWaitFor([&] { return bool(condicion); })) << #condicion

template <class T = QPushButton>
T* En(QWidget* ventana, const char* nombre)
{
    return ventana->findChild<T*>(QString::fromLatin1(nombre));
}
inline QStringList Lineas(QWidget* ventana)
{
    QStringList l;
    auto* lista = En<QListWidget>(ventana, "lstResultado");
    for (int i = 0; i < lista->count(); ++i) l << lista->item(i)->text();
    return l;
}

}  // namespace tarvelon::prueba
