// The fit's operations must refuse exactly where the checked F(X) of tendencia
// stops, and agree with it everywhere else: one formula, two policies.
#include "fit/recording_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/failure.h"
#include "model/trend_function.h"

namespace tendencia {
namespace {

// Coefficients drawn from values that make some terms fail (log(X - 1) at
// X = 1, a zero divisor, exp(800·X), X^2000) and many that do not.
Coefficients drawn(std::mt19937_64& bits) {
  static const double palette[] = {0,  0,   0,    1,     -1,   0.5,   -2,   3.25,   -1.0, -3,
                                   -4, 700, -700, 1e308, 2000, 0.001, -0.3, 1e-300, 8,    -8};
  Coefficients c;
  for (double& b : c.b) b = palette[bits() % (sizeof palette / sizeof palette[0])];
  return c;
}

TEST(RecordingOperations, FailExactlyWhereTheCheckedTrendFunctionStopsAndAgreeElsewhere) {
  std::mt19937_64 bits(11);
  int failures = 0, values = 0;
  for (int draw = 0; draw < 6000; ++draw) {
    Coefficients c = drawn(bits);
    Int16 x = static_cast<Int16>(1 + bits() % 6);
    RecordingOperations<double> recording;
    double recorded = trend_value(c.b, x, recording);

    using Jet = ceres::Jet<double, 25>;
    std::array<Jet, 25> jets;
    for (int k = 0; k < 25; ++k)
      jets[static_cast<std::size_t>(k)] = Jet(c.b[static_cast<std::size_t>(k)], k);
    RecordingOperations<Jet> jet_recording;
    Jet jet = trend_value(jets, x, jet_recording);

    try {
      double checked = evaluate(c, x);
      ++values;
      ASSERT_FALSE(recording.failed) << "draw " << draw;
      EXPECT_EQ(recorded, checked);
      // The Jet also fails where only a derivative leaves the double range.
      if (!jet_recording.failed) {
        // Ceres divides through a reciprocal: the last bits may differ.
        EXPECT_NEAR(jet.a, checked, 1e-12 * (1 + std::abs(checked)));
      }
    } catch (const Failure&) {
      ++failures;
      ASSERT_TRUE(recording.failed) << "draw " << draw;
      EXPECT_TRUE(jet_recording.failed) << "draw " << draw;
    }
  }
  // Both outcomes were met often enough to mean something.
  EXPECT_GT(failures, 1000);
  EXPECT_GT(values, 1000);
}

TEST(RecordingOperations, AJetWhoseDerivativeLeavesTheDoubleRangeIsAFailure) {
  // 3^646 is finite, its derivative 3^646·log(3) in the exponent is not: the
  // solver could not build a step from it, though the checked F has a value.
  using Jet = ceres::Jet<double, 1>;
  RecordingOperations<Jet> operations;
  operations.pow(3.0, Jet(645.0, 0));
  EXPECT_FALSE(operations.failed);
  operations.pow(3.0, Jet(646.0, 0));
  EXPECT_TRUE(operations.failed);
  Coefficients c;
  c.b[2] = 646.0;
  EXPECT_NO_THROW(evaluate(c, 3));
}

}  // namespace
}  // namespace tendencia
