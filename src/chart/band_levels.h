// The levels of the nested prediction bands a chart draws: the report's own
// and the others the user asks for with --niveles.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tendencia {

constexpr double kLowestBandLevel = 1.0;
constexpr double kHighestBandLevel = 99.9;

// A --niveles list that is not one.
class LevelsRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "50,80,95": levels in percent separated by commas, each a number with "."
// for its fraction ("99.5"), between kLowestBandLevel and kHighestBandLevel,
// blanks around each allowed. LevelsRefused, naming the item, for an empty
// item, a non-number, a level out of range, or more than 5 levels.
std::vector<double> parse_band_levels(const std::string& text);

// The levels to draw, ascending and each once: the report's level with those
// `asked`, or with 80 and 50 where they are below it when nothing is asked.
std::vector<double> band_levels(double report_level, const std::vector<double>& asked);

}  // namespace tendencia
