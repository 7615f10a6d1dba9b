// "Proyectar" without the window: tendencia's own run sequence with the
// answers the window gathered, and the report read back for the chart.
#pragma once

#include <string>
#include <vector>

#include "chart/forecast_report.h"
#include "text/separators.h"

namespace tendencia {

// Runs the run sequence on the problem's files in `folder`, every question
// answered from `answers` (io/run_answers.h), and reads back the results file
// it wrote.
// Throws what the run throws (Failure, AnswersExhausted), the report's lines
// written before the failure kept, as the terminal program keeps them; and
// ReportRefused when the written report cannot be read back.
ForecastReport project(const std::vector<std::string>& answers, const std::string& folder,
                       const std::string& problem_name, const Separators& separators);

}  // namespace tendencia
