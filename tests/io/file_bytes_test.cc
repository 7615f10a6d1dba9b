#include "io/file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure.h"
#include "io/import_refused.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

TEST(FileBytes, ReadsAWholeFileInTheMemoryItsSizeTakes) {
  TempDirectory directory;
  const std::string small = directory.file("corto.csv");
  write_file(small, std::string(1000, 'x') + "\n");
  const std::string bytes = read_regular_file(small, "fichero CSV corto.csv");
  EXPECT_EQ(bytes, std::string(1000, 'x') + "\n");
  // Not the most a file may hold, whatever the file.
  EXPECT_LT(bytes.capacity(), 64 * bytes.size());

  const std::string exact = directory.file("exacto.csv");
  write_file(exact, "");
  std::filesystem::resize_file(exact, kMaxWholeFileBytes);
  EXPECT_EQ(read_regular_file(exact, "fichero CSV exacto.csv").size(), kMaxWholeFileBytes);
}

TEST(FileBytes, RefusesWhatIsNoFileOrIsTooLarge) {
  TempDirectory directory;
  const std::string large = directory.file("grande.csv");
  write_file(large, "");
  std::filesystem::resize_file(large, kMaxWholeFileBytes + 1);
  try {
    read_regular_file(large, "fichero CSV grande.csv");
    FAIL() << "a file beyond the limit was read";
  } catch (const ImportRefused& refused) {
    EXPECT_EQ(std::string(refused.what()),
              "el fichero pasa de 8 MiB: no es una serie de 1000 valores como mucho");
  }
  EXPECT_THROW(read_regular_file(directory.folder(), "carpeta"), ImportRefused);
  try {
    read_regular_file(directory.file("falta.csv"), "fichero CSV falta.csv");
    FAIL() << "a missing file was read";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::FileNotFound);
    EXPECT_EQ(failure.place(), "fichero CSV falta.csv");
  }
}

}  // namespace
}  // namespace tendencia
