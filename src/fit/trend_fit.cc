#include "fit/trend_fit.h"

#include <ceres/ceres.h>

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <string>

#include "core/failure.h"
#include "fit/group_limits.h"
#include "fit/series_residuals.h"
#include "fit/starting_values.h"
#include "model/regression_line.h"

namespace tendencia {
namespace {

// Every start first runs a short, loose search; only the best few ends are then
// polished to tight tolerances. A start that crawls along a flat valley (an
// exponent running off to infinity, two terms trading places) costs little.
struct Search {
  int max_iterations;
  double function_tolerance, gradient_tolerance, parameter_tolerance;
};
constexpr Search kSurvey = {100, 1e-10, 1e-12, 1e-10};
// Tight enough that the residual sum of squares is settled to about 1e-12
// relative.
constexpr Search kPolish = {kPolishIterations, 1e-15, 1e-15, 1e-14};

// The derivatives are carried 8 at a time: one pass for the usual three to six
// fitted coefficients, where a Jet of all 25 would do three times the work.
constexpr int kStride = 8;
using Cost = ceres::DynamicAutoDiffCostFunction<SeriesResiduals, kStride>;

// The cost for the fitted coefficients, every other one at its value in
// `base`; the caller owns it.
std::unique_ptr<Cost> cost_of(const std::vector<double>& y, const std::vector<int>& fitted,
                              const Coefficients& base) {
  auto cost = std::make_unique<Cost>(new SeriesResiduals{y, fitted, base});
  cost->AddParameterBlock(static_cast<int>(fitted.size()));
  cost->SetNumResiduals(static_cast<int>(y.size()));
  return cost;
}

struct Attempt {
  Coefficients coefficients;
  double rss = 0.0;
  bool usable = false;  // F evaluable at every X, the sum of squares finite
  bool converged = false;
  int iterations = 0;
  std::string refusal;  // why tendencia's run would stop there; empty when it would not
};

std::vector<int> fitted_indices(const std::vector<TermGroup>& groups,
                                const std::vector<std::pair<int, double>>& held) {
  std::vector<int> fitted;
  for (TermGroup g : groups)
    for (int k : term_coefficients(g))
      if (std::none_of(held.begin(), held.end(), [k](const auto& h) { return h.first == k; }))
        fitted.push_back(k);
  std::sort(fitted.begin(), fitted.end());
  return fitted;
}

std::string refusal_at(const Coefficients& c, const std::vector<double>& y) {
  try {
    check_regression_runs(c, y);
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

// The solver reports on stderr a search it ends early (a step where F cannot
// be evaluated), which the fit expects and handles; only its fatal messages
// are left, once for the whole process.
void quiet_solver() {
  static std::once_flag quieted;
  std::call_once(quieted, [] { FLAGS_minloglevel = google::GLOG_FATAL; });
}

Attempt solve_from(const Coefficients& start, const std::vector<double>& y,
                   const std::vector<int>& fitted, const Search& search) {
  quiet_solver();
  std::vector<double> moving;
  for (int k : fitted) moving.push_back(start.b[static_cast<std::size_t>(k)]);
  ceres::Problem problem;
  problem.AddResidualBlock(cost_of(y, fitted, start).release(), nullptr, moving.data());

  ceres::Solver::Options options;
  options.trust_region_strategy_type = ceres::LEVENBERG_MARQUARDT;
  options.linear_solver_type = ceres::DENSE_QR;
  options.max_num_iterations = search.max_iterations;
  options.function_tolerance = search.function_tolerance;
  options.gradient_tolerance = search.gradient_tolerance;
  options.parameter_tolerance = search.parameter_tolerance;
  options.logging_type = ceres::SILENT;
  options.num_threads = 1;
  ceres::Solver::Summary summary;
  ceres::Solve(options, &problem, &summary);

  Attempt attempt;
  attempt.coefficients = start;
  for (std::size_t j = 0; j < fitted.size(); ++j)
    attempt.coefficients.b[static_cast<std::size_t>(fitted[j])] = moving[j];
  attempt.converged = summary.termination_type == ceres::CONVERGENCE;
  attempt.iterations = summary.num_successful_steps + summary.num_unsuccessful_steps;
  std::optional<double> rss = residual_sum_of_squares(attempt.coefficients, y);
  attempt.usable = rss.has_value();
  attempt.rss = rss.value_or(0.0);
  return attempt;
}

// s²·(JᵀJ)⁻¹ from a QR factorization of J with its columns scaled to unit
// length (the exponent's column and the constant's differ by orders of
// magnitude); nothing when J has not full column rank.
void add_standard_errors(FittedTrend& fit, const std::vector<double>& y) {
  if (fit.degrees_of_freedom <= 0 || !fit.residual_standard_error) return;
  const Eigen::Index n = static_cast<Eigen::Index>(y.size());
  const Eigen::Index p = static_cast<Eigen::Index>(fit.fitted.size());
  std::vector<double> moving;
  for (int k : fit.fitted) moving.push_back(fit.coefficients.b[static_cast<std::size_t>(k)]);
  std::vector<double> residuals(static_cast<std::size_t>(n));
  std::vector<double> jacobian(static_cast<std::size_t>(n * p));  // row-major, n x p
  const double* parameters[] = {moving.data()};
  double* jacobians[] = {jacobian.data()};
  if (!cost_of(y, fit.fitted, fit.coefficients)->Evaluate(parameters, residuals.data(), jacobians))
    return;

  Eigen::MatrixXd j(n, p);
  Eigen::VectorXd scale(p);
  auto coefficient_of = [&](Eigen::Index column) {
    return static_cast<std::size_t>(fit.fitted[static_cast<std::size_t>(column)]);
  };
  for (Eigen::Index c = 0; c < p; ++c) {
    for (Eigen::Index i = 0; i < n; ++i) j(i, c) = jacobian[static_cast<std::size_t>(i * p + c)];
    scale(c) = j.col(c).norm();
    if (!(scale(c) > 0.0) || !std::isfinite(scale(c))) return;
    j.col(c) /= scale(c);
  }
  Eigen::ColPivHouseholderQR<Eigen::MatrixXd> qr(j);
  if (qr.rank() < p) return;
  Eigen::MatrixXd r = qr.matrixR().topLeftCorner(p, p).triangularView<Eigen::Upper>();
  Eigen::MatrixXd r_inverse =
      r.triangularView<Eigen::Upper>().solve(Eigen::MatrixXd::Identity(p, p));
  Eigen::MatrixXd permuted = r_inverse * r_inverse.transpose();
  Eigen::MatrixXd unscaled = qr.colsPermutation() * permuted * qr.colsPermutation().transpose();
  const double s = *fit.residual_standard_error;
  for (Eigen::Index c = 0; c < p; ++c) {
    double error = s * std::sqrt(unscaled(c, c)) / scale(c);
    if (std::isfinite(error)) fit.standard_error[coefficient_of(c)] = error;
  }
}

FittedTrend result_of(const Attempt& best, const std::vector<double>& y,
                      const std::vector<int>& fitted, int starts) {
  FittedTrend fit;
  fit.coefficients = best.coefficients;
  fit.fitted = fitted;
  fit.points = static_cast<int>(y.size());
  fit.degrees_of_freedom = fit.points - static_cast<int>(fitted.size());
  fit.residual_sum_of_squares = best.rss;
  if (fit.degrees_of_freedom > 0) {
    double s = std::sqrt(best.rss / fit.degrees_of_freedom);
    if (std::isfinite(s)) fit.residual_standard_error = s;
  }
  double mean = 0.0;
  for (double v : y) mean += v / static_cast<double>(y.size());
  double total = 0.0;
  for (double v : y) total += (v - mean) * (v - mean);
  if (total > 0.0 && std::isfinite(total)) fit.r_squared = 1.0 - best.rss / total;
  fit.iterations = best.iterations;
  fit.converged = best.converged;
  fit.starts = starts;
  add_standard_errors(fit, y);
  return fit;
}

// Where F cannot be evaluated at the user's start: the first failure of the
// checked F(X), or the sum of squares leaving the double range.
std::string why_not_evaluable(const Coefficients& c, const std::vector<double>& y) {
  try {
    for (std::size_t x = 1; x <= y.size(); ++x) evaluate(c, static_cast<Int16>(x));
  } catch (const Failure& failure) {
    return failure.what();
  }
  return "la suma de cuadrados de los residuos se desborda";
}

// The acceptance rules every fit passes: the converged end with the least
// residual sum of squares among those where tendencia's run gets through, and
// not at a limit of one of its groups (fit/group_limits.h).
FittedTrend accepted(const std::vector<Attempt>& ends, const std::vector<double>& y,
                     const std::vector<TermGroup>& groups, const std::vector<int>& fitted,
                     int starts, const std::string& no_convergence) {
  const Attempt* best = nullptr;
  const Attempt* best_refused = nullptr;
  const Attempt* best_unconverged = nullptr;
  for (const Attempt& a : ends) {
    if (!a.usable) continue;
    if (!a.converged) {
      if (best_unconverged == nullptr || a.rss < best_unconverged->rss) best_unconverged = &a;
      continue;
    }
    const Attempt*& slot = a.refusal.empty() ? best : best_refused;
    if (slot == nullptr || a.rss < slot->rss) slot = &a;
  }
  // The least sum of squares reached, converged or not, tells whether the
  // search ran off to a limit.
  const Attempt* lowest = best;
  for (const Attempt* a : {best_refused, best_unconverged})
    if (a != nullptr && (lowest == nullptr || a->rss < lowest->rss)) lowest = a;
  if (lowest != nullptr) {
    FittedTrend end = result_of(*lowest, y, fitted, starts);
    if (std::optional<GroupLimit> limit = group_at_limit(end, y, groups))
      throw FitRefused(limit_message(*limit, groups));
  }
  if (best != nullptr) return result_of(*best, y, fitted, starts);
  if (best_refused != nullptr)
    throw FitRefused("el ajuste termina donde tendencia no puede completar su recta de regresión: " +
                     best_refused->refusal);
  throw FitRefused(no_convergence);
}

}  // namespace

void check_regression_runs(const Coefficients& coefficients, const std::vector<double>& y) {
  const Int16 n = static_cast<Int16>(y.size());
  std::vector<double> f;
  for (Int16 x = 1; x <= n; ++x) f.push_back(evaluate(coefficients, x));
  double mean = 0.0;
  for (double v : f) mean += v / n;
  double spread = 0.0;  // Σ(F - mean)², without the cancellation of Σf² - (Σf)²/n
  double energy = 0.0;  // Σf², the size of what tendencia's Sxx cancels
  for (double v : f) {
    spread += (v - mean) * (v - mean);
    energy += v * v;
  }
  const FitRefused flat("F(X) apenas varía en X = 1.." + std::to_string(n) +
                        " y la recta Y = a·F(X) + b de tendencia queda indeterminada; "
                        "elija también un término que varíe con X");
  RegressionLine line;
  try {
    line = regression_line(coefficients, y);
  } catch (const Failure&) {
    if (!(spread > 1e-6 * energy)) throw flat;
    throw;
  }
  // tendencia's Sxx = Σf² - (Σf)²/n: when F varies so little beside its size
  // that this loses its leading digits to cancellation, its slope is noise.
  if (!(spread > 0.0) || std::abs(line.sxx - spread) > 1e-4 * spread) throw flat;
}

FittedTrend fit_trend(const std::vector<double>& y, const std::vector<TermGroup>& groups,
                      const std::vector<std::pair<int, double>>& user_start,
                      const FitOptions& options) {
  const std::vector<int> fitted = fitted_indices(groups, options.held);
  const int n = static_cast<int>(y.size());
  if (n < static_cast<int>(fitted.size()))
    throw FitRefused("hay " + std::to_string(n) + " puntos y " + std::to_string(fitted.size()) +
                     " coeficientes que ajustar; hacen falta al menos tantos puntos como "
                     "coeficientes");

  std::vector<Coefficients> starts =
      automatic_starts(y, groups, options.automatic_starts, options.held);
  if (!user_start.empty()) {
    Coefficients own = starts.empty() ? Coefficients{} : starts.front();
    for (auto [k, value] : user_start) own.b[static_cast<std::size_t>(k)] = value;
    if (!residual_sum_of_squares(own, y))
      throw CommandLineRefused("F(X) no se puede evaluar en el punto de partida de --inicio: " +
                               why_not_evaluable(own, y));
    starts.insert(starts.begin(), own);
  }
  if (options.extra_start) {
    Coefficients earlier = *options.extra_start;
    for (auto [k, value] : options.held) earlier.b[static_cast<std::size_t>(k)] = value;
    if (residual_sum_of_squares(earlier, y)) starts.push_back(earlier);
  }
  if (starts.empty())
    throw FitRefused("no hay ningún punto de partida en el que F(X) se pueda evaluar en X = 1.." +
                     std::to_string(n));

  std::vector<Attempt> surveyed;
  Search survey = kSurvey;
  survey.max_iterations = options.survey_iterations;
  for (const Coefficients& start : starts) surveyed.push_back(solve_from(start, y, fitted, survey));
  std::stable_sort(surveyed.begin(), surveyed.end(), [](const Attempt& a, const Attempt& b) {
    return a.usable && (!b.usable || a.rss < b.rss);
  });
  std::vector<Attempt> polished;
  Search polish = options.tight ? kPolish : kSurvey;
  polish.max_iterations = options.polish_iterations;
  for (std::size_t i = 0; i < surveyed.size() && i < options.polished && surveyed[i].usable; ++i) {
    Attempt a = solve_from(surveyed[i].coefficients, y, fitted, polish);
    a.iterations += surveyed[i].iterations;
    a.refusal = refusal_at(a.coefficients, y);
    polished.push_back(a);
  }

  return accepted(polished, y, groups, fitted, static_cast<int>(starts.size()),
                  "el ajuste no converge en " + std::to_string(options.polish_iterations) +
                      " iteraciones desde ninguno de los " + std::to_string(starts.size()) +
                      " puntos de partida");
}

}  // namespace tendencia
