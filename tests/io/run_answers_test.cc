#include "io/run_answers.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "model/student_table.h"

namespace tendencia {
namespace {

RunAnswers ventas() {
  RunAnswers a;
  a.problem_name = "ventas";
  a.points_to_project = "5";
  a.level = "99";
  a.coefficients[1] = "1.5";
  a.student_t = "1.98";
  a.first_period = "2001";
  return a;
}

TEST(RunAnswers, FollowTheRunsQuestionsWithTheTOnlyWhereTheTableEnds) {
  const std::vector<std::string> short_series = answer_lines(ventas(), kMostTablePoints);
  ASSERT_EQ(short_series.size(), 3u + 25u + 1u);
  EXPECT_EQ(short_series[0], "ventas");
  EXPECT_EQ(short_series[1], "5");
  EXPECT_EQ(short_series[2], "99");
  EXPECT_EQ(short_series[3], "");
  EXPECT_EQ(short_series[4], "1.5");
  EXPECT_EQ(short_series.back(), "2001");

  const std::vector<std::string> long_series = answer_lines(ventas(), kMostTablePoints + 1);
  ASSERT_EQ(long_series.size(), 3u + 25u + 2u);
  EXPECT_EQ(long_series[28], "1.98");
  EXPECT_EQ(long_series[29], "2001");

  // Where the run stops asking, the table still has a t: no gap between them.
  EXPECT_TRUE(table_t(confidence_index(95), static_cast<Int16>(kMostTablePoints)).kind ==
              StudentT::Kind::Table);
  EXPECT_THROW(table_t(confidence_index(95), static_cast<Int16>(kMostTablePoints + 1)), Failure);
}

TEST(ConfidenceIndex, IsTheTablesColumnOfItsThreeLevelsAndNoneOfAnyOther) {
  EXPECT_EQ(confidence_index(90), 1);
  EXPECT_EQ(confidence_index(95), 2);
  EXPECT_EQ(confidence_index(99), 3);
  for (double other : {0.0, 80.0, 95.5, 98.0, 100.0}) EXPECT_EQ(confidence_index(other), 0) << other;
  EXPECT_FALSE(table_entry(confidence_index(80), 10).has_value());
}

}  // namespace
}  // namespace tendencia
