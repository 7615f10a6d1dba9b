// "Proyectar" and "Guardar" without the window: tendencia's own run sequence
// with the answers the window gathered, the report read back for the chart,
// and the chart's files as tendencia-grafico --csv writes them.
#pragma once

#include <string>
#include <vector>

#include "chart/forecast_report.h"
#include "text/separators.h"

namespace tendencia {

// Runs the run sequence in the current folder, every question answered from
// `answers` (see run_answers), and reads back the results file it wrote.
// Throws what the run throws (Failure, AnswersExhausted), the report's lines
// written before the failure kept, as the terminal program keeps them; and
// ReportRefused when the written report cannot be read back.
ForecastReport project(const std::vector<std::string>& answers, const std::string& problem_name,
                       const Separators& separators);

// Writes "G" + name + ".SVG", ".PNG" and ".CSV" in the current folder, the
// same bytes as tendencia-grafico NOMBRE --csv. ReportRefused or Failure
// naming the file that cannot be written.
void save_chart_files(const ForecastReport& report, const std::string& problem_name,
                      const Separators& separators);

}  // namespace tendencia
