#include "io/whole_file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

std::size_t files_here() {
  std::size_t n = 0;
  for (auto it = std::filesystem::directory_iterator("."); it != std::filesystem::directory_iterator(); ++it) ++n;
  return n;
}

TEST(WholeFileWriter, KeepsAnExistingFileUnlessToldToReplaceIt) {
  TempDirectory directory;
  EXPECT_TRUE(write_whole_file("Dx.TXT", "uno\r\n", false));
  EXPECT_FALSE(write_whole_file("Dx.TXT", "dos\r\n", false));
  EXPECT_EQ(read_file("Dx.TXT"), "uno\r\n");
  EXPECT_TRUE(write_whole_file("Dx.TXT", "tres\r\n", true));
  EXPECT_EQ(read_file("Dx.TXT"), "tres\r\n");
  EXPECT_EQ(files_here(), 1u);  // no temporary file stays behind
  EXPECT_EQ(std::filesystem::status("Dx.TXT").permissions() & std::filesystem::perms::owner_read,
            std::filesystem::perms::owner_read);
}

TEST(WholeFileWriter, AFailureLeavesNoFileBehind) {
  TempDirectory directory;
  std::filesystem::create_directory("Dy.TXT");
  EXPECT_FALSE(write_whole_file("Dy.TXT", "x", false));
  try {
    write_whole_file("Dy.TXT", "x", true);
    FAIL() << "a folder was replaced";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileNotCreatable);
    EXPECT_EQ(failure.place(), "Dy.TXT");
  }
  EXPECT_THROW(write_whole_file("otra/Dz.TXT", "x", true), Failure);
  EXPECT_EQ(files_here(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory("Dy.TXT"));
}

}  // namespace
}  // namespace tendencia
