#include "ui/terminal_dialogue.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/strings.h"

namespace tendencia {
namespace {

// Runs the dialogue over in-memory streams.
struct Terminal {
  explicit Terminal(const std::string& input, bool interactive = false)
      : in(fmemopen(const_cast<char*>(input_copy(input)), input.size(), "r")),
        out(open_memstream(&out_buffer, &out_size)),
        dialogue(in, out, out, interactive) {}
  ~Terminal() {
    std::fclose(in);
    std::fclose(out);
    free(out_buffer);
  }
  const char* input_copy(const std::string& input) {
    stored = input;
    return stored.data();
  }
  std::string shown() {
    std::fflush(out);
    return std::string(out_buffer, out_size);
  }

  std::string stored;
  char* out_buffer = nullptr;
  size_t out_size = 0;
  std::FILE* in;
  std::FILE* out;
  TerminalDialogue dialogue;
};

TEST(TerminalDialogue, OneLinePerInputBoxAndNothingReadForAMessage) {
  Terminal t("ventas\r\n5\n");
  t.dialogue.show_message("¡Hola!\nsegunda línea");
  EXPECT_EQ(t.dialogue.ask("¿Nombre?"), "ventas");
  EXPECT_EQ(t.dialogue.ask("¿Puntos?"), "5");
  std::string shown = t.shown();
  EXPECT_NE(shown.find("¡Hola!\nsegunda línea"), std::string::npos);
  EXPECT_LT(shown.find("¿Nombre?"), shown.find("¿Puntos?"));
}

TEST(TerminalDialogue, EndOfInputIsCancelForEveryLaterQuestion) {
  Terminal t("last");
  EXPECT_EQ(t.dialogue.ask("a"), "last");
  EXPECT_EQ(t.dialogue.ask("b"), "");
  EXPECT_EQ(t.dialogue.ask("c"), "");
}

TEST(TerminalDialogue, KeepsEveryByteOfTheAnswerButTheLineEnd) {
  Terminal t(std::string(" a\0b\r \r\n\n", 9));
  EXPECT_EQ(t.dialogue.ask("a"), std::string(" a\0b\r ", 6));
  EXPECT_EQ(t.dialogue.ask("b"), "");
}

TEST(TerminalDialogue, ARunawayLineIsCutNotHeldWhole) {
  std::string huge(TerminalDialogue::kMaxAnswerBytes * 3, '7');
  Terminal t(huge + "\nnext\n");
  EXPECT_EQ(t.dialogue.ask("a").size(), TerminalDialogue::kMaxAnswerBytes);
  EXPECT_EQ(t.dialogue.ask("b"), "next");
}

TEST(TerminalDialogue, OnATerminalAMessageWaitsForEnterAndSaysSoWhenAnAnswerIsTyped) {
  Terminal t("120\n\n120\n", true);
  t.dialogue.show_message("Introduzca los coeficientes");
  EXPECT_EQ(t.dialogue.ask("b0"), "120");  // the answer typed too early is not b0's
  std::string shown = t.shown();
  EXPECT_EQ(testing::occurrences(shown, "[Aceptar: pulse Intro] "), 2u);
  EXPECT_NE(shown.find(TerminalDialogue::kNotAQuestion), std::string::npos);
}

TEST(TerminalDialogue, EndOfInputClosesAMessageOnATerminal) {
  Terminal t("", true);
  t.dialogue.show_message("m");
  t.dialogue.show_message("n");
  EXPECT_EQ(t.dialogue.ask("a"), "");
  EXPECT_EQ(testing::occurrences(t.shown(), "[Aceptar: pulse Intro] "), 1u);
}

}  // namespace
}  // namespace tendencia
