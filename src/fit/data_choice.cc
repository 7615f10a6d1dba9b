#include "fit/data_choice.h"

#include "io/title_line.h"

#include <algorithm>
#include <cmath>

namespace tendencia {

bool applies_to(const DataChoice& choice, const std::vector<double>& y) {
  if (choice.latest != 0 &&
      (choice.latest < kFewestLatestValues || choice.latest >= static_cast<int>(y.size())))
    return false;
  if (choice.logarithm)
    return std::all_of(y.begin(), y.end(), [](double v) { return v > 0.0 && std::isfinite(v); });
  return true;
}

std::vector<double> values_for_run(const DataChoice& choice, const std::vector<double>& y,
                                   std::size_t k) {
  std::size_t first = 0;
  if (choice.latest != 0 && k > static_cast<std::size_t>(choice.latest))
    first = k - static_cast<std::size_t>(choice.latest);
  std::vector<double> values(y.begin() + static_cast<std::ptrdiff_t>(first),
                             y.begin() + static_cast<std::ptrdiff_t>(k));
  for (double& v : values) v = in_run_units(choice, v);
  return values;
}

double in_run_units(const DataChoice& choice, double value) {
  return choice.logarithm ? std::log(value) : value;
}

double in_series_units(const DataChoice& choice, double value) {
  return choice.logarithm ? std::exp(value) : value;
}

std::string data_choice_name(const DataChoice& choice) {
  const std::string latest = "últimos " + std::to_string(choice.latest);
  if (choice.logarithm) return choice.latest ? "logaritmo de los " + latest : "logaritmo";
  return choice.latest ? latest : "serie";
}

std::string values_header_for(const DataChoice& choice, const std::string& series_name) {
  std::string header = choice.logarithm ? logarithm_header(series_name) : series_name;
  if (choice.latest) header += ", últimos " + std::to_string(choice.latest);
  return header;
}

}  // namespace tendencia
