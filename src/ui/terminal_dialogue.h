// Dialogue on a terminal or a pipe. Scripts rely on the protocol: one stdin line
// per input box, nothing read for a message box unless stdin is a terminal (then
// Enter closes it), end of input answers every later input box with Cancel. The
// error report goes to its own stream (stderr), apart from the dialogue.
#pragma once

#include <cstdio>

#include "ui/dialogue.h"

namespace tendencia {

class TerminalDialogue : public Dialogue {
 public:
  TerminalDialogue(std::FILE* in, std::FILE* out, std::FILE* err, bool interactive);

  void show_message(const std::string& text) override;
  std::string ask(const std::string& prompt) override;
  void show_failure(const std::string& report) override;

  // An answer longer than this is cut there; the rest of its line is discarded,
  // so a runaway line cannot exhaust memory.
  static constexpr std::size_t kMaxAnswerBytes = 1 << 16;

  // Said when a line typed at a message box's prompt is not empty.
  static constexpr const char* kNotAQuestion =
      "Esto es un mensaje, no una pregunta: pulse Intro para continuar.";

 private:
  bool read_line(std::string& line);

  std::FILE* in_;
  std::FILE* out_;
  std::FILE* err_;
  bool interactive_;
  bool ended_ = false;
};

}  // namespace tendencia
