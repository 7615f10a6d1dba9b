// The fit of F(X) to a series by nonlinear least squares, with Ceres Solver:
// the coefficients of the chosen groups of terms move, every other one stays 0.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "model/trend_terms.h"
#include "model/trend_function.h"

namespace tendencia {

// A fit that ends nowhere useful; what() says why, in Spanish.
class FitRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct FittedTrend {
  Coefficients coefficients;
  std::vector<int> fitted;  // k of every fitted bk, increasing
  // Of each fitted bk, from the Jacobian at the solution: s·sqrt((JᵀJ)⁻¹ kk).
  // None when JᵀJ is singular there or no degree of freedom is left.
  std::array<std::optional<double>, 25> standard_error;
  int points = 0;
  int degrees_of_freedom = 0;  // points - fitted coefficients
  double residual_sum_of_squares = 0.0;
  std::optional<double> residual_standard_error;  // sqrt(RSS / degrees); none at 0
  std::optional<double> r_squared;                // none for a series with one value
  int iterations = 0;
  bool converged = false;
  int starts = 0;  // the starts the solver ran from; the best end is kept
};

// How hard a fit searches, and what it keeps fixed.
constexpr int kPolishIterations = 1000;
struct FitOptions {
  // (k, value): coefficients of the groups that keep these values instead of
  // being fitted (a logistic held as a step at the last value, say).
  std::vector<std::pair<int, double>> held;
  // One more start, tried beside the automatic ones: the fit of the same
  // groups to an earlier part of the series, whose end is usually near.
  std::optional<Coefficients> extra_start;
  std::size_t automatic_starts = 12;  // at most this many starts from the series itself
  int survey_iterations = 100;        // the short, loose search from every start
  std::size_t polished = 3;           // the best of them polished to tight tolerances
  // Bounds the solver's final run from each polished start; a search over
  // many sets of terms may spend less on each.
  int polish_iterations = kPolishIterations;
  // Polish to tolerances that settle the residual sum of squares to about
  // 1e-12 relative; else only to the survey's, enough for a fit that is
  // measured, not reported.
  bool tight = true;
};

// Fits the groups to Y(1..n) (y[0] is Y(1)). `user_start` (k, value) replaces
// those coefficients in the best automatic start and is tried as one more start.
//
// The result is where the solver converged with the least residual sum of
// squares among the ends where tendencia's own computation works: the checked
// F(X) at every X = 1..n and the regression line Y = a·F(X) + b over the same
// values (so F must vary with X enough for that line to keep its digits).
// Throws FitRefused when there are fewer points than coefficients to fit, when
// the best end lies at a limit of a group (fit/group_limits.h, saying which and
// what to fit instead), when no start converges, or when no end passes that check (saying why);
// CommandLineRefused (core/failure.h) when F(X) cannot be evaluated at
// the user's start. Nothing but Y(1..n) and `options` shapes the result.
FittedTrend fit_trend(const std::vector<double>& y, const std::vector<TermGroup>& groups,
                      const std::vector<std::pair<int, double>>& user_start,
                      const FitOptions& options = {});

// Does tendencia's run on Y(1..n) with these coefficients get through its
// regression? Throws a Failure (what and where) or FitRefused when it would not.
void check_regression_runs(const Coefficients& coefficients, const std::vector<double>& y);

}  // namespace tendencia
