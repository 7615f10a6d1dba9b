#include "programs/tendencia/command_line.h"

#include "core/failure.h"
#include "programs/command_line_reader.h"

namespace tendencia::terminal {

const char* const kUsage = "Uso: tendencia";

Request parse_command_line(const std::vector<std::string>& arguments) {
  try {
    refuse_operands_beyond(read_command_line(arguments, {}), 0);
  } catch (const CommandLineRefused&) {
    // The refusal is the usage line alone, one line, as for tendencia-gui.
    throw CommandLineRefused("");
  }
  return {};
}

}  // namespace tendencia::terminal
