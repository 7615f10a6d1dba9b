// What tendencia-ajuste does with its command line: reads the data file, fits
// the terms (chosen, or chosen by the series), validates them when asked, and
// writes the fit's report, the 25 coefficients, or every answer for tendencia.
#pragma once

#include <string>
#include <vector>

#include "fit/fit_pipeline.h"
#include "programs/ajuste/command_line.h"
#include "text/separators.h"

namespace tendencia::ajuste {

// Returns the exit status; throws a Failure, FitRefused or CommandLineRefused
// (an option that does not fit the data file) for the program's frame to report.
int fit_program(const FitRequest& request);

// CommandLineRefused when the run's periods for the request's --guion and
// `values` values would leave tendencia's 16 bits.
void check_script_fits(const ScriptAnswers& script, int values);

// What --guion gives tendencia: the fit, the problem the run is given, and
// every answer it asks, one a line.
struct ScriptedFit {
  FitOutcome outcome;
  std::string run_problem;  // NOMBRE, or with --datos the problem written for the run
  std::string answers;
  // What tendencia-ajuste says on stderr beside them, a line each: the naive
  // projection done better, where the run's data are, a t that cannot be used.
  std::vector<std::string> notes;
};

// The fit `request` (with --guion, whose check_script_fits passed) asks for
// on `y`, the values of its data file in `folder`; with --datos, the data
// file of the run's values written there. Throws what fit_program throws.
ScriptedFit scripted_fit(const FitRequest& request, const std::vector<double>& y,
                         const std::string& folder, const Separators& separators);

}  // namespace tendencia::ajuste
