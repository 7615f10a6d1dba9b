#include "programs/tendencia/command_line.h"

#include "core/failure.h"

namespace tendencia::terminal {

const char* const kUsage = "Uso: tendencia";

Request parse_command_line(const std::vector<std::string>& arguments) {
  // The refusal is the usage line alone, one line, as for tendencia-gui.
  if (!arguments.empty()) throw CommandLineRefused("");
  return {};
}

}  // namespace tendencia::terminal
