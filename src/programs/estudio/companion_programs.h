// The other tendencia programs the studio starts, found beside its own binary
// (installed together, or together in the build folder). None is waited for
// while the window would freeze: each runs on its own while the window goes on.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace tendencia {

// The path of `program` in the folder of the running binary.
std::string companion_path(const std::string& program);

// A companion whose output is being collected.
struct CollectedCompanion {
  pid_t pid = -1;
  int output = -1;         // the read end of its stdout and stderr, never blocking
  std::string collected;   // what it wrote so far
};

struct CompanionResult {
  int status = -1;     // the exit status; -1 when it was killed or could not be waited for
  std::string output;  // what it wrote on stdout and stderr
};

// Starts `path` with `arguments` (as they are, never through a shell), its
// stdout and stderr into one pipe; the folder it works in is one of its
// arguments, as for any other program. Nothing when it cannot be started.
std::optional<CollectedCompanion> start_collecting(const std::string& path,
                                                   const std::vector<std::string>& arguments);

// Reads what the companion wrote since the last call, never waiting; true
// once its output has ended (it exited, or closed its output).
bool collect_output(CollectedCompanion& companion);

// After collect_output said the output ended: waits for the companion's exit
// (which is then at hand), closes the pipe and gives its status and output.
CompanionResult finish(CollectedCompanion& companion);

// Starts `path` with `arguments` and returns at once: its process, or nothing
// when it cannot be started. Reap it with reap_companions.
std::optional<pid_t> start_companion(const std::string& path, const std::vector<std::string>& arguments);

// Collects the exit of every process of `started` that has ended, so none
// stays a zombie, and leaves in `started` those still running; never waits.
void reap_companions(std::vector<pid_t>& started);

}  // namespace tendencia
