// What both front ends share around the run: the command line, the locale, and
// turning a failure into an error report and exit status 1.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/dialogue.h"

namespace tendencia {

struct FrontEnd {
  const char* program_name = "";
  // Makes the front end's dialogue and calls `run` with it; returns its status.
  std::function<int(const std::function<int(Dialogue&)>& run)> start;
  // Shows the error report of a stopped run. `dialogue` is the front end's own,
  // or null when the run stopped before there was one.
  std::function<void(const std::string& message, Dialogue* dialogue)> report_error;
};

int program_main(int argc, char** argv, const FrontEnd& front_end);

// "--help" prints `help`, "--version" the program's version; either gives the
// exit status 0. Any other command line gives nothing: the caller goes on.
std::optional<int> answer_help_or_version(int argc, char** argv, const char* program_name,
                                          const char* help);

// The error report for a run stopped by an exception.
std::string error_report(const std::exception& error);

}  // namespace tendencia
