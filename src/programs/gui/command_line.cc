#include "programs/gui/command_line.h"

#include "core/failure.h"
#include "text/quoted.h"

namespace tendencia::gui {

const char* const kUsage = "Uso: tendencia-gui [CARPETA | --elegir-carpeta]";

Request parse_command_line(const std::vector<std::string>& arguments) {
  Request request;
  if (arguments.size() > 1) throw CommandLineRefused("sobra " + quoted(arguments[1]));
  if (arguments.empty()) return request;
  const std::string& argument = arguments.front();
  if (argument == "--elegir-carpeta") {
    request.choose_folder = true;
  } else if (!argument.empty() && argument[0] == '-') {
    throw CommandLineRefused("opción desconocida: " + quoted(argument));
  } else {
    request.folder = argument;
  }
  return request;
}

}  // namespace tendencia::gui
