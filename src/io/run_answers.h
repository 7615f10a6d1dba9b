// The answers one run of tendencia reads, one per question, in the order it
// asks them: what tendencia-ajuste --guion prints, what the studio's window
// gathers for "Proyectar", and what a test types.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tendencia {

struct RunAnswers {
  std::string problem_name;
  std::string points_to_project;             // M
  std::string level;                         // 90, 95 or 99 are the table's (confidence_index)
  std::array<std::string, 25> coefficients;  // b0..b24, "." as decimal point; empty is 0
  std::string student_t;                     // asked only where run_asks_t
  std::string first_period;
};

// The most points the Student table serves (30 degrees of freedom); with more
// values in the data file the run asks for t or for fewer points.
constexpr std::size_t kMostTablePoints = 32;

// Does the run ask for t with a data file of `values` values?
bool run_asks_t(std::size_t values);

// The answers for a data file of `values` values: the name, M, the level,
// b0..b24, the t where run_asks_t(values), the initial period.
std::vector<std::string> answer_lines(const RunAnswers& answers, std::size_t values);

}  // namespace tendencia
