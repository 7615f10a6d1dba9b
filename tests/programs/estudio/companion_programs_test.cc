#include "programs/estudio/companion_programs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <sys/wait.h>

namespace tendencia {
namespace {

TEST(RunCompanion, GivesItsExitStatusAndEverythingItWrote) {
  CompanionResult result =
      run_companion("/bin/sh", {"-c", "echo escrito; echo fallo >&2; exit 3"});
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.output, "escrito\nfallo\n");
  // Arguments pass as they are, never through a shell.
  EXPECT_EQ(run_companion("/bin/echo", {"a b", "$HOME", "*"}).output, "a b $HOME *\n");
}

TEST(RunCompanion, AProgramThatIsNotThereIsNoSuccess) {
  EXPECT_EQ(run_companion("/no/existe/tendencia-grafico", {"x"}).status, -1);
  EXPECT_FALSE(start_companion("/no/existe/tendencia-gui", {}));
}

TEST(StartCompanion, ReturnsAtOnceAndLeavesNoZombie) {
  ASSERT_TRUE(start_companion("/bin/sh", {"-c", "exit 0"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  reap_companions();
  // Nothing is left to wait for: the child was collected.
  int status = 0;
  EXPECT_EQ(waitpid(-1, &status, WNOHANG), -1);
}

TEST(CompanionPath, IsBesideTheRunningBinary) {
  std::string path = companion_path("tendencia-grafico");
  EXPECT_EQ(path.substr(path.size() - 18), "/tendencia-grafico");
}

}  // namespace
}  // namespace tendencia
