#include "programs/gui/command_line.h"

#include "core/failure.h"
#include "programs/command_line_reader.h"

namespace tendencia::gui {

const char* const kUsage = "Uso: tendencia-gui [CARPETA | --elegir-carpeta]";

Request parse_command_line(const std::vector<std::string>& arguments) {
  Request request;
  try {
    const CommandLine line = read_command_line(arguments, {{"--elegir-carpeta", {}}});
    refuse_operands_beyond(line, line.has("--elegir-carpeta") ? 0 : 1);
    request.choose_folder = line.has("--elegir-carpeta");
    if (!line.operands.empty()) request.folder = line.operands.front();
  } catch (const CommandLineRefused&) {
    // The refusal is the usage line alone, one line, as for tendencia.
    throw CommandLineRefused("");
  }
  return request;
}

}  // namespace tendencia::gui
