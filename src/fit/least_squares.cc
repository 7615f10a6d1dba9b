#include "fit/least_squares.h"

#include <Eigen/Dense>

#include <cmath>

namespace tendencia {

LinearFit linear_fit(const std::vector<std::vector<double>>& columns, const std::vector<double>& y) {
  const Eigen::Index n = static_cast<Eigen::Index>(y.size());
  const Eigen::Index m = static_cast<Eigen::Index>(columns.size());
  Eigen::MatrixXd a(n, m);
  Eigen::VectorXd scale(m);
  for (Eigen::Index j = 0; j < m; ++j) {
    for (Eigen::Index i = 0; i < n; ++i) a(i, j) = columns[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
    const double norm = a.col(j).norm();
    scale(j) = norm > 0.0 && std::isfinite(norm) ? norm : 1.0;
    a.col(j) /= scale(j);
  }
  const Eigen::VectorXd values = Eigen::Map<const Eigen::VectorXd>(y.data(), n);
  LinearFit fit;
  if (!a.allFinite()) return fit;
  Eigen::VectorXd solution = Eigen::VectorXd::Zero(m);
  if (m > 0) solution = a.colPivHouseholderQr().solve(values);
  const Eigen::VectorXd residuals = values - a * solution;
  fit.rss = residuals.squaredNorm();
  fit.residuals.assign(residuals.data(), residuals.data() + n);
  for (Eigen::Index j = 0; j < m; ++j) fit.coefficients.push_back(solution(j) / scale(j));
  fit.usable = std::isfinite(fit.rss) && solution.allFinite();
  return fit;
}

}  // namespace tendencia
