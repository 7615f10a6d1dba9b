#include "programs/importar/command_line.h"

#include "core/failure.h"
#include "text/quoted.h"

namespace tendencia::importar {

const char* const kUsage =
    "Uso: tendencia-importar FICHERO NOMBRE [--columna COLUMNA] [--sobrescribir]";

ImportRequest parse_command_line(const std::vector<std::string>& arguments) {
  ImportRequest request;
  std::vector<std::string> positional;
  bool column_given = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--sobrescribir") {
      if (request.replace_existing) throw CommandLineRefused("--sobrescribir aparece más de una vez");
      request.replace_existing = true;
    } else if (argument == "--columna" || argument.rfind("--columna=", 0) == 0) {
      if (column_given) throw CommandLineRefused("--columna aparece más de una vez");
      if (argument == "--columna") {
        if (++i == arguments.size()) throw CommandLineRefused("falta COLUMNA después de --columna");
        request.column = arguments[i];
      } else {
        request.column = argument.substr(std::string("--columna=").size());
      }
      if (request.column.empty()) throw CommandLineRefused("--columna necesita una columna");
      column_given = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      throw CommandLineRefused("opción desconocida: " + quoted(argument));
    } else {
      positional.push_back(argument);
    }
  }
  if (positional.size() < 2) throw CommandLineRefused("faltan el fichero CSV y el nombre del problema");
  if (positional.size() > 2) throw CommandLineRefused("sobra " + quoted(positional[2]));
  request.csv_file = positional[0];
  request.problem_name = positional[1];
  return request;
}

}  // namespace tendencia::importar
