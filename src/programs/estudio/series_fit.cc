#include "programs/estudio/series_fit.h"

#include <algorithm>
#include <optional>

#include "fit/automatic_terms.h"
#include "fit/fit_report.h"
#include "fit/rolling_validation.h"
#include "fit/trend_fit.h"
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
  if (points_to_project > 0)
    settings.horizon =
        std::max(1, std::min(points_to_project, static_cast<int>(values / 3)));
  settings.level_percent = level;
  return settings;
}

SeriesFit fit_series(const DataSeries& series, const std::vector<TermGroup>& groups,
                     bool automatic, const std::string& data_file, const FitSettings& settings,
                     const Separators& separators) {
  const std::vector<double> y = values_of(series, separators);
  ValidationSettings validation_settings;
  validation_settings.horizon = settings.horizon;
  validation_settings.level_percent = settings.level_percent;

  SeriesFit result;
  std::optional<AutomaticChoice> choice;
  std::optional<Validation> validation;
  std::string no_validation;
  FittedTrend fit;
  if (automatic) {
    choice = choose_terms(y, {validation_settings});
    result.groups = choice->ranked.front().groups;
    fit = *choice->ranked.front().fit;
    validation = choice->validation;
  } else {
    if (groups.empty()) throw FitRefused("marque al menos un término de F(X)");
    result.groups = groups;
    fit = fit_trend(y, groups, {});
    try {
      validation = validate_terms(y, groups, fit, validation_settings);
    } catch (const FitRefused& refused) {
      no_validation = std::string("Sin validación: ") + refused.what() + ".\n";
    }
  }
  for (std::size_t k = 0; k < 25; ++k) result.coefficients[k] = exact_form(fit.coefficients.b[k]);
  if (choice) result.report += automatic_ranking_report(*choice) + "\n";
  result.report += fit_report(fit, data_file, static_cast<int>(y.size()), result.groups);
  result.report += "\n" + (validation ? validation_report(*validation) : no_validation);
  if (validation) result.calibrated_t = validation->calibrated_t;
  return result;
}

}  // namespace tendencia
