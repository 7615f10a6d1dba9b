// The command line of tendencia-gui: [CARPETA | --elegir-carpeta].
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tendencia::gui {

extern const char* const kUsage;

struct Request {
  std::optional<std::string> folder;  // CARPETA: work there, as if started there
  bool choose_folder = false;         // --elegir-carpeta: ask for the folder first
};

// Reads the arguments with the one reader of options
// (programs/command_line_reader.h); "-" alone is a folder's name. Throws
// CommandLineRefused, with no reason beyond the usage line, for more than one
// folder, a folder with --elegir-carpeta, or what that reader refuses.
Request parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::gui
