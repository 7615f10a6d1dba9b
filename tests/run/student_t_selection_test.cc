#include "run/student_t_selection.h"

#include <gtest/gtest.h>

#include "support/recording_sink.h"
#include "support/scripted_dialogue.h"
#include "support/failure_text.h"

namespace tendencia {
namespace {

using testing::RecordingSink;
using testing::SinkLog;

struct Selection {
  TSelection selection;
  std::string report;
  std::size_t questions = 0;
  std::string failure;  // "kind @ place", empty when it did not fail
};

Selection select(int index, Int16 n, std::vector<std::string> answers = {},
                 Separators separators = {}) {
  SinkLog log;
  Selection result;
  ScriptedDialogue dialogue(std::move(answers));
  {
    ResultsReport report(std::make_unique<RecordingSink>(log), separators);
    try {
      result.selection = select_t(index, n, dialogue, report);
    } catch (const Failure& f) {
      result.failure = testing::failure_text(f);
    }
  }
  result.report = log.written;
  result.questions = dialogue.shown().size();
  return result;
}

TEST(SelectT, UpTo32PointsTakesTFromTheTables) {
  Selection s = select(2, 32);
  EXPECT_EQ(s.selection.t.table_value, 2.042);
  EXPECT_EQ(s.questions, 0u);
  EXPECT_EQ(s.report,
            "\r\nEl valor considerado para la t de Student es:  2.042 \r\n"
            "\r\nEl n\xfamero de puntos considerado es:  32 \r\n");
  EXPECT_EQ(select(3, 3).selection.t.table_value, 63.657);
  EXPECT_EQ(select(1, 12).selection.t.table_value, 1.812);
  EXPECT_NE(select(2, 20, {}, Separators{",", "."}).report.find(" 2,101 "), std::string::npos);
}

TEST(SelectT, TwoPointsGiveAnEmptyT) {
  Selection s = select(2, 2);
  EXPECT_EQ(s.selection.t.kind, StudentT::Kind::Empty);
  EXPECT_EQ(t_number(s.selection.t, {}), 0.0);
  EXPECT_NE(s.report.find("Student es: \r\n"), std::string::npos);
}

TEST(SelectT, FewerThanTwoPointsAreOutOfTheTable) {
  EXPECT_EQ(select(2, 1).failure,
            "subíndice fuera de rango @ tabla de la t de Student, N - 2 = -1");
  EXPECT_EQ(select(2, 0).failure,
            "subíndice fuera de rango @ tabla de la t de Student, N - 2 = -2");
  EXPECT_EQ(select(2, 1).report, "");
}

TEST(SelectT, From33PointsTheUserTypesTOrACount) {
  Selection typed = select(2, 40, {"2.02"});
  EXPECT_EQ(typed.selection.t.kind, StudentT::Kind::Typed);
  EXPECT_EQ(typed.selection.points, 40);
  EXPECT_NE(typed.report.find("Student es: 2.02\r\n"), std::string::npos);
  EXPECT_NE(select(2, 40, {"  2.5 "}).report.find("Student es:   2.5 \r\n"), std::string::npos);
  EXPECT_EQ(select(2, 40, {"-2.5"}).selection.t.typed, "-2.5");
  EXPECT_EQ(select(2, 40, {"20.5"}).selection.t.typed, "20.5");

  Selection count = select(2, 40, {"20"});
  EXPECT_EQ(count.selection.points, 20);
  EXPECT_EQ(count.selection.t.table_value, 2.101);
  EXPECT_NE(count.report.find("considerado es:  20 \r\n"), std::string::npos);
  EXPECT_EQ(select(3, 40, {"2e1"}).selection.points, 20);
  EXPECT_EQ(select(2, 40, {"32.0000005"}).selection.points, 32);
}

TEST(SelectT, ACountOf33OrMoreIsAskedAgain) {
  Selection s = select(2, 40, {"45", "33.0000001", "33", "10"});
  EXPECT_EQ(s.questions, 4u);
  EXPECT_EQ(s.selection.points, 10);
}

TEST(SelectT, NearlyWholeAnswersAreCounts) {
  EXPECT_EQ(select(2, 40, {"2.0000001"}).selection.t.kind, StudentT::Kind::Empty);
  EXPECT_EQ(select(2, 40, {"1e-7"}).failure,
            "subíndice fuera de rango @ tabla de la t de Student, N - 2 = -2");
  EXPECT_EQ(select(2, 40, {"-32767"}).failure,
            "desbordamiento (resultado fuera de rango) @ grados de libertad N - 2");
}

TEST(SelectT, AnAnswerThatIsNotANumberStopsTheRun) {
  const std::string where = "respuesta a la pregunta de la t de Student";
  EXPECT_EQ(select(2, 40, {"2,02"}).failure, "el texto no es un número @ " + where);
  EXPECT_EQ(select(2, 40, {}).failure, "el texto no es un número @ " + where);
  EXPECT_EQ(select(2, 40, {"1e400"}).failure,
            "desbordamiento (resultado fuera de rango) @ " + where);
  EXPECT_EQ(select(2, 40, {"-1e300"}).failure,
            "desbordamiento (resultado fuera de rango) @ " + where);
  // In a "," locale the same answer is a fine t.
  EXPECT_EQ(select(2, 40, {"2,02"}, Separators{",", "."}).failure, "");
}

}  // namespace
}  // namespace tendencia
