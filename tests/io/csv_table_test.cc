#include "io/csv_table.h"

#include <gtest/gtest.h>

#include "io/import_refused.h"

namespace tendencia {
namespace {

// Each row as "record:cell|cell".
std::vector<std::string> shown(const CsvTable& table) {
  std::vector<std::string> out;
  for (const CsvRow& row : table.rows) {
    std::string line = std::to_string(row.record) + ":";
    for (std::size_t i = 0; i < row.cells.size(); ++i) line += (i ? "|" : "") + row.cells[i];
    out.push_back(line);
  }
  return out;
}

std::string refusal_of(const std::string& text, char delimiter = ',') {
  try {
    read_csv_table(text, delimiter);
  } catch (const ImportRefused& refusal) {
    return refusal.what();
  }
  return "";
}

TEST(CsvTable, ReadsQuotedCellsAsRfc4180WritesThem) {
  CsvTable table = read_csv_table(
      "Mes,\"Ventas, netas\"\r\n\"2001-01\",\"dijo \"\"hola\"\"\"\r\n\"dos\r\nlíneas\",  7  \r\n", ',');
  EXPECT_EQ(shown(table), (std::vector<std::string>{"1:Mes|Ventas, netas",
                                                     "2:2001-01|dijo \"hola\"",
                                                     "3:dos\r\nlíneas|7"}));
  EXPECT_EQ(table.columns, 2u);
  EXPECT_EQ(table.delimiter, ',');
  EXPECT_EQ(shown(read_csv_table("a\tb c\t\"d\te\"", '\t')),
            (std::vector<std::string>{"1:a|b c|d\te"}));
}

// Rows keep the numbers a spreadsheet shows: blank lines and rows of empty
// cells count, and are left out; a line end inside quotes does not count.
TEST(CsvTable, NumbersRowsAsASpreadsheetDoesWhateverTheLineEnds) {
  const std::vector<std::string> expected = {"1:a|1", "3:\"b\nc\"|2", "5:d|3"};
  for (std::string end : {"\r\n", "\n", "\r"}) {
    std::string text = "a;1" + end + end + "\"\"\"b\nc\"\"\";2" + end + ";" + end + "d;3" + end;
    EXPECT_EQ(shown(read_csv_table(text, ';')), expected) << end.size();
  }
  EXPECT_EQ(shown(read_csv_table("a;1\r\nb", ';')), (std::vector<std::string>{"1:a|1", "2:b"}));
  EXPECT_TRUE(read_csv_table("", ',').rows.empty());
}

TEST(CsvTable, RefusesBrokenQuotesAndOversizedInputNamingTheRow) {
  EXPECT_EQ(refusal_of("a,b\n1,2\"3\n"),
            "fila 2: comillas mal puestas: una comilla dentro de una celda sin comillas, o texto "
            "tras la comilla que cierra la celda");
  EXPECT_EQ(refusal_of("a,b\n\n1,\"2\"x\n").substr(0, 8), "fila 3: ");
  EXPECT_EQ(refusal_of("a,b\n1,\"2\n3\n"), "fila 2: falta la comilla que cierra la celda");

  std::string long_cell(kMaxFieldBytes + 1, '7');
  EXPECT_EQ(refusal_of("a\n" + long_cell + "\n"), "fila 2: una celda tiene más de 4096 bytes");
  // Refused while libcsv still reads the cell, not after it grew to the whole file.
  EXPECT_EQ(refusal_of("a\n\"" + std::string(1 << 20, 'x')),
            "fila 2: una celda tiene más de 4096 bytes");
  EXPECT_EQ(refusal_of("1" + std::string(kMaxCsvColumns, ',')),
            "fila 1: la fila tiene más de 256 columnas");
  std::string rows;
  for (std::size_t i = 0; i <= kMaxCsvRows; ++i) rows += "1\n";
  EXPECT_EQ(refusal_of(rows), "fila 1002: el fichero tiene más de 1001 filas con datos "
                              "(una cabecera y 1000 valores como mucho)");
}

}  // namespace
}  // namespace tendencia
