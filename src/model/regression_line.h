// The least-squares line Y = slope·F(X) + intercept over the observed values,
// and the prediction interval of one new observation at each future period.
// Pure computation: the caller reads the values and writes the report.
#pragma once

#include <functional>
#include <vector>

#include "core/int16_arithmetic.h"
#include "model/trend_function.h"

namespace tendencia {

struct RegressionLine {
  double sum_f = 0, sum_y = 0, sum_ff = 0, sum_fy = 0;
  double mean_f = 0, mean_y = 0;
  double sxx = 0, sxy = 0;
  // Sxy / Sxx rounded to the 15 significant digits the report prints: the
  // intercept, the residuals and every projected value use this number, never
  // the unrounded quotient.
  double slope = 0;
  double intercept = 0;
  double rss = 0;
  double residual_standard_error = 0;  // s, with N - 2 degrees of freedom
};

// Y(i), asked once for each i = 1..n in order, right after F(i) is computed,
// so a value that is not a number stops the line exactly where the run stops.
using ObservedValue = std::function<double(Int16 i)>;

// The line over Y(1..n), evaluating F once at each of 1..n. Throws a Failure
// (what and where) at the first operation without a finite result: F(i), a
// zero Sxx, N - 2 = 0, ...
RegressionLine regression_line(const Coefficients& coefficients, Int16 n, const ObservedValue& y);

// The same over values that are numbers already (y[0] is Y(1)).
RegressionLine regression_line(const Coefficients& coefficients, const std::vector<double>& y);

struct ProjectedPoint {
  Int16 x = 0;
  double trend = 0, h = 0, lower = 0, upper = 0;
};

// The trend value and its interval at X = n + l, with Student's t.
ProjectedPoint project(const RegressionLine& line, const Coefficients& coefficients, Int16 n,
                       double t, Int16 l);

}  // namespace tendencia
