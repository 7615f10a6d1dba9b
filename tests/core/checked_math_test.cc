#include "core/checked_math.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace tendencia {
namespace {

// The shortcuts for a zero argument must give the library's own result, to the
// bit, whatever the other operand: the report's last digit depends on it.
TEST(CheckedMath, ZeroArgumentShortcutsAgreeWithTheLibrary) {
  for (double zero : {0.0, -0.0}) {
    EXPECT_EQ(checked::exp(zero), std::exp(zero));
    EXPECT_EQ(checked::cos(zero), std::cos(zero));
    for (double base : {0.0, -0.0, 1.0, -3.0, 2.5, 32767.0, DBL_MAX, DBL_TRUE_MIN})
      EXPECT_EQ(checked::pow(base, zero), std::pow(base, zero)) << base;
  }
  EXPECT_EQ(checked::pow(2.0, 0.5), std::pow(2.0, 0.5));
  EXPECT_EQ(checked::exp(1e-300), std::exp(1e-300));
  EXPECT_EQ(checked::cos(1e-300), std::cos(1e-300));
}

TEST(CheckedMath, EveryOperationWithoutAFiniteResultIsItsOwnFailure) {
  auto kind_of = [](auto operation) {
    try {
      operation();
    } catch (const Failure& f) {
      return f.kind();
    }
    return FailureKind::WriteFailed;  // stands for "no failure"
  };
  EXPECT_EQ(kind_of([] { checked::div(0.0, 0.0); }), FailureKind::DivisionByZero);
  EXPECT_EQ(kind_of([] { checked::log(0.0); }), FailureKind::LogarithmOfNonPositive);
  EXPECT_EQ(kind_of([] { checked::log(-1.0); }), FailureKind::LogarithmOfNonPositive);
  EXPECT_EQ(kind_of([] { checked::sqrt(-1e-300); }), FailureKind::SquareRootOfNegative);
  EXPECT_EQ(kind_of([] { checked::pow(0.0, -1.0); }), FailureKind::DivisionByZero);
  EXPECT_EQ(kind_of([] { checked::pow(-2.0, 0.5); }), FailureKind::PowerWithoutRealValue);
  EXPECT_EQ(kind_of([] { checked::exp(710.0); }), FailureKind::Overflow);
  EXPECT_EQ(kind_of([] { checked::mul(DBL_MAX, 2.0); }), FailureKind::Overflow);
  EXPECT_EQ(kind_of([] { checked::exp(-800.0); }), FailureKind::WriteFailed);  // underflow is 0
}

}  // namespace
}  // namespace tendencia
