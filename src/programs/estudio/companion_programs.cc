#include "programs/estudio/companion_programs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

std::optional<CollectedCompanion> start_collecting(const std::string& path,
                                                   const std::vector<std::string>& arguments) {
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], 2);
  std::vector<std::string> copies = arguments;
  std::string program;
  std::vector<char*> argv = argument_vector(path, copies, program);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  if (spawned != 0) {
    close(pipe_ends[0]);
    return std::nullopt;
  }
  fcntl(pipe_ends[0], F_SETFL, fcntl(pipe_ends[0], F_GETFL) | O_NONBLOCK);
  return CollectedCompanion{child, pipe_ends[0], {}};
}

bool collect_output(CollectedCompanion& companion) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(companion.output, buffer, sizeof buffer);
    if (got > 0) companion.collected.append(buffer, static_cast<std::size_t>(got));
    else if (got == 0) return true;
    else if (errno != EINTR) return errno != EAGAIN && errno != EWOULDBLOCK;
  }
}

CompanionResult finish(CollectedCompanion& companion) {
  CompanionResult result;
  result.output = std::move(companion.collected);
  if (companion.output >= 0) close(companion.output);
  companion.output = -1;
  int status = 0;
  while (waitpid(companion.pid, &status, 0) < 0)
    if (errno != EINTR) return result;
  if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
  return result;
}

std::optional<pid_t> start_companion(const std::string& path,
                                     const std::vector<std::string>& arguments) {
  std::vector<std::string> copies = arguments;
  std::string program;
  std::vector<char*> argv = argument_vector(path, copies, program);
  pid_t child = 0;
  if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
    return std::nullopt;
  return child;
}

void reap_companions(std::vector<pid_t>& started) {
  started.erase(std::remove_if(started.begin(), started.end(),
                               [](pid_t pid) {
                                 int status = 0;
                                 return waitpid(pid, &status, WNOHANG) != 0;
                               }),
                started.end());
}

}  // namespace tendencia
