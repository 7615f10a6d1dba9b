#include "programs/estudio/run_answers.h"

#include <gtest/gtest.h>

#include "model/student_table.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

RunChoices choices() {
  RunChoices c;
  c.problem_name = "ventas";
  c.points_to_project = "5";
  c.level = 99;
  for (std::size_t k = 0; k < 25; ++k) c.coefficients[k] = k == 1 ? "1.5" : "";
  c.student_t = "1.98";
  c.first_period = "2001";
  return c;
}

TEST(RunAnswers, FollowTheRunsQuestionsWithTheTOnlyWhereItIsAsked) {
  std::vector<std::string> short_series = run_answers(choices(), 32);
  ASSERT_EQ(short_series.size(), 3u + 25u + 1u);
  EXPECT_EQ(short_series[0], "ventas");
  EXPECT_EQ(short_series[1], "5");
  EXPECT_EQ(short_series[2], "99");
  EXPECT_EQ(short_series[4], "1.5");
  EXPECT_EQ(short_series.back(), "2001");

  std::vector<std::string> long_series = run_answers(choices(), 33);
  ASSERT_EQ(long_series.size(), 3u + 25u + 2u);
  EXPECT_EQ(long_series[28], "1.98");
  EXPECT_EQ(long_series[29], "2001");
}

TEST(ProposedStudentT, IsTheTablesUpTo32ValuesAndAnExactTAbove) {
  const Separators point{".", ""}, comma{",", "."};
  EXPECT_EQ(proposed_student_t(95, 20, point), "2.101");
  EXPECT_EQ(proposed_student_t(90, 32, comma), "1,697");
  EXPECT_EQ(proposed_student_t(95, 2, point), "");  // no degree of freedom
  EXPECT_EQ(proposed_student_t(95, 1, point), "");
  EXPECT_EQ(proposed_student_t(95, 1000, point), "1.962344");
  EXPECT_EQ(proposed_student_t(99, 33, comma), "2,744042");  // as tendencia-ajuste --guion
  // The run must take every proposed t as a t value, never as a count of points.
  for (int level : {90, 95, 99})
    for (std::size_t values = 33; values <= 1000; values += 1)
      ASSERT_TRUE(is_t_value(as_typed_number(proposed_student_t(level, values, comma), comma)))
          << level << " " << values;
}

TEST(ProblemNameRefusal, AcceptsWhatTheRunAcceptsAndSaysWhyNot) {
  EXPECT_EQ(problem_name_refusal("ventas"), "");
  EXPECT_EQ(problem_name_refusal("a\xc3\xb1o\xc3\xb1o\xc3\xb1"), "");  // 7 characters, 10 bytes
  EXPECT_NE(problem_name_refusal(""), "");
  EXPECT_NE(problem_name_refusal("ventas23"), "");
  EXPECT_NE(problem_name_refusal("a/b"), "");
  EXPECT_EQ(problem_name_refusal("ventas23").substr(0, 2), "El");
}

}  // namespace
}  // namespace tendencia
