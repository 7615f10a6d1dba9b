// What both front ends share around the run: the command line, the locale, and
// turning a failure into an error report and exit status 1.
#pragma once

#include <functional>
#include <string>

#include "ui/dialogue.h"
#include "ui/separators.h"

namespace tendencia {

struct FrontEnd {
  const char* program_name;
  // Builds the dialogue once the command line has been accepted.
  std::function<int(const Separators&, const std::function<void(Dialogue&)>& run)> start;
  // Shows the error report (stderr always; the desktop adds an alert box).
  std::function<void(const std::string& message)> report_error;
};

int program_main(int argc, char** argv, const FrontEnd& front_end);

// The error report for a run stopped by an exception.
std::string error_report(const std::exception& error);

}  // namespace tendencia
