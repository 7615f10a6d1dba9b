// Fits whose best end is at a limit of a group are refused with the limit and
// the group that expresses it; fits with an optimum inside are not.
#include "fit/group_limits.h"

#include <gtest/gtest.h>

#include "support/synthetic_series.h"
#include "support/test_size.h"

namespace tendencia {
namespace {

using namespace testing;
using G = TermGroup;

// A straight line with a slight upward bend: a concave logarithm or hyperbola
// can only flatten its bend by growing its shift without end.
std::vector<double> bent_line(int values = 100) {
  Coefficients truth;
  truth.b[0] = 50;
  truth.b[1] = 2;
  truth.b[2] = 1.02;
  return synthetic_series(truth, values, 1.0, 2);
}

std::string refusal_of(const std::vector<double>& y, const std::vector<TermGroup>& groups) {
  try {
    fit_trend(y, groups, {});
  } catch (const FitRefused& refused) {
    return refused.what();
  }
  return "";
}

TEST(GroupLimits, AShiftRunningToInfinityIsNamedAsAStraightLine) {
  const std::vector<double> y = bent_line(sized(100, 60));
  EXPECT_EQ(refusal_of(y, {G::Constant, G::Logarithm}),
            "el mejor ajuste lleva logaritmo a un límite (b8 → ∞), donde se vuelve una recta; "
            "use constante potencia");
  EXPECT_EQ(refusal_of(y, {G::Constant, G::Hyperbola}),
            "el mejor ajuste lleva hiperbola a un límite (b16 → ∞), donde se vuelve una recta; "
            "use constante potencia");
  // The same rule in a warm start from a shorter part's fit.
  FittedTrend part = fit_trend(std::vector<double>(y.begin(), y.begin() + y.size() * 3 / 5),
                               {G::Constant, G::Power}, {});
  Coefficients start = part.coefficients;
  start.b[7] = 50;
  start.b[8] = 20;
  start.b[1] = start.b[2] = 0;
  FitOptions warm;
  warm.extra_start = start;
  warm.automatic_starts = 0;
  EXPECT_THROW(fit_trend(y, {G::Constant, G::Logarithm}, {}, warm), FitRefused);
}

TEST(GroupLimits, AnOptimumInsideIsKeptWithItsStandardErrors) {
  Coefficients truth;
  truth.b[0] = 10;
  truth.b[7] = 20;
  truth.b[8] = 5;
  std::vector<double> y = synthetic_series(truth, 40, 0.2, 3);
  FittedTrend fit = fit_trend(y, {G::Constant, G::Logarithm}, {});
  EXPECT_FALSE(group_at_limit(fit, y, {G::Constant, G::Logarithm}));
  EXPECT_NEAR(fit.coefficients.b[8], 5, 1.5);
  // The bent line is a power's own shape: no limit there.
  y = bent_line();
  fit = fit_trend(y, {G::Constant, G::Power}, {});
  EXPECT_FALSE(group_at_limit(fit, y, {G::Constant, G::Power}));
}

TEST(GroupLimits, AnIllDeterminedGroupThatALimitFitsAsWellIsAtThatLimit) {
  // An exponential whose rate is almost 0 over X = 1..100, with standard errors
  // far beyond its coefficients: it is a straight line there.
  const std::vector<double> y = bent_line();
  FittedTrend fit;
  fit.coefficients.b[0] = -1e9;
  fit.coefficients.b[5] = 1e9;
  fit.coefficients.b[6] = 2.4e-9;
  fit.fitted = {0, 5, 6};
  fit.converged = true;
  fit.standard_error[0] = 1e15;
  fit.standard_error[5] = 1e15;
  fit.standard_error[6] = 1e-3;
  fit.residual_sum_of_squares = 1e9;  // any line does better
  std::optional<GroupLimit> limit = group_at_limit(fit, y, {G::Constant, G::Exponential});
  ASSERT_TRUE(limit);
  EXPECT_EQ(limit->group, G::Exponential);
  EXPECT_EQ(limit_message(*limit, {G::Constant, G::Exponential}),
            "el mejor ajuste lleva exponencial a un límite (b6 → 0 o b5 → 0), donde se vuelve "
            "una constante; use constante");
  // Well-determined coefficients are never a limit, whatever a line does.
  for (int k : {0, 5, 6}) fit.standard_error[static_cast<std::size_t>(k)] = 1e-12;
  EXPECT_FALSE(group_at_limit(fit, y, {G::Constant, G::Exponential}));
}

}  // namespace
}  // namespace tendencia
