// The residuals F(X) - Y(X) at X = 1..n that the fit makes small, for the solver
// (over ceres::Jet) and for plain doubles.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "fit/recording_operations.h"
#include "model/trend_function.h"

namespace tendencia {

// The cost of the solver: all 25 coefficients in one block (the ones the fit
// leaves at 0 are held by the solver). False, which the solver takes as "not
// here", wherever F(X) cannot be evaluated at some X = 1..n.
struct SeriesResiduals {
  const std::vector<double>* y;

  template <typename T>
  bool operator()(const T* const coefficients, T* residuals) const {
    std::array<T, 25> b;
    for (std::size_t k = 0; k < b.size(); ++k) b[k] = coefficients[k];
    RecordingOperations<T> operations;
    for (std::size_t i = 0; i < y->size(); ++i) {
      T f = trend_value(b, static_cast<double>(i + 1), operations);
      if (operations.failed) return false;
      residuals[i] = f - (*y)[i];
    }
    return true;
  }
};

// The sum of (F(X) - Y(X))² over X = 1..n; nothing when F cannot be evaluated
// at some X or the sum leaves the double range.
std::optional<double> residual_sum_of_squares(const Coefficients& coefficients,
                                              const std::vector<double>& y);

}  // namespace tendencia
