#include "programs/gui/command_line.h"

#include "core/failure.h"

namespace tendencia::gui {

const char* const kUsage = "Uso: tendencia-gui [CARPETA | --elegir-carpeta]";

Request parse_command_line(const std::vector<std::string>& arguments) {
  Request request;
  // The refusal is the usage line alone, one line, as for tendencia.
  if (arguments.size() > 1) throw CommandLineRefused("");
  if (arguments.empty()) return request;
  const std::string& argument = arguments.front();
  if (argument == "--elegir-carpeta") {
    request.choose_folder = true;
  } else if (!argument.empty() && argument[0] == '-') {
    throw CommandLineRefused("");
  } else {
    request.folder = argument;
  }
  return request;
}

}  // namespace tendencia::gui
