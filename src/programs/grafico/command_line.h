// The command line of tendencia-grafico: NOMBRE [--csv] [--niveles LISTA].
#pragma once

#include <string>
#include <vector>

namespace tendencia::grafico {

extern const char* const kUsage;

struct Request {
  std::string name;
  bool table = false;          // --csv
  std::vector<double> levels;  // --niveles; empty: the usual ones
};

// Reads the arguments after the program's name: the problem name first, then
// the options in any order, each at most once. Throws CommandLineRefused for a
// missing name, an unknown or repeated option, a --niveles without its list or
// with a wrong one (parse_band_levels says why).
Request parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::grafico
