#include "model/student_table.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace tendencia {
namespace {

TEST(StudentTable, HoldsTheNinetyValuesAndAnEmptyRowAndColumn) {
  EXPECT_EQ(table_entry(1, 1), 6.314);
  EXPECT_EQ(table_entry(1, 30), 1.697);
  EXPECT_EQ(table_entry(2, 1), 12.706);
  EXPECT_EQ(table_entry(2, 18), 2.101);
  EXPECT_EQ(table_entry(3, 1), 63.657);
  EXPECT_EQ(table_entry(3, 30), 2.75);
  EXPECT_FALSE(table_entry(2, 0).has_value());
  EXPECT_FALSE(table_entry(0, 5).has_value());
  for (int k = 1; k <= 3; ++k)
    for (int j = 2; j <= 30; ++j) EXPECT_LE(*table_entry(k, j), *table_entry(k, j - 1));
}

TEST(StudentTable, TheTableTIsForNMinusTwoDegreesOfFreedom) {
  EXPECT_EQ(table_t(2, 32).table_value, 2.042);
  EXPECT_EQ(table_t(2, 2).kind, StudentT::Kind::Empty);
  EXPECT_THROW(table_t(1, 1), Failure);
  EXPECT_THROW(table_t(1, 33), Failure);
  EXPECT_THROW(table_t(1, -32767), Failure);  // N - 2 leaves the 16-bit range
}

TEST(StudentTable, AnAnswerIsATValueWhenItsFractionIsNotTiny) {
  EXPECT_TRUE(is_t_value(2.02));
  EXPECT_TRUE(is_t_value(-2.5));
  EXPECT_FALSE(is_t_value(20));
  EXPECT_FALSE(is_t_value(2.0000001));
}

}  // namespace
}  // namespace tendencia
