#include "fit/group_limits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "fit/least_squares.h"
#include "fit/recording_operations.h"
#include "fit/series_residuals.h"

namespace tendencia {
namespace {

using G = TermGroup;

// A limit function of a group: g(X) -> basis(X), refitted as c0 + c1·basis(X).
struct Candidate {
  std::function<double(double)> basis;  // empty: a constant alone
  std::string limit, becomes;
  std::vector<TermGroup> expressed_by;
};

const std::vector<TermGroup> kLine = {G::Constant, G::Power};
const std::vector<TermGroup> kConstant = {G::Constant};
const std::vector<TermGroup> kLogarithm = {G::Constant, G::Logarithm};
const std::vector<TermGroup> kExponential = {G::Constant, G::Exponential};

double identity(double x) { return x; }
double logarithm(double x) { return std::log(x); }

std::vector<Candidate> candidates(TermGroup group, const Coefficients& c, std::size_t n) {
  // The group's coefficients by their place, named as the report names them.
  auto b = [&](int place) { return "b" + std::to_string(coefficient_of(group, place)); };
  auto value = [&](int place) {
    return c.b[static_cast<std::size_t>(coefficient_of(group, place))];
  };
  const std::string outer = b(kOuter), shape = b(kShape);
  // A power whose exponent grows without end while its coefficient vanishes
  // is 0 but at the last value: it only fits that value.
  const double last = static_cast<double>(n);
  switch (group) {
    case G::Constant: return {};
    case G::Power:
    case G::SecondPower:
      return {{nullptr, shape + " → 0 o " + outer + " → 0", "una constante", kConstant},
              {identity, shape + " → 1", "una recta", kLine},
              {logarithm, shape + " → 0 con " + outer + " → ∞", "un logaritmo", kLogarithm},
              {[last](double x) { return x == last ? 1.0 : 0.0; },
               shape + " → ∞ con " + outer + " → 0", "un salto en el último valor", kConstant}};
    case G::Exponential:
      return {{nullptr, shape + " → 0 o " + outer + " → 0", "una constante", kConstant},
              {identity, shape + " → 0 con " + outer + " → ∞", "una recta", kLine}};
    case G::Cosine:
    case G::SecondCosine:
      return {{nullptr, outer + " → 0 o " + shape + " → 0", "una constante", kConstant},
              {identity, shape + " → 0 con " + outer + " → ∞", "una recta", kLine}};
    case G::Logarithm:
      return {{nullptr, outer + " → 0", "una constante", kConstant},
              {identity, shape + " → ∞", "una recta", kLine}};
    case G::Hyperbola:
      return {{nullptr, shape + " → 0 o " + outer + " → 0", "una constante", kConstant},
              {identity, shape + " → ∞", "una recta", kLine}};
    case G::Logistic:
    case G::SecondLogistic: {
      const double rate = value(kShape);
      const double saturated = rate - value(kDenominatorRate);
      const std::string denominator = b(kDenominatorScale) + "·exp(" + b(kDenominatorRate) + "·X)";
      return {{nullptr, outer + " → 0 o satura", "una constante", kConstant},
              {identity, shape + ", " + b(kDenominatorRate) + " → 0", "una recta", kLine},
              {[rate](double x) { return std::exp(rate * x); }, denominator + " → 0",
               "una exponencial", kExponential},
              {[saturated](double x) { return std::exp(saturated * x); }, denominator + " → ∞",
               "una exponencial", kExponential}};
    }
  }
  return {};
}

// The group's own terms at X = 1..n; nothing where they cannot be evaluated.
std::optional<std::vector<double>> group_values(TermGroup group, const Coefficients& c,
                                                std::size_t n) {
  std::array<double, 25> own{};
  for (int k : term_coefficients(group))
    own[static_cast<std::size_t>(k)] = c.b[static_cast<std::size_t>(k)];
  RecordingOperations<double> operations;
  std::vector<double> values;
  for (std::size_t x = 1; x <= n; ++x)
    values.push_back(trend_value(own, static_cast<double>(x), operations));
  if (operations.failed) return std::nullopt;
  return values;
}

// The least residual sum of squares of r against c0 (+ c1·basis(X)).
std::optional<double> refitted_rss(const std::vector<double>& r,
                                   const std::function<double(double)>& basis) {
  std::vector<std::vector<double>> columns = {std::vector<double>(r.size(), 1.0)};
  if (basis) {
    std::vector<double> b;
    for (std::size_t i = 0; i < r.size(); ++i) b.push_back(basis(static_cast<double>(i + 1)));
    columns.push_back(b);
  }
  const LinearFit fit = linear_fit(columns, r);
  if (!fit.usable) return std::nullopt;
  return fit.rss;
}

// Only a fitted shape can run off to a limit: a group whose shape is held (a
// logistic kept as a step) is linear in its one fitted coefficient, and that
// coefficient near 0 is a value like any other (no step), never a limit.
bool ill_determined(const FittedTrend& fit, TermGroup group) {
  const std::vector<int> own = term_coefficients(group);
  const bool shape_fitted = std::any_of(own.begin() + 1, own.end(), [&](int k) {
    return std::find(fit.fitted.begin(), fit.fitted.end(), k) != fit.fitted.end();
  });
  if (!shape_fitted && own.size() > 1) return false;
  if (!fit.converged) return true;
  for (int k : term_coefficients(group)) {
    if (std::find(fit.fitted.begin(), fit.fitted.end(), k) == fit.fitted.end()) continue;
    const auto index = static_cast<std::size_t>(k);
    const std::optional<double>& error = fit.standard_error[index];
    if (!error || *error > 10.0 * std::abs(fit.coefficients.b[index])) return true;
  }
  return false;
}

std::vector<TermGroup> replaced(const std::vector<TermGroup>& groups, TermGroup group,
                                const std::vector<TermGroup>& added) {
  std::vector<TermGroup> set;
  for (TermGroup g : all_term_groups()) {
    bool kept = g != group && std::find(groups.begin(), groups.end(), g) != groups.end();
    bool adds = std::find(added.begin(), added.end(), g) != added.end();
    if (kept || adds) set.push_back(g);
  }
  return set;
}

}  // namespace

std::optional<GroupLimit> group_at_limit(const FittedTrend& fit, const std::vector<double>& y,
                                         const std::vector<TermGroup>& groups) {
  std::vector<double> residuals(y.size());  // F(X) - Y(X)
  if (!trend_residuals(fit.coefficients.b, y, residuals.data())) return std::nullopt;
  double scale = 0.0;
  for (double v : y) scale += v * v;
  const double tolerance = 1e-4 * fit.residual_sum_of_squares + 1e-12 * scale;
  for (TermGroup group : groups) {
    if (!ill_determined(fit, group)) continue;
    std::optional<std::vector<double>> own = group_values(group, fit.coefficients, y.size());
    if (!own) continue;
    // What the fit leaves for this group: Y minus every other group's terms.
    std::vector<double> left(y.size());
    for (std::size_t i = 0; i < y.size(); ++i) left[i] = (*own)[i] - residuals[i];
    for (const Candidate& c : candidates(group, fit.coefficients, y.size())) {
      std::optional<double> rss = refitted_rss(left, c.basis);
      if (rss && *rss <= fit.residual_sum_of_squares + tolerance)
        return GroupLimit{group, c.limit, c.becomes, replaced(groups, group, c.expressed_by)};
    }
  }
  return std::nullopt;
}

std::string limit_message(const GroupLimit& limit, const std::vector<TermGroup>& groups) {
  std::string text = "el mejor ajuste lleva " + std::string(term_name(limit.group)) +
                     " a un límite (" + limit.limit + "), donde se vuelve " + limit.becomes;
  if (limit.instead == groups) return text;
  std::string names;
  for (TermGroup g : limit.instead) names += std::string(names.empty() ? "" : " ") + term_name(g);
  return text + "; use " + names;
}

}  // namespace tendencia
