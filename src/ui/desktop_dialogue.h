// Dialogue on the desktop: real modal message and input boxes (FLTK), captioned
// "Tendencia", texts in a fixed-width font so the formula lines of the
// coefficient prompt line up character by character.
#pragma once

#include <string>

#include "ui/dialogue.h"

namespace tendencia {

class DesktopDialogue : public Dialogue {
 public:
  void show_message(const std::string& text) override;
  std::string ask(const std::string& prompt) override;
  // On stderr too, for whoever started the program from a terminal or a script.
  void show_failure(const std::string& report) override;
};

// FLTK's fatal errors (no display to open) end the program: afterwards they are
// said in Spanish on stderr, named by the program's own name, with the exit
// status of any other failure (1). Call once, before the first window.
void stop_on_display_failure();

}  // namespace tendencia
