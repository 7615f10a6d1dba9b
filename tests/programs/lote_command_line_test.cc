#include "programs/lote/command_line.h"

#include <gtest/gtest.h>

#include "core/failure.h"

namespace tendencia {
namespace {

using Arguments = std::vector<std::string>;

std::string refusal_of(const Arguments& arguments) {
  try {
    lote::parse_command_line(arguments);
  } catch (const CommandLineRefused& refused) {
    return refused.what();
  }
  return "";
}

TEST(LoteCommandLine, TakesTheSheetAndItsOptionsAnywhere) {
  const lote::Request plain = lote::parse_command_line({"hoja.csv"});
  EXPECT_EQ(plain.sheet, "hoja.csv");
  EXPECT_EQ(plain.points, std::nullopt);
  EXPECT_EQ(plain.level, 95);
  EXPECT_EQ(plain.threads, std::nullopt);
  EXPECT_EQ(plain.part, 1);
  EXPECT_EQ(plain.parts, 1);
  EXPECT_FALSE(plain.data_choices || plain.redo || plain.merge);
  const lote::Request r = lote::parse_command_line(
      {"--parte", "3/4", "--serie", "id", "h.csv", "--periodo=2", "--valor", "y", "--puntos", "0",
       "--nivel", "099", "--datos", "--hilos", "8", "--rehacer"});
  EXPECT_EQ(r.sheet, "h.csv");
  EXPECT_EQ(r.columns.series + "|" + r.columns.period + "|" + r.columns.values, "id|2|y");
  EXPECT_EQ(r.points, 0);
  EXPECT_EQ(r.level, 99);
  EXPECT_EQ(r.threads, 8);
  EXPECT_EQ(r.part, 3);
  EXPECT_EQ(r.parts, 4);
  EXPECT_TRUE(r.data_choices && r.redo && !r.merge);
  EXPECT_TRUE(lote::parse_command_line({"--unir"}).merge);
}

TEST(LoteCommandLine, RefusesWhatItCannotActOn) {
  EXPECT_EQ(refusal_of({}), "falta la hoja (un fichero CSV)");
  EXPECT_EQ(refusal_of({"a.csv", "b.csv"}), "sobra \"b.csv\"");
  EXPECT_EQ(refusal_of({"a.csv", "--serie="}),
            "--serie necesita la cabecera o el número de una columna, no \"\"");
  EXPECT_EQ(refusal_of({"a.csv", "--nivel", "80"}),
            "--nivel necesita 90, 95 o 99, los niveles que tendencia acepta, no \"80\"");
  EXPECT_EQ(refusal_of({"a.csv", "--puntos", "32768"}),
            "--puntos necesita un número entero de 0 a 32767, no \"32768\"");
  EXPECT_EQ(refusal_of({"a.csv", "--hilos", "0"}),
            "--hilos necesita un número entero de 1 a 1024, no \"0\"");
  for (const char* part : {"5/4", "0/4", "4", "1/0", "1/10000", "a/b", "1/2/3", "/"})
    EXPECT_EQ(refusal_of({"a.csv", "--parte", part}),
              std::string("--parte necesita K/N, la parte K de N con 1 <= K <= N <= 9999, no \"") +
                  part + "\"")
        << part;
  EXPECT_EQ(refusal_of({"--unir", "a.csv"}), "sobra \"a.csv\"");
  EXPECT_EQ(refusal_of({"--unir", "--datos"}),
            "--unir no se combina con otras opciones: une las partes de la carpeta tal como se "
            "escribieron");
}

}  // namespace
}  // namespace tendencia
