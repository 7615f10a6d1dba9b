#include "io/run_answers.h"

namespace tendencia {

bool run_asks_t(std::size_t values) { return values > kMostTablePoints; }

std::vector<std::string> answer_lines(const RunAnswers& answers, std::size_t values) {
  std::vector<std::string> lines{answers.problem_name, answers.points_to_project, answers.level};
  lines.insert(lines.end(), answers.coefficients.begin(), answers.coefficients.end());
  if (run_asks_t(values)) lines.push_back(answers.student_t);
  lines.push_back(answers.first_period);
  return lines;
}

}  // namespace tendencia
