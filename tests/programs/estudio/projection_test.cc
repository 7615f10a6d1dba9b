// Proyectar's promise, checked against the terminal program itself: for the
// same answers, the report tendencia writes, byte for byte, and a failure
// reported as tendencia reports it, with the same lines kept.
#include "programs/estudio/projection.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "io/run_answers.h"
#include "run/run_program.h"
#include "support/command.h"
#include "ui/answer_list_dialogue.h"

namespace tendencia {
namespace {

using namespace testing;

const Separators kPoint{".", ""};  // the C locale's, as tendencia runs here

RunAnswers ventas_answers() {
  RunAnswers a;
  a.problem_name = "v";
  a.points_to_project = "3";
  a.level = "95";
  a.coefficients[0] = "120";
  a.coefficients[1] = "15";
  a.coefficients[2] = "0.9";
  a.student_t = "2.021";
  a.first_period = "2001";
  return a;
}

std::string data_file(int values) {
  std::string bytes = "A\xf1o o periodo   NUMERO\r\n";
  for (int i = 1; i <= values; ++i)
    bytes += std::to_string(i) + "  " + std::to_string(100 + 3 * i + (i % 4)) + "\r\n";
  return bytes;
}

class Project : public ::testing::Test {
 protected:
  // tendencia itself, answered from a script in its own folder.
  CommandResult terminal_run(const std::vector<std::string>& answers) {
    std::string script;
    for (const std::string& answer : answers) script += answer + "\n";
    write_file(terminal.beside("answers.in"), script);
    return terminal.run(std::string(TENDENCIA_BINARY) + " < ../answers.in");
  }

  TempDirectory studio;  // the open series' folder
  WorkFolder terminal;
};

TEST_F(Project, WritesTheReportTendenciaWritesForTheSameAnswers) {
  // Up to 32 values the run takes the table's t; above, the typed one.
  for (int values : {12, 40}) {
    SCOPED_TRACE(values);
    write_file(studio.file("Dv.TXT"), data_file(values));
    write_file(terminal.file("Dv.TXT"), data_file(values));
    const std::vector<std::string> answers = answer_lines(ventas_answers(), values);
    ForecastReport report = project(answers, studio.folder(), "v", kPoint);
    EXPECT_EQ(terminal_run(answers).status, 0);
    const std::string ours = read_file(studio.file("Ev.TXT"));
    EXPECT_EQ(ours, read_file(terminal.file("Ev.TXT")));
    EXPECT_NE(ours.find(values > 32 ? "2.021" : "2.228"), std::string::npos) << ours;
    // And what it read back is that report.
    ASSERT_EQ(report.projected.size(), 3u);
    EXPECT_EQ(report.projected.front().period, 2001 + values);
    EXPECT_EQ(report.observed.size(), static_cast<std::size_t>(values));
  }
}

TEST_F(Project, AFailureIsReportedAsTendenciaReportsItWithTheSameLinesKept) {
  const std::vector<std::string> answers = answer_lines(ventas_answers(), 12);
  try {
    project(answers, studio.folder(), "v", kPoint);  // no data file
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileNotFound);
    CommandResult terminal_failure = terminal_run(answers);
    EXPECT_EQ(terminal_failure.status, 1);
    EXPECT_EQ(terminal_failure.err, error_report(failure) + "\n");
  }
  EXPECT_EQ(read_file(studio.file("Ev.TXT")), read_file(terminal.file("Ev.TXT")));
  EXPECT_NE(read_file(studio.file("Ev.TXT")).find("95 %"), std::string::npos);
}

// For a long series a t the run will not take (a whole number of 33 or more)
// would make it ask again; the list has no answer for that, and says so.
TEST_F(Project, AnAnswerTheRunAsksAgainForStopsInsteadOfWaiting) {
  write_file(studio.file("Dv.TXT"), data_file(40));
  RunAnswers a = ventas_answers();
  a.student_t = "40";
  try {
    project(answer_lines(a, 40), studio.folder(), "v", kPoint);
    FAIL() << "no failure";
  } catch (const AnswersExhausted& exhausted) {
    EXPECT_NE(std::string(exhausted.what()).find("T DE STUDENT"), std::string::npos);
  }
  a.student_t = "12";  // a count of points below 33 is an answer the run takes
  EXPECT_EQ(project(answer_lines(a, 40), studio.folder(), "v", kPoint).projected.size(), 3u);
}

}  // namespace
}  // namespace tendencia
