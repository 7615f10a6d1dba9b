#include "model/trend_function.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/failure.h"
#include "support/failure_text.h"

namespace tendencia {
namespace {

Coefficients with(std::initializer_list<std::pair<int, double>> values) {
  Coefficients c;
  for (auto [k, v] : values) c.b[k] = v;
  return c;
}

// The failure F(x) stops with, as "kind at place".
std::string failure_at(const Coefficients& c, Int16 x) {
  try {
    evaluate(c, x);
  } catch (const Failure& f) {
    return testing::failure_text(f);
  }
  return "none";
}

std::string at(FailureKind kind, int x) {
  return std::string(describe(kind)) + " @ F(X) en X = " + std::to_string(x);
}

TEST(TrendFunction, EvaluatesEachTerm) {
  EXPECT_EQ(evaluate(Coefficients{}, 1), 0.0);
  EXPECT_EQ(evaluate(Coefficients{}, 32767), 0.0);
  EXPECT_EQ(evaluate(with({{0, 1}, {1, 2}, {2, 2}}), 3), 19.0);
  EXPECT_EQ(evaluate(with({{15, 10}, {16, 2}}), 3), 6.0);
  EXPECT_EQ(evaluate(with({{17, 4}, {19, 1}}), 1), 2.0);
  EXPECT_EQ(evaluate(with({{17, 4}, {19, 1}}), 1000), 2.0);
  EXPECT_EQ(evaluate(with({{9, 2}}), 7), 2.0);
  EXPECT_EQ(evaluate(with({{21, 6}, {23, 2}}), 5), 2.0);
  // Powers are 1 at X = 1 whatever the exponent.
  EXPECT_EQ(evaluate(with({{1, 3}, {2, -7.5}, {3, 4}, {4, 123.25}}), 1), 7.0);
  EXPECT_DOUBLE_EQ(evaluate(with({{7, 1}, {8, -0.5}}), 1), std::log(0.5));
  EXPECT_DOUBLE_EQ(evaluate(with({{5, 2}, {6, 0.5}}), 2), 2 * std::exp(1.0));
  EXPECT_DOUBLE_EQ(evaluate(with({{12, 3}, {13, 0.5}, {14, 1}}), 2), 3 * std::cos(2.0));
}

TEST(TrendFunction, TermsWithAZeroOuterCoefficientStillFail) {
  EXPECT_EQ(failure_at(with({{8, -1}}), 1), at(FailureKind::LogarithmOfNonPositive, 1));
  EXPECT_EQ(failure_at(with({{8, -1}}), 2), "none");
  EXPECT_EQ(failure_at(with({{16, -2}}), 2), at(FailureKind::DivisionByZero, 2));
  EXPECT_EQ(failure_at(with({{16, -2}}), 1), "none");
  EXPECT_EQ(failure_at(with({{16, -2}}), 3), "none");
  EXPECT_EQ(failure_at(with({{19, -1}}), 1), at(FailureKind::DivisionByZero, 1));
  EXPECT_EQ(failure_at(with({{19, -1}}), 500), at(FailureKind::DivisionByZero, 500));
  EXPECT_EQ(failure_at(with({{23, -1}}), 9), at(FailureKind::DivisionByZero, 9));
  EXPECT_EQ(failure_at(with({{6, 800}}), 1), at(FailureKind::Overflow, 1));
  EXPECT_EQ(failure_at(with({{18, 710}}), 1), at(FailureKind::Overflow, 1));
  EXPECT_EQ(failure_at(with({{24, 400}}), 1), "none");
  EXPECT_EQ(failure_at(with({{24, 400}}), 2), at(FailureKind::Overflow, 2));
}

TEST(TrendFunction, TheOrderOfOperationsDecidesWhichFailureIsReported) {
  // log(X + b8) comes before the quotient b15·X / (b16 + X).
  EXPECT_EQ(failure_at(with({{8, -1}, {16, -1}}), 1), at(FailureKind::LogarithmOfNonPositive, 1));
  // exp(b6·X) comes before the logarithm.
  EXPECT_EQ(failure_at(with({{6, 1000}, {8, -1}}), 1), at(FailureKind::Overflow, 1));
  // The first quotient comes before the second.
  EXPECT_EQ(failure_at(with({{16, -1}, {19, -1}}), 1), at(FailureKind::DivisionByZero, 1));
  // Power, product and sum beyond the double range.
  EXPECT_EQ(failure_at(with({{2, 2000}}), 2), at(FailureKind::Overflow, 2));
  EXPECT_EQ(failure_at(with({{1, 1e308}, {2, 1}}), 2), at(FailureKind::Overflow, 2));
  EXPECT_EQ(failure_at(with({{0, 1e308}, {1, 1e308}}), 1), at(FailureKind::Overflow, 1));
  // A tiny exponential underflows to 0: no failure.
  EXPECT_EQ(evaluate(with({{5, 1}, {6, -1000}}), 1), 0.0);
}

TEST(FormulaLines, ShowEveryCoefficientInSignBlankForm) {
  auto zero = formula_lines(Coefficients{});
  EXPECT_EQ(zero[0], "F(X) =  0 +  0*X^( 0) +  0*X^( 0) +  0*exp( 0*X) +  0*log(X+ 0)");
  EXPECT_EQ(zero[1], "      +  0*cos( 0*X+ 0) +  0*cos( 0*X+ 0)");
  EXPECT_EQ(zero[2], "      +  0*X/( 0+X) +  0*exp( 0*X)/(1+ 0*exp( 0*X))");
  EXPECT_EQ(zero[3], "      +  0*exp( 0*X)/(1+ 0*exp( 0*X))");
  auto lines = formula_lines(with({{0, 10}, {1, -2}, {2, 1.5}, {24, -0.25}}));
  EXPECT_EQ(lines[0].substr(0, 31), "F(X) =  10 + -2*X^( 1.5) +  0*X");
  EXPECT_EQ(lines[3], "      +  0*exp( 0*X)/(1+ 0*exp(-0.25*X))");
}

}  // namespace
}  // namespace tendencia
