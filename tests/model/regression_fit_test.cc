#include "model/regression_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/failure.h"
#include "support/failure_text.h"

namespace tendencia {
namespace {

Coefficients linear(double slope) {
  Coefficients c;
  c.b[1] = slope;  // F(X) = slope·X^1
  c.b[2] = 1;
  return c;
}

std::vector<SeriesValue> series(std::initializer_list<double> ys) {
  std::vector<SeriesValue> out;
  for (double y : ys) out.push_back(SeriesValue::of_number(y));
  return out;
}

Fit fit_of(const Coefficients& c, const std::vector<SeriesValue>& ys) {
  return fit_line(c, ys, static_cast<Int16>(ys.size()), Separators{});
}

std::string failure_of(const Coefficients& c, const std::vector<SeriesValue>& ys) {
  try {
    fit_of(c, ys);
  } catch (const Failure& f) {
    return testing::failure_text(f);
  }
  return "none";
}

TEST(RegressionFit, WorkedExample) {
  Fit fit = fit_of(linear(1), series({2, 4, 7}));
  EXPECT_EQ(fit.sum_f, 6);
  EXPECT_EQ(fit.sum_y, 13);
  EXPECT_EQ(fit.sum_ff, 14);
  EXPECT_EQ(fit.sum_fy, 31);
  EXPECT_EQ(fit.mean_f, 2);
  EXPECT_EQ(fit.sxx, 2);
  EXPECT_EQ(fit.sxy, 5);
  EXPECT_EQ(fit.slope_text, "2.5");
  EXPECT_NEAR(fit.b, -0.666667, 1e-6);
  EXPECT_NEAR(fit.rss, 0.166667, 1e-6);
  EXPECT_NEAR(fit.s, 0.408248, 1e-6);

  ProjectedPoint p4 = project(fit, linear(1), 3, 12.706, 1);
  EXPECT_EQ(p4.x, 4);
  EXPECT_NEAR(p4.trend, 9.333333, 1e-6);
  EXPECT_NEAR(p4.h, 0.745356, 1e-6);
  EXPECT_NEAR(p4.lower, -0.137160, 1e-6);
  EXPECT_NEAR(p4.upper, 18.803827, 1e-6);
  ProjectedPoint p5 = project(fit, linear(1), 3, 12.706, 2);
  EXPECT_NEAR(p5.trend, 11.833333, 1e-6);
  EXPECT_NEAR(p5.h, 0.986013, 1e-6);
  EXPECT_NEAR(p5.lower, -0.694952, 1e-6);
  EXPECT_NEAR(p5.upper, 24.361618, 1e-6);
}

TEST(RegressionFit, UsesTheSlopeRoundedToFifteenDigits) {
  Fit fit = fit_of(linear(3), series({1, 2, 3}));  // Sxy / Sxx = 1/3
  EXPECT_EQ(fit.slope_text, "0.333333333333333");
  EXPECT_EQ(fit.a, 0.333333333333333);
  EXPECT_EQ(fit.b, 2 - 0.333333333333333 * 6);
  EXPECT_NE(fit.b, 0.0);
  Fit spanish = fit_line(linear(3), series({1, 2, 3}), 3, Separators{",", "."});
  EXPECT_EQ(spanish.slope_text, "0,333333333333333");
  EXPECT_EQ(spanish.a, 0.333333333333333);
}

TEST(RegressionFit, AnExactFitGivesBoundsEqualToTheTrend) {
  Fit fit = fit_of(linear(1), series({2, 4, 6}));
  EXPECT_EQ(fit.a, 2);
  EXPECT_EQ(fit.b, 0);
  EXPECT_EQ(fit.s, 0);
  ProjectedPoint p = project(fit, linear(1), 3, 4.303, 5);
  EXPECT_EQ(p.trend, 16);
  EXPECT_EQ(p.lower, 16);
  EXPECT_EQ(p.upper, 16);
}

// The interval checked against the textbook prediction interval of a new
// observation, computed here from scratch in long double.
TEST(RegressionFit, IntervalsMatchTheTextbookPredictionInterval) {
  Coefficients c;
  c.b[0] = 100, c.b[1] = 12, c.b[2] = 0.9, c.b[9] = 3, c.b[10] = 0.7;
  std::vector<double> ys = {111, 127.5, 131, 146, 150.25, 163, 171, 176.5, 190, 194,
                            207, 209.5, 221, 231, 236};
  std::vector<SeriesValue> values;
  for (double y : ys) values.push_back(SeriesValue::of_number(y));
  const int n = static_cast<int>(ys.size());
  Fit fit = fit_of(c, values);

  auto F = [&](int x) {
    return 100 + 12 * std::pow(static_cast<long double>(x), 0.9L) + 3 * std::cos(0.7L * x);
  };
  long double mean_x = 0, mean_y = 0;
  for (int i = 1; i <= n; ++i) mean_x += F(i) / n, mean_y += ys[i - 1] / static_cast<long double>(n);
  long double sxx = 0, sxy = 0;
  for (int i = 1; i <= n; ++i) {
    sxx += (F(i) - mean_x) * (F(i) - mean_x);
    sxy += (F(i) - mean_x) * (ys[i - 1] - mean_y);
  }
  long double slope = sxy / sxx, intercept = mean_y - slope * mean_x, rss = 0;
  for (int i = 1; i <= n; ++i) {
    long double r = ys[i - 1] - (slope * F(i) + intercept);
    rss += r * r;
  }
  long double se = std::sqrt(rss / (n - 2));
  const double t = 2.160;  // 13 degrees of freedom, 95 %
  for (int l = 1; l <= 10; ++l) {
    int x = n + l;
    long double y0 = slope * F(x) + intercept;
    long double half = t * se * std::sqrt(1 + 1.0L / n + (F(x) - mean_x) * (F(x) - mean_x) / sxx);
    ProjectedPoint p = project(fit, c, static_cast<Int16>(n), t, static_cast<Int16>(l));
    EXPECT_NEAR(p.trend, static_cast<double>(y0), 1e-9 * std::fabs(static_cast<double>(y0)));
    EXPECT_NEAR(p.lower, static_cast<double>(y0 - half), 1e-9 * std::fabs(static_cast<double>(y0)));
    EXPECT_NEAR(p.upper, static_cast<double>(y0 + half), 1e-9 * std::fabs(static_cast<double>(y0)));
    EXPECT_GE(p.h, fit.s * std::sqrt(1 + 1.0 / n));
    EXPECT_NEAR(p.upper - p.trend, p.trend - p.lower, 1e-12 * std::fabs(p.trend));
  }
}

TEST(RegressionFit, StopsWhereTheArithmeticFails) {
  EXPECT_EQ(failure_of(Coefficients{}, series({1, 2, 3})),
            "división por cero @ pendiente de la recta de regresión");
  EXPECT_EQ(failure_of(linear(1), series({1, 2})),
            "división por cero @ error típico de los residuos");
  EXPECT_EQ(failure_of(linear(1e160), series({1, 2, 3})),
            "desbordamiento (resultado fuera de rango) @ ajuste de la recta de regresión");
  std::vector<SeriesValue> with_text = series({1, 2, 3});
  with_text[1] = SeriesValue::of_text("dos");
  EXPECT_EQ(failure_of(linear(1), with_text), "el texto no es un número @ valor 2 de la serie");
  // F fails before the value of its row is converted.
  Coefficients bad = linear(1);
  bad.b[16] = -2;
  EXPECT_EQ(failure_of(bad, with_text), "división por cero @ F(X) en X = 2");
}

TEST(RegressionFit, ProjectedPeriodsStopBeyond32767) {
  Fit fit = fit_of(linear(1), series({2, 4, 7}));
  try {
    project(fit, linear(1), 3, 12.706, 32765);
    FAIL();
  } catch (const Failure& f) {
    EXPECT_EQ(f.kind(), FailureKind::Overflow);
    EXPECT_EQ(f.place(), "índice de periodo X = N + l");
  }
  EXPECT_EQ(project(fit, linear(1), 3, 12.706, 32764).x, 32767);
}

}  // namespace
}  // namespace tendencia
