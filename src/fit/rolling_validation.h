// How the projection would have done: rolling-origin evaluation of a set of
// terms. At each origin k the terms are fitted to Y(1..k), tendencia's own
// regression line and interval are computed for X = k+1..k+H with tendencia's
// code (model/regression_line) and t, and set against the observed values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/trend_terms.h"
#include "fit/trend_fit.h"

namespace tendencia {

struct ValidationSettings {
  int horizon = 6;             // H: periods projected from each origin
  int period = 1;              // m: the seasonal naive error scales MASE
  double level_percent = 95;   // P: the interval's level, any in (0, 100)
  // At most this many origins, the last ones: more than 10 where the series
  // allows, as the calibrated t rests on errors from a longer stretch.
  int origins = 20;
  // Stop after this many failed origins; the origins not tried count as
  // failed too. A search over many sets spends no time on one that fails.
  int most_failures = 1000;
};

// The scores of one horizon h (or of all of them, horizon 0).
struct HorizonScore {
  int horizon = 0;
  int values = 0;               // projected values scored
  std::optional<double> mase;   // none when no origin had a naive error to scale by
  double smape = 0;             // percent
  double coverage = 0;          // share of the values inside the interval, 0..1
};

struct Validation {
  std::vector<TermGroup> groups;
  ValidationSettings settings;
  int first_origin = 0, last_origin = 0;  // k of the first and last origin
  int failed_origins = 0;                 // origins whose fit or line failed
  std::string first_failure;              // why the latest of them failed, and where
  std::vector<HorizonScore> by_horizon;   // h = 1..H
  HorizonScore total;
  // Every value's |y - ŷ| / (s·√(1 + 1/k + (F - F̄)²/Sxx)): its error on its
  // own interval's scale, the t that would just have covered it. In the order
  // computed: origins from the last back, each with horizons 1..H.
  std::vector<double> scaled_errors;
  std::optional<double> calibrated_t;  // at settings.level_percent; none without values
  double t_at_last_origin = 0;         // the t tendencia would use there

  int origin_count() const { return last_origin - first_origin + 1; }
};

// The fewest points a fit of the groups is validated on at an origin: two
// more than its coefficients, and at least 3 for tendencia's line.
int fewest_points_to_fit(const std::vector<TermGroup>& groups);

// The values a series needs for one origin at horizon H:
// fewest_points_to_fit + H.
int values_needed_to_validate(const std::vector<TermGroup>& groups, int horizon);

// The t tendencia would use for `points` points at this level: its table for
// 3..32 points at 90, 95 or 99 %, else the exact Student quantile for
// points - 2 degrees of freedom. 0 where neither exists.
double tendencia_t(double level_percent, int points);

// The smallest t that puts at least level_percent % of these scaled errors
// inside |e| <= t, counting one more error still to come: the
// ⌈P·(m + 1)/100⌉-th smallest of the m errors (the largest when that passes
// m), which holds P % of a new value when the errors are exchangeable.
// Nothing without errors or when that t is not finite.
std::optional<double> calibrated_t(std::vector<double> scaled_errors, double level_percent);

// Validates `groups` on Y(1..n) (y[0] is Y(1)) at the last origins k (at most
// settings.origins, each with all H values after it observed), each fit
// starting from `full_fit` (the groups' fit to the whole series) and accepted
// by the rules of fit_trend. An origin whose fit or line fails is counted and
// skipped. Throws FitRefused when the series has fewer values than
// values_needed_to_validate (saying how many it needs), when H < 1, or when
// every origin fails (saying why the last one did).
Validation validate_terms(const std::vector<double>& y, const std::vector<TermGroup>& groups,
                          const FittedTrend& full_fit, const ValidationSettings& settings);

// The validation as tendencia-ajuste --validar prints it, in Spanish: the
// origins, a row per horizon and the total (MASE, sMAPE, coverage), the t
// tendencia would use and the calibrated t with the values it rests on (and a
// warning when they are fewer than 20).
std::string validation_report(const Validation& validation);

}  // namespace tendencia
