// The window's fields as the answers tendencia's run asks for, in its order,
// so the run writes the report the terminal program writes for them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "text/separators.h"

namespace tendencia {

struct RunChoices {
  std::string problem_name;
  std::string points_to_project;              // M, as typed
  int level = 95;                             // 90, 95 or 99
  std::array<std::string, 25> coefficients;   // b0..b24, as typed; empty is 0
  std::string student_t;                      // as typed; asked only for long series
  std::string first_period;                   // as typed
};

// The answers, one per question: the name, M, the level, b0..b24, the t when
// tendencia asks for it (tendencia_asks_t, fit/answer_script.h), the initial
// period.
std::vector<std::string> run_answers(const RunChoices& choices, std::size_t values);

// The t the window shows for `values` values at `level`: the table's, as the
// run takes it, up to 32 values (empty where the table has none: fewer than 3
// values); above, the exact Student quantile for values - 2 degrees of freedom
// as tendencia-ajuste --guion writes it (t_answer_form), an answer the run
// reads as a t value, never as a count of points.
std::string proposed_student_t(int level, std::size_t values, const Separators& separators);

// Why `name` cannot be the problem name (empty, too long, or reaching into
// another folder), in Spanish; empty when it can.
std::string problem_name_refusal(const std::string& name);

}  // namespace tendencia
