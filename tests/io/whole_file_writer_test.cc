#include "io/whole_file_writer.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tendencia
