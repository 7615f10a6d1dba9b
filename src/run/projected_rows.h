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
//
// Rows are independent of each other, so a long report is made in blocks by
// two threads, this one and a helper, and the blocks reach the report in
// order; what is written and which failure is reported are exactly those of
// making the rows one by one.
void write_projected_rows(const ProjectedRows& rows, ResultsReport& report);

// Rows in a block: about half a piece of the results file (64 KiB) of typical
// rows. Turns stay few (84 in the longest report), and the blocks under way
// add less memory than the program's libraries vary by from run to run.
constexpr int kProjectedBlockRows = 384;

}  // namespace tendencia
