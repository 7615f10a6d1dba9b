// The answers for tendencia: their order, and a t tendencia never takes for a
// count of points.
#include "fit/answer_script.h"

#include <gtest/gtest.h>

#include "model/student_table.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"
#include "support/temp_directory.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

using namespace testing;

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

TEST(AnswerScript, ATIsNeverWrittenAsAWholeNumber) {
  const Separators dot, comma{",", "."};
  EXPECT_EQ(t_answer_form(1.959963984540054, dot), "1.959964");
  EXPECT_EQ(t_answer_form(1.959963984540054, comma), "1,959964");
  for (double t : {2.0, 1.9999999, 2.0000004, 2.000001, 0.0, 33.0, 1000.0}) {
    const std::string form = t_answer_form(t, comma);
    const double read = as_typed_number(form, comma);
    EXPECT_TRUE(is_t_value(read)) << form;
    EXPECT_NEAR(read, t, 3e-6) << form;
  }
  EXPECT_EQ(t_answer_form(2.0, dot), "2.000002");
}

TEST(AnswerScript, TheAnswersCarryTendenciasRunWithAndWithoutItsTQuestion) {
  Coefficients c;
  c.b[0] = 100;
  c.b[1] = 2;
  c.b[2] = 1;
  for (int values : {20, 40}) {
    TempDirectory folder;
    std::string data = "Periodo NUMERO\n";
    for (int x = 1; x <= values; ++x)
      data += std::to_string(x) + " " + std::to_string(100 + 2 * x + (x % 3)) + "\n";
    write_file(folder.file("Dserie.TXT"), data);
    std::string script =
        answer_script({"serie", 4, 99, 1990}, c, values, 2.5, Separators{});
    std::vector<std::string> answers = lines_of(script);
    ASSERT_EQ(answers.size(), values > 32 ? 30u : 29u);
    EXPECT_EQ(answers[0], "serie");
    EXPECT_EQ(answers[1], "4");
    EXPECT_EQ(answers[2], "99");
    EXPECT_EQ(answers[3], "100");
    EXPECT_EQ(answers.back(), "1990");
    if (values > 32) {
      EXPECT_EQ(answers[28], "2.500000");
    }
    ScriptedDialogue dialogue(answers);
    run_sequence(dialogue, Separators{}, folder.folder());
    EXPECT_EQ(dialogue.shown().back().text, "¡Hasta la proxima!") << values;
    std::string results = read_file(folder.file("Eserie.TXT"));
    EXPECT_NE(results.find(std::to_string(1990 + values + 3)), std::string::npos) << results;
  }
}

}  // namespace
}  // namespace tendencia
