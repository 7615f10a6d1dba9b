#include "chart/chart_command_line.h"

#include "chart/band_levels.h"

namespace tendencia {

ChartCommandLine parse_chart_command_line(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].empty() || arguments[0].rfind("--", 0) == 0)
    throw ChartUsageError("falta el nombre del problema");
  ChartCommandLine line;
  line.name = arguments[0];
  bool levels_given = false;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& option = arguments[i];
    if (option == "--csv" && !line.table) {
      line.table = true;
    } else if (option == "--niveles" && !levels_given) {
      if (i + 1 >= arguments.size()) throw ChartUsageError("--niveles necesita una lista: 50,80,95");
      try {
        line.levels = parse_band_levels(arguments[++i]);
      } catch (const LevelsRefused& refused) {
        throw ChartUsageError(std::string("--niveles: ") + refused.what());
      }
      levels_given = true;
    } else {
      throw ChartUsageError("opción desconocida o repetida: " + option);
    }
  }
  return line;
}

}  // namespace tendencia
