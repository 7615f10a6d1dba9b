// Dialogue on a terminal or a pipe. Scripts rely on the protocol: one stdin line
// per input box, nothing read for a message box unless stdin is a terminal (then
// Enter closes it), end of input answers every later input box with Cancel.
#pragma once

#include <cstdio>

#include "ui/dialogue.h"

namespace tendencia {

class TerminalDialogue : public Dialogue {
 public:
  TerminalDialogue(std::FILE* in, std::FILE* out, bool interactive);

  void show_message(const std::string& text) override;
  std::string ask(const std::string& prompt) override;

  // An answer longer than this is cut there; the rest of its line is discarded,
  // so a runaway line cannot exhaust memory.
  static constexpr std::size_t kMaxAnswerBytes = 1 << 16;

 private:
  bool read_line(std::string& line);

  std::FILE* in_;
  std::FILE* out_;
  bool interactive_;
  bool ended_ = false;
};

}  // namespace tendencia
