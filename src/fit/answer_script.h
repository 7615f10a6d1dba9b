// Every answer tendencia asks for a data file, in its order, so a script can
// pipe them in: the problem's name, the points to project, the level, b0..b24,
// the t when the data file has more than 32 values, and the first period.
#pragma once

#include <optional>
#include <string>

#include "model/trend_function.h"
#include "text/separators.h"

namespace tendencia {

struct ScriptRequest {
  std::string problem_name;   // at most 7 characters, as tendencia asks
  int points_to_project = 0;  // M
  int level_percent = 95;     // 90, 95 or 99: the levels tendencia's tables hold
  int first_period = 1;       // INICIO
};

// t with 6 decimals and the locale's decimal separator, as tendencia reads a
// typed t. A t whose fraction would fall below one millionth is raised to the
// next 0.000002, so tendencia never reads it as a count of points. The caller
// passes a finite t >= 0.
std::string t_answer_form(double t, const Separators& separators);

// The answers, one a line (io/run_answers.h). `t` must be given when
// run_asks_t(values).
// Coefficients are written with "." (tendencia reads them so in every locale),
// the t in t_answer_form.
std::string answer_script(const ScriptRequest& request, const Coefficients& coefficients,
                          int values, const std::optional<double>& t,
                          const Separators& separators);

}  // namespace tendencia
