// What tendencia-ajuste does with its command line: reads the data file, fits
// the terms (chosen, or chosen by the series), validates them when asked, and
// writes the fit's report, the 25 coefficients, or every answer for tendencia.
#pragma once

#include "programs/ajuste/command_line.h"

namespace tendencia::ajuste {

// Returns the exit status; throws a Failure, FitRefused or CommandLineRefused
// (an option that does not fit the data file) for the program's frame to report.
int fit_program(const FitRequest& request);

}  // namespace tendencia::ajuste
