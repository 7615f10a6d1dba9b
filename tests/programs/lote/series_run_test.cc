#include "programs/lote/series_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "io/csv_table.h"
#include "io/problem_files.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"
#include "support/strings.h"
#include "support/temp_directory.h"

namespace tendencia::lote {
namespace {

using namespace testing;

// A yearly sheet of one series the automatic choice projects, and one with a
// bad cell.
std::string sheet_text() {
  std::string text = "Año;Ventas;Costes\n";
  for (int i = 0; i < 36; ++i)
    text += std::to_string(1980 + i) + ";" + std::to_string(100 + 3 * i + (i % 4) * 2) + ";" +
            (i == 20 ? "n/d" : std::to_string(50 + i)) + "\n";
  return text;
}

class SeriesRun : public ::testing::Test {
 protected:
  SeriesRun() : sheet(read_sheet(sheet_text(), {})) {
    settings.folder = directory.folder();
    settings.sheet_time = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  }

  std::filesystem::file_time_type time_of(const std::string& name) const {
    return std::filesystem::last_write_time(directory.file(name));
  }

  TempDirectory directory;
  Sheet sheet;
  BatchSettings settings;
};

TEST_F(SeriesRun, ASeriesIsProjectedAndItsFilesWrittenThenTakenAsTheyAre) {
  const SeriesResult done = run_series(0, sheet.series[0], settings);
  ASSERT_EQ(done.refusal, "");
  EXPECT_FALSE(done.taken);
  EXPECT_EQ(files_in(directory.folder()),
            (std::vector<std::string>{"DS0001.TXT", "ES0001.TXT", "RS0001.CSV"}));
  EXPECT_EQ(read_file(directory.file("RS0001.CSV")), summary_header({}) + done.summary_row);
  const std::vector<CsvRow> rows = read_csv_table(done.summary_row, ',').rows;
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].cells.front(), "S0001");
  EXPECT_EQ(rows[0].cells.back(), "ok");
  // Yearly: the M4 horizon is 6 years, the labels go on past 2015.
  EXPECT_EQ(occurrences(done.forecast_rows, "\r\n"), 36u + 6u);
  EXPECT_EQ(done.forecast_rows.rfind("S0001,1980,100,,,\r\n", 0), 0u);
  EXPECT_NE(done.forecast_rows.find("\r\nS0001,2021,,"), std::string::npos);

  const auto written = time_of("ES0001.TXT");
  const SeriesResult again = run_series(0, sheet.series[0], settings);
  EXPECT_TRUE(again.taken);
  EXPECT_EQ(again.forecast_rows, done.forecast_rows);
  EXPECT_EQ(again.summary_row, done.summary_row);
  EXPECT_EQ(time_of("ES0001.TXT"), written);
}

TEST_F(SeriesRun, ASeriesIsProjectedAgainWhenItsFilesCannotBeTakenAsTheyAre) {
  const SeriesResult done = run_series(0, sheet.series[0], settings);
  ASSERT_EQ(done.refusal, "");
  auto projected_again = [&](BatchSettings changed) {
    const SeriesResult result = run_series(0, sheet.series[0], changed);
    EXPECT_EQ(result.summary_row, done.summary_row);
    return !result.taken;
  };
  BatchSettings newer_sheet = settings;
  newer_sheet.sheet_time = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
  EXPECT_TRUE(projected_again(newer_sheet));
  BatchSettings redo = settings;
  redo.redo = true;
  EXPECT_TRUE(projected_again(redo));
  BatchSettings other_level = settings;
  other_level.level = 99;
  EXPECT_FALSE(run_series(0, sheet.series[0], other_level).taken);
  EXPECT_TRUE(projected_again(settings));  // the report is the 99 % one now
  // A report cut short, or a summary row missing, is no series done.
  const std::string report = read_file(directory.file("ES0001.TXT"));
  write_file(directory.file("ES0001.TXT"), report.substr(0, report.size() / 2));
  EXPECT_TRUE(projected_again(settings));
  EXPECT_EQ(read_file(directory.file("ES0001.TXT")), report);
  std::filesystem::remove(directory.file("RS0001.CSV"));
  EXPECT_TRUE(projected_again(settings));
  EXPECT_FALSE(projected_again(settings));
}

TEST_F(SeriesRun, ARefusedSeriesHasItsReasonInItsRowAndWritesNothing) {
  const SeriesResult refused = run_series(1, sheet.series[1], settings);
  EXPECT_EQ(refused.refusal, "fila 22, columna 3: \"n/d\" no es un número");
  // In Windows-1252, as the reports.
  EXPECT_EQ(refused.summary_row,
            "S0002,,,,,,,\"fila 22, columna 3: \"\"n/d\"\" no es un n\xfamero\"\r\n");
  EXPECT_EQ(refused.forecast_rows, "");
  EXPECT_TRUE(files_in(directory.folder()).empty());
  // A series the run cannot take: too short for the automatic choice.
  const Sheet short_sheet = read_sheet("Año,A\n2001,1\n2002,3\n2003,2\n", {});
  const SeriesResult too_short = run_series(0, short_sheet.series[0], settings);
  EXPECT_NE(too_short.refusal, "");
  EXPECT_EQ(files_in(directory.folder()), std::vector<std::string>{"DS0001.TXT"});
}

// A run on the latest values starts later in the series: the values before
// them come first, with the calendar's labels, and its rows go on from there.
TEST_F(SeriesRun, TheRowsOfARunOnTheLatestValuesStartWithTheValuesBeforeThem) {
  const Sheet months = read_sheet("Mes,V\n2001-11,1.5\n2001-12,2\n2002-01,4\n2002-02,5\n2002-03,7\n", {});
  write_file(directory.file("Dw.TXT"), "Mes  V\r\n1 4\r\n2 5\r\n3 7\r\n");
  // F(X) = X on the last 3 values, their periods from the 3rd on.
  ScriptedDialogue answers(run_answers("w", "1", "95", {}, {"3"}));
  const ForecastReport report =
      parse_forecast_report(run_sequence_report(answers, Separators{}, directory.folder()));
  EXPECT_EQ(forecast_rows("S0003", report, *months.series[0].series, 1, false),
            "S0003,2001-11,1.5,,,\r\n"
            "S0003,2001-12,2,,,\r\n"
            "S0003,2002-01,4,,,\r\n"
            "S0003,2002-02,5,,,\r\n"
            "S0003,2002-03,7,,,\r\n" +
                std::string("S0003,2002-04,,") +
                report.projected[0].trend_text + "," + report.projected[0].lower_text + "," +
                report.projected[0].upper_text + "\r\n");
}

}  // namespace
}  // namespace tendencia::lote
