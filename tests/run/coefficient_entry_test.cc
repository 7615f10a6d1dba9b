#include "run/coefficient_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/failure.h"
#include "support/scripted_dialogue.h"

namespace tendencia {
namespace {

TEST(CoefficientEntry, AsksB0ToB24AndReadsLeadingNumbers) {
  std::vector<std::string> answers(25, "");
  answers[0] = "2.5e1";
  answers[1] = "1,5";
  answers[2] = " ";
  answers[4] = "3.5e2";
  answers[5] = "7abc";
  answers[6] = "1 000";
  answers[7] = "abc";
  answers[8] = "1e-400";
  ScriptedDialogue dialogue(answers);
  Coefficients c = enter_coefficients(dialogue);
  EXPECT_EQ(c.b[0], 25);
  EXPECT_EQ(c.b[1], 1);
  EXPECT_EQ(c.b[2], 0);
  EXPECT_EQ(c.b[3], 0);
  EXPECT_EQ(c.b[4], 350);
  EXPECT_EQ(c.b[5], 7);
  EXPECT_EQ(c.b[6], 1000);
  EXPECT_EQ(c.b[7], 0);
  EXPECT_EQ(c.b[8], 0);
  ASSERT_EQ(dialogue.shown().size(), 26u);
  EXPECT_EQ(dialogue.shown()[0].kind, ScriptedDialogue::Kind::Message);
  EXPECT_EQ(dialogue.shown()[1].text, "b0");
  EXPECT_EQ(dialogue.shown()[25].text, "b24");
}

TEST(CoefficientEntry, ACoefficientBeyondTheDoubleRangeStopsTheEntry) {
  std::vector<std::string> answers(25, "");
  answers[5] = "1e400";
  ScriptedDialogue dialogue(answers);
  try {
    enter_coefficients(dialogue);
    FAIL();
  } catch (const Failure& f) {
    EXPECT_EQ(f.kind(), FailureKind::Overflow);
    EXPECT_EQ(f.place(), "coeficiente b5");
  }
  EXPECT_EQ(dialogue.shown().size(), 7u);  // nothing asked after b5
}

// The formula takes four lines: the first with "F(X) =", then three that each
// begin, after blanks, with the "+" that falls under that "=" (counted in
// characters; the formula is ASCII).
TEST(CoefficientPrompt, LinesUpThePlusSignsUnderTheEqualsSign) {
  const std::string prompt = coefficient_prompt();
  EXPECT_EQ(prompt.back(), ')');
  std::vector<std::string> lines;
  for (std::size_t start = 0;;) {
    std::size_t end = prompt.find('\n', start);
    lines.push_back(prompt.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  auto formula = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("F(X) =") != std::string::npos;
  });
  ASSERT_NE(formula, lines.end()) << prompt;
  const std::size_t equals = formula->find('=');
  std::vector<std::string> continuation;
  for (auto line = formula + 1; line != lines.end(); ++line)
    if (!line->empty()) continuation.push_back(*line);
  ASSERT_EQ(continuation.size(), 3u) << prompt;
  for (const std::string& line : continuation)
    EXPECT_EQ(line.find_first_not_of(' '), equals) << "\"" << line << "\"";
}

}  // namespace
}  // namespace tendencia
