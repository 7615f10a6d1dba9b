// The least-squares line Y = a·F(X) + b over the observed values, and the
// prediction interval of one new observation at each future period.
#pragma once

#include <string>
#include <vector>

#include "model/series.h"
#include "core/int16_arithmetic.h"
#include "model/trend_function.h"
#include "text/separators.h"

namespace tendencia {

struct Fit {
  double sum_f = 0, sum_y = 0, sum_ff = 0, sum_fy = 0;
  double mean_f = 0, mean_y = 0;
  double sxx = 0, sxy = 0;
  // The slope is made once into its 15-digit text; `a` is the number that text
  // denotes, and the unrounded quotient is never used again.
  std::string slope_text;
  double a = 0, b = 0;
  double rss = 0, s = 0;
};

// Fits over Y(1..n), evaluating F once at each of 1..n.
Fit fit_line(const Coefficients& coefficients, const std::vector<SeriesValue>& values,
             Int16 n, const Separators& separators);

struct ProjectedPoint {
  Int16 x = 0;
  double trend = 0, h = 0, lower = 0, upper = 0;
};

// The trend value and interval at X = n + l.
ProjectedPoint project(const Fit& fit, const Coefficients& coefficients, Int16 n, double t,
                       Int16 l);

}  // namespace tendencia
