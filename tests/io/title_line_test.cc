#include "io/title_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "io/data_file_writer.h"
#include "io/data_series.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

// What the importer writes is read back as the same two headers, however long
// or blank-filled either is.
TEST(TitleLine, TheWritersHeadersComeBackApart) {
  const std::pair<std::string, std::string> headers[] = {
      {"Mes", "Pasajeros"},
      {"Mes", "Ventas; \"netas\""},
      {"Fecha de la observación", "Pasajeros internacionales"},
      {"Año y mes", "CO2 en ppm"},
      {"abcdefghijklm", "nopqrstuvwxyzA"},
  };
  for (const auto& [period, values] : headers) {
    std::istringstream file(data_file_bytes(period, values, {1.5}));
    TitleLine title = split_title_line(read_title_line(file));
    EXPECT_EQ(title.period_header, period);
    EXPECT_EQ(title.values_header, values);
  }
}

TEST(TitleLine, AHeaderOfLogarithmsGivesBackTheSeriesName) {
  EXPECT_EQ(logarithm_header("Pasajeros"), "log(Pasajeros)");
  EXPECT_EQ(header_without_logarithm("log(Pasajeros)"), "Pasajeros");
  EXPECT_EQ(header_without_logarithm("log(Pasajeros), últimos 33"), "Pasajeros, últimos 33");
  EXPECT_EQ(header_without_logarithm("log(CO2 (ppm))"), "CO2 (ppm)");
  EXPECT_EQ(header_without_logarithm("log(A, B), últimos 33"), "A, B, últimos 33");
  for (const char* plain : {"Pasajeros", "logaritmos", "log(", "log)(", "Pasajeros, últimos 33", ""})
    EXPECT_FALSE(header_without_logarithm(plain)) << plain;
}

TEST(TitleLine, DefaultsNumbersAndASingleFieldNameNothingOrOnlyTheSeries) {
  std::istringstream defaults(data_file_bytes("", "", {1.5}));
  TitleLine none = split_title_line(read_title_line(defaults));
  EXPECT_EQ(none.period_header, "");
  EXPECT_EQ(none.values_header, "");
  TitleLine single = split_title_line("  Ventas de la tienda ");
  EXPECT_EQ(single.period_header, "");
  EXPECT_EQ(single.values_header, "Ventas de la tienda");
  TitleLine row = split_title_line("1            132.89");
  EXPECT_EQ(row.period_header, "");
  EXPECT_EQ(row.values_header, "");
  EXPECT_EQ(split_title_line("").values_header, "");
}

TEST(TitleLine, TheLineIsReadAsUtf8WithinItsLimit) {
  std::istringstream cp1252("A\xf1o\tVentas\r\n1 2\r\n");
  EXPECT_EQ(read_title_line(cp1252), "Año\tVentas");
  std::istringstream utf8("\xEF\xBB\xBFMes   Ventas \xE2\x82\xAC\n1 2\n");
  EXPECT_EQ(read_title_line(utf8), "Mes   Ventas €");
  // A line beyond the limit is cut, never in the middle of a character.
  std::istringstream endless(std::string(kMaxFieldBytes - 1, 'a') + "\xE2\x82\xAC" +
                             std::string(100000, 'b'));
  std::string cut = read_title_line(endless);
  EXPECT_EQ(cut, std::string(kMaxFieldBytes - 1, 'a'));
  EXPECT_EQ(first_invalid_utf8_byte(cut), std::string::npos);
  std::istringstream empty("");
  EXPECT_EQ(read_title_line(empty), "");
}

}  // namespace
}  // namespace tendencia
