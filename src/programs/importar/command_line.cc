#include "programs/importar/command_line.h"

#include "core/failure.h"
#include "programs/command_line_reader.h"

namespace tendencia::importar {

const char* const kUsage =
    "Uso: tendencia-importar FICHERO NOMBRE [--columna COLUMNA] [--sobrescribir]";

ImportRequest parse_command_line(const std::vector<std::string>& arguments) {
  const CommandLine line =
      read_command_line(arguments, {{"--columna", {"COLUMNA"}}, {"--sobrescribir", {}}});
  if (line.operands.size() < 2) throw CommandLineRefused("faltan el fichero CSV y el nombre del problema");
  refuse_operands_beyond(line, 2);
  ImportRequest request;
  request.csv_file = line.operands[0];
  request.problem_name = line.operands[1];
  request.replace_existing = line.has("--sobrescribir");
  if (auto column = line.value("--columna")) {
    if (column->empty()) refuse_value("--columna", "el título o el número de una columna", *column);
    request.column = *column;
  }
  return request;
}

}  // namespace tendencia::importar
