// The other tendencia programs the studio starts, found beside its own binary
// (installed together, or together in the build folder).
#pragma once

#include <string>
#include <vector>

namespace tendencia {

// The path of `program` in the folder of the running binary.
std::string companion_path(const std::string& program);

struct CompanionResult {
  int status = -1;     // the exit status; -1 when it could not run or was killed
  std::string output;  // what it wrote on stdout and stderr
};

// Runs `path` with `arguments` in the current folder and waits for it.
CompanionResult run_companion(const std::string& path, const std::vector<std::string>& arguments);

// Starts `path` with `arguments` and returns at once; false when it cannot be
// started. The caller reaps it with reap_companions.
bool start_companion(const std::string& path, const std::vector<std::string>& arguments);

// Collects the exit of every started companion that has ended, so none stays
// a zombie; never waits.
void reap_companions();

}  // namespace tendencia
