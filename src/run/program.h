// What the programs share around their work: the answers to --help and
// --version, the process set-up, and the run with its error report.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "ui/dialogue.h"

namespace tendencia {

// "--help" prints `help`, "--version" the program's version; either gives the
// exit status 0. Any other command line gives nothing: the caller goes on.
std::optional<int> answer_help_or_version(int argc, char** argv, const char* program_name,
                                          const std::string& help);

// The description of the run every front end shares, for its --help.
std::string run_description();

// A closed stdout or a file-size limit must make a write fail and be reported,
// not kill the process: call once at start.
void ignore_write_signals();

// One whole run through `dialogue` with the locale's separators. A failure is
// shown through the dialogue itself. Returns the exit status: 0 or 1.
int run_program(Dialogue& dialogue);

// The error report for a run stopped by an exception.
std::string error_report(const std::exception& error);

}  // namespace tendencia
