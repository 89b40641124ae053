#include "cli/Ordenes.h"

#include "cli/Argumentos.h"

namespace tarvelon {

namespace {

const std::vector<Orden> kOrdenes = {
    {"tipos", "tipos [FICHERO]",
     "Lista los tipos de vehículo de un fichero de datos de referencia (por defecto,\n"
     "Config.txt en la carpeta del programa), uno por línea y en el orden del fichero.\n"
     "Si el fichero no tiene ningún tipo, lo dice y sale con 1.\n",
     false, false, "tipos Config.txt", OpcionesDatos(0), EstiloOpciones::Repetibles, ComandoTipos},
    {"descifrar", "descifrar FICHERO",
     "Escribe las líneas de un fichero de datos del programa (personalizados o de\n"
     "referencia) en texto legible UTF-8, para revisarlas o corregirlas y volver a\n"
     "convertirlas con cifrar.\n",
     false, false, "descifrar Config.txt > config.txt.plano", OpcionesDatos(0), EstiloOpciones::Repetibles,
     ComandoDescifrar},
    {"cifrar", "cifrar ENTRADA SALIDA",
     "Convierte un texto legible (UTF-8, una línea CLAVE=valor por dato, empezando por\n"
     "Tipo=NOMBRE) en un fichero de datos del programa: así se preparan los ficheros\n"
     "de datos personalizados y el de referencia. Los números, con coma decimal.\n",
     false, false, "cifrar config.txt.plano Config.txt", OpcionesDatos(0), EstiloOpciones::Repetibles, ComandoCifrar},
    {"informe", "informe [--detallado|--resumen] [--formato texto|json|csv] FICHERO...",
     "Informe anual de costes de un fichero de datos personalizados, como en la ventana\n"
     "de resultados: el resumen (--resumen, por defecto) o el detallado (--detallado).\n"
     "Con --formato csv admite varios ficheros: tabla de flota, una fila por fichero.\n",
     true, true, "informe --detallado misdatos.txt", OpcionesDatos(kOrigen | kInforme | kFormato | kLista),
     EstiloOpciones::Repetibles, ComandoInforme},
    {"presupuesto", "presupuesto [--formato texto|json|csv] KM HORAS FICHERO",
     "Coste de un servicio de KM kilómetros y HORAS horas. KM y HORAS son números con\n"
     "coma decimal; un texto que no es un número es un error de la orden (salida 64).\n",
     true, true, "presupuesto 350 6,5 misdatos.txt", OpcionesDatos(kOrigen | kFormato), EstiloOpciones::Repetibles,
     ComandoPresupuesto},
    {"comparar", "comparar [--formato texto|json|csv] A B",
     "Cada resultado de A junto al de B (la referencia), con la diferencia y la\n"
     "diferencia en %. A y B son cada uno un FICHERO o --tipo NOMBRE; --config FICHERO\n"
     "indica el fichero de referencia de los dos --tipo.\n",
     true, false, "comparar misdatos.txt --tipo \"Tractora con semirremolque frigorífico\"",
     OpcionesDatos(kOrigen | kFormato), EstiloOpciones::Repetibles, ComandoComparar},
    {"sensibilidad", "sensibilidad [--variacion P] [--formato texto|json|csv] FICHERO",
     "Coste total por km al bajar y subir un P % (de 1 a 50; 10 si no se indica) cada\n"
     "dato que interviene en el cálculo, de más a menos influyente, y la curva del coste\n"
     "por km entre el 50 % y el 150 % de los kilómetros anuales.\n",
     true, true, "sensibilidad --variacion 12,5 misdatos.txt", OpcionesDatos(kOrigen | kVariacion | kFormato),
     EstiloOpciones::Repetibles, ComandoSensibilidad},
    {"exportar", "exportar --xlsx SALIDA [--variacion P] FICHERO",
     "Libro de hoja de cálculo con las hojas Resumen, Estructura, Comparación (con los\n"
     "datos de referencia del mismo tipo de vehículo) y Sensibilidad (variación P %, de\n"
     "1 a 50; 10 si no se indica). SALIDA no puede ser el fichero de datos ni el de\n"
     "referencia; no admite --formato.\n",
     false, true, "exportar --xlsx costes.xlsx misdatos.txt", OpcionesDatos(kOrigen | kVariacion | kXlsx),
     EstiloOpciones::Repetibles, ComandoExportar},
    {"precio",
     "precio --precio P [--margen M] [--formato texto|json|csv] KM HORAS FICHERO",
     "El precio ofrecido P (euros sin IVA) frente al coste del servicio de KM kilómetros\n"
     "y HORAS horas (el total del presupuesto): margen en euros y en % del precio, precio\n"
     "y coste por km y si el precio cubre el coste. Con --margen M (de 0 a menos de 100),\n"
     "el precio mínimo que deja ese margen.\n",
     true,
     true,
     "precio --precio 1.250 --margen 10 350 6,5 misdatos.txt",
     {{"--precio", 1}, {"--margen", 1}, {"--tipo", 1}, {"--config", 1}, {"--formato", 1}},
     EstiloOpciones::UnaVez,
     ComandoPrecio},
    {"revision",
     "revision --precio P (--variacion G | --gasoleo P0 P1 | --serie F --desde AAAA-MM\n"
     "       --hasta AAAA-MM) (--masa T | --coeficiente K) [--umbral U] [--formato texto|json|csv]\n"
     "   o: tarvelon-datos revision --servicios SERVICIOS.csv --serie F [--umbral U]",
     "Revisión del precio P por la variación G (%) del precio medio del gasóleo entre el\n"
     "día del contrato y el del transporte: P × G × k / 100, con k de la masa máxima\n"
     "autorizada en toneladas (0,1 hasta 3,5 t; 0,2 hasta menos de 20 t; 0,3 desde 20 t)\n"
     "o escrito con --coeficiente. Se aplica si |G| llega al umbral (5 % si no se indica).\n"
     "Con --servicios revisa una lista de servicios contra la serie de precios medios.\n",
     true,
     false,
     "revision --precio 1.200 --gasoleo 1,45 1,56 --masa 40",
     {{"--precio", 1},
      {"--variacion", 1},
      {"--gasoleo", 2},
      {"--serie", 1},
      {"--desde", 1},
      {"--hasta", 1},
      {"--masa", 1},
      {"--coeficiente", 1},
      {"--umbral", 1},
      {"--formato", 1},
      {"--servicios", 1}},
     EstiloOpciones::UnaVez,
     ComandoRevision},
    {"flota",
     "flota [--gasoleo P] [--salarios P] [--peajes P] [--mantenimiento P] [--km P]\n"
     "       [--co2 EUR_T] [--formato texto|json|csv] [--sin-totales] CARPETA|--lista LISTA",
     "¿Y si…? de una flota: cada vehículo antes y después de cambiar en P % (de -100 en\n"
     "adelante) el precio del gasóleo (bruto y neto), los salarios (retribución y plus\n"
     "de asistencia), el coste del km de autopista, el mantenimiento por km o los km\n"
     "anuales (más de -100), y de poner un precio de EUR_T euros por tonelada al CO2 del\n"
     "gasóleo (2,67 kg/litro). Una fila por vehículo (km, servicios, €/km, €/servicio,\n"
     "€/año, litros, t de CO2) con la diferencia, y una de totales (€/km y €/servicio,\n"
     "medias ponderadas por los km); --sin-totales la omite, para unir las partes de una\n"
     "flota grande. CARPETA: cada fichero de la carpeta, por orden de nombre, sin\n"
     "subcarpetas; LISTA: un fichero por línea (con -, de la entrada estándar). Un\n"
     "fichero que falla muestra el motivo en su fila.\n",
     true,
     false,
     "flota --gasoleo 10 --salarios 3,5 --co2 80 misdatos/",
     {{"--gasoleo", 1},
      {"--salarios", 1},
      {"--peajes", 1},
      {"--mantenimiento", 1},
      {"--km", 1},
      {"--co2", 1},
      {"--formato", 1},
      {"--lista", 1},
      {"--sin-totales", 0}},
     EstiloOpciones::UnaVez,
     ComandoFlota},
    {"tecnologias",
     "tecnologias [--escenario F] [--formato texto|json|csv] FICHERO",
     "Coste de vida del vehículo con cuatro tecnologías: Diésel (los datos del fichero),\n"
     "HVO, GNL y Eléctrico de batería (tecnologias.txt en la carpeta del programa): coste\n"
     "por año, valor presente, coste por km, año y km de equilibrio frente al diésel y\n"
     "CO2. El escenario F (JSON) cambia el horizonte, el primer año, la tasa, el precio\n"
     "del CO2 por año y los datos de cada tecnología.\n",
     true,
     true,
     "tecnologias --escenario escenario.json misdatos.txt",
     {{"--escenario", 1}, {"--tipo", 1}, {"--config", 1}, {"--formato", 1}},
     EstiloOpciones::UnaVez,
     ComandoTecnologias},
};

}  // namespace

const std::vector<Orden>& Ordenes() { return kOrdenes; }

const Orden* BuscarOrden(std::string_view nombre)
{
    for (const Orden& o : Ordenes())
        if (o.nombre == nombre) return &o;
    return nullptr;
}

}  // namespace tarvelon
