#include "ui/answer_list_dialogue.h"

#include <utility>

namespace tendencia {

AnswerListDialogue::AnswerListDialogue(std::vector<std::string> answers)
    : answers_(std::move(answers)) {}

void AnswerListDialogue::show_message(const std::string& text) { messages_.push_back(text); }

std::string AnswerListDialogue::ask(const std::string& prompt) {
  if (next_ < answers_.size()) return answers_[next_++];
  // A prompt may run over several lines; its first one names the question.
  throw AnswersExhausted("falta la respuesta a la pregunta \"" +
                         prompt.substr(0, prompt.find('\n')) + "\"");
}

void AnswerListDialogue::show_failure(const std::string& report) { failures_.push_back(report); }

}  // namespace tendencia
