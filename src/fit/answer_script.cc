#include "fit/answer_script.h"

#include <cmath>
#include <cstdio>

#include "fit/fit_report.h"

namespace tendencia {

bool tendencia_asks_t(int values) { return values > 32; }

std::string t_answer_form(double t, const Separators& separators) {
  long long millionths = std::llround(t * 1e6);
  // tendencia takes a fraction below 0.000001 for a whole count of points;
  // 0.000002 stays above it after its own conversion's rounding.
  if (millionths % 1000000 < 2) millionths += 2 - millionths % 1000000;
  char whole[32], fraction[16];
  std::snprintf(whole, sizeof whole, "%lld", millionths / 1000000);
  std::snprintf(fraction, sizeof fraction, "%06lld", millionths % 1000000);
  return std::string(whole) + separators.decimal + fraction;
}

std::string answer_script(const ScriptRequest& request, const Coefficients& coefficients,
                          int values, const std::optional<double>& t,
                          const Separators& separators) {
  std::string lines = request.problem_name + "\n" + std::to_string(request.points_to_project) +
                      "\n" + std::to_string(request.level_percent) + "\n";
  lines += coefficient_answers(coefficients);
  if (tendencia_asks_t(values)) lines += t_answer_form(t.value_or(0.0), separators) + "\n";
  lines += std::to_string(request.first_period) + "\n";
  return lines;
}

}  // namespace tendencia
