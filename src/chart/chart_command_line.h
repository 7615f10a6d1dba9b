// The command line of tendencia-grafico: NOMBRE [--csv] [--niveles LISTA].
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tendencia {

constexpr const char* kChartUsage =
    "Uso: tendencia-grafico NOMBRE [--csv] [--niveles 50,80,95] (--help para la ayuda)";

struct ChartCommandLine {
  std::string name;
  bool table = false;          // --csv
  std::vector<double> levels;  // --niveles; empty: the usual ones
};

// A command line that is not one; what() says what is wrong, in Spanish.
class ChartUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The problem name first, then the options in any order, each at most once.
// ChartUsageError for a missing name, an unknown or repeated option, a
// --niveles without its list or with a wrong one (parse_band_levels).
ChartCommandLine parse_chart_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia
