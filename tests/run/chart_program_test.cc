// tendencia-grafico NOMBRE --csv as the user calls it: the table beside the
// chart, and neither for a report it refuses.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/forecast_report_text.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

int draw(const std::string& arguments, const std::string& locale = "C") {
  std::string command = "LC_ALL=" + locale + " " + TENDENCIA_CHART_BINARY + " " + arguments +
                        " > out.txt 2> err.txt";
  int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(ChartProgram, WritesTheTableOnlyWhenAskedAndOnlyForAReportItAccepts) {
  TempDirectory directory;
  write_file("Ek.TXT", known_report());
  EXPECT_EQ(draw("k"), 0);
  EXPECT_FALSE(std::filesystem::exists("Gk.CSV"));
  EXPECT_EQ(draw("k --csv"), 0);
  EXPECT_EQ(read_file("out.txt"), "Gráfico escrito en Gk.SVG y Gk.PNG\nTabla escrita en Gk.CSV\n");
  // The report's own level alone: the report's columns.
  EXPECT_EQ(draw("k --niveles 95 --csv"), 0);
  std::string table = read_file("Gk.CSV");
  EXPECT_EQ(table.substr(0, table.find("2002")),
            "periodo,observado,tendencia,minimo,maximo\r\n2001,2,,,\r\n");
  EXPECT_NE(table.find("\r\n2007,,17.5,11.5,22.5\r\n"), std::string::npos);
  // The usual bands at 80 and 50 % add their columns after them.
  EXPECT_EQ(draw("k --csv"), 0);
  table = read_file("Gk.CSV");
  EXPECT_EQ(table.substr(0, table.find("2002")),
            "periodo,observado,tendencia,minimo,maximo,minimo_80,maximo_80,minimo_50,maximo_50\r\n"
            "2001,2,,,,,,,\r\n");
  EXPECT_NE(table.find("\r\n2007,,17.5,11.5,22.5,"), std::string::npos);

  write_file("Ecorto.TXT", known_report(3, 1));
  EXPECT_EQ(draw("corto --csv"), 1);
  EXPECT_FALSE(std::filesystem::exists("Gcorto.CSV") || std::filesystem::exists("Gcorto.SVG"));
  EXPECT_EQ(draw("k --tabla"), 2);
  EXPECT_EQ(draw("k --csv otra"), 2);
}

}  // namespace
}  // namespace tendencia
