#include "programs/estudio/companion_programs.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

extern char** environ;

namespace tendencia {
namespace {

std::vector<char*> argument_vector(const std::string& path, std::vector<std::string>& arguments,
                                   std::string& program) {
  program = path;
  std::vector<char*> argv{program.data()};
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

std::string companion_path(const std::string& program) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return program;
  return (self.parent_path() / program).string();
}

CompanionResult run_companion(const std::string& path, const std::vector<std::string>& arguments) {
  CompanionResult result;
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 2);
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  std::vector<std::string> copies = arguments;
  std::string program;
  std::vector<char*> argv = argument_vector(path, copies, program);
  pid_t child = 0;
  int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (spawned != 0) {
    close(pipe_ends[0]);
    return result;
  }
  char buffer[4096];
  for (;;) {
    ssize_t got = read(pipe_ends[0], buffer, sizeof buffer);
    if (got > 0) result.output.append(buffer, static_cast<std::size_t>(got));
    else if (got == 0 || errno != EINTR) break;
  }
  close(pipe_ends[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return result;
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

bool start_companion(const std::string& path, const std::vector<std::string>& arguments) {
  std::vector<std::string> copies = arguments;
  std::string program;
  std::vector<char*> argv = argument_vector(path, copies, program);
  pid_t child = 0;
  return posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

void reap_companions() {
  int status = 0;
  while (waitpid(-1, &status, WNOHANG) > 0) {
  }
}

}  // namespace tendencia
