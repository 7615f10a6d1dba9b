#include "chart/band_levels.h"

#include <algorithm>

#include "core/failure.h"
#include "text/conversions.h"

namespace tendencia {

std::vector<double> parse_band_levels(const std::string& text) {
  constexpr std::size_t kMostLevels = 5;
  std::vector<double> levels;
  std::size_t begin = 0;
  for (;;) {
    std::size_t end = text.find(',', begin);
    const std::string item = text.substr(begin, end == std::string::npos ? end : end - begin);
    double level = 0.0;
    try {
      level = as_typed_number(item, Separators{});
    } catch (const Failure&) {
      throw LevelsRefused("el nivel \"" + item + "\" no es un número");
    }
    if (!(level >= kLowestBandLevel && level <= kHighestBandLevel))
      throw LevelsRefused("el nivel \"" + item + "\" no está entre 1 y 99.9");
    levels.push_back(level);
    if (levels.size() > kMostLevels)
      throw LevelsRefused("se piden más de " + std::to_string(kMostLevels) + " niveles");
    if (end == std::string::npos) break;
    begin = end + 1;
  }
  return levels;
}

std::vector<double> band_levels(double report_level, const std::vector<double>& asked) {
  std::vector<double> levels = asked;
  if (asked.empty())
    for (double usual : {50.0, 80.0})
      if (usual < report_level) levels.push_back(usual);
  levels.push_back(report_level);
  std::sort(levels.begin(), levels.end());
  levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  return levels;
}

}  // namespace tendencia
