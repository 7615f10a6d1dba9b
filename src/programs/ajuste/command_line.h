// The command line of tendencia-ajuste:
//   NOMBRE (TERMINO... | --automatico) [--puntos K] [--inicio bI=VALOR ...]
//   [--respuestas] [--validar H] [--periodo m] [--nivel P]
//   [--guion M INICIO [--t-calibrada]] [--datos NOMBRE]
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "core/limits.h"
#include "model/trend_terms.h"

namespace tendencia {

// --guion M INICIO: the answers tendencia asks, for M projected periods from
// the first period INICIO.
struct ScriptAnswers {
  int points_to_project = 0;  // 0..32767
  int first_period = 1;       // -32768..32767
};

struct FitRequest {
  std::string problem_name;
  std::vector<TermGroup> groups;              // in the order of F(X), each once; none with --automatico
  bool automatic = false;                     // --automatico: the data choose the terms
  std::optional<int> points;                  // --puntos K: the first K values only
  std::vector<std::pair<int, double>> start;  // --inicio: (k, value of bk)
  bool answers_only = false;                  // --respuestas
  std::optional<int> validation_horizon;      // --validar H, 1..1000
  int period = 1;                             // --periodo m, 1..1000
  double level_percent = 95;                  // --nivel P, in (0, 100)
  std::optional<ScriptAnswers> script;        // --guion M INICIO
  bool calibrated_t = false;                  // --t-calibrada (only with --guion)
  std::optional<std::string> data_name;       // --datos NOMBRE (only with --automatico)
};

namespace ajuste {

// The one-line usage text, without a line end.
extern const char* const kUsage;

// The whole --help text: the usage, F(X), the terms and the options.
std::string help_text();

// Reads the arguments after the program's name with the one reader of
// options (programs/command_line_reader.h): the first operand is NOMBRE, the
// others the terms; --inicio takes every following bI=VALOR argument.
// Throws CommandLineRefused for what that reader refuses, no term without
// --automatico (or a term or --inicio with it), an unknown or repeated term, a
// K, H or m that is not a whole number 1..1000, a P that is not a number with
// "." strictly between 0 and 100, a start that is not "bI=VALOR" with a
// coefficient of the chosen terms and a number with "." within the double
// range; and, for --guion, an M outside 0..32767, an INICIO outside
// -32768..32767, a level other than 90, 95 or 99, a name longer than
// tendencia takes, or --respuestas or --puntos beside it; --t-calibrada
// without --guion; --datos without --automatico, or a NOMBRE that is empty,
// longer than tendencia takes, not a file name here, or the problem's own.
FitRequest parse_command_line(const std::vector<std::string>& arguments);

}  // namespace ajuste
}  // namespace tendencia
