// A program run the way a user's shell runs it, from a folder "work" inside a
// TempDirectory: what it prints is kept in the folder above, so "work" holds
// only the files the program itself wrote.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_directory.h"

namespace tendencia::testing {

struct CommandResult {
  int status = -1;  // the exit status; -1 when the program did not exit by itself
  std::string out, err;
};

// Runs `command` with /bin/sh in the C locale; it may hold pipes and its own
// input redirection.
inline CommandResult run_command(const std::string& command) {
  const std::string full = "export LC_ALL=C; { " + command + "; } > ../stdout.out 2> ../stderr.out";
  const int raw = std::system(full.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file("../stdout.out"),
          read_file("../stderr.out")};
}

}  // namespace tendencia::testing
