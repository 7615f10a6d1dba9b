// A dialogue that answers every question from a list given beforehand, for a
// front end that gathers the answers in its own fields and then runs the
// sequence in one go. Messages and failures are kept for the caller to show.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/dialogue.h"

namespace tendencia {

// The list ran out while the run still asked: the run would otherwise wait
// for an answer nobody gives. what() names the question, in Spanish.
class AnswersExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class AnswerListDialogue : public Dialogue {
 public:
  explicit AnswerListDialogue(std::vector<std::string> answers);

  void show_message(const std::string& text) override;
  // The next answer of the list; AnswersExhausted past its end.
  std::string ask(const std::string& prompt) override;
  void show_failure(const std::string& report) override;

  const std::vector<std::string>& messages() const { return messages_; }
  const std::vector<std::string>& failures() const { return failures_; }
  std::size_t answers_used() const { return next_; }

 private:
  std::vector<std::string> answers_;
  std::size_t next_ = 0;
  std::vector<std::string> messages_, failures_;
};

}  // namespace tendencia
