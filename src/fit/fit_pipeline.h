// The one way a program fits F(X) to a series: the terms given or chosen by
// the data (and, when asked, the data they are fitted on), the fit, its
// validation, and the t the run should take. tendencia-ajuste and
// tendencia-estudio both go through it, so they choose, fit and validate
// alike and print the same report.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fit/automatic_terms.h"
#include "fit/data_choice.h"
#include "fit/rolling_validation.h"
#include "fit/term_set.h"
#include "fit/trend_fit.h"

namespace tendencia {

// When the validation runs.
enum class Validating {
  Never,
  IfPossible,  // when the series allows; otherwise the report says why not
  Always,      // a series too short to validate is a refusal
};

struct FitPlan {
  std::vector<TermGroup> groups;               // in F's order; empty with `automatic`
  bool automatic = false;                      // the data choose the terms
  bool data_choices = false;                   // with `automatic`: and the data they are fitted on
  std::vector<std::pair<int, double>> start;   // (k, value): the user's own start
  ValidationSettings validation;
  Validating validating = Validating::Never;   // with `automatic` it always runs
};

struct FitOutcome {
  TermSet terms;
  DataChoice data;
  FittedTrend fit;                    // to run_values
  std::vector<double> run_values;     // what the run is given: the series, or its chosen data
  std::optional<AutomaticChoice> choice;
  std::optional<Validation> validation;
  std::string no_validation;          // why there is none, when it was wanted if possible
};

// H for a projection of M points from n values: M, at most a third of the
// values so a short series still leaves origins to validate, at least 1; 6
// when nothing is projected.
int validation_horizon(int points_to_project, int values);

// Fits as the plan says. Throws FitRefused (no fit, no candidate, or a
// validation that Validating::Always cannot do), CommandLineRefused (a start
// where F cannot be evaluated) or Failure.
FitOutcome fit_as_planned(const std::vector<double>& y, const FitPlan& plan);

// The t the run should take for `values` values at `level_percent`: Student's
// exact quantile for values - 2 degrees, or the calibrated t of the
// validation when asked for and larger (a calibrated t below Student's comes
// from few, correlated errors and would only narrow the interval). Nothing
// when there is no Student t (2 values or fewer).
std::optional<double> t_for_run(const FitOutcome& outcome, double level_percent, int values,
                                bool calibrated);

// What tendencia-ajuste prints and the studio shows: the ranking of the
// automatic choice, the fit to `data_file`'s `rows_read` values, the
// validation or why there is none, and the line that says when the chosen
// terms do not beat the naive projection.
std::string fit_outcome_report(const FitOutcome& outcome, const std::string& data_file,
                               int rows_read, bool show_validation);

}  // namespace tendencia
