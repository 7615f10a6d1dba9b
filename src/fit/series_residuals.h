// The residuals F(X) - Y(X) at X = 1..n that the fit makes small, for the solver
// (over ceres::Jet) and for plain doubles.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "fit/recording_operations.h"
#include "model/trend_function.h"

namespace tendencia {

// The groups with a coefficient that is fitted or not 0: the only terms that
// can be anything but 0 (see TermMask).
TermMask terms_in_use(const std::vector<int>& fitted, const Coefficients& base);

// F(X) - Y(X) at X = 1..n into `residuals`, computing the terms of `terms`
// only; false when F cannot be evaluated at some X.
template <typename T>
bool trend_residuals(const std::array<T, 25>& b, const std::vector<double>& y, T* residuals,
                     TermMask terms = kEveryTerm) {
  RecordingOperations<T> operations;
  for (std::size_t i = 0; i < y.size(); ++i) {
    T f = trend_value(b, static_cast<double>(i + 1), operations, terms);
    if (operations.failed) return false;
    residuals[i] = f - y[i];
  }
  return true;
}

// The cost of the solver (a ceres::DynamicAutoDiffCostFunction): one parameter
// block holding the fitted coefficients, in the order of `fitted`; every other
// coefficient keeps its value in `base` (0, or a value held fixed). False,
// which the solver takes as "not here", wherever F(X) cannot be evaluated at
// some X = 1..n. It owns its data, so its lifetime is its own.
struct SeriesResiduals {
  std::vector<double> y;
  std::vector<int> fitted;
  Coefficients base;
  TermMask terms = terms_in_use(fitted, base);

  template <typename T>
  bool operator()(T const* const* parameters, T* residuals) const {
    std::array<T, 25> b;
    for (std::size_t k = 0; k < b.size(); ++k) b[k] = T(base.b[k]);
    for (std::size_t j = 0; j < fitted.size(); ++j)
      b[static_cast<std::size_t>(fitted[j])] = parameters[0][j];
    return trend_residuals(b, y, residuals, terms);
  }
};

// The sum of (F(X) - Y(X))² over X = 1..n; nothing when F cannot be evaluated
// at some X or the sum leaves the double range.
std::optional<double> residual_sum_of_squares(const Coefficients& coefficients,
                                              const std::vector<double>& y);

}  // namespace tendencia
