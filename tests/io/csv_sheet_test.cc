#include "io/csv_sheet.h"

#include <gtest/gtest.h>

#include "io/import_refused.h"
#include "model/calendar.h"

namespace tendencia {
namespace {

std::string refusal_of(const std::string& text, const SheetColumns& columns = {}) {
  try {
    read_sheet(text, columns);
  } catch (const ImportRefused& refused) {
    return refused.what();
  }
  return "";
}

// "Producto 1: 1949-01 1 2 3" for a series read, its refusal for one refused.
std::string described(const SheetSeries& s) {
  if (!s.series) return s.name + ": " + s.refusal;
  std::string text = s.name + ": " + (s.series->calendar ? *period_label(*s.series->calendar, 0)
                                                         : "sin calendario");
  for (double v : s.series->values) text += " " + std::to_string(static_cast<int>(v * 10));
  return text;
}

const char* const kWide =
    "Mes;Producto 1;Producto 2;;Producto 3\n"
    "1949-01;1,5;;;3\n"
    "1949-02;2;20;;4\n"
    "1949-03;2,5;21;;x\n"
    "1949-04;3;22;;\n";

TEST(CsvSheet, AWideSheetIsAColumnPerSeriesEachReadAsTheImporterReadsIt) {
  const Sheet sheet = read_sheet(kWide, {});
  EXPECT_FALSE(sheet.long_shape);
  EXPECT_EQ(sheet.delimiter, ';');
  EXPECT_EQ(sheet.period_column, 1u);
  // The unnamed empty column is the spreadsheet's, no series.
  ASSERT_EQ(sheet.series.size(), 3u);
  EXPECT_EQ(described(sheet.series[0]), "Producto 1: 1949-01 15 20 25 30");
  // A series spans its filled cells: this one starts a month later.
  EXPECT_EQ(described(sheet.series[1]), "Producto 2: 1949-02 200 210 220");
  EXPECT_EQ(sheet.series[1].series->first_row, 3u);
  EXPECT_EQ(sheet.series[1].series->period_header + "|" + sheet.series[1].series->values_header,
            "Mes|Producto 2");
  EXPECT_EQ(sheet.series[1].series->decimal_separator, ',');
  // A bad cell refuses its series alone, naming the sheet's row and column.
  EXPECT_EQ(described(sheet.series[2]), "Producto 3: fila 4, columna 5: \"x\" no es un número");
}

TEST(CsvSheet, AGapInsideASeriesRefusesItAndANamedEmptyColumnIsNoSeries) {
  const Sheet sheet = read_sheet("Año,A,B,C\n2001,1,5,\n2002,,6,\n2003,3,7,\n", {});
  ASSERT_EQ(sheet.series.size(), 3u);
  EXPECT_EQ(described(sheet.series[0]), "A: fila 3, columna 2: la celda del valor está vacía");
  EXPECT_EQ(described(sheet.series[1]), "B: 2001 50 60 70");
  EXPECT_EQ(described(sheet.series[2]), "C: columna 4: no tiene ningún valor");
  // Without a column of periods (neither labels nor 1, 2, 3...) every column
  // is a series.
  const Sheet plain = read_sheet("A,B\n1,5\n4,7\n3,2\n", {});
  EXPECT_EQ(plain.period_column, 0u);
  ASSERT_EQ(plain.series.size(), 2u);
  EXPECT_EQ(described(plain.series[1]), "B: sin calendario 50 70 20");
}

TEST(CsvSheet, AWideSheetMustNameItsSeriesInItsFirstRow) {
  EXPECT_EQ(refusal_of("1949-01;1;2\n1949-02;3;4\n"),
            "fila 1: \"1949-01\" no es una cabecera; una hoja con una serie por columna nombra "
            "sus series en la fila 1 (o, con una columna de serie, periodo y valor, nómbrelas "
            "con --serie, --periodo y --valor)");
  EXPECT_NE(refusal_of("5;1;2\n6;3;4\n"), "");
  EXPECT_EQ(refusal_of("Mes;A\n"), "la hoja solo tiene la fila de cabecera");
  EXPECT_EQ(refusal_of("\n\n"), "la hoja no tiene ninguna fila con datos");
  // Names that are numbers (product codes) are still names.
  const Sheet codes = read_sheet("Mes;1001;1002\n1949-01;1;2\n1949-02;3;4\n", {});
  ASSERT_EQ(codes.series.size(), 2u);
  EXPECT_EQ(described(codes.series[1]), "1002: 1949-01 20 40");
}

// The same three series as a table of one row per value, in another order.
const char* const kLong =
    "valor;serie;otra;Fecha\n"
    "1,5;Producto 1;a;1949-01\n"
    "20;Producto 2;b;1949-02\n"
    "2;Producto 1;c;1949-02\n"
    "2,5;Producto 1;;1949-03\n"
    "21;Producto 2;;1949-03\n"
    "3;Producto 3;;1949-01\n"
    "3;Producto 1;;1949-04\n"
    "22;Producto 2;;1949-04\n"
    "4;Producto 3;;1949-02\n"
    "x;Producto 3;;1949-03\n";

TEST(CsvSheet, ALongTableFoundByItsHeadersGivesTheSeriesAWideSheetGives) {
  const Sheet sheet = read_sheet(kLong, {});
  EXPECT_TRUE(sheet.long_shape);
  EXPECT_EQ(sheet.series_column, 2u);
  EXPECT_EQ(sheet.period_column, 4u);
  EXPECT_EQ(sheet.values_column, 1u);
  const Sheet wide = read_sheet(kWide, {});
  ASSERT_EQ(sheet.series.size(), 3u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(described(sheet.series[i]), described(wide.series[i]));
    EXPECT_EQ(sheet.series[i].series->values_header, wide.series[i].series->values_header);
    EXPECT_EQ(sheet.series[i].series->calendar->first, wide.series[i].series->calendar->first);
  }
  EXPECT_EQ(sheet.series[0].series->period_header, "Fecha");
  EXPECT_EQ(described(sheet.series[2]), "Producto 3: fila 11, columna 1: \"x\" no es un número");
}

TEST(CsvSheet, ALongTablesColumnsAreNamedByHeaderOrNumber) {
  const std::string table = "id;cuando;cuanto\nA;2001;1\nB;2001;5\nA;2002;2\nB;2002;6\n";
  // Headers it does not know leave the sheet wide; named columns make it long.
  EXPECT_FALSE(read_sheet(table, {}).long_shape);
  const Sheet named = read_sheet(table, {"id", "2", "cuanto"});
  ASSERT_EQ(named.series.size(), 2u);
  EXPECT_EQ(described(named.series[1]), "B: 2001 50 60");
  EXPECT_EQ(refusal_of(table, {"id", "", "cuanto"}),
            "no se encuentra la columna de --periodo (su cabecera sería periodo, período, fecha, "
            "date, period, ds): nómbrela con --periodo");
  EXPECT_EQ(refusal_of(table, {"id", "id", "3"}),
            "--serie, --periodo y --valor deben ser tres columnas distintas");
  EXPECT_EQ(refusal_of(table, {"id", "2", "9"}),
            "--valor 9: ninguna columna tiene esa cabecera ni ese número");
  // A row without its series' name is refused as a series of its own.
  const Sheet unnamed = read_sheet("serie,fecha,valor\nA,2001,1\n,2002,5\nA,2002,2\n", {});
  ASSERT_EQ(unnamed.series.size(), 2u);
  EXPECT_EQ(described(unnamed.series[1]), ": fila 3, columna 1: la celda de la serie está vacía");
}

TEST(CsvSheet, ASheetHoldsMoreColumnsThanASeriesFileButNoMoreThanItsNamesReach) {
  std::string wide = "Año";
  for (int j = 1; j <= 300; ++j) wide += ",S" + std::to_string(j);
  wide += "\n2001";
  for (int j = 1; j <= 300; ++j) wide += "," + std::to_string(j);
  EXPECT_EQ(read_sheet(wide + "\n", {}).series.size(), 300u);
  std::string many = "serie,fecha,valor\n";
  for (std::size_t j = 0; j <= kMaxSheetSeries; ++j) many += "S" + std::to_string(j) + ",2001,1\n";
  EXPECT_EQ(refusal_of(many), "fila 10001: la hoja pasa de las 9999 series que se leen a la vez");
}

}  // namespace
}  // namespace tendencia
