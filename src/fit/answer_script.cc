#include "fit/answer_script.h"

#include <cmath>
#include <cstdio>

#include "fit/fit_report.h"
#include "io/run_answers.h"

namespace tendencia {

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
  RunAnswers answers;
  answers.problem_name = request.problem_name;
  answers.points_to_project = std::to_string(request.points_to_project);
  answers.level = std::to_string(request.level_percent);
  for (std::size_t k = 0; k < answers.coefficients.size(); ++k)
    answers.coefficients[k] = exact_form(coefficients.b[k]);
  if (run_asks_t(static_cast<std::size_t>(values)))
    answers.student_t = t_answer_form(t.value_or(0.0), separators);
  answers.first_period = std::to_string(request.first_period);
  std::string lines;
  for (const std::string& line : answer_lines(answers, static_cast<std::size_t>(values)))
    lines += line + "\n";
  return lines;
}

}  // namespace tendencia
