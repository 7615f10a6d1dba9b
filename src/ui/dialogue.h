// The one seam of the program: every contact with the user is a modal message box,
// a one-line input box, or the error report of a stopped run. The terminal, the
// desktop and the tests each provide their own.
#pragma once

#include <string>

namespace tendencia {

class Dialogue {
 public:
  virtual ~Dialogue() = default;

  // A message box with one OK button; returns when the user closes it.
  virtual void show_message(const std::string& text) = 0;

  // An input box with an empty answer field; Cancel answers the empty text.
  virtual std::string ask(const std::string& prompt) = 0;

  // The report of a failure that stops the program (what failed and where, in
  // Spanish). It must reach the user even where the run's output goes elsewhere.
  virtual void show_failure(const std::string& report) = 0;
};

}  // namespace tendencia
