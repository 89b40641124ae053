#include "model/CosteVidaTecnologias.h"

#include <algorithm>
#include <cmath>

#include "model/Analisis.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"

namespace tarvelon {

namespace {

ErrorEjecucion ArgumentoNoValido() { return ErrorEjecucion(5, "Llamada a procedimiento o argumento no válidos"); }

// Figures of one technology that depend only on the record and the scenario.
struct Comun {
    int horizonte, primerAnio;
    double tasa, km, peajes, comunes, kmServicio;
    const std::map<int, double>* co2;
};

double PrecioUnidad(const EntradaTecnologia& t)
{
    if (t.cuotaPublica == 0.0) return t.precioEnergia;
    return t.precioEnergia * (1.0 - t.cuotaPublica / 100.0) + t.precioPublico * t.cuotaPublica / 100.0;
}

ResultadoTecnologia Calcular(const EntradaTecnologia& t, const Comun& c)
{
    ResultadoTecnologia r;
    r.nombre = t.nombre;
    r.capitalInicial = t.precio - t.ayuda + t.instalacion;
    r.valorResidual = t.precio * t.residual / 100.0;
    const double unidades = c.km * t.consumo / 100.0;
    const double descuento = 1.0 + c.tasa / 100.0;
    double acumulado = r.capitalInicial, kmDescontados = 0;
    for (int y = 1; y <= c.horizonte; ++y) {
        AnioTecnologia a;
        a.anio = y;
        a.energia = unidades * PrecioUnidad(t) * std::pow(1.0 + t.variacionPrecio / 100.0, y - 1);
        // The refund is on the litres actually used, up to the yearly cap.
        if (t.devolucion) a.energia -= std::min(unidades, t.topeLitros) * t.devolucionPor1000 / 1000.0;
        if (t.pagaCarbono) a.carbono = unidades * t.factorTtw * PrecioCo2(*c.co2, c.primerAnio + y - 1) / 1000.0;
        a.mantenimiento = c.km * t.mantenimientoKm;
        a.peajes = c.peajes * (1.0 - t.reduccionPeajes / 100.0);
        a.comunes = c.comunes;
        a.total = a.energia + a.carbono + a.mantenimiento + a.peajes + a.comunes;
        const double factor = std::pow(descuento, y);
        acumulado += a.total / factor;
        if (y == c.horizonte) acumulado -= r.valorResidual / factor;
        a.acumulado = acumulado;
        kmDescontados += c.km / factor;
        r.anios.push_back(a);
    }
    r.valorPresente = acumulado;
    r.costeKm = kmDescontados > 0 ? r.valorPresente / kmDescontados : 0.0;
    r.ttwGKm = t.consumo / 100.0 * t.factorTtw * 1000.0;
    r.wtwGKm = t.consumo / 100.0 * t.factorWtw * 1000.0;
    r.ttwTAnio = unidades * t.factorTtw / 1000.0;
    r.wtwTAnio = unidades * t.factorWtw / 1000.0;
    r.ttwTTotal = r.ttwTAnio * c.horizonte;
    r.wtwTTotal = r.wtwTAnio * c.horizonte;
    r.ttwKgServicio = c.kmServicio * r.ttwGKm / 1000.0;
    r.wtwKgServicio = c.kmServicio * r.wtwGKm / 1000.0;
    return r;
}

Comun Comunes(const Simulacion& calculada, const EscenarioTecnologias& e, int anioActual)
{
    Comun c{};
    c.horizonte = e.horizonte ? *e.horizonte : calculada.CFCabezaPeriodoAmortizacion;
    c.primerAnio = e.primerAnio ? *e.primerAnio : anioActual + 1;
    c.tasa = e.tasa ? *e.tasa : calculada.CFTAE;
    if (c.horizonte < 1 || c.horizonte > 50 || !(c.tasa > -100.0 && c.tasa < 1000.0)) throw ArgumentoNoValido();
    c.km = calculada.KilometrajeAnual;
    c.peajes = calculada.CosteAnualPeajes;
    c.comunes = CostesComunes(calculada);
    c.kmServicio =
        calculada.NumeroServiciosAnuales > 0 ? calculada.KilometrajeAnual / calculada.NumeroServiciosAnuales : 0.0;
    c.co2 = &e.precioCo2;
    return c;
}

// Present cost of `t` less diesel's, with the record recalculated at `km`.
double DiferenciaEnKm(const Simulacion& registro, const EscenarioTecnologias& e, const EntradaTecnologia& t,
                      int anioActual, double km)
{
    Simulacion copia = registro;
    copia.KilometrajeAnual = km;
    const Comun c = Comunes(Calculada(copia), e, anioActual);
    return Calcular(t, c).valorPresente - Calcular(e.tecnologias[0], c).valorPresente;
}

// The km between 1.000 and 1.000.000 at which both present costs are equal:
// the first sign change on a geometric grid, then bisection.
std::optional<double> KmEquilibrio(const Simulacion& registro, const EscenarioTecnologias& e,
                                   const EntradaTecnologia& t, int anioActual)
{
    constexpr int kPasos = 24;
    double a = 1000.0, fa = DiferenciaEnKm(registro, e, t, anioActual, a);
    if (fa == 0.0) return a;
    for (int i = 1; i <= kPasos; ++i) {
        const double b = 1000.0 * std::pow(1000.0, static_cast<double>(i) / kPasos);
        const double fb = DiferenciaEnKm(registro, e, t, anioActual, b);
        if (!std::isfinite(fb)) return std::nullopt;
        if (fb == 0.0) return b;
        if ((fa < 0) != (fb < 0)) {
            double lo = a, hi = b;
            for (int k = 0; k < 50 && hi - lo > 0.01; ++k) {
                const double m = (lo + hi) / 2.0;
                const double fm = DiferenciaEnKm(registro, e, t, anioActual, m);
                if ((fm < 0) == (fa < 0)) lo = m;
                else hi = m;
            }
            return (lo + hi) / 2.0;
        }
        a = b;
        fa = fb;
    }
    return std::nullopt;
}

std::string_view Recortado(std::string_view s)
{
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

}  // namespace

double PrecioCo2(const std::map<int, double>& camino, int anio)
{
    auto p = camino.upper_bound(anio);
    if (p == camino.begin()) return 0.0;
    return std::prev(p)->second;
}

double CostesComunes(const Simulacion& s)
{
    const double semi = s.CFSemiPeriodoAmortizacion != 0 ? (100.0 - s.CFSemiValorResidual) * s.CFSemiPrecioMedio /
                                                               100.0 / s.CFSemiPeriodoAmortizacion
                                                         : 0.0;
    return s.CosteAnualDePersonal + s.CosteAnualDietas + s.CosteAnualNeumaticos + s.CosteAnualSegurosDelVehiculo +
           s.CosteAnualCargasFiscales + s.CosteAnualOtrosGastosFijos + semi + s.CostesInDirectosAnuales;
}

EntradaTecnologia DieselDelRegistro(const Simulacion& s, const EntradaTecnologia& referencia)
{
    EntradaTecnologia d = referencia;
    d.nombre = kDiesel;
    d.precio = s.CFCabezaPrecioMedio;
    d.residual = s.CFCabezaValorResidual;
    d.consumo = s.CVConsumoMedio;
    d.precioEnergia = s.CVPrecioDelGasoleo;
    d.cuotaPublica = 0;
    d.mantenimientoKm = s.CVMantenimientoYReparacion;
    return d;
}

std::vector<EntradaTecnologia> ColumnasDelRegistro(const Simulacion& calculada,
                                                   const std::vector<EntradaTecnologia>& referencia)
{
    std::vector<EntradaTecnologia> t = referencia;
    if (t.empty()) return t;
    t[0] = DieselDelRegistro(calculada, referencia[0]);
    for (auto& x : t) {
        if (x.nombre != kHvo) continue;
        for (auto campo : {&EntradaTecnologia::precio, &EntradaTecnologia::residual, &EntradaTecnologia::consumo,
                           &EntradaTecnologia::mantenimientoKm})
            if (x.*campo == 0.0) x.*campo = t[0].*campo;
    }
    return t;
}

CosteVidaTecnologias CalcularTecnologias(const Simulacion& registro, const EscenarioTecnologias& e, int anioActual)
{
    if (e.tecnologias.empty()) throw ArgumentoNoValido();
    const Simulacion calculada = Calculada(registro);
    const Comun c = Comunes(calculada, e, anioActual);
    CosteVidaTecnologias r;
    r.horizonte = c.horizonte;
    r.primerAnio = c.primerAnio;
    r.tasa = c.tasa;
    r.kilometros = c.km;
    for (const auto& t : e.tecnologias) r.tecnologias.push_back(Calcular(t, c));
    const ResultadoTecnologia& d = r.tecnologias[0];
    for (size_t i = 1; i < r.tecnologias.size(); ++i) {
        ResultadoTecnologia& t = r.tecnologias[i];
        for (size_t y = 0; y < t.anios.size(); ++y)
            if (t.anios[y].acumulado <= d.anios[y].acumulado) {
                t.anioEquilibrio = t.anios[y].anio;
                break;
            }
        const double ahorro = d.anios[0].total - t.anios[0].total;
        if (t.capitalInicial <= d.capitalInicial) t.recuperacionAnios = 0.0;
        else if (ahorro > 0) t.recuperacionAnios = (t.capitalInicial - d.capitalInicial) / ahorro;
        try {
            t.kmEquilibrio = KmEquilibrio(registro, e, e.tecnologias[i], anioActual);
        } catch (const ErrorEjecucion&) {
            // A km at which the record cannot be calculated: no crossing to show.
        }
    }
    return r;
}

std::vector<PuntoKmTecnologias> CurvaKmTecnologias(const Simulacion& registro, const EscenarioTecnologias& e,
                                                   const CosteVidaTecnologias& resultado, int anioActual, int puntos)
{
    double desde = resultado.kilometros / 2.0, hasta = resultado.kilometros * 2.0;
    std::vector<double> kms;
    for (const auto& t : resultado.tecnologias)
        if (t.kmEquilibrio) {
            kms.push_back(*t.kmEquilibrio);
            desde = std::min(desde, *t.kmEquilibrio * 0.8);
            hasta = std::max(hasta, *t.kmEquilibrio * 1.2);
        }
    desde = std::max(desde, 1000.0);
    hasta = std::min(std::max(hasta, desde), 1000000.0);
    for (int i = 0; i < puntos; ++i) kms.push_back(desde + (hasta - desde) * i / std::max(puntos - 1, 1));
    std::sort(kms.begin(), kms.end());
    std::vector<PuntoKmTecnologias> curva;
    for (double km : kms) {
        PuntoKmTecnologias p{km, {}};
        Simulacion copia = registro;
        copia.KilometrajeAnual = km;
        try {
            const Comun c = Comunes(Calculada(copia), e, anioActual);
            for (const auto& t : e.tecnologias) p.costeKm.emplace_back(Calcular(t, c).costeKm);
        } catch (const ErrorEjecucion&) {
            p.costeKm.assign(e.tecnologias.size(), std::nullopt);
        }
        curva.push_back(std::move(p));
    }
    return curva;
}

std::string CaminoCo2ATexto(const std::map<int, double>& camino)
{
    std::string texto;
    for (const auto& [anio, precio] : camino) {
        if (!texto.empty()) texto += "; ";
        texto += std::to_string(anio) + ": " + NumeroATexto(precio);
    }
    return texto;
}

std::map<int, double> LeerCaminoCo2(std::string_view texto)
{
    std::map<int, double> camino;
    for (size_t i = 0; i <= texto.size();) {
        const size_t fin = std::min(texto.find(';', i), texto.size());
        const std::string_view parte = Recortado(texto.substr(i, fin - i));
        i = fin + 1;
        if (parte.empty()) continue;
        const size_t dos = parte.find(':');
        const std::string motivo = "«" + std::string(parte) + "»: ";
        if (dos == std::string_view::npos) throw ErrorEjecucion(0, motivo + "se escribe «año: €/t»");
        const std::string_view anio = Recortado(parte.substr(0, dos));
        if (anio.size() != 4 || anio.find_first_not_of("0123456789") != std::string_view::npos)
            throw ErrorEjecucion(0, motivo + "el año se escribe con cuatro cifras");
        double precio = 0;
        try {
            precio = LeerImporte(Recortado(parte.substr(dos + 1)));
        } catch (const ErrorEjecucion&) {
            throw ErrorEjecucion(0, motivo + "el precio no es un número (decimales con coma)");
        }
        if (!(precio >= 0 && precio <= 1e5)) throw ErrorEjecucion(0, motivo + "el precio va de 0 a 100.000 €/t");
        if (!camino.emplace(std::stoi(std::string(anio)), precio).second)
            throw ErrorEjecucion(0, motivo + "año repetido");
    }
    return camino;
}

}  // namespace tarvelon
