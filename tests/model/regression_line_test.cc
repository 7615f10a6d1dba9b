#include "model/regression_line.h"

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

std::vector<double> series(std::initializer_list<double> ys) { return ys; }

RegressionLine fit_of(const Coefficients& c, const std::vector<double>& ys) {
  return regression_line(c, ys);
}

std::string failure_of(const Coefficients& c, const std::vector<double>& ys) {
  try {
    fit_of(c, ys);
  } catch (const Failure& f) {
    return testing::failure_text(f);
  }
  return "none";
}

TEST(RegressionLine, WorkedExample) {
  RegressionLine fit = fit_of(linear(1), series({2, 4, 7}));
  EXPECT_EQ(fit.sum_f, 6);
  EXPECT_EQ(fit.sum_y, 13);
  EXPECT_EQ(fit.sum_ff, 14);
  EXPECT_EQ(fit.sum_fy, 31);
  EXPECT_EQ(fit.mean_f, 2);
  EXPECT_EQ(fit.sxx, 2);
  EXPECT_EQ(fit.sxy, 5);
  EXPECT_EQ(fit.slope, 2.5);
  EXPECT_NEAR(fit.intercept, -0.666667, 1e-6);
  EXPECT_NEAR(fit.rss, 0.166667, 1e-6);
  EXPECT_NEAR(fit.residual_standard_error, 0.408248, 1e-6);

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

TEST(RegressionLine, UsesTheSlopeRoundedToFifteenDigits) {
  RegressionLine fit = fit_of(linear(3), series({1, 2, 3}));  // Sxy / Sxx = 1/3
  EXPECT_EQ(fit.slope, 0.333333333333333);
  EXPECT_EQ(fit.intercept, 2 - 0.333333333333333 * 6);
  EXPECT_NE(fit.intercept, 0.0);
}

TEST(RegressionLine, AnExactFitGivesBoundsEqualToTheTrend) {
  RegressionLine fit = fit_of(linear(1), series({2, 4, 6}));
  EXPECT_EQ(fit.slope, 2);
  EXPECT_EQ(fit.intercept, 0);
  EXPECT_EQ(fit.residual_standard_error, 0);
  ProjectedPoint p = project(fit, linear(1), 3, 4.303, 5);
  EXPECT_EQ(p.trend, 16);
  EXPECT_EQ(p.lower, 16);
  EXPECT_EQ(p.upper, 16);
}

// The interval checked against the textbook prediction interval of a new
// observation, computed here from scratch in long double.
TEST(RegressionLine, IntervalsMatchTheTextbookPredictionInterval) {
  Coefficients c;
  c.b[0] = 100, c.b[1] = 12, c.b[2] = 0.9, c.b[9] = 3, c.b[10] = 0.7;
  std::vector<double> ys = {111, 127.5, 131, 146, 150.25, 163, 171, 176.5, 190, 194,
                            207, 209.5, 221, 231, 236};
  const int n = static_cast<int>(ys.size());
  RegressionLine fit = fit_of(c, ys);

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
    EXPECT_GE(p.h, fit.residual_standard_error * std::sqrt(1 + 1.0 / n));
    EXPECT_NEAR(p.upper - p.trend, p.trend - p.lower, 1e-12 * std::fabs(p.trend));
  }
}

TEST(RegressionLine, StopsWhereTheArithmeticFails) {
  EXPECT_EQ(failure_of(Coefficients{}, series({1, 2, 3})),
            "división por cero @ pendiente de la recta de regresión");
  EXPECT_EQ(failure_of(linear(1), series({1, 2})),
            "división por cero @ error típico de los residuos");
  EXPECT_EQ(failure_of(linear(1e160), series({1, 2, 3})),
            "desbordamiento (resultado fuera de rango) @ ajuste de la recta de regresión");
  // Y(2) cannot be read; F(2) is computed before Y(2) is asked for.
  const ObservedValue unreadable_second = [](Int16 i) -> double {
    if (i == 2) throw Failure(FailureKind::NotANumber, "valor 2 de la serie");
    return i;
  };
  auto failure_reading = [&](const Coefficients& c) {
    try {
      regression_line(c, 3, unreadable_second);
    } catch (const Failure& f) {
      return testing::failure_text(f);
    }
    return std::string("none");
  };
  EXPECT_EQ(failure_reading(linear(1)), "el texto no es un número @ valor 2 de la serie");
  Coefficients bad = linear(1);
  bad.b[16] = -2;
  EXPECT_EQ(failure_reading(bad), "división por cero @ F(X) en X = 2");
}

TEST(RegressionLine, ProjectedPeriodsStopBeyond32767) {
  RegressionLine fit = fit_of(linear(1), series({2, 4, 7}));
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
