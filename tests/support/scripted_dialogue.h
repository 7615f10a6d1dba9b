// A dialogue that answers from a list and records everything shown, for tests and
// the fuzz targets. Past the end of its answers every input box is Cancel.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "ui/dialogue.h"

namespace tendencia {

class ScriptedDialogue : public Dialogue {
 public:
  enum class Kind { Message, Input, Failure };
  struct Shown {
    Kind kind;
    std::string text;
  };

  explicit ScriptedDialogue(std::vector<std::string> answers)
      : answers_(std::move(answers)) {}

  void show_message(const std::string& text) override {
    shown_.push_back({Kind::Message, text});
  }

  std::string ask(const std::string& prompt) override {
    shown_.push_back({Kind::Input, prompt});
    return next_ < answers_.size() ? answers_[next_++] : std::string();
  }

  void show_failure(const std::string& report) override {
    shown_.push_back({Kind::Failure, report});
  }

  const std::vector<Shown>& shown() const { return shown_; }
  std::size_t answers_used() const { return next_; }

 private:
  std::vector<std::string> answers_;
  std::size_t next_ = 0;
  std::vector<Shown> shown_;
};

}  // namespace tendencia
