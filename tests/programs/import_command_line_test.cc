#include <gtest/gtest.h>

#include "core/failure.h"
#include "programs/importar/command_line.h"

namespace tendencia {
namespace {

using Arguments = std::vector<std::string>;

TEST(ImportCommandLine, TakesTheFileTheNameAndOptionsAnywhere) {
  ImportRequest r = importar::parse_command_line({"--sobrescribir", "s.csv", "--columna", "2", "s"});
  EXPECT_EQ(r.csv_file, "s.csv");
  EXPECT_EQ(r.problem_name, "s");
  EXPECT_EQ(r.column, "2");
  EXPECT_TRUE(r.replace_existing);
  EXPECT_EQ(importar::parse_command_line({"-", "s", "--columna=Ventas"}).column, "Ventas");
}

TEST(ImportCommandLine, RefusesWhatItCannotActOn) {
  for (const Arguments& wrong :
       {Arguments{}, Arguments{"s.csv"}, Arguments{"s.csv", "a", "b"}, Arguments{"s.csv", "a", "--columna"},
        Arguments{"s.csv", "a", "--columna="}, Arguments{"s.csv", "a", "--otra"},
        Arguments{"s.csv", "a", "--columna", "1", "--columna", "2"},
        Arguments{"s.csv", "a", "--sobrescribir", "--sobrescribir"}})
    EXPECT_THROW(importar::parse_command_line(wrong), CommandLineRefused) << wrong.size();
}

}  // namespace
}  // namespace tendencia
