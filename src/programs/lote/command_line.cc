#include "programs/lote/command_line.h"

#include "core/failure.h"
#include "programs/command_line_reader.h"
#include "text/number_scanner.h"

namespace tendencia::lote {
namespace {

const std::vector<OptionRule>& options() {
  static const std::vector<OptionRule> rules = {
      {"--serie", {"COLUMNA"}},  {"--periodo", {"COLUMNA"}}, {"--valor", {"COLUMNA"}},
      {"--puntos", {"M"}},       {"--nivel", {"P"}},         {"--datos", {}},
      {"--hilos", {"N"}},        {"--parte", {"K/N"}},       {"--rehacer", {}},
      {"--unir", {}},
  };
  return rules;
}

std::string column_named(const CommandLine& line, const std::string& option) {
  const std::optional<std::string> column = line.value(option);
  if (column && column->empty())
    refuse_value(option, "la cabecera o el número de una columna", *column);
  return column.value_or("");
}

// K/N: two whole numbers by the scanner's rules around one "/".
void read_part(const std::string& text, Request& request) {
  const std::string needs = "K/N, la parte K de N con 1 <= K <= N <= " +
                            std::to_string(kMaxSheetSeries);
  const std::size_t slash = text.find('/');
  if (slash == std::string::npos) refuse_value("--parte", needs, text);
  try {
    const int most = static_cast<int>(kMaxSheetSeries);
    request.part = whole_value(text.substr(0, slash), 1, most, "--parte K");
    request.parts = whole_value(text.substr(slash + 1), 1, most, "--parte N");
  } catch (const CommandLineRefused&) {
    refuse_value("--parte", needs, text);
  }
  if (request.part > request.parts) refuse_value("--parte", needs, text);
}

}  // namespace

const char* const kUsage =
    "Uso: tendencia-lote HOJA [--serie COLUMNA] [--periodo COLUMNA] [--valor COLUMNA] "
    "[--puntos M] [--nivel P] [--datos] [--hilos N] [--parte K/N] [--rehacer] | "
    "tendencia-lote --unir";

Request parse_command_line(const std::vector<std::string>& arguments) {
  const CommandLine line = read_command_line(arguments, options());
  Request request;
  if (line.has("--unir")) {
    refuse_operands_beyond(line, 0);
    if (line.options.size() > 1)
      throw CommandLineRefused("--unir no se combina con otras opciones: une las partes de la "
                               "carpeta tal como se escribieron");
    request.merge = true;
    return request;
  }
  if (line.operands.empty()) throw CommandLineRefused("falta la hoja (un fichero CSV)");
  refuse_operands_beyond(line, 1);
  request.sheet = line.operands.front();
  request.columns = {column_named(line, "--serie"), column_named(line, "--periodo"),
                     column_named(line, "--valor")};
  if (auto m = line.value("--puntos")) request.points = whole_value(*m, 0, 32767, "--puntos");
  if (auto p = line.value("--nivel")) request.level = run_level_value(*p, "--nivel");
  request.data_choices = line.has("--datos");
  if (auto n = line.value("--hilos")) request.threads = whole_value(*n, 1, 1024, "--hilos");
  if (auto part = line.value("--parte")) read_part(*part, request);
  request.redo = line.has("--rehacer");
  return request;
}

std::string help_text() {
  return std::string(kUsage) +
         "\n\n"
         "Proyecta cada serie de la hoja HOJA (un fichero CSV de una hoja de cálculo) como\n"
         "lo hace, serie a serie,\n"
         "  tendencia-ajuste NOMBRE --automatico --guion M INICIO --t-calibrada | tendencia\n"
         "y escribe en la carpeta actual, para la serie número i de la hoja (NOMBRE = S0001,\n"
         "S0002...): su fichero de datos DNOMBRE.TXT, su informe ENOMBRE.TXT y su fila del\n"
         "resumen RNOMBRE.CSV; y para todas, lote-series.csv (el nombre de cada serie en la\n"
         "hoja), lote-pronosticos.csv (serie, periodo, observado, tendencia, minimo,\n"
         "maximo) y lote-resumen.csv (serie, terminos, datos, mase, mase_ingenuo,\n"
         "cobertura, t y estado: ok, o por qué se rechaza).\n\n"
         "La hoja se lee como la lee tendencia-importar (delimitador, codificación,\n"
         "separador decimal, calendario de los periodos). Dos formas:\n"
         "  ancha  la fila 1 nombra las series; una columna de periodos primero y una\n"
         "         columna de valores por serie (que puede empezar o acabar antes);\n"
         "  larga  una columna con el nombre de la serie, otra con el periodo y otra\n"
         "         con el valor, en cualquier orden: las que nombran --serie, --periodo\n"
         "         y --valor (por su cabecera o su número), o las de cabecera serie,\n"
         "         periodo (o fecha) y valor.\n"
         "Una serie con una celda vacía o que no es un número se rechaza sola, con su fila\n"
         "y su columna, y las demás siguen.\n\n"
         "  --puntos M     periodos proyectados; por omisión, el horizonte de la M4 para el\n"
         "                 calendario de la serie (18 meses, 8 trimestres, 6 años, 13\n"
         "                 semanas, 14 días), o 6 sin calendario\n"
         "  --nivel P      nivel del intervalo: 90, 95 (por omisión) o 99\n"
         "  --datos        elige también los datos del ajuste (la serie, su logaritmo o sus\n"
         "                 últimos valores), en DNOMBREd.TXT, y el informe es ENOMBREd.TXT\n"
         "  --hilos N      series a la vez (por omisión, una por procesador)\n"
         "  --parte K/N    solo las series K, K + N, K + 2N...; las tablas van a\n"
         "                 lote-pronosticos-K-de-N.csv y lote-resumen-K-de-N.csv\n"
         "  --rehacer      rehace todas las series (sin ella, una serie cuyo informe está\n"
         "                 completo y es más nuevo que la hoja se toma tal cual)\n"
         "  --unir         une las partes de la carpeta en las tablas de una sola ejecución\n\n"
         "INICIO es el primer año de una serie anual y 1 en las demás; la estación del\n"
         "pronóstico ingenuo (el MASE) es la del calendario: 12 con meses, 4 con\n"
         "trimestres (--periodo de tendencia-ajuste). Ctrl+C termina las series en curso y\n"
         "escribe las tablas de lo hecho. Estado de salida: 0 si todas las series se\n"
         "proyectan, 1 si alguna se rechaza o la hoja no se puede leer, 2 si la orden está\n"
         "mal escrita.\n";
}

}  // namespace tendencia::lote
