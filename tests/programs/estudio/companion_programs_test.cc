#include "programs/estudio/companion_programs.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "support/temp_directory.h"

namespace tendencia {
namespace {

// Collects a companion's output the way the window's event loop does: only
// when the pipe has something to read. The deadline only stops a test that
// would hang; no run comes near it.
CompanionResult run_to_the_end(CollectedCompanion companion) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd readable{companion.output, POLLIN, 0};
    poll(&readable, 1, 1000);
    if (collect_output(companion)) return finish(companion);
  }
  ADD_FAILURE() << "the companion's output never ended";
  kill(companion.pid, SIGKILL);
  return finish(companion);
}

TEST(CollectedCompanion, GivesItsExitStatusAndEverythingItWrote) {
  std::optional<CollectedCompanion> started =
      start_collecting("/bin/sh", {"-c", "echo escrito; echo fallo >&2; exit 3"});
  ASSERT_TRUE(started);
  CompanionResult result = run_to_the_end(*started);
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.output, "escrito\nfallo\n");
  // Arguments pass as they are, never through a shell.
  started = start_collecting("/bin/echo", {"a b", "$HOME", "*"});
  ASSERT_TRUE(started);
  EXPECT_EQ(run_to_the_end(*started).output, "a b $HOME *\n");
}

// The window goes on while a companion runs: starting it and reading what it
// wrote so far never wait for it, even when it never ends by itself.
TEST(CollectedCompanion, NeverMakesTheCallerWaitForIt) {
  std::optional<CollectedCompanion> started =
      start_collecting("/bin/sh", {"-c", "echo empieza; exec sleep 600"});
  ASSERT_TRUE(started);
  pollfd readable{started->output, POLLIN, 0};
  ASSERT_EQ(poll(&readable, 1, 120000), 1);
  EXPECT_FALSE(collect_output(*started));  // returns with the output not ended
  EXPECT_EQ(started->collected, "empieza\n");
  EXPECT_FALSE(collect_output(*started));
  kill(started->pid, SIGKILL);
  EXPECT_EQ(run_to_the_end(*started).status, -1);  // killed: no exit status
}

TEST(CollectedCompanion, AProgramThatIsNotThereIsNoStart) {
  EXPECT_FALSE(start_collecting("/no/existe/tendencia-grafico", {"x"}));
  EXPECT_FALSE(start_companion("/no/existe/tendencia-gui", {}));
}

TEST(StartCompanion, ReturnsAtOnceAndIsReapedOnceItEnds) {
  std::optional<pid_t> quick = start_companion("/bin/sh", {"-c", "exit 0"});
  std::optional<pid_t> slow = start_companion("/bin/sh", {"-c", "exec sleep 600"});
  ASSERT_TRUE(quick && slow);
  std::vector<pid_t> started = {*quick, *slow};
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (started.size() == 2 && std::chrono::steady_clock::now() < deadline) {
    reap_companions(started);
    usleep(10000);
  }
  // The one that ended was collected, the one still running is kept.
  EXPECT_EQ(started, std::vector<pid_t>{*slow});
  int status = 0;
  EXPECT_EQ(waitpid(*quick, &status, WNOHANG), -1);  // nothing left of it to wait for
  kill(*slow, SIGKILL);
  waitpid(*slow, &status, 0);
}

TEST(CompanionPath, IsBesideTheRunningBinary) {
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_EQ(companion_path("tendencia-grafico"),
            (self.parent_path() / "tendencia-grafico").string());
}

}  // namespace
}  // namespace tendencia
