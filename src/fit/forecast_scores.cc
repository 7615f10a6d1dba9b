#include "fit/forecast_scores.h"

#include <cmath>

namespace tendencia {

std::optional<double> naive_scale(const std::vector<double>& y, int k, int period) {
  if (k < 2 || k > static_cast<int>(y.size())) return std::nullopt;
  const int m = k > period ? period : 1;
  double sum = 0.0;
  for (int x = m; x < k; ++x)
    sum += std::abs(y[static_cast<std::size_t>(x)] - y[static_cast<std::size_t>(x - m)]);
  double scale = sum / (k - m);
  if (!(scale > 0.0) || !std::isfinite(scale)) return std::nullopt;
  return scale;
}

double symmetric_percentage_error(double observed, double projected) {
  double size = std::abs(observed) + std::abs(projected);
  return size > 0.0 ? 200.0 * std::abs(observed - projected) / size : 0.0;
}

}  // namespace tendencia
