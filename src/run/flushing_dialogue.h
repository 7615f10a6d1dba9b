// Puts every report line written so far on disk before each dialogue, so a user
// who closes the terminal (or presses Ctrl-C) at a question loses nothing.
#pragma once

#include "io/results_report.h"
#include "ui/dialogue.h"

namespace tendencia {

class FlushingDialogue : public Dialogue {
 public:
  FlushingDialogue(Dialogue& inner, ResultsReport& report) : inner_(inner), report_(report) {}

  void show_message(const std::string& text) override {
    report_.flush();
    inner_.show_message(text);
  }

  std::string ask(const std::string& prompt) override {
    report_.flush();
    return inner_.ask(prompt);
  }

  void show_failure(const std::string& report) override { inner_.show_failure(report); }

 private:
  Dialogue& inner_;
  ResultsReport& report_;
};

}  // namespace tendencia
