#include "programs/estudio/projection.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "io/run_answers.h"
#include "run/run_program.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"
#include "support/temp_directory.h"
#include "ui/answer_list_dialogue.h"

namespace tendencia {
namespace {

using namespace testing;

const Separators kPoint{".", ""};

RunAnswers ventas_choices() {
  RunAnswers c;
  c.problem_name = "v";
  c.points_to_project = "3";
  c.level = "95";
  c.coefficients[0] = "120";
  c.coefficients[1] = "15";
  c.coefficients[2] = "0.9";
  c.first_period = "2001";
  return c;
}

std::string data_file(int values) {
  std::string bytes = "A\xf1o o periodo   NUMERO\r\n";
  for (int i = 1; i <= values; ++i)
    bytes += std::to_string(i) + "  " + std::to_string(100 + 3 * i + (i % 4)) + "\r\n";
  return bytes;
}

TEST(Project, WritesTheReportTheRunWritesAndReadsItBack) {
  TempDirectory folder;
  write_file(folder.file("Dv.TXT"), data_file(12));
  ForecastReport report = project(answer_lines(ventas_choices(), 12), folder.folder(), "v", kPoint);
  const std::string ours = read_file(folder.file("Ev.TXT"));
  ASSERT_EQ(report.projected.size(), 3u);
  EXPECT_EQ(report.projected.front().period, 2013);
  EXPECT_EQ(report.observed.size(), 12u);

  // The same answers typed at the terminal's run.
  std::filesystem::remove(folder.file("Ev.TXT"));
  ScriptedDialogue typed(answer_lines(ventas_choices(), 12));
  run_sequence(typed, kPoint, folder.folder());
  EXPECT_EQ(read_file(folder.file("Ev.TXT")), ours);
}

TEST(Project, AFailureIsTheRunsOwnWithTheLinesWrittenKept) {
  TempDirectory folder;
  RunAnswers c = ventas_choices();
  try {
    project(answer_lines(c, 12), folder.folder(), "v", kPoint);  // no data file
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileNotFound);
    EXPECT_EQ(error_report(failure).substr(0, 7), "Error: ");
  }
  EXPECT_NE(read_file(folder.file("Ev.TXT")).find("95 %"), std::string::npos);
}

// For a long series a t the run will not take (a whole number of 33 or more)
// would make it ask again; the list has no answer for that, and says so.
TEST(Project, AnAnswerTheRunAsksAgainForStopsInsteadOfWaiting) {
  TempDirectory folder;
  write_file(folder.file("Dv.TXT"), data_file(40));
  RunAnswers c = ventas_choices();
  c.student_t = "40";
  try {
    project(answer_lines(c, 40), folder.folder(), "v", kPoint);
    FAIL() << "no failure";
  } catch (const AnswersExhausted& exhausted) {
    EXPECT_NE(std::string(exhausted.what()).find("T DE STUDENT"), std::string::npos);
  }
  c.student_t = "12";  // a count of points below 33 is an answer the run takes
  EXPECT_EQ(project(answer_lines(c, 40), folder.folder(), "v", kPoint).projected.size(), 3u);
}

}  // namespace
}  // namespace tendencia
