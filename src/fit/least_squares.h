// Linear least squares, the one home of it in the fit: the outer coefficients
// of the starting values, a trend or a cosine taken out of a series before
// its periodogram, the refit of a group's limit.
#pragma once

#include <vector>

namespace tendencia {

struct LinearFit {
  std::vector<double> coefficients;  // one per column
  std::vector<double> residuals;     // y minus the fitted combination
  double rss = 0.0;
  bool usable = false;               // every number finite
};

// Least squares of y on the columns (each as long as y). Each column is scaled
// to unit length first, so columns of very different sizes (X^3 beside a
// constant) do not hide each other; a column that depends on the others gets
// the coefficient 0 (a column-pivoting QR). Not usable when a column or the
// solution is not finite.
LinearFit linear_fit(const std::vector<std::vector<double>>& columns, const std::vector<double>& y);

}  // namespace tendencia
