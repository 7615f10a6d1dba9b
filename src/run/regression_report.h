// The report from the regression line to the last projected row, with the
// initial-period question in between.
#pragma once

#include "io/results_report.h"
#include "model/series.h"
#include "model/student_table.h"
#include "model/trend_function.h"
#include "ui/dialogue.h"

namespace tendencia {

void write_regression_report(const Coefficients& coefficients, const DataSeries& series,
                             const TSelection& selection, Int16 points_to_project,
                             Dialogue& dialogue, ResultsReport& report);

}  // namespace tendencia
