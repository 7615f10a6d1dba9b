#include "ui/terminal_dialogue.h"

namespace tendencia {

TerminalDialogue::TerminalDialogue(std::FILE* in, std::FILE* out, std::FILE* err,
                                   bool interactive)
    : in_(in), out_(out), err_(err), interactive_(interactive) {}

bool TerminalDialogue::read_line(std::string& line) {
  line.clear();
  if (ended_) return false;
  int c;
  bool any = false;
  while ((c = std::getc(in_)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (line.size() < kMaxAnswerBytes) line += static_cast<char>(c);
  }
  if (c == EOF) ended_ = true;
  if (!line.empty() && line.back() == '\r' && c == '\n') line.pop_back();
  return any;
}

void TerminalDialogue::show_message(const std::string& text) {
  std::fputs("\n", out_);
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fputs("\n", out_);
  // Someone who takes the message for a question types the answer here; dropping
  // it without a word would hand that answer to the next question instead.
  std::string typed;
  while (interactive_ && !ended_) {
    std::fputs("[Aceptar: pulse Intro] ", out_);
    std::fflush(out_);
    read_line(typed);
    if (typed.empty()) break;
    std::fputs(kNotAQuestion, out_);
    std::fputs("\n", out_);
  }
  std::fflush(out_);
}

void TerminalDialogue::show_failure(const std::string& report) {
  std::fflush(out_);
  std::fwrite(report.data(), 1, report.size(), err_);
  std::fputs("\n", err_);
  std::fflush(err_);
}

std::string TerminalDialogue::ask(const std::string& prompt) {
  std::fputs("\n", out_);
  std::fwrite(prompt.data(), 1, prompt.size(), out_);
  std::fputs("\n> ", out_);
  std::fflush(out_);
  std::string answer;
  read_line(answer);
  if (!interactive_) std::fputs("\n", out_);
  std::fflush(out_);
  return answer;
}

}  // namespace tendencia
