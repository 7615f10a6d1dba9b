#include "programs/estudio/series_fit.h"

#include <algorithm>
#include <optional>

#include "fit/fit_pipeline.h"
#include "fit/fit_report.h"
#include "io/data_series.h"

namespace tendencia {
namespace {

std::vector<double> values_of(const DataSeries& series, const Separators& separators) {
  std::vector<double> y;
  for (std::size_t i = 0; i < series.values.size(); ++i)
    y.push_back(series_number(series.values[i], static_cast<int>(i) + 1, separators));
  return y;
}

}  // namespace

FitSettings validation_settings_for(int points_to_project, int level, std::size_t values) {
  FitSettings settings;
  settings.horizon = validation_horizon(points_to_project, static_cast<int>(values));
  settings.level_percent = level;
  return settings;
}

SeriesFit fit_series(const DataSeries& series, const std::vector<TermGroup>& groups,
                     bool automatic, const std::string& data_file, const FitSettings& settings,
                     const Separators& separators) {
  const std::vector<double> y = values_of(series, separators);
  FitPlan plan;
  plan.groups = groups;
  plan.automatic = automatic;
  plan.validation.horizon = settings.horizon;
  plan.validation.level_percent = settings.level_percent;
  plan.validating = Validating::IfPossible;
  if (!automatic && groups.empty()) throw FitRefused("marque al menos un término de F(X)");
  const FitOutcome outcome = fit_as_planned(y, plan);

  SeriesFit result;
  result.groups = outcome.terms.groups;
  for (std::size_t k = 0; k < 25; ++k)
    result.coefficients[k] = exact_form(outcome.fit.coefficients.b[k]);
  result.report = fit_outcome_report(outcome, data_file, static_cast<int>(y.size()), true);
  if (outcome.validation) result.calibrated_t = outcome.validation->calibrated_t;
  return result;
}

}  // namespace tendencia
