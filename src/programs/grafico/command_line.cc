#include "programs/grafico/command_line.h"

#include "chart/band_levels.h"
#include "core/failure.h"
#include "programs/command_line_reader.h"

namespace tendencia::grafico {

const char* const kUsage =
    "Uso: tendencia-grafico NOMBRE [--csv] [--niveles 50,80,95] [--carpeta DIR]";

Request parse_command_line(const std::vector<std::string>& arguments) {
  const CommandLine line = read_command_line(
      arguments, {{"--csv", {}}, {"--niveles", {"LISTA"}}, {"--carpeta", {"DIR"}}});
  if (line.operands.empty() || line.operands.front().empty())
    throw CommandLineRefused("falta el nombre del problema");
  refuse_operands_beyond(line, 1);
  Request request;
  request.name = line.operands.front();
  request.table = line.has("--csv");
  if (auto list = line.value("--niveles")) {
    try {
      request.levels = parse_band_levels(*list);
    } catch (const LevelsRefused& refused) {
      refuse_value("--niveles", std::string("una lista como 50,80,95 (") + refused.what() + ")",
                   *list);
    }
  }
  if (auto folder = line.value("--carpeta")) {
    if (folder->empty()) refuse_value("--carpeta", "el nombre de una carpeta", *folder);
    request.folder = *folder;
  }
  return request;
}

}  // namespace tendencia::grafico
