#include "programs/estudio/series_fit.h"

#include "fit/fit_report.h"
#include "fit/trend_fit.h"

namespace tendencia {
namespace {

std::vector<double> values_of(const DataSeries& series, const Separators& separators) {
  std::vector<double> y;
  for (std::size_t i = 0; i < series.values.size(); ++i)
    y.push_back(series_number(series.values[i], static_cast<int>(i) + 1, separators));
  return y;
}

// The terms the data choose, as tendencia-ajuste --automatico chooses them.
std::vector<TermGroup> chosen_terms(const std::vector<double>&) {
  throw FitRefused("la elección automática de los términos no está disponible en esta versión");
}

// The rolling-origin validation, as tendencia-ajuste --validar prints it.
std::string validation_text(const std::vector<double>&, const std::vector<TermGroup>&) {
  return "";
}

}  // namespace

SeriesFit fit_series(const DataSeries& series, const std::vector<TermGroup>& groups,
                     bool automatic, const std::string& data_file, const Separators& separators) {
  const std::vector<double> y = values_of(series, separators);
  SeriesFit result;
  result.groups = automatic ? chosen_terms(y) : groups;
  if (result.groups.empty()) throw FitRefused("elija al menos un término de F(X)");
  FittedTrend fit = fit_trend(y, result.groups, {});
  for (int k = 0; k < 25; ++k) result.coefficients[static_cast<std::size_t>(k)] =
      exact_form(fit.coefficients.b[static_cast<std::size_t>(k)]);
  result.report = fit_report(fit, data_file, static_cast<int>(y.size()), result.groups);
  result.validation = validation_text(y, result.groups);
  return result;
}

}  // namespace tendencia
