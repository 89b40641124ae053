#pragma once
// Test doubles for the result windows and the personalised data commands:
// a platform that records what it is asked and answers from queues, and a
// simulation column made of typed texts, converted by the core as the input
// windows convert theirs.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QApplication>
#include <QListWidget>
#include <QPalette>
#include <QStringList>

#include "data/Avisos.h"
#include "model/Errores.h"
#include "model/Simulacion.h"
#include "windows/ColumnaSimulacion.h"
#include "windows/DatosPersonalizados.h"
#include "windows/Plataforma.h"

namespace tarvelon::prueba {

// A QApplication for the whole test run, whoever's main() runs the tests.
// It is never destroyed: at exit Qt's own globals may already be gone.
inline void AsegurarAplicacion()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char nombre[] = "tests_resultados";
    static char* argv[] = {nombre, nullptr};
    new QApplication(argc, argv);
}

class PlataformaRegistro : public Plataforma {
public:
    std::vector<Aviso> avisos;
    std::vector<PeticionFichero> peticiones;
    std::deque<std::optional<std::string>> respuestasFichero;  // nullopt: cancelled
    std::optional<ErrorEjecucion> errorImpresion;             // set: printing fails
    std::function<void(QWidget*)> alImprimir;                 // looks at the window as printed
    int impresiones = 0;

    Respuesta Mostrar(const Aviso& aviso) override
    {
        avisos.push_back(aviso);
        return Respuesta::Aceptar;
    }
    std::optional<std::string> ElegirFichero(const PeticionFichero& peticion, QWidget*) override
    {
        peticiones.push_back(peticion);
        if (respuestasFichero.empty()) throw std::logic_error("file dialog not expected");
        auto respuesta = respuestasFichero.front();
        respuestasFichero.pop_front();
        return respuesta;
    }
    void ImprimirVentana(QWidget* ventana) override
    {
        ++impresiones;
        if (alImprimir) alImprimir(ventana);
        if (errorImpresion) throw *errorImpresion;
    }
    void IniciarPrograma(const std::string&, const std::vector<std::string>&) override {}

    std::vector<std::string> Textos() const
    {
        std::vector<std::string> t;
        for (const auto& a : avisos) t.push_back(a.texto);
        return t;
    }
};

// The 55 transferred fields in transfer order. Tipo is the selector's text,
// the two first numbers may not be empty, the rest read empty as 0.
inline const std::vector<std::string>& CamposColumna()
{
    static const std::vector<std::string> campos = {
        "Tipo", "ServiciosDiarios", "KilometrajeAnual", "DGKilometrajeAnualEnVacio", "DGPotenciaCV",
        "DGPesoMaximoAutorizado", "DGCargaUtil", "DGNumeroDeEjes", "CFCabezaPrecioBruto",
        "CFCabezaDescuentoMedio", "CFCabezaPrecioMedio", "CFCabezaValorResidual", "CFCabezaPeriodoAmortizacion",
        "CFSemiPrecioBruto", "CFSemiDescuentoMedio", "CFSemiPrecioMedio", "CFSemiValorResidual",
        "CFSemiPeriodoAmortizacion", "CFVehiculoCuantiaAFinanciar", "CFPeriodoAFinanciar", "CFTAE",
        "CFHorasAnualesTrabajadas", "CFDiasDeActividad", "CFSeguridadSocialEmpresa",
        "CFRetribucionOrdinaria1ConductorMecanico", "CFPlusDeAsistencia", "CFVisado", "CFIVTM", "CFITV", "CFIAE",
        "CFATP", "CFADR", "CFCosteRevisionTacografo", "TipoSeguro", "CFSeguroObligatorio",
        "CFSeguroObligatorioYTerceros", "CFSeguroTodoRiesgo", "CFResponsabilidadCivil", "CFSeguroMercancia",
        "CFOtrosGastosFijos", "CVPrecioBrutoDelGasoleo", "CVDescuentoMedioSobreCombustible", "CVPrecioDelGasoleo",
        "CVConsumoMedio", "CVDietaMedia", "CVDietasNumeroDeDias", "DGNumeroTotalDeNeumaticos",
        "CVPrecioBrutoNeumaticos", "CVDescuentoMedioNeumaticos", "CVPrecioMedioNeumaticos",
        "CVDuracionMediaDeLosNeumaticos", "CVMantenimientoYReparacion", "CVCosteMedioDelKMEnAutopista",
        "CVPorcentajeDeServiciosQPaganPEajes", "CIGastosAnuales"};
    return campos;
}

// A column of texts standing in for the input windows. "TipoSeguro" holds the
// chosen insurance option ("0" none, "1" to "3").
class ColumnaTextos : public ColumnaSimulacion {
public:
    explicit ColumnaTextos(Avisador& avisos) : avisos_(avisos) {}

    std::map<std::string, std::string> textos;

    bool LeerColumnaSimulacion(Simulacion& s) override
    {
        try {
            for (const auto& campo : CamposColumna()) {
                const std::string texto = Texto(campo);
                const int indice = IndiceCampo(campo);
                if (campo == "TipoSeguro") {
                    const int opcion = texto.empty() ? 0 : std::stoi(texto);
                    s.TipoSeguro = static_cast<int16_t>(opcion >= 1 && opcion <= 3 ? opcion : 1);
                } else if (campo == "Tipo") {
                    s.Tipo = texto;
                } else {
                    const bool estricto = campo == "ServiciosDiarios" || campo == "KilometrajeAnual";
                    AsignarCampoDesdeTexto(s, indice, texto, !estricto);
                }
            }
            return true;
        } catch (const ErrorEjecucion& e) {
            Aviso aviso;
            aviso.texto = MensajeError(e);
            aviso.icono = Icono::Critico;
            avisos_.Mostrar(aviso);
            return false;
        }
    }

    // As a record written into the input windows leaves them.
    void Escribir(const Simulacion& s)
    {
        for (const auto& campo : CamposColumna())
            textos[campo] = TextoDeCampo(s, IndiceCampo(campo));
        const int opcion = s.TipoSeguro;
        const char* primas[] = {"CFSeguroObligatorio", "CFSeguroObligatorioYTerceros", "CFSeguroTodoRiesgo"};
        for (int i = 0; i < 3; ++i)
            if (opcion != i + 1) textos[primas[i]] = "0";
        if (opcion < 1 || opcion > 3) textos["TipoSeguro"] = "0";
    }

    EntradaSeguro SeguroActual() const override
    {
        EntradaSeguro e;
        const std::string opcion = Texto("TipoSeguro");
        e.opcion = opcion.empty() ? 0 : std::stoi(opcion);
        e.primaObligatorio = Texto("CFSeguroObligatorio");
        e.primaObligatorioYTerceros = Texto("CFSeguroObligatorioYTerceros");
        e.primaTodoRiesgo = Texto("CFSeguroTodoRiesgo");
        e.mercancia = Texto("CFSeguroMercancia");
        e.responsabilidadCivil = Texto("CFResponsabilidadCivil");
        return e;
    }

    std::string Texto(const std::string& campo) const
    {
        auto it = textos.find(campo);
        return it == textos.end() ? std::string{} : it->second;
    }

private:
    Avisador& avisos_;
};

// A vehicle as a user types it; its annual figures are worked out by hand
// below (fixed 54.326,32, variable 66.900,00, indirect 12.000,00 a year).
inline std::map<std::string, std::string> DatosEjemplo()
{
    return {
        {"Tipo", "Frigorífico 40 t"},
        {"ServiciosDiarios", "2"},
        {"KilometrajeAnual", "120.000"},
        {"DGKilometrajeAnualEnVacio", "15"},
        {"DGPotenciaCV", "460"},
        {"DGPesoMaximoAutorizado", "40000"},
        {"DGCargaUtil", "25000"},
        {"DGNumeroDeEjes", "5"},
        {"CFCabezaPrecioBruto", "90000"},
        {"CFCabezaDescuentoMedio", "6,6666"},
        {"CFCabezaPrecioMedio", "84000"},
        {"CFCabezaValorResidual", "20"},
        {"CFCabezaPeriodoAmortizacion", "6"},
        {"CFSemiPrecioBruto", "30000"},
        {"CFSemiDescuentoMedio", "0"},
        {"CFSemiPrecioMedio", "30000"},
        {"CFSemiValorResidual", "10"},
        {"CFSemiPeriodoAmortizacion", "9"},
        {"CFVehiculoCuantiaAFinanciar", "80"},
        {"CFPeriodoAFinanciar", "4"},
        {"CFTAE", "5"},
        {"CFHorasAnualesTrabajadas", "1760"},
        {"CFDiasDeActividad", "220"},
        {"CFSeguridadSocialEmpresa", "32"},
        {"CFRetribucionOrdinaria1ConductorMecanico", "24000"},
        {"CFPlusDeAsistencia", "1200"},
        {"CFVisado", "100"},
        {"CFIVTM", "500"},
        {"CFITV", "150"},
        {"CFIAE", "300"},
        {"CFATP", "0"},
        {"CFADR", "0"},
        {"CFCosteRevisionTacografo", "50"},
        {"TipoSeguro", "2"},
        {"CFSeguroObligatorio", "0"},
        {"CFSeguroObligatorioYTerceros", "3000"},
        {"CFSeguroTodoRiesgo", "0"},
        {"CFResponsabilidadCivil", "400"},
        {"CFSeguroMercancia", "600"},
        {"CFOtrosGastosFijos", "1000"},
        {"CVPrecioBrutoDelGasoleo", "1,2"},
        {"CVDescuentoMedioSobreCombustible", "12,5"},
        {"CVPrecioDelGasoleo", "1,05"},
        {"CVConsumoMedio", "33"},
        {"CVDietaMedia", "30"},
        {"CVDietasNumeroDeDias", "220"},
        {"DGNumeroTotalDeNeumaticos", "12"},
        {"CVPrecioBrutoNeumaticos", "500"},
        {"CVDescuentoMedioNeumaticos", "20"},
        {"CVPrecioMedioNeumaticos", "400"},
        {"CVDuracionMediaDeLosNeumaticos", "150000"},
        {"CVMantenimientoYReparacion", "0,08"},
        {"CVCosteMedioDelKMEnAutopista", "30"},
        {"CVPorcentajeDeServiciosQPaganPEajes", "40"},
        {"CIGastosAnuales", "12000"},
    };
}

inline QStringList LineasLista(const QListWidget* lista)
{
    QStringList lineas;
    for (int i = 0; i < lista->count(); ++i) lineas << lista->item(i)->text();
    return lineas;
}

inline QColor ColorLista(const QListWidget* lista) { return lista->palette().color(QPalette::Text); }

inline QStringList ComoLista(const std::vector<std::string>& lineas)
{
    QStringList l;
    for (const auto& s : lineas) l << QString::fromStdString(s);
    return l;
}

}  // namespace tarvelon::prueba
