// "Ajustar" without the window: F(X) fitted to the open series with the fit
// program's own code, its report and its validation as tendencia-ajuste
// prints them, and the 25 coefficients as the answers tendencia reads.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fit/trend_fit.h"
#include "model/series.h"
#include "text/separators.h"

namespace tendencia {

struct SeriesFit {
  std::vector<TermGroup> groups;             // the fitted ones (chosen, when automatic)
  std::array<std::string, 25> coefficients;  // b0..b24 as tendencia-ajuste --respuestas
  // As tendencia-ajuste prints it: the ranking when automatic, the fit, the
  // validation (or why there is none: a series too short to validate).
  std::string report;
  std::optional<double> calibrated_t;  // at the level asked for, when the validation gives one
};

// What the validation measures: the horizon H and the level P.
struct FitSettings {
  int horizon = 6;           // 1..1000
  double level_percent = 95;
};

// The validation's settings for a projection of `points_to_project` points at
// `level` of a series of `values` values, as tendencia-ajuste --guion M sets
// them: H = M, at most a third of the series and at least 1 (6 for an M
// below 1).
FitSettings validation_settings_for(int points_to_project, int level, std::size_t values);

// Fits `groups` (or, when `automatic`, the terms the data choose, as
// tendencia-ajuste --automatico chooses them) to every value of `series`,
// then validates them at `settings`; `data_file` names the series in the
// report. Throws FitRefused, CommandLineRefused or Failure with
// tendencia-ajuste's texts when there is no fit; a validation the series is too
// short for only leaves its reason in the report.
SeriesFit fit_series(const DataSeries& series, const std::vector<TermGroup>& groups,
                     bool automatic, const std::string& data_file, const FitSettings& settings,
                     const Separators& separators);

}  // namespace tendencia
