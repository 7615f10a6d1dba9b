#include "run/working_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_directory.h"

namespace tendencia {
namespace {

TEST(WorkingFolder, EntersAFolderAndSaysWhyWhenItCannot) {
  testing::TempDirectory directory;
  std::filesystem::create_directory("datos");
  std::ofstream("fichero") << "x";
  const std::filesystem::path here = std::filesystem::current_path();

  EXPECT_EQ(enter_folder("no-existe"),
            "No se puede entrar en la carpeta \"no-existe\": no existe");
  EXPECT_EQ(enter_folder("fichero"),
            "No se puede entrar en la carpeta \"fichero\": no es una carpeta");
  EXPECT_EQ(enter_folder(""), "No se puede entrar en la carpeta \"\": no existe");
  if (geteuid() != 0) {  // root enters any folder
    std::filesystem::create_directory("cerrada");
    chmod("cerrada", 0);
    EXPECT_EQ(enter_folder("cerrada"),
              "No se puede entrar en la carpeta \"cerrada\": no tiene permiso para entrar en ella");
    chmod("cerrada", 0700);
  }
  EXPECT_EQ(std::filesystem::current_path(), here);  // a refusal changes nothing

  EXPECT_EQ(enter_folder("datos"), "");
  EXPECT_EQ(std::filesystem::current_path(), here / "datos");
  std::filesystem::current_path(here);
}

}  // namespace
}  // namespace tendencia
