// The one periodogram: the frequencies the starting values of a cosine take,
// the peaks the automatic choice tests, and the transform under both.
#include "fit/periodogram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/synthetic_series.h"

namespace tendencia {
namespace {

using namespace testing;

TEST(Periodogram, TheFastTransformGivesEveryOrdinateOfTheDirectSum) {
  const std::vector<double> r = monthly_seasonal_series(37);
  for (std::size_t size : {37u, 64u, 150u}) {
    const std::vector<double> power = ordinates(r, size);
    ASSERT_EQ(power.size(), size / 2 + 1);
    for (std::size_t j = 0; j < power.size(); ++j)
      EXPECT_NEAR(power[j], ordinate(r, kTwoPi * j / size), 1e-9 * (1.0 + power[j])) << j;
  }
}

TEST(Periodogram, TheStrongestFrequenciesFindASeasonUnderATrendAndASecondOne) {
  std::vector<double> y;
  for (int x = 1; x <= 60; ++x)
    y.push_back(0.5 * x + 8 * std::cos(kTwoPi / 12 * x + 1) + 3 * std::cos(kTwoPi / 5 * x));
  // A trend leaks into the lowest frequencies; what a fitted line leaves does not.
  for (int x = 1; x <= 60; ++x) y[static_cast<std::size_t>(x - 1)] -= 0.5 * x;
  std::vector<double> w = strongest_frequencies(y, 3);
  ASSERT_GE(w.size(), 2u);
  EXPECT_NEAR(w[0], kTwoPi / 12, kTwoPi / 60 / 4);
  EXPECT_NEAR(w[1], kTwoPi / 5, kTwoPi / 60 / 4);
  EXPECT_TRUE(strongest_frequencies({1, 2}, 3).empty());
  EXPECT_TRUE(strongest_frequencies(std::vector<double>(10, 4.0), 3).empty());
}

TEST(Periodogram, FishersTestFindsASeasonAndNoPeakInATrendWithNoise) {
  std::vector<double> peaks = periodogram_peaks(monthly_seasonal_series(120));
  ASSERT_EQ(peaks.size(), 1u);
  EXPECT_NEAR(peaks[0], 12.0, 0.2);

  Coefficients trend;
  trend.b[0] = 10;
  trend.b[1] = 3;
  trend.b[2] = 1.3;
  EXPECT_TRUE(periodogram_peaks(synthetic_series(trend, 120, 2.0, 6)).empty());

  // Two seasons of different strength: both, the stronger first.
  Coefficients two = trend;
  two.b[9] = 20, two.b[10] = kTwoPi / 12;
  two.b[12] = 8, two.b[13] = kTwoPi / 5;
  peaks = periodogram_peaks(synthetic_series(two, 240, 2.0, 7));
  ASSERT_EQ(peaks.size(), 2u);
  EXPECT_NEAR(peaks[0], 12.0, 0.2);
  EXPECT_NEAR(peaks[1], 5.0, 0.1);
  EXPECT_TRUE(periodogram_peaks({1, 2, 3}).empty());
}

}  // namespace
}  // namespace tendencia
