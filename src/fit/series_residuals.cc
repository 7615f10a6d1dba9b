#include "fit/series_residuals.h"

#include <algorithm>
#include <cmath>

namespace tendencia {

TermMask terms_in_use(const std::vector<int>& fitted, const Coefficients& base) {
  TermMask terms = 0;
  for (TermGroup g : all_term_groups())
    for (int k : term_coefficients(g))
      if (base.b[static_cast<std::size_t>(k)] != 0.0 ||
          std::find(fitted.begin(), fitted.end(), k) != fitted.end())
        terms |= term_bit(g);
  return terms;
}

std::optional<double> residual_sum_of_squares(const Coefficients& coefficients,
                                              const std::vector<double>& y) {
  std::vector<double> residuals(y.size());
  if (!trend_residuals(coefficients.b, y, residuals.data(), terms_in_use({}, coefficients)))
    return std::nullopt;
  double sum = 0.0;
  for (double r : residuals) sum += r * r;
  if (!std::isfinite(sum)) return std::nullopt;
  return sum;
}

}  // namespace tendencia
