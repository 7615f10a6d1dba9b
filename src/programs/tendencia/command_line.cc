#include "programs/tendencia/command_line.h"

#include "core/failure.h"

namespace tendencia::terminal {

const char* const kUsage = "Uso: tendencia";

Request parse_command_line(const std::vector<std::string>& arguments) {
  if (!arguments.empty()) throw CommandLineRefused("tendencia no admite argumentos");
  return {};
}

}  // namespace tendencia::terminal
