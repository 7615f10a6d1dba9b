// The command line of tendencia-grafico: NOMBRE [--csv] [--niveles LISTA]
// [--carpeta DIR].
#pragma once

#include <string>
#include <vector>

namespace tendencia::grafico {

extern const char* const kUsage;

struct Request {
  std::string name;
  bool table = false;          // --csv
  std::vector<double> levels;  // --niveles; empty: the usual ones
  std::string folder;          // --carpeta: the problem's folder; empty: the current one
};

// Reads the arguments after the program's name with the one reader of
// options (programs/command_line_reader.h). Throws CommandLineRefused for what
// that reader refuses, a missing or empty name, a second name, a wrong
// --niveles list (parse_band_levels says why) and an empty --carpeta.
Request parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::grafico
