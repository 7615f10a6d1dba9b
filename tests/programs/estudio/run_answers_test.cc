#include "programs/estudio/run_answers.h"

#include <gtest/gtest.h>

#include "model/student_table.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

TEST(ProposedStudentT, IsTheTablesUpTo32ValuesAndAnExactTAbove) {
  const Separators point{".", ""}, comma{",", "."};
  EXPECT_EQ(proposed_student_t(95, 20, point), "2.101");
  EXPECT_EQ(proposed_student_t(90, 32, comma), "1,697");
  EXPECT_EQ(proposed_student_t(95, 2, point), "");  // no degree of freedom
  EXPECT_EQ(proposed_student_t(95, 1, point), "");
  // The table has no column for another level: no t of another level instead.
  EXPECT_EQ(proposed_student_t(80, 20, point), "");
  EXPECT_EQ(proposed_student_t(98, 32, point), "");
  EXPECT_EQ(proposed_student_t(95, 1000, point), "1.962344");
  EXPECT_EQ(proposed_student_t(99, 33, comma), "2,744042");  // as tendencia-ajuste --guion
  // The run must take every proposed t as a t value, never as a count of points.
  for (int level : {90, 95, 99})
    for (std::size_t values = 33; values <= 1000; values += 1)
      ASSERT_TRUE(is_t_value(as_typed_number(proposed_student_t(level, values, comma), comma)))
          << level << " " << values;
}

// The window reads the points and the initial period it draws with as the run
// reads them: a number the run would stop on (beyond 16 bits) is none, never
// a value cut to an int and counted on from there.
TEST(TypedWholeNumber, IsTheRunsReadingOfTheAnswerOrNone) {
  const Separators point{".", ""}, comma{",", "."};
  EXPECT_EQ(typed_whole_number("2001", point), 2001);
  EXPECT_EQ(typed_whole_number(" -32768 ", point), -32768);
  EXPECT_EQ(typed_whole_number("32767", point), 32767);
  EXPECT_EQ(typed_whole_number("2,5", comma), 2);  // rounded half to even, as the run does
  EXPECT_EQ(typed_whole_number("1.001", comma), 1001);
  for (const char* beyond : {"32768", "-32769", "2147483647", "4294967295", "1e10", "abc", ""})
    EXPECT_FALSE(typed_whole_number(beyond, point).has_value()) << beyond;
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
