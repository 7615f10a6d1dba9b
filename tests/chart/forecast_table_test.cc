// The example's forecast table for a spreadsheet, read back with the importer's
// own CSV reader and compared with the report, in a "." and a "," locale.
#include "chart/forecast_table.h"

#include <gtest/gtest.h>

#include <sstream>

#include "io/csv_dialect.h"
#include "run/run_sequence.h"
#include "support/forecast_report_text.h"
#include "support/scripted_dialogue.h"
#include "support/temp_directory.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

using namespace testing;

std::vector<std::string> report_items(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> items;
  for (std::string item; in >> item;) items.push_back(item);
  return items;
}

// The report's table rows, each split at its blanks.
std::vector<std::vector<std::string>> report_rows(const std::string& report) {
  std::vector<std::vector<std::string>> rows;
  std::size_t at = report.find("MAXIMO");
  at = report.find("\r\n\r\n", at) + 4;
  for (std::size_t end; (end = report.find("\r\n", at)) != std::string::npos; at = end + 2)
    rows.push_back(report_items(report.substr(at, end - at)));
  return rows;
}

TEST(ForecastTable, TheExamplesTableReadsBackAsTheReportsNumbers) {
  for (const Separators& separators : {Separators{}, Separators{",", "."}}) {
    SCOPED_TRACE(separators.decimal);
    TempDirectory directory;
    write_file(directory.file("Dventas.TXT"), read_file(std::string(TENDENCIA_EXAMPLES) + "/Dventas.TXT"));
    ScriptedDialogue dialogue(run_answers("ventas", "5", "95", {"120", "15", "0.9"}, {"2001"}));
    run_sequence(dialogue, separators, directory.folder());
    const std::string text = read_file(directory.file("Eventas.TXT"));
    ForecastReport report = parse_forecast_report(text);

    EXPECT_EQ(report.separators.decimal, separators.decimal);
    CsvTable table = read_csv_any_delimiter(forecast_table_csv(report));
    EXPECT_EQ(table.delimiter, separators.decimal == "," ? ';' : ',');
    std::vector<std::vector<std::string>> rows = report_rows(text);
    ASSERT_EQ(rows.size(), 25u);
    ASSERT_EQ(table.rows.size(), 26u);
    EXPECT_EQ(table.rows[0].cells,
              (std::vector<std::string>{"periodo", "observado", "tendencia", "minimo", "maximo"}));
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const std::vector<std::string>& cells = table.rows[i + 1].cells;
      ASSERT_EQ(cells.size(), 5u);
      std::vector<std::string> expected = rows[i];
      if (i < 20) expected.insert(expected.end(), {"", "", ""});
      else expected.insert(expected.begin() + 1, "");
      EXPECT_EQ(cells, expected) << i;
    }
    // Digit for digit the report's, so the same doubles as the chart draws.
    EXPECT_EQ(as_typed_number(table.rows[1].cells[1], separators), report.observed[0].value);
    EXPECT_EQ(as_typed_number(table.rows[25].cells[4], separators), report.projected[4].upper);
    EXPECT_EQ(table.rows[21].cells[2], separators.decimal == "," ? "352,525724588329" : "352.525724588329");
  }
}

TEST(ForecastTable, ARunOnLogarithmsIsWrittenInTheSeriesOwnUnits) {
  const ForecastReport report = parse_forecast_report(known_report());
  CsvTable table = read_csv_any_delimiter(forecast_table_csv(report, {}, std::nullopt, true));
  ASSERT_EQ(table.rows.size(), 8u);
  EXPECT_EQ(table.rows[1].cells[1], "7.38905609893065");  // e², 15 digits
  EXPECT_EQ(table.rows[3].cells[1], "403.428793492735");  // a text that reads as 6, e⁶
  EXPECT_EQ(table.rows[5].cells[2], "162754.791419004");  // e¹²
  EXPECT_EQ(table.rows[5].cells[3], "4914.76884029913");  // e^8.5
}

TEST(ForecastTable, TextValuesAreWrittenAndQuotedWhereTheyMustBe) {
  std::string text = known_report();
  text.replace(text.find(" 2002          4.5 "), 19, " 2002         \"dijo\", n; d ");
  text.replace(text.find(" 2003         6"), 15, " 2003         seis");
  ForecastReport report = parse_forecast_report(text);
  EXPECT_EQ(forecast_table_csv(report),
            "periodo,observado,tendencia,minimo,maximo\r\n"
            "2001,2,,,\r\n"
            "2002,\"\"\"dijo\"\", n; d\",,,\r\n"
            "2003,seis,,,\r\n"
            "2004,8,,,\r\n"
            "2005,,12,8.5,15.5\r\n"
            "2006,,14.5,10.2,18.8\r\n"
            "2007,,17.5,11.5,22.5\r\n");
  // A report written with the decimal comma.
  report.separators = Separators{",", ""};
  std::string comma_table = forecast_table_csv(report);
  EXPECT_NE(comma_table.find("periodo;observado;tendencia;minimo;maximo\r\n"), std::string::npos);
  EXPECT_NE(comma_table.find("2002;\"\"\"dijo\"\", n; d\";;;\r\n"), std::string::npos);
  EXPECT_EQ(read_csv_any_delimiter(comma_table).rows[2].cells[1], "\"dijo\", n; d");
}

}  // namespace
}  // namespace tendencia
