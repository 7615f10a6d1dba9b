#include "model/student_quantile.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/student_table.h"

namespace tendencia {
namespace {

// The built-in tables hold three decimals of the same quantiles.
TEST(StudentQuantile, AgreesWithTheBuiltInTablesToTheirThreeDecimals) {
  const double levels[] = {90.0, 95.0, 99.0};
  for (int index = 1; index <= 3; ++index)
    for (int degrees = 1; degrees <= 30; ++degrees) {
      std::optional<double> exact = student_quantile(levels[index - 1], degrees);
      ASSERT_TRUE(exact.has_value());
      EXPECT_NEAR(*exact, *table_entry(index, degrees), 0.0005 + 1e-12)
          << levels[index - 1] << " % with " << degrees << " degrees";
    }
}

TEST(StudentQuantile, ApproachesTheNormalQuantileAndGrowsWithTheLevel) {
  EXPECT_NEAR(*student_quantile(95.0, 1e7), 1.959964, 1e-6);
  EXPECT_LT(*student_quantile(50.0, 40), *student_quantile(80.0, 40));
  EXPECT_LT(*student_quantile(80.0, 40), *student_quantile(99.9, 40));
}

TEST(StudentQuantile, RefusesWhatHasNoQuantile) {
  EXPECT_FALSE(student_quantile(95.0, 0.0));
  EXPECT_FALSE(student_quantile(0.0, 10.0));
  EXPECT_FALSE(student_quantile(100.0, 10.0));
  EXPECT_FALSE(student_quantile(95.0, std::nan("")));
}

}  // namespace
}  // namespace tendencia
