#include "run/coefficient_entry.h"

#include <gtest/gtest.h>

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

TEST(CoefficientPrompt, LinesUpThePlusSignsUnderTheEqualsSign) {
  std::string prompt = coefficient_prompt();
  EXPECT_EQ(prompt.back(), ')');
  std::size_t first = prompt.find("   F(X) = ");
  std::size_t equals = prompt.find('=', first) - first;
  for (std::size_t at = prompt.find("\n        +"); at != std::string::npos;
       at = prompt.find("\n        +", at + 1))
    EXPECT_EQ(prompt.find('+', at) - (at + 1), equals);
}

}  // namespace
}  // namespace tendencia
