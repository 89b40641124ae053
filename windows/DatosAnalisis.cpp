#include "windows/DatosAnalisis.h"

#include <map>

#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "model/Errores.h"
#include "reports/Csv.h"
#include "reports/Informes.h"
#include "reports/InformesTecnologias.h"
#include "reports/Json.h"
#include "windows/CajaTexto.h"
#include "windows/Columnas.h"
#include "windows/DisenosEntrada.h"

namespace tarvelon {

namespace {

// Box suffix -> the label the user reads beside it, from the window designs.
const std::map<std::string, std::string>& Etiquetas()
{
    static const std::map<std::string, std::string> etiquetas = [] {
        std::map<std::string, std::string> m;
        for (const DisenoVentana& d :
             {DisenoDatosGenerales(), DisenoCostesFijosA(), DisenoCostesFijosB(), DisenoCostesFijosC(),
              DisenoCostesVariablesA(), DisenoCostesVariablesB(), DisenoCostesIndirectos()})
            for (const auto& marco : d.marcos)
                for (const auto& f : marco.filas)
                    for (size_t c = 0; c < f.sufijos.size(); ++c) {
                        std::string e = f.etiqueta;
                        while (!e.empty() && e.back() == ' ') e.pop_back();
                        if (f.sufijos.size() > 1 && c < marco.subcolumnas.size()) e += " - " + marco.subcolumnas[c];
                        m[f.sufijos[c]] = e;
                    }
        return m;
    }();
    return etiquetas;
}

// The step window that holds a box: the widget right inside its frame.
QWidget* VentanaDe(QWidget* caja)
{
    QWidget* w = caja;
    while (w->parentWidget() && !qobject_cast<QMdiSubWindow*>(w->parentWidget())) w = w->parentWidget();
    return w;
}

std::string PrimerMensaje(const std::string& errorMsg)
{
    for (const auto& l : LineasDeMensajes(errorMsg))
        if (!l.empty()) return l;
    return errorMsg;
}

void Calcular(ColumnaAnalizada& c, const EntradaSeguro& seguro)
{
    try {
        Simulacion s = c.registro;
        s.Calcular(seguro);
        c.totales = CostesTotalesDe(s);
        c.estructura = Estructura(s);
        c.calculada = std::move(s);
    } catch (const ErrorEjecucion& e) {
        c.motivo = MensajeError(e);
    }
}

// Read, validate, calculate: the steps of the annual report, silently.
template <class Leer>
void Analizar(ColumnaAnalizada& c, Leer leer, const std::optional<EntradaSeguro>& seguro)
{
    if (const std::optional<FalloLectura> fallo = leer(c.registro)) {
        c.motivo = DescribirFallo(*fallo);
        return;
    }
    if (!c.registro.Validar()) {
        c.motivo = PrimerMensaje(c.registro.ErrorMsg);
        return;
    }
    if (seguro) {
        // The record carries the option the window shows (none is none), so
        // the core's copies of it calculate the insurance as the window does.
        c.registro.TipoSeguro = static_cast<int16_t>(seguro->opcion);
        Calcular(c, *seguro);
    } else {
        Calcular(c, SeguroDesdeRegistro(c.registro));
    }
}

std::string Lineas(const Simulacion& s)
{
    std::vector<std::string> lineas;
    InformeDetallado(s, lineas);
    return JsonInforme(s, lineas);
}

}  // namespace

std::string DescribirFallo(const FalloLectura& fallo)
{
    std::string casilla;
    if (fallo.caja) {
        QString sufijo = fallo.caja->objectName();
        sufijo.remove(0, sufijo.startsWith(QStringLiteral("MIR")) ? 6 : 3);
        QWidget* ventana = VentanaDe(fallo.caja);
        const auto it = Etiquetas().find(sufijo.toStdString());
        if (it != Etiquetas().end()) casilla = it->second;
        else if (auto* l = ventana->findChild<QLabel*>(QStringLiteral("lbl") + sufijo))
            casilla = l->text().toStdString();
        else casilla = sufijo.toStdString();
        casilla = "Casilla «" + casilla + "» de «" + ventana->windowTitle().toStdString() + "»: ";
    } else if (fallo.campo >= 0) {
        casilla = "Campo " + std::string(CamposSimulacion()[static_cast<size_t>(fallo.campo)].nombre) + ": ";
    }
    return casilla + MensajeError(fallo.error);
}

DatosAnalisis LeerDatosAnalisis(Columnas& columnas)
{
    DatosAnalisis d;
    Analizar(
        d.simulacion, [&](Simulacion& s) { return columnas.LeerColumnaSimulacionSinAvisos(s); },
        columnas.SeguroActual());
    Analizar(
        d.referencia, [&](Simulacion& s) { return columnas.LeerColumnaReferenciaSinAvisos(s); }, std::nullopt);
    if (d.simulacion.calculada && d.referencia.calculada) {
        try {
            d.comparacion = Comparar(*d.simulacion.calculada, *d.referencia.calculada);
        } catch (const ErrorEjecucion&) {
            // Differences beyond the Double range: no comparison to show.
        }
    }
    return d;
}

void AnadirSensibilidad(DatosAnalisis& d, double variacion)
{
    d.sensibilidad.reset();
    d.curvaReferencia.reset();
    d.motivoSensibilidad.clear();
    if (!d.simulacion.calculada) {
        d.motivoSensibilidad = d.simulacion.motivo;
    } else {
        try {
            d.sensibilidad = AnalizarSensibilidad(d.simulacion.registro, variacion);
        } catch (const ErrorEjecucion& e) {
            d.motivoSensibilidad = MensajeError(e);
        }
    }
    if (d.referencia.calculada) d.curvaReferencia = CurvaKm(d.referencia.registro);
}

std::string JsonAnalisis(const DatosAnalisis& d)
{
    std::string j = "{\n\"simulacion\": " + Lineas(*d.simulacion.calculada);
    j += ",\n\"referencia\": " + (d.referencia.calculada ? Lineas(*d.referencia.calculada) : "null");
    j += ",\n\"comparacion\": " + (d.comparacion ? JsonComparacion(*d.comparacion) : "null");
    j += ",\n\"sensibilidad\": " + (d.sensibilidad ? JsonSensibilidad(*d.sensibilidad) : "null");
    j += ",\n\"tecnologias\": " + (d.tecnologias ? JsonTecnologias(*d.tecnologias) : "null");
    return j + "}\n";
}

std::string CsvAnalisis(const DatosAnalisis& d)
{
    static const std::string kBom = "\xEF\xBB\xBF";
    auto sinBom = [](const std::string& t) { return t.rfind(kBom, 0) == 0 ? t.substr(kBom.size()) : t; };
    std::string csv = kBom;
    if (d.comparacion) csv += sinBom(CsvComparacion(*d.comparacion)) + "\r\n";
    if (d.sensibilidad) csv += sinBom(CsvSensibilidad(*d.sensibilidad));
    if (d.tecnologias) csv += "\r\n" + sinBom(CsvTecnologias(*d.tecnologias));
    return csv;
}

}  // namespace tarvelon
