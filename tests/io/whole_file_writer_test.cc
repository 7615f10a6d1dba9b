#include "io/whole_file_writer.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "core/failure.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;


TEST(WholeFileWriter, KeepsAnExistingFileUnlessToldToReplaceIt) {
  TempDirectory directory;
  EXPECT_TRUE(write_whole_file(directory.folder(), "Dx.TXT", "uno\r\n", false));
  EXPECT_FALSE(write_whole_file(directory.folder(), "Dx.TXT", "dos\r\n", false));
  EXPECT_EQ(read_file(directory.file("Dx.TXT")), "uno\r\n");
  EXPECT_TRUE(write_whole_file(directory.folder(), "Dx.TXT", "tres\r\n", true));
  EXPECT_EQ(read_file(directory.file("Dx.TXT")), "tres\r\n");
  EXPECT_EQ(files_in(directory.folder()).size(), 1u);  // no temporary file stays behind
  EXPECT_EQ(std::filesystem::status(directory.file("Dx.TXT")).permissions() & std::filesystem::perms::owner_read,
            std::filesystem::perms::owner_read);
}

TEST(WholeFileWriter, AFailureLeavesNoFileBehind) {
  TempDirectory directory;
  std::filesystem::create_directory(directory.file("Dy.TXT"));
  EXPECT_FALSE(write_whole_file(directory.folder(), "Dy.TXT", "x", false));
  try {
    write_whole_file(directory.folder(), "Dy.TXT", "x", true);
    FAIL() << "a folder was replaced";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileNotCreatable);
    EXPECT_EQ(failure.place(), "Dy.TXT");
  }
  EXPECT_THROW(write_whole_file(directory.folder(), "otra/Dz.TXT", "x", true), Failure);
  EXPECT_EQ(files_in(directory.folder()).size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(directory.file("Dy.TXT")));
}

// A process killed between creating its temporary file and renaming it leaves
// the file behind; the next run of the same files removes it, and only it.
TEST(WholeFileWriter, RemovesTheTemporaryFilesOfAKilledWriterOnly) {
  TempDirectory directory;
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);  // a process number that no longer runs
  const std::string dead = std::to_string(child), alive = std::to_string(getpid());
  const std::vector<std::string> names = {
      ".ES0001.TXT." + dead + "-0.tmp",   // removed
      ".ES0001.TXT." + dead + "-12.tmp",  // removed
      ".ES0001.TXT." + alive + "-0.tmp",  // its writer still runs
      ".ES0002.TXT." + dead + "-0.tmp",   // not a file named
      ".ES0001.TXT." + dead + "-0",       // not a temporary file's name
      "ES0001.TXT",
  };
  for (const std::string& name : names) write_file(directory.file(name), "x");
  remove_abandoned_temporaries(directory.folder(), {"ES0001.TXT"});
  std::vector<std::string> kept(names.begin() + 2, names.end());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(files_in(directory.folder()), kept);
}

}  // namespace
}  // namespace tendencia
