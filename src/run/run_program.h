// One whole run of the sequence through a dialogue, with its error report:
// what the terminal and the desktop programs share.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "ui/dialogue.h"

namespace tendencia {

// The description of the run every front end shares, for its --help.
std::string run_description();

// One whole run through `dialogue` with the locale's separators, on the
// problem's files in `folder` (io/problem_files.h). A failure is shown
// through the dialogue itself. Returns the exit status: 0 or 1.
int run_program(Dialogue& dialogue, const std::string& folder);

// The error report for a run stopped by an exception.
std::string error_report(const std::exception& error);

}  // namespace tendencia
