// tendencia-grafico NOMBRE --csv as the user calls it: the table beside the
// chart, and neither for a report it refuses.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "support/forecast_report_text.h"
#include "support/command.h"

namespace tendencia {
namespace {

using namespace testing;

class ChartProgram : public ::testing::Test {
 protected:
  // Runs tendencia-grafico in the work folder; returns its exit status, and
  // keeps what it printed in `printed`.
  int draw(const std::string& arguments, const std::string& locale = "C") {
    printed = work.run("LC_ALL=" + locale + " " + TENDENCIA_GRAFICO_BINARY + " " + arguments);
    return printed.status;
  }
  WorkFolder work;
  CommandResult printed;
};

TEST_F(ChartProgram, WritesTheTableOnlyWhenAskedAndOnlyForAReportItAccepts) {
  write_file(work.file("Ek.TXT"), known_report());
  EXPECT_EQ(draw("k"), 0);
  EXPECT_FALSE(std::filesystem::exists(work.file("Gk.CSV")));
  EXPECT_EQ(draw("k --csv"), 0);
  EXPECT_EQ(printed.out, "Gráfico escrito en Gk.SVG y Gk.PNG\nTabla escrita en Gk.CSV\n");
  // The report's own level alone: the report's columns.
  EXPECT_EQ(draw("k --niveles 95 --csv"), 0);
  std::string table = read_file(work.file("Gk.CSV"));
  EXPECT_EQ(table.substr(0, table.find("2002")),
            "periodo,observado,tendencia,minimo,maximo\r\n2001,2,,,\r\n");
  EXPECT_NE(table.find("\r\n2007,,17.5,11.5,22.5\r\n"), std::string::npos);
  // The usual bands at 80 and 50 % add their columns after them.
  EXPECT_EQ(draw("k --csv"), 0);
  table = read_file(work.file("Gk.CSV"));
  EXPECT_EQ(table.substr(0, table.find("2002")),
            "periodo,observado,tendencia,minimo,maximo,minimo_80,maximo_80,minimo_50,maximo_50\r\n"
            "2001,2,,,,,,,\r\n");
  EXPECT_NE(table.find("\r\n2007,,17.5,11.5,22.5,"), std::string::npos);

  write_file(work.file("Ecorto.TXT"), known_report(3, 1));
  EXPECT_EQ(draw("corto --csv"), 1);
  EXPECT_FALSE(std::filesystem::exists(work.file("Gcorto.CSV")) || std::filesystem::exists(work.file("Gcorto.SVG")));
  EXPECT_EQ(draw("k --tabla"), 2);
  EXPECT_EQ(draw("k --csv otra"), 2);

  // --carpeta: the problem's files in another folder, read and written there.
  const std::string other = work.beside("otra");
  std::filesystem::create_directory(other);
  write_file(other + "/Eotro.TXT", known_report());
  write_file(other + "/Dotro.TXT", "Mes           log(Pasajeros)\r\n1 2\r\n");
  EXPECT_EQ(draw("otro --csv --carpeta " + shell_word(other)), 0) << printed.err;
  EXPECT_TRUE(std::filesystem::exists(other + "/Gotro.SVG"));
  EXPECT_FALSE(std::filesystem::exists(work.file("Gotro.SVG")));
  // Its data file held logarithms: the table is in the series' own units.
  table = read_file(other + "/Gotro.CSV");
  EXPECT_NE(table.find("\r\n2007,,39824784.3975762,98715.7710107605,"), std::string::npos) << table;
  EXPECT_EQ(draw("otro --carpeta="), 2);
}

TEST_F(ChartProgram, AWrongLevelListIsACommandLineError) {
  write_file(work.file("Ek.TXT"), known_report());
  for (const char* levels : {"", "80,", "0.5", "100", "ochenta", "50,80,90,60,70,40", "80;95"}) {
    EXPECT_EQ(draw(std::string("k --niveles '") + levels + "'"), 2) << levels;
    EXPECT_NE(printed.err.find("Uso: tendencia-grafico NOMBRE"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(work.file("Gk.SVG"))) << levels;
  }
  EXPECT_EQ(draw("k --niveles"), 2);
  EXPECT_EQ(draw("k --niveles 80 --niveles 50"), 2);
  EXPECT_EQ(draw("--csv"), 2);
  EXPECT_EQ(draw("k --niveles 99.9,1 --csv"), 0) << printed.err;
  EXPECT_NE(read_file(work.file("Gk.CSV")).find("maximo,minimo_99.9,maximo_99.9,minimo_1,maximo_1\r\n"),
            std::string::npos);
}

// A full disk (here a file-size limit) while a chart is written leaves the
// chart drawn before as it was, never a file cut short, and says so.
TEST_F(ChartProgram, AChartThatCannotBeWrittenWholeLeavesThePreviousOne) {
  write_file(work.file("Ek.TXT"), known_report());
  ASSERT_EQ(draw("k"), 0) << printed.err;
  const std::string svg = read_file(work.file("Gk.SVG")), png = read_file(work.file("Gk.PNG"));
  ASSERT_GT(svg.size(), 4096u);
  ASSERT_GT(png.size(), 4096u);
  printed = work.run("ulimit -f 4; LC_ALL=C " + std::string(TENDENCIA_GRAFICO_BINARY) +
                     " k --niveles 60");
  EXPECT_EQ(printed.status, 1);
  EXPECT_NE(printed.err.find("no se puede escribir el fichero (Gk.SVG)"), std::string::npos)
      << printed.err;
  EXPECT_EQ(read_file(work.file("Gk.SVG")), svg);
  EXPECT_EQ(read_file(work.file("Gk.PNG")), png);
  EXPECT_EQ(files_in(work.folder()), (std::vector<std::string>{"Ek.TXT", "Gk.PNG", "Gk.SVG"}));
}

// The report says its own decimal separator: a report written with the
// decimal comma is drawn, and tabled with ";", in the "C" locale.
TEST_F(ChartProgram, ACommaReportIsDrawnInAnyLocaleWithTheDataFilesTitles) {
  std::string spanish = known_report();
  for (std::size_t at = spanish.find("El valor"); at < spanish.size(); ++at)
    if (spanish[at] == '.') spanish[at] = ',';
  write_file(work.file("Ek.TXT"), spanish);
  write_file(work.file("Dk.TXT"), "Trimestre     Ventas netas\r\n1 2\r\n");
  EXPECT_EQ(draw("k --csv", "C"), 0) << printed.err;
  EXPECT_EQ(printed.err, "");
  const std::string table = read_file(work.file("Gk.CSV"));
  EXPECT_EQ(table.substr(0, table.find("\r\n")),
            "periodo;observado;tendencia;minimo;maximo;minimo_80;maximo_80;minimo_50;maximo_50");
  EXPECT_NE(table.find("\r\n2002;4,5;;;;;;;\r\n"), std::string::npos);
  const std::string svg = read_file(work.file("Gk.SVG"));
  EXPECT_GT(svg.size(), 1000u);
  // A report too short to scale its band: the other levels are named, not drawn.
  std::string two = known_report();
  two.replace(two.find(" 4.303 "), 7, "");
  write_file(work.file("Ek.TXT"), two);
  EXPECT_EQ(draw("k --niveles 80"), 0);
  EXPECT_NE(printed.err.find("Aviso: la banda al 80 % no se dibuja"), std::string::npos);
}

}  // namespace
}  // namespace tendencia
