// The command line of tendencia: nothing but --help and --version.
#pragma once

#include <string>
#include <vector>

namespace tendencia::terminal {

extern const char* const kUsage;

struct Request {};

// Throws CommandLineRefused, with no reason beyond the usage line, for any
// argument (read by the one reader of options, programs/command_line_reader.h).
Request parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::terminal
