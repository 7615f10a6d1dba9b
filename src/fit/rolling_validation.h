// How the projection would have done: rolling-origin evaluation of a set of
// terms on a choice of data. At each origin k the terms are fitted to what the
// run would have been given of Y(1..k) and nothing after it (its starting
// values, its periodogram, its limits), tendencia's own regression line and
// interval are computed for X = k+1..k+H with tendencia's code
// (model/regression_line) and t, and set against the observed values, beside
// the naive projection from the same origin.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/data_choice.h"
#include "fit/term_set.h"
#include "fit/trend_fit.h"

namespace tendencia {

struct ValidationSettings {
  int horizon = 6;             // H: periods projected from each origin
  int period = 1;              // m: the seasonal naive projection and MASE's scale
  double level_percent = 95;   // P: the interval's level, any in (0, 100)
  // At most this many origins, spread evenly from the earliest to the last
  // (n - H): origins next to each other make nearly the same errors, and a t
  // drawn from them holds for one stretch only.
  int origins = 20;
  // The earliest origin k; 0: the middle of the series, or the fewest values
  // the fit needs where that is later. An origin much earlier fits on too few
  // values to say how a fit to the whole series projects, and its large
  // errors would decide the ranking and the t alone.
  int earliest_origin = 0;
  // Stop after this many failed origins, leaving the rest untried: a search
  // over many sets spends no time on one that fails.
  int most_failures = 1000;
};

// The scores of one horizon h (or of all of them, horizon 0).
struct HorizonScore {
  int horizon = 0;
  int values = 0;                     // projected values scored
  std::optional<double> mase;         // none when no origin had a naive error to scale by
  std::optional<double> naive_mase;   // the naive projection's, on the same values
  double smape = 0;                   // percent
  double coverage = 0;                // inside tendencia's interval with its own t, 0..1
  double calibrated_coverage = 0;     // inside it with the calibrated t, 0..1
  std::optional<double> calibrated_t; // the t this horizon alone would need
};

// What one origin projected, in the units the run is given: the trend value
// and the interval's half width per unit of t, at X = k + 1 .. k + H.
struct OriginProjection {
  int origin = 0;
  std::vector<double> trend, half_width;
};

struct Validation {
  TermSet terms;
  DataChoice data;
  ValidationSettings settings;
  std::vector<int> origins;             // k of every origin tried, increasing
  int failed_origins = 0;               // origins whose fit or line failed
  int untried_origins = 0;              // origins left once most_failures had failed
  std::string first_failure;            // why the earliest failed origin failed, and where
  std::vector<HorizonScore> by_horizon; // h = 1..H
  HorizonScore total;
  // At each horizon h (scaled_errors[h - 1]), every value's error on its own
  // interval's scale, |y - ŷ| / (s·√(1 + 1/k + (F - F̄)²/Sxx)) in the units the
  // run is given: the t that would just have covered it.
  std::vector<std::vector<double>> scaled_errors;
  // The t the farthest horizon needs (or, without one there, the largest any
  // horizon needs): one t serves every horizon, and one that held only on
  // average would fail at the far ones. by_horizon shows what it gives at
  // each. None without values.
  std::optional<double> calibrated_t;
  double t_at_last_origin = 0;          // the t tendencia would use there
  std::optional<Coefficients> last_fit; // the fit at the latest origin that succeeded
  std::vector<OriginProjection> projected;  // every origin that succeeded, increasing

  int first_origin() const { return origins.empty() ? 0 : origins.front(); }
  int last_origin() const { return origins.empty() ? 0 : origins.back(); }
  int origin_count() const { return static_cast<int>(origins.size()); }
  // The origins that gave no projection, failed or untried.
  int missing_origins() const { return failed_origins + untried_origins; }
};

// The fit made at every origin, and by the automatic choice at the end of the
// series, so that what was validated is what projects: a few starts from the
// values themselves and `previous` (a fit to fewer of them), the best one
// polished once, with the acceptance rules of fit_trend. Throws FitRefused
// as fit_trend does.
FittedTrend fit_as_validated(const std::vector<double>& values, const TermSet& terms,
                             const std::optional<Coefficients>& previous);

// The values a series needs for one origin at horizon H: the fewest points
// the set is fitted on (or the window) and H to compare.
int values_needed_to_validate(const TermSet& terms, const DataChoice& data, int horizon);

// The t tendencia would use for `points` points at this level: its table for
// 3..32 points at 90, 95 or 99 %, else the exact Student quantile for
// points - 2 degrees of freedom. 0 where neither exists.
double tendencia_t(double level_percent, int points);

// The smallest t that puts at least level_percent % of these scaled errors
// inside |e| <= t, counting one more error still to come: the
// ⌈P·(m + 1)/100⌉-th smallest of the m errors, which holds P % of a new
// value when the errors are exchangeable. When that rank passes m (fewer than
// 19 errors at 95 %), the root mean square of the errors times Student's
// quantile with m degrees of freedom, and at least the largest error.
// Nothing without errors or when that t is not finite.
std::optional<double> calibrated_t(std::vector<double> scaled_errors, double level_percent);

// Validates `terms` fitted on `data` of Y(1..n) (y[0] is Y(1)) at origins k
// spread as the settings say (from the middle of the series on, unless they
// name the earliest), each with all H values after it observed, each
// fit made from Y(1..k) alone: starts of its own and the previous origin's
// fit, with the acceptance rules of fit_trend. An origin whose fit or line
// fails is counted and skipped. Throws FitRefused when the series has fewer
// values than values_needed_to_validate (saying how many it needs), when
// H < 1, when the data choice does not apply to the series, or when every
// origin fails (saying how many were tried and why the earliest failed).
Validation validate_terms(const std::vector<double>& y, const TermSet& terms,
                          const DataChoice& data, const ValidationSettings& settings);

// Does the validated set project better than the naive projection on the same
// origins? False when either MASE is missing.
bool beats_naive(const Validation& validation);

// The one line that says a set does not beat the naive projection, with both
// MASE; empty when it does or when there is nothing to compare.
std::string naive_warning(const Validation& validation);

// The validation as tendencia-ajuste --validar prints it, in Spanish: the
// origins, a row per horizon and the total (MASE, the naive projection's
// MASE and their ratio, sMAPE, coverage with tendencia's t and with the
// calibrated t), the t tendencia would use and the calibrated t with the
// values it rests on (and a warning when they are fewer than 20 at a horizon).
std::string validation_report(const Validation& validation);

}  // namespace tendencia
