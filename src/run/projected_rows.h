// The projected rows of the report: in a long report nearly every line.
#pragma once

#include "core/int16_arithmetic.h"
#include "io/results_report.h"
#include "model/regression_line.h"
#include "model/trend_function.h"

namespace tendencia {

struct ProjectedRows {
  const RegressionLine& line;
  const Coefficients& coefficients;
  Int16 observed;       // N, the points of the fit
  double t;             // Student t of the interval
  Int16 last_observed;  // label of the last observed row
  Int16 count;          // M >= 1
};

// Writes rows X = N+1 .. N+M, each the period label, the trend and the lower
// and upper bound. A failure at a row (an operation of F, a label beyond
// 32767) stops there with every earlier row written.
void write_projected_rows(const ProjectedRows& rows, ResultsReport& report);

}  // namespace tendencia
