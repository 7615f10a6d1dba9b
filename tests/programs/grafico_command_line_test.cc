#include "programs/grafico/command_line.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace tendencia {
namespace {

TEST(ChartCommandLine, TheNameThenTheOptionsInAnyOrder) {
  grafico::Request line = grafico::parse_command_line({"ventas"});
  EXPECT_EQ(line.name, "ventas");
  EXPECT_FALSE(line.table);
  EXPECT_TRUE(line.levels.empty());
  line = grafico::parse_command_line({"ventas", "--niveles", "80,95", "--csv"});
  EXPECT_TRUE(line.table);
  EXPECT_EQ(line.levels, (std::vector<double>{80, 95}));
  EXPECT_EQ(line.folder, "");
  EXPECT_EQ(grafico::parse_command_line({"--carpeta=/tmp/x", "ventas"}).folder, "/tmp/x");
  for (std::vector<std::string> wrong :
       std::vector<std::vector<std::string>>{{},
                                             {"--csv"},
                                             {""},
                                             {"ventas", "--csv", "--csv"},
                                             {"ventas", "--niveles"},
                                             {"ventas", "--niveles", "200"},
                                             {"ventas", "--niveles", "80", "--niveles", "80"},
                                             {"ventas", "otra"},
                                             {"ventas", "--carpeta", ""}})
    EXPECT_THROW(grafico::parse_command_line(wrong), CommandLineRefused);
}

}  // namespace
}  // namespace tendencia
