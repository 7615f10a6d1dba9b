#include "run/working_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_directory.h"

namespace tendencia {
namespace {

TEST(WorkingFolder, TakesAFolderItCanWorkInAndSaysWhyNotOtherwise) {
  testing::TempDirectory directory;
  std::filesystem::create_directory(directory.file("datos"));
  testing::write_file(directory.file("fichero"), "x");
  const std::filesystem::path here = std::filesystem::current_path();
  const std::string which = "No se puede entrar en la carpeta \"";

  EXPECT_EQ(folder_refusal(directory.file("no-existe")),
            which + directory.file("no-existe") + "\": no existe");
  EXPECT_EQ(folder_refusal(directory.file("fichero")),
            which + directory.file("fichero") + "\": no es una carpeta");
  EXPECT_EQ(folder_refusal(directory.file("fichero/dentro")),
            which + directory.file("fichero/dentro") + "\": no es una carpeta");
  EXPECT_EQ(folder_refusal(""), which + "\": no existe");
  if (geteuid() != 0) {  // root enters any folder
    const std::string closed = directory.file("cerrada");
    std::filesystem::create_directory(closed);
    chmod(closed.c_str(), 0);
    EXPECT_EQ(folder_refusal(closed), which + closed + "\": no tiene permiso para entrar en ella");
    chmod(closed.c_str(), 0700);
  }
  EXPECT_EQ(folder_refusal(directory.file("datos")), "");
  EXPECT_EQ(folder_refusal("."), "");
  EXPECT_EQ(std::filesystem::current_path(), here);  // the folder is a value, never entered
}

}  // namespace
}  // namespace tendencia
