#include "io/csv_dialect.h"

#include <gtest/gtest.h>

#include "io/import_refused.h"

namespace tendencia {
namespace {

TEST(CsvDialect, CellsThatLookLikeNumbersInSomeLocale) {
  for (const char* number : {"1", " -2,5 ", "+.5", "3.", "1.234,5", "1,234.5", "1e5", "2,5E-3"})
    EXPECT_TRUE(looks_like_number(number)) << number;
  for (const char* text : {"", " ", "-", ".", "2001-01", "1e", "1 234", "12 %", "n/d", "inf", "0x10"})
    EXPECT_FALSE(looks_like_number(text)) << text;
}

char delimiter_of(const std::string& text) { return read_csv_any_delimiter(text).delimiter; }

TEST(CsvDialect, TheDelimiterIsTheOneThatFitsTheFile) {
  EXPECT_EQ(delimiter_of("Año,Ventas\n2001,1.5\n2002,2\n"), ',');
  EXPECT_EQ(delimiter_of("Año;Ventas\n2001;1,5\n2002;2\n"), ';');
  EXPECT_EQ(delimiter_of("Año\tVentas\n2001\t1,5\n2002\t2\n"), '\t');
  // Every value with a decimal comma: "," splits each row alike too, but ";"
  // leaves more cells that look like numbers.
  EXPECT_EQ(delimiter_of("2001;1,5\n2002;2,5\n"), ';');
  EXPECT_EQ(delimiter_of("2001-01;1,5\n2001-02;2,5\n"), ';');
  // One column with a header: "," would split the values but not the header.
  EXPECT_EQ(read_csv_any_delimiter("Ventas\n1,5\n2,25\n").columns, 1u);
  // A short row does not turn a file into one column of "2001,15".
  EXPECT_EQ(delimiter_of("Año,Ventas\n2001,15\n2002\n2003,17\n"), ',');
  EXPECT_EQ(delimiter_of("Año;Ventas;Costes\n2001;1;5,5\n2002;2\n"), ';');
  // A delimiter inside quotes is no delimiter.
  EXPECT_EQ(delimiter_of("\"a;b\",1\n\"c;d\",2\n"), ',');
  try {
    read_csv_any_delimiter("a,b\n1,2\n3,\"4\n");
    FAIL();
  } catch (const ImportRefused& refusal) {
    EXPECT_STREQ(refusal.what(), "fila 3: falta la comilla que cierra la celda");
  }
}

std::vector<PlacedCell> column(const std::vector<std::string>& texts) {
  std::vector<PlacedCell> cells;
  for (std::size_t i = 0; i < texts.size(); ++i) cells.push_back({texts[i], i + 2, 2});
  return cells;
}

std::string refusal_of(const std::vector<std::string>& texts, char delimiter) {
  try {
    decimal_separator_of(column(texts), delimiter);
  } catch (const ImportRefused& refusal) {
    return refusal.what();
  }
  return "";
}

TEST(CsvDialect, TheDecimalSeparatorComesFromTheNumbers) {
  EXPECT_EQ(decimal_separator_of(column({"1", "2,5", "n/d"}), ';'), ',');
  EXPECT_EQ(decimal_separator_of(column({"1", "2.5"}), ';'), '.');
  EXPECT_EQ(decimal_separator_of(column({"1", "2,5"}), '\t'), ',');
  EXPECT_EQ(decimal_separator_of(column({"1", "2.5"}), ','), '.');
  // Whole numbers only: as spreadsheets write such files.
  EXPECT_EQ(decimal_separator_of(column({"1", "2"}), ';'), ',');
  EXPECT_EQ(decimal_separator_of(column({"1", "2"}), ','), '.');
  EXPECT_EQ(decimal_separator_of(column({"1", "2"}), '\t'), '.');
}

TEST(CsvDialect, ThousandsSeparatorsAreRefusedNotGuessed) {
  EXPECT_EQ(refusal_of({"1", "1.234,5"}, ';'),
            "fila 3, columna 2: el número \"1.234,5\" lleva separador de miles; quítelo en la "
            "hoja de cálculo (formato de número sin separador de miles) y vuelva a exportar");
  EXPECT_NE(refusal_of({"1,234.5"}, '\t').find("fila 2, columna 2: el número \"1,234.5\" lleva separador de miles"),
            std::string::npos);
  EXPECT_NE(refusal_of({"1.234.567"}, ';').find("separador de miles"), std::string::npos);
  EXPECT_EQ(refusal_of({"1,5", "7", "2.25"}, ';'),
            "fila 4, columna 2: el número \"2.25\" usa \".\" y el de la fila 2 usa \",\": uno de "
            "los dos es un separador de miles; quítelo y vuelva a exportar");
  EXPECT_NE(refusal_of({"1.5", "1,234"}, ','), "");  // quoted in a "," file
}

}  // namespace
}  // namespace tendencia
