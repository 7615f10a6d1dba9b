#include "ui/answer_list_dialogue.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

TEST(AnswerListDialogue, AnswersInOrderAndKeepsWhatItWasShown) {
  AnswerListDialogue dialogue({"ventas", "", "5"});
  dialogue.show_message("instrucciones");
  EXPECT_EQ(dialogue.ask("nombre"), "ventas");
  EXPECT_EQ(dialogue.ask("b0"), "");
  EXPECT_EQ(dialogue.ask("puntos"), "5");
  dialogue.show_failure("Error: algo.");
  EXPECT_EQ(dialogue.answers_used(), 3u);
  EXPECT_EQ(dialogue.messages(), std::vector<std::string>{"instrucciones"});
  EXPECT_EQ(dialogue.failures(), std::vector<std::string>{"Error: algo."});
}

// A run that asks again (a t it cannot take) must stop, not wait forever.
TEST(AnswerListDialogue, PastTheEndStopsNamingTheQuestionsFirstLine) {
  AnswerListDialogue dialogue({});
  try {
    dialogue.ask("¿GRADO DE CONFIANZA? (%)\n\nSi contesta...");
    FAIL() << "no exception";
  } catch (const AnswersExhausted& exhausted) {
    EXPECT_STREQ(exhausted.what(),
                 "falta la respuesta a la pregunta \"¿GRADO DE CONFIANZA? (%)\"");
  }
}

}  // namespace
}  // namespace tendencia
