// The command line of tendencia-ajuste:
//   NOMBRE TERMINO... [--puntos K] [--inicio bI=VALOR ...] [--respuestas]
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "model/trend_terms.h"

namespace tendencia {

struct FitRequest {
  std::string problem_name;
  std::vector<TermGroup> groups;              // in the order of F(X), each once
  std::optional<int> points;                  // --puntos K: the first K values only
  std::vector<std::pair<int, double>> start;  // --inicio: (k, value of bk)
  bool answers_only = false;                  // --respuestas
};

constexpr int kMaxPoints = 1000;  // the most rows a data file holds

// The one-line usage text, without a line end.
const char* fit_usage();

// Reads the arguments after the program's name. Terms and options may come in
// any order after NOMBRE; --inicio takes every following bI=VALOR argument.
// Throws CommandLineRefused for no term, an unknown or repeated term, an
// unknown option, a K that is not a whole number 1..1000, or a start that is
// not "bI=VALOR" with a coefficient of the chosen terms and a plain number
// ("." as decimal point) within the double range.
FitRequest parse_fit_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia
