#include "fit/rolling_validation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/failure.h"
#include "fit/forecast_scores.h"
#include "model/regression_line.h"
#include "model/series.h"
#include "model/student_quantile.h"
#include "model/student_table.h"
#include "fit/report_columns.h"

namespace tendencia {
namespace {

// The sums behind one horizon's scores (or the total's).
struct Tally {
  int values = 0, scaled = 0, inside = 0;
  double scaled_sum = 0, smape_sum = 0;

  HorizonScore score(int horizon) const {
    HorizonScore s;
    s.horizon = horizon;
    s.values = values;
    if (scaled > 0) s.mase = scaled_sum / scaled;
    if (values > 0) {
      s.smape = smape_sum / values;
      s.coverage = static_cast<double>(inside) / values;
    }
    return s;
  }
};

// One origin k: the fit to Y(1..k), tendencia's line over the same values, and
// the H projected values against the observed ones.
// Returns the fit, the next origin's start.
Coefficients score_origin(const std::vector<double>& y, int k, const std::vector<TermGroup>& groups,
                          const Coefficients& start, const ValidationSettings& settings,
                          std::vector<Tally>& tallies, std::vector<double>& scaled_errors) {
  const std::vector<double> part(y.begin(), y.begin() + k);
  FittedTrend fit = refit_trend(part, groups, start);
  const Int16 points = static_cast<Int16>(k);
  const RegressionLine line = regression_line(fit.coefficients, part);
  const double t = tendencia_t(settings.level_percent, k);
  std::vector<ProjectedPoint> projected;
  for (int l = 1; l <= settings.horizon; ++l)
    projected.push_back(project(line, fit.coefficients, points, t, static_cast<Int16>(l)));
  // Only a whole origin counts: a failure above leaves the tallies untouched.
  const std::optional<double> scale = naive_scale(y, k, settings.period);
  for (int l = 1; l <= settings.horizon; ++l) {
    const ProjectedPoint& p = projected[static_cast<std::size_t>(l - 1)];
    const double observed = y[static_cast<std::size_t>(k + l - 1)];
    const double error = std::abs(observed - p.trend);
    for (Tally* tally : {&tallies[static_cast<std::size_t>(l)], &tallies[0]}) {
      ++tally->values;
      if (scale) {
        ++tally->scaled;
        tally->scaled_sum += error / *scale;
      }
      tally->smape_sum += symmetric_percentage_error(observed, p.trend);
      if (p.lower <= observed && observed <= p.upper) ++tally->inside;
    }
    scaled_errors.push_back(p.h > 0.0 ? error / p.h
                                      : error > 0.0 ? HUGE_VAL : 0.0);
  }
  return fit.coefficients;
}

std::string score_row(const std::string& label, const HorizonScore& s) {
  return column(label, 10) + column(std::to_string(s.values), 8) +
         column(s.mase ? fixed(*s.mase, 3) : "no calculable", 8) + column(fixed(s.smape, 2), 9) +
         fixed(100.0 * s.coverage, 1) + "\n";
}

}  // namespace

int fewest_points_to_fit(const std::vector<TermGroup>& groups) {
  int coefficients = 0;
  for (TermGroup g : groups) coefficients += static_cast<int>(term_coefficients(g).size());
  return std::max(coefficients + 2, 3);
}

int values_needed_to_validate(const std::vector<TermGroup>& groups, int horizon) {
  return fewest_points_to_fit(groups) + horizon;
}

double tendencia_t(double level_percent, int points) {
  const int index = confidence_index(level_percent);
  if (index != 0 && points >= 3 && points <= 32)
    return table_t(index, static_cast<Int16>(points)).table_value;
  return student_quantile(level_percent, points - 2).value_or(0.0);
}

std::optional<double> calibrated_t(std::vector<double> scaled_errors, double level_percent) {
  if (scaled_errors.empty()) return std::nullopt;
  std::sort(scaled_errors.begin(), scaled_errors.end());
  const double count = static_cast<double>(scaled_errors.size());
  // At least P % of these values and of the one still to come: the
  // ⌈P·(count + 1)/100⌉-th smallest (conformal prediction's finite-sample
  // rule), kept from rounding up a product that is whole.
  std::size_t needed =
      static_cast<std::size_t>(std::ceil(level_percent * (count + 1) / 100.0 - 1e-9));
  needed = std::clamp<std::size_t>(needed, 1, scaled_errors.size());
  double t = scaled_errors[needed - 1];
  if (!std::isfinite(t)) return std::nullopt;
  return t;
}

Validation validate_terms(const std::vector<double>& y, const std::vector<TermGroup>& groups,
                          const FittedTrend& full_fit, const ValidationSettings& settings) {
  const int n = static_cast<int>(y.size());
  const int horizon = settings.horizon;
  if (horizon < 1) throw FitRefused("el horizonte de la validación debe ser al menos 1");
  const int needed = values_needed_to_validate(groups, horizon);
  if (n < needed)
    throw FitRefused("la serie tiene " + std::to_string(n) + " valores y validar estos términos " +
                     "a " + std::to_string(horizon) + " periodos necesita al menos " +
                     std::to_string(needed) + " (" + std::to_string(fewest_points_to_fit(groups)) +
                     " para el ajuste y " + std::to_string(horizon) + " para comparar)");
  Validation v;
  v.groups = groups;
  v.settings = settings;
  const int origins = std::max(1, std::min(settings.origins, n - needed + 1));
  v.last_origin = n - horizon;
  v.first_origin = v.last_origin - origins + 1;
  std::vector<Tally> tallies(static_cast<std::size_t>(horizon + 1));
  // From the last origin back, each fit starts where the fit of one more
  // value ended: the nearest end, the fewest iterations.
  Coefficients start = full_fit.coefficients;
  for (int k = v.last_origin; k >= v.first_origin; --k) {
    if (v.failed_origins >= settings.most_failures) {
      v.failed_origins += k - v.first_origin + 1;
      break;
    }
    try {
      start = score_origin(y, k, groups, start, settings, tallies, v.scaled_errors);
    } catch (const std::exception& failure) {
      if (v.failed_origins++ == 0)
        v.first_failure = "k = " + std::to_string(k) + ": " + failure.what();
    }
  }
  if (v.failed_origins == origins)
    throw FitRefused("la validación falla en " +
                     (origins == 1 ? std::string("su único origen") :
                                     "los " + std::to_string(origins) + " orígenes") +
                     " (" + v.first_failure + ")");
  for (int h = 1; h <= horizon; ++h) v.by_horizon.push_back(tallies[static_cast<std::size_t>(h)].score(h));
  v.total = tallies[0].score(0);
  v.calibrated_t = calibrated_t(v.scaled_errors, settings.level_percent);
  v.t_at_last_origin = tendencia_t(settings.level_percent, v.last_origin);
  return v;
}

std::string validation_report(const Validation& v) {
  const int origins = v.origin_count();
  char level_text[32];
  std::snprintf(level_text, sizeof level_text, "%g", v.settings.level_percent);
  std::string text = "Validación con orígenes móviles: " + std::to_string(origins) +
                     (origins == 1 ? " origen" : " orígenes") + " (ajuste a X = 1..k, k = " +
                     std::to_string(v.first_origin) + " a " + std::to_string(v.last_origin) +
                     "), " + std::to_string(v.settings.horizon) +
                     (v.settings.horizon == 1 ? " periodo" : " periodos") + " proyectados desde cada uno\n";
  text += "MASE escalado por el error del pronóstico ingenuo";
  text += v.settings.period > 1 ? " estacional (periodo " + std::to_string(v.settings.period) + ")"
                                : std::string();
  text += "; intervalo de tendencia al " + std::string(level_text) + " %\n";
  if (v.failed_origins > 0)
    text += "Orígenes fallidos: " + std::to_string(v.failed_origins) + " de " +
            std::to_string(origins) + " (" + v.first_failure + ")\n";
  text += "\n" + column("Horizonte", 10) + column("Valores", 8) + column("MASE", 8) +
          column("sMAPE %", 9) + "Cobertura %\n";
  for (const HorizonScore& s : v.by_horizon) text += score_row(std::to_string(s.horizon), s);
  text += score_row("Total", v.total) + "\n";
  text += "t de tendencia en el último origen (" + std::to_string(v.last_origin) +
          " puntos): " + fixed(v.t_at_last_origin, 4) + "\n";
  const std::string values = std::to_string(v.scaled_errors.size());
  if (v.calibrated_t)
    text += "t calibrada al " + std::string(level_text) + " %: " + fixed(*v.calibrated_t, 4) +
            " (sobre " + values + " valores proyectados)\n";
  else
    text += "t calibrada: no calculable (sobre " + values + " valores proyectados)\n";
  if (v.scaled_errors.size() < 20)
    text += "Aviso: la t calibrada descansa en menos de 20 valores; tómela con cautela.\n";
  return text;
}

}  // namespace tendencia
