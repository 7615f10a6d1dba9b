#include "fit/series_residuals.h"

#include <cmath>

namespace tendencia {

std::optional<double> residual_sum_of_squares(const Coefficients& coefficients,
                                              const std::vector<double>& y) {
  std::vector<double> residuals(y.size());
  if (!trend_residuals(coefficients.b, y, residuals.data())) return std::nullopt;
  double sum = 0.0;
  for (double r : residuals) sum += r * r;
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

}  // namespace tendencia
