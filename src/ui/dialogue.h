// The one seam of the program: every contact with the user is a modal message box
// or a one-line input box. The terminal, the desktop and the tests each provide
// their own.
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
};

}  // namespace tendencia
