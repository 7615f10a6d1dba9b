#include "programs/gui/command_line.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace tendencia {
namespace {

using Arguments = std::vector<std::string>;

TEST(DesktopCommandLine, TakesAFolderOrTheChoiceOfOne) {
  EXPECT_FALSE(gui::parse_command_line({}).folder);
  EXPECT_EQ(gui::parse_command_line({"datos"}).folder, "datos");
  EXPECT_TRUE(gui::parse_command_line({"--elegir-carpeta"}).choose_folder);
  EXPECT_EQ(gui::parse_command_line({"-"}).folder, "-");  // a folder of that name
  for (const Arguments& wrong :
       {Arguments{"a", "b"}, Arguments{"--otra"}, Arguments{"a", "--elegir-carpeta"}})
    EXPECT_THROW(gui::parse_command_line(wrong), CommandLineRefused) << wrong[0];
}

}  // namespace
}  // namespace tendencia
