#include "cli/AyudaOrdenes.h"

#include <algorithm>

#include "cli/Datos.h"
#include "cli/Ordenes.h"

namespace tarvelon {

bool EsAyuda(std::string a, bool comoOrden)
{
    std::transform(a.begin(), a.end(), a.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return a == "--help" || a == "-h" || a == "--ayuda" || (comoOrden && a == "ayuda");
}

std::string TextoAyuda(const std::string& orden)
{
    if (orden.empty() || EsAyuda(orden, true))
        return TextoUsoDatos() +
               "Ayuda de cada orden: tarvelon-datos ORDEN --help (o tarvelon-datos ayuda ORDEN).\n"
               "Los ficheros de datos, personalizados o de referencia, son ficheros del programa:\n"
               "los guarda el programa, o se escriben en texto legible (una línea CLAVE=valor por\n"
               "dato) y se convierten con tarvelon-datos cifrar.\n"
               "Los números llevan coma decimal (6,5); el punto solo separa los miles, en grupos\n"
               "de tres (120.000): un número con el punto en otro lugar (6.5) no se admite.\n";
    for (const Orden& a : Ordenes()) {
        if (a.nombre != orden) continue;
        std::string t = "Uso: tarvelon-datos " + std::string(a.uso) + "\n" + std::string(a.texto);
        if (a.formato) t += "--formato: texto (por defecto), json o csv.\n";
        if (a.tipo)
            t += "--tipo NOMBRE [--config FICHERO] en lugar de FICHERO toma los datos de referencia de\n"
                 "ese tipo de vehículo (por defecto, de Config.txt en la carpeta del programa).\n";
        return t + "Ejemplo:\n  tarvelon-datos " + std::string(a.ejemplo) +
               "\nSalida: 0 bien, 1 datos no válidos, 2 error, 64 argumentos incorrectos.\n";
    }
    return {};
}

std::string TextoUsoDatos()
{
    return "Uso:\n"
           "  tarvelon-datos tipos [FICHERO]\n"
           "  tarvelon-datos descifrar FICHERO\n"
           "  tarvelon-datos cifrar ENTRADA SALIDA\n"
           "  tarvelon-datos informe [--detallado|--resumen] [--formato texto|json|csv] FICHERO...\n"
           "  tarvelon-datos informe [--formato csv] --lista LISTA\n"
           "  tarvelon-datos presupuesto [--formato texto|json|csv] KM HORAS FICHERO\n"
           "  tarvelon-datos precio --precio P [--margen M] [--formato texto|json|csv] KM HORAS FICHERO\n"
           "  tarvelon-datos revision --precio P (--variacion G | --gasoleo P0 P1 |\n"
           "      --serie F --desde AAAA-MM --hasta AAAA-MM) (--masa T | --coeficiente K)\n"
           "      [--umbral U] [--formato texto|json|csv]\n"
           "  tarvelon-datos revision --servicios SERVICIOS.csv --serie F [--umbral U]\n"
           "  tarvelon-datos tecnologias [--escenario F] [--formato texto|json|csv] FICHERO\n"
           "  tarvelon-datos comparar [--formato texto|json|csv] A B\n"
           "  tarvelon-datos sensibilidad [--variacion P] [--formato texto|json|csv] FICHERO\n"
           "  tarvelon-datos exportar --xlsx SALIDA [--variacion P] FICHERO\n"
           "  tarvelon-datos flota [--gasoleo P] [--salarios P] [--peajes P] [--mantenimiento P] [--km P]\n"
           "       [--co2 EUR_T] [--formato texto|json|csv] [--sin-totales] CARPETA|--lista LISTA\n"
           "--tipo NOMBRE [--config FICHERO] en lugar de FICHERO (en comparar, de A o de B)\n"
           "toma los datos de referencia de ese tipo de vehículo (por defecto, de Config.txt\n"
           "en la carpeta del programa). Varios ficheros solo con informe --formato csv.\n"
           "P: variación en %, de 1 a 50 (10 si no se indica).\n"
           "LISTA: un fichero por línea (con -, de la entrada estándar).\n"
           "Salida: 0 informe, 1 datos no válidos, 2 error, 64 argumentos incorrectos.\n";
}

}  // namespace tarvelon
