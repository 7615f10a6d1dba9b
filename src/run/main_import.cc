// tendencia-importar FICHERO NOMBRE: a spreadsheet's CSV file as the data file
// "D" + NOMBRE + ".TXT" of the current folder.
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "io/csv_import.h"
#include "io/import_summary.h"
#include "io/problem_files.h"
#include "run/program.h"

namespace tendencia {
namespace {

const char* const kUsage =
    "Uso: tendencia-importar FICHERO NOMBRE [--columna COLUMNA] [--sobrescribir]\n";

const char* const kHelpAfterUsage =
    "\n"
    "Escribe el fichero de datos \"D\" + NOMBRE + \".TXT\" de la carpeta actual con la\n"
    "serie del fichero CSV FICHERO, exportado de una hoja de cálculo.\n\n"
    "Lo reconoce solo: el delimitador (\",\", \";\" o tabulador), el separador decimal\n"
    "(\",\" en los ficheros con \";\", \".\" en los demás), la codificación (UTF-8, con o\n"
    "sin marca BOM, o Windows-1252), los finales de línea (CR LF o LF), la fila de\n"
    "cabecera y la columna de periodos (la primera, si tiene etiquetas como 2001-01\n"
    "o números consecutivos como 1, 2, 3 o 2001, 2002). Los valores son la única\n"
    "otra columna con números.\n\n"
    "  --columna COLUMNA  la columna de los valores, por su cabecera o por su número\n"
    "                     (contando todas las columnas desde 1)\n"
    "  --sobrescribir     reemplaza el fichero de datos si ya existe\n\n"
    "Rechaza, sin escribir nada, celdas de valor vacías o que no son números,\n"
    "números con separador de miles, más de 1000 valores, ficheros que no son texto\n"
    "y una elección de columna dudosa. Estado de salida: 0 si escribe el fichero,\n"
    "1 si lo rechaza, 2 si la orden está mal escrita.\n";

std::optional<ImportRequest> parse_command_line(int argc, char** argv) {
  ImportRequest request;
  std::vector<std::string> positional;
  bool column_given = false;
  for (int i = 1; i < argc; ++i) {
    std::string argument = argv[i];
    if (argument == "--sobrescribir") {
      if (request.replace_existing) return std::nullopt;
      request.replace_existing = true;
    } else if (argument == "--columna" || argument.rfind("--columna=", 0) == 0) {
      if (column_given) return std::nullopt;
      if (argument == "--columna") {
        if (++i == argc) return std::nullopt;
        request.column = argv[i];
      } else {
        request.column = argument.substr(std::strlen("--columna="));
      }
      if (request.column.empty()) return std::nullopt;
      column_given = true;
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
      return std::nullopt;
    } else {
      positional.push_back(argument);
    }
  }
  if (positional.size() != 2) return std::nullopt;
  request.csv_file = positional[0];
  request.problem_name = positional[1];
  return request;
}

// What the import found and did, so a wrong guess shows at once.
void print_summary(const ImportRequest& request, const CsvImport& import) {
  const ImportedSeries& series = import.series;
  const std::string summary = import_summary(request.csv_file, import);
  std::fwrite(summary.data(), 1, summary.size(), stdout);
  std::printf("Escrito %s.\n", data_file_name(request.problem_name).c_str());
  if (series.whole_periods)
    std::printf("En tendencia, conteste %s a \"¿Año o Periodo inicial?\".\n",
                series.first_period.c_str());
}

}  // namespace
}  // namespace tendencia

int main(int argc, char** argv) {
  using namespace tendencia;
  const std::string help = std::string(kUsage) + kHelpAfterUsage;
  if (auto status = answer_help_or_version(argc, argv, "tendencia-importar", help)) return *status;
  std::optional<ImportRequest> request = parse_command_line(argc, argv);
  if (!request) {
    std::fprintf(stderr, "%s(--help para la ayuda)\n", kUsage);
    return 2;
  }
  ignore_write_signals();
  try {
    CsvImport import = import_csv_file(*request);
    print_summary(*request, import);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", import_failure_text(request->csv_file, error).c_str());
    return 1;
  }
  return 0;
}
