// Every program's command line is read by a parser of the same shape: the
// request, or CommandLineRefused saying why.
#include <gtest/gtest.h>

#include "core/failure.h"
#include "programs/grafico/command_line.h"
#include "programs/gui/command_line.h"
#include "programs/tendencia/command_line.h"

namespace tendencia {
namespace {

using Arguments = std::vector<std::string>;

TEST(TerminalCommandLine, TakesNoArgument) {
  terminal::parse_command_line({});
  EXPECT_THROW(terminal::parse_command_line({"ventas"}), CommandLineRefused);
}

TEST(DesktopCommandLine, TakesAFolderOrTheChoiceOfOne) {
  EXPECT_FALSE(gui::parse_command_line({}).folder);
  EXPECT_EQ(gui::parse_command_line({"datos"}).folder, "datos");
  EXPECT_TRUE(gui::parse_command_line({"--elegir-carpeta"}).choose_folder);
  for (const Arguments& wrong : {Arguments{"a", "b"}, Arguments{"--otra"}, Arguments{"-"}})
    EXPECT_THROW(gui::parse_command_line(wrong), CommandLineRefused) << wrong[0];
}

TEST(ChartCommandLine, TheNameThenTheOptionsInAnyOrder) {
  grafico::Request line = grafico::parse_command_line({"ventas"});
  EXPECT_EQ(line.name, "ventas");
  EXPECT_FALSE(line.table);
  EXPECT_TRUE(line.levels.empty());
  line = grafico::parse_command_line({"ventas", "--niveles", "80,95", "--csv"});
  EXPECT_TRUE(line.table);
  EXPECT_EQ(line.levels, (std::vector<double>{80, 95}));
  for (std::vector<std::string> wrong :
       std::vector<std::vector<std::string>>{{},
                                             {"--csv"},
                                             {""},
                                             {"ventas", "--csv", "--csv"},
                                             {"ventas", "--niveles"},
                                             {"ventas", "--niveles", "200"},
                                             {"ventas", "--niveles", "80", "--niveles", "80"},
                                             {"ventas", "otra"}})
    EXPECT_THROW(grafico::parse_command_line(wrong), CommandLineRefused);
}

}  // namespace
}  // namespace tendencia
