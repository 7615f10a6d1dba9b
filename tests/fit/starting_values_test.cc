#include "fit/starting_values.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fit/periodogram.h"
#include "fit/series_residuals.h"
#include "support/synthetic_series.h"

namespace tendencia {
namespace {

TEST(StartingValues, StartsTouchOnlyTheChosenGroupsAndCanBeEvaluated) {
  Coefficients truth;
  truth.b[0] = 100, truth.b[1] = 5, truth.b[2] = 0.8, truth.b[9] = 8, truth.b[10] = kTwoPi / 12;
  std::vector<double> y = testing::synthetic_series(truth, 60, 1, 9);
  std::vector<Coefficients> starts =
      automatic_starts(y, {TermGroup::Constant, TermGroup::Power, TermGroup::Cosine}, 12);
  ASSERT_FALSE(starts.empty());
  EXPECT_LE(starts.size(), 12u);
  double previous = 0;
  for (const Coefficients& c : starts) {
    for (int k : {3, 4, 5, 6, 7, 8, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24})
      EXPECT_EQ(c.b[static_cast<std::size_t>(k)], 0.0) << k;
    std::optional<double> rss = residual_sum_of_squares(c, y);
    ASSERT_TRUE(rss);
    EXPECT_GE(*rss, previous);  // best first
    previous = *rss;
  }
  // The best start already has the season's frequency.
  EXPECT_NEAR(starts.front().b[10], kTwoPi / 12, kTwoPi / 60 / 4);
}

TEST(StartingValues, TransformedDataGiveTheShapesOfCleanSeries) {
  auto best_start = [](std::vector<std::pair<int, double>> values, std::vector<TermGroup> groups) {
    Coefficients truth;
    for (auto [k, v] : values) truth.b[static_cast<std::size_t>(k)] = v;
    std::vector<double> y = testing::synthetic_series(truth, 30, 0.0, 1);
    return automatic_starts(y, groups, 1).front();
  };
  // log-log: exact for a pure power.
  EXPECT_NEAR(best_start({{1, 3}, {2, 0.7}}, {TermGroup::Power}).b[2], 0.7, 1e-9);
  // log-linear: exact for a pure exponential.
  EXPECT_NEAR(best_start({{5, 2}, {6, -0.07}}, {TermGroup::Exponential}).b[6], -0.07, 1e-9);
  // 1/Y against 1/X: exact for a pure hyperbola.
  EXPECT_NEAR(best_start({{15, 40}, {16, 6}}, {TermGroup::Hyperbola}).b[16], 6, 1e-6);
}

}  // namespace
}  // namespace tendencia
