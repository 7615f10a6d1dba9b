#include "programs/grafico/command_line.h"

#include "chart/band_levels.h"
#include "core/failure.h"

namespace tendencia::grafico {

const char* const kUsage = "Uso: tendencia-grafico NOMBRE [--csv] [--niveles 50,80,95]";

Request parse_command_line(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].empty() || arguments[0].rfind("--", 0) == 0)
    throw CommandLineRefused("falta el nombre del problema");
  Request request;
  request.name = arguments[0];
  bool levels_given = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--csv" && !request.table) {
      request.table = true;
    } else if (option == "--niveles" && !levels_given) {
      if (i + 1 >= arguments.size())
        throw CommandLineRefused("--niveles necesita una lista, como 50,80,95");
      try {
        request.levels = parse_band_levels(arguments[++i]);
      } catch (const LevelsRefused& refused) {
        throw CommandLineRefused(std::string("--niveles: ") + refused.what());
      }
      levels_given = true;
    } else {
      throw CommandLineRefused("opción desconocida o repetida: " + option);
    }
  }
  return request;
}

}  // namespace tendencia::grafico
