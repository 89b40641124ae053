#include "model/ReferenciaTecnologias.h"

#include <cmath>
#include <set>

#include "model/EtiquetasCampos.h"
#include "model/Numeros.h"
#include "model/PrecioServicio.h"

namespace tarvelon {

namespace {

struct Clave {
    std::string_view nombre;
    double EntradaTecnologia::*campo;  // nullptr for the two yes/no keys
    double maximo;
    std::string_view etiqueta;
};

const Clave kClaves[] = {
    {"precio_tractora", &EntradaTecnologia::precio, 1e9, "Precio de la tractora (€)"},
    {"ayuda", &EntradaTecnologia::ayuda, 1e9, "Ayuda a la compra (€)"},
    {"instalacion", &EntradaTecnologia::instalacion, 1e9, "Instalación de recarga o repostaje (€)"},
    {"valor_residual", &EntradaTecnologia::residual, 100, "Valor residual (% del precio)"},
    {"consumo", &EntradaTecnologia::consumo, 1e4, "Consumo (unidades cada 100 km)"},
    {"precio_energia", &EntradaTecnologia::precioEnergia, 1e3, "Precio de la energía (€/unidad; en depósito)"},
    {"precio_publico", &EntradaTecnologia::precioPublico, 1e3, "Precio de la recarga pública (€/kWh)"},
    {"cuota_publica", &EntradaTecnologia::cuotaPublica, 100, "Recarga pública (% de la energía)"},
    {"variacion_precio", &EntradaTecnologia::variacionPrecio, 100, "Variación anual del precio (%)"},
    // The record's own field: its label is the field table's.
    {"mantenimiento_km", &EntradaTecnologia::mantenimientoKm, 1e3, ""},
    {"reduccion_peajes", &EntradaTecnologia::reduccionPeajes, 100, "Reducción de peajes (%)"},
    {"factor_ttw", &EntradaTecnologia::factorTtw, 1e3, "CO2 del depósito a la rueda (kg/unidad)"},
    {"factor_wtw", &EntradaTecnologia::factorWtw, 1e3, "CO2 del pozo a la rueda (kg/unidad)"},
    {"paga_carbono", nullptr, 1, "Paga el precio del CO2"},
    {"devolucion", nullptr, 1, "Devolución del gasóleo profesional"},
    {"devolucion_1000l", &EntradaTecnologia::devolucionPor1000, 1e4, "Devolución (€ por 1.000 l)"},
    {"tope_litros", &EntradaTecnologia::topeLitros, 1e9, "Tope de la devolución (l/año)"},
};

std::string_view Recortar(std::string_view s)
{
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string_view::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

}  // namespace

const std::vector<std::string_view>& ClavesTecnologia()
{
    static const std::vector<std::string_view> claves = [] {
        std::vector<std::string_view> v;
        for (const auto& c : kClaves) v.push_back(c.nombre);
        return v;
    }();
    return claves;
}

std::string AsignarCampoTecnologia(EntradaTecnologia& t, std::string_view clave, double valor)
{
    for (const auto& c : kClaves) {
        if (c.nombre != clave) continue;
        // Only the yearly price change may fall, and not by 100 % or more.
        const double minimo = c.campo == &EntradaTecnologia::variacionPrecio ? -99.99 : 0.0;
        if (!c.campo) {
            if (valor != 0 && valor != 1) return "se escribe 1 (sí) o 0 (no)";
            (clave == "paga_carbono" ? t.pagaCarbono : t.devolucion) = valor == 1;
            return {};
        }
        if (!std::isfinite(valor) || valor < minimo || valor > c.maximo)
            return "valor fuera de su intervalo (de " + NumeroATexto(minimo) + " a " + NumeroATexto(c.maximo) + ")";
        t.*c.campo = valor;
        return {};
    }
    return "clave desconocida";
}

std::string_view EtiquetaClaveTecnologia(std::string_view clave)
{
    for (const auto& c : kClaves)
        if (c.nombre == clave) {
            if (!c.etiqueta.empty()) return c.etiqueta;
            static const std::string mantenimiento = EtiquetaCampo("CVMantenimientoYReparacion");
            return mantenimiento;
        }
    return {};
}

double ValorCampoTecnologia(const EntradaTecnologia& t, std::string_view clave)
{
    for (const auto& c : kClaves)
        if (c.nombre == clave) return c.campo ? t.*c.campo : (clave == "paga_carbono" ? t.pagaCarbono : t.devolucion);
    return 0.0;
}

bool ClaveDelRegistro(std::string_view clave)
{
    for (std::string_view k : {"precio_tractora", "valor_residual", "consumo", "precio_energia", "precio_publico",
                               "cuota_publica", "mantenimiento_km"})
        if (k == clave) return true;
    return false;
}

std::vector<EntradaTecnologia> LeerReferenciaTecnologias(std::string_view texto,
                                                         std::map<std::string, std::string>* fuentes)
{
    std::vector<EntradaTecnologia> t(4);
    t[0].nombre = kDiesel;
    t[1].nombre = kHvo;
    t[2].nombre = kGnl;
    t[3].nombre = kElectrico;
    const std::string_view prefijos[] = {"diesel", "hvo", "gnl", "electrico"};
    std::set<std::string, std::less<>> vistas;
    int numero = 0;
    for (size_t i = 0; i <= texto.size();) {
        const size_t fin = std::min(texto.find('\n', i), texto.size());
        const std::string_view linea = Recortar(texto.substr(i, fin - i));
        i = fin + 1;
        ++numero;
        if (linea.empty() || linea[0] == '#') continue;
        const size_t igual = linea.find('=');
        const std::string clave(Recortar(linea.substr(0, std::min(igual, linea.size()))));
        const auto error = [&](const std::string& que) {
            std::string m = "Línea " + std::to_string(numero);
            m += " (" + clave + "): ";
            m += que;
            m += ".";
            return ErrorReferencia(numero, m);
        };
        if (igual == std::string_view::npos) throw error("falta «=»");
        const size_t punto = clave.find('.');
        int indice = -1;
        for (int k = 0; k < 4; ++k)
            if (clave.substr(0, punto) == prefijos[k]) indice = k;
        if (punto == std::string::npos || indice < 0)
            throw error("tecnología desconocida (diesel, hvo, gnl o electrico antes del punto)");
        if (!vistas.insert(clave).second) throw error("clave repetida");
        // "valor unidad | fuente | fecha": the three parts are required.
        std::string_view resto = linea.substr(igual + 1);
        std::vector<std::string_view> partes;
        for (size_t p = 0; p <= resto.size();) {
            const size_t barra = std::min(resto.find('|', p), resto.size());
            partes.push_back(Recortar(resto.substr(p, barra - p)));
            p = barra + 1;
        }
        if (partes.size() != 3 || partes[1].empty() || partes[2].empty())
            throw error("se escribe «valor unidad | fuente | fecha»");
        const std::string_view valorTexto = partes[0].substr(0, partes[0].find_first_of(" \t"));
        if (valorTexto == partes[0]) throw error("falta la unidad tras el valor");
        double valor;
        try {
            valor = LeerImporte(valorTexto);
        } catch (const ErrorEjecucion&) {
            throw error("«" + std::string(valorTexto) + "» no es un número (los decimales van con coma)");
        }
        const std::string motivo =
            AsignarCampoTecnologia(t[static_cast<size_t>(indice)], clave.substr(punto + 1), valor);
        if (!motivo.empty()) throw error(motivo);
        if (fuentes) (*fuentes)[clave] = std::string(partes[1]) + ", " + std::string(partes[2]);
    }
    return t;
}

}  // namespace tarvelon
