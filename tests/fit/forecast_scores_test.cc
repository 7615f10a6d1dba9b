#include "fit/forecast_scores.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

TEST(ForecastScores, TheNaiveScaleIsTheMeanSeasonalStepWithinTheFirstKValues) {
  const std::vector<double> y = {1, 3, 2, 6, 4, 100};
  EXPECT_DOUBLE_EQ(*naive_scale(y, 5, 1), (2 + 1 + 4 + 2) / 4.0);
  EXPECT_DOUBLE_EQ(*naive_scale(y, 5, 2), (1 + 3 + 2) / 3.0);
  // Too few values for the season: the plain naive step.
  EXPECT_DOUBLE_EQ(*naive_scale(y, 3, 4), (2 + 1) / 2.0);
  EXPECT_FALSE(naive_scale({5, 5, 5}, 3, 1));
  EXPECT_FALSE(naive_scale(y, 1, 1));
  EXPECT_FALSE(naive_scale(y, 7, 1));
}

TEST(ForecastScores, TheSymmetricPercentageErrorIsBoundedAndZeroAtZero) {
  EXPECT_DOUBLE_EQ(symmetric_percentage_error(100, 90), 200.0 * 10 / 190);
  EXPECT_DOUBLE_EQ(symmetric_percentage_error(-1, 1), 200.0);
  EXPECT_DOUBLE_EQ(symmetric_percentage_error(0, 0), 0.0);
}

}  // namespace
}  // namespace tendencia
