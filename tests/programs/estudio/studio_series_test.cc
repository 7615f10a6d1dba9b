#include "programs/estudio/studio_series.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>

#include "core/failure.h"
#include "io/csv_import.h"
#include "io/file_bytes.h"
#include "io/import_refused.h"
#include "io/import_summary.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

const std::string kCsv = "A\xf1o;Ventas\r\n2001;132,89\r\n2002;143,80\r\n2003;162,13\r\n";

TEST(ProposedProblemName, ComesFromTheFileNameCutToSevenCharacters) {
  EXPECT_EQ(proposed_problem_name("/datos/Dventas.TXT"), "ventas");
  EXPECT_EQ(proposed_problem_name("dventas.txt"), "ventas");
  EXPECT_EQ(proposed_problem_name("ventas.csv"), "ventas");
  EXPECT_EQ(proposed_problem_name("Datos.CSV"), "Datos");  // a CSV keeps its D
  EXPECT_EQ(proposed_problem_name("exportaciones.csv"), "exporta");
  // Seven characters, never half of one: "ñ" is two bytes in UTF-8.
  EXPECT_EQ(proposed_problem_name("a\xc3\xb1oa\xc3\xb1oa\xc3\xb1o.csv"), "a\xc3\xb1oa\xc3\xb1oa");
}

TEST(OpenSeriesFile, ReadsACsvFileAsTheImporterDoesAndWritesNothing) {
  TempDirectory folder;
  write_file(folder.file("ventas.csv"), kCsv);
  OpenedSeries opened = open_series_file(folder.file("ventas.csv"));
  EXPECT_TRUE(opened.from_csv);
  EXPECT_EQ(opened.folder, folder.path().string());
  EXPECT_EQ(opened.proposed_name, "ventas");
  EXPECT_EQ(opened.first_period, 2001);
  CsvImport import = read_csv_file(folder.file("ventas.csv"), "");
  EXPECT_EQ(opened.summary, import_summary(folder.file("ventas.csv"), import));
  EXPECT_EQ(opened.data_file_bytes, import.data_file_bytes);
  ASSERT_EQ(opened.series.values.size(), 3u);
  EXPECT_EQ(opened.series.values[2].number, 162.13);
  EXPECT_EQ(files_in(folder.folder()), std::vector<std::string>{"ventas.csv"});
}

TEST(OpenSeriesFile, ReadsADataFileAsTheRunDoes) {
  TempDirectory folder;
  const std::string bytes = "A\xf1o o periodo   NUMERO\r\n1  132.89\r\n2  \"n/d\"\r\n3  1e3\r\n";
  write_file(folder.file("Dventas.TXT"), bytes);
  OpenedSeries opened = open_series_file(folder.file("Dventas.TXT"));
  EXPECT_FALSE(opened.from_csv);
  EXPECT_EQ(opened.data_file_bytes, bytes);
  ASSERT_EQ(opened.series.values.size(), 3u);
  EXPECT_TRUE(opened.series.values[1].is_text);
  EXPECT_EQ(opened.series.values[2].number, 1000.0);
  EXPECT_FALSE(opened.first_period);
}

// Months from a CSV file or from the data file the importer wrote: the
// table shows them, and the initial period proposed is 1, as the importer
// advises; years propose their first.
TEST(OpenSeriesFile, ACalendarGivesTheTablesPeriodsAndTheInitialPeriod) {
  TempDirectory folder;
  write_file("pasaj.csv", "Mes;Pasajeros\n1960-11;390\n1960-12;432\n");
  const OpenedSeries csv = open_series_file("pasaj.csv");
  ASSERT_TRUE(csv.calendar);
  EXPECT_EQ(csv.first_period, 1);
  EXPECT_EQ(period_column(csv, 1), (std::vector<std::string>{"1960-11", "1960-12"}));
  EXPECT_NE(csv.summary.find("calendario mensual"), std::string::npos) << csv.summary;
  write_file("Dpasaj.TXT", csv.data_file_bytes);
  const OpenedSeries data = open_series_file("Dpasaj.TXT");
  ASSERT_TRUE(data.calendar);
  EXPECT_EQ(data.first_period, 1);
  EXPECT_EQ(period_column(data, 7), period_column(csv, 1));

  write_file("ventas.csv", kCsv);
  write_file("Dventas.TXT", read_csv_file("ventas.csv", "").data_file_bytes);
  EXPECT_EQ(open_series_file("Dventas.TXT").first_period, 2001);
  // Labels that are no calendar: the run's numbers from the initial period.
  write_file("dias.csv", "Dia;Ventas\nlunes;1\nmartes;2\n");
  const OpenedSeries days = open_series_file("dias.csv");
  EXPECT_FALSE(days.calendar);
  EXPECT_FALSE(days.first_period);
  EXPECT_EQ(period_column(days, 5), (std::vector<std::string>{"5", "6"}));
}

TEST(OpenSeriesFile, RefusalsSayWhatTheImporterOrTheRunSay) {
  TempDirectory folder;
  write_file(folder.file("malo.csv"), "A\xf1o;Ventas\n2001;1\n2002;ciento\n");
  try {
    open_series_file(folder.file("malo.csv"));
    FAIL() << "no refusal";
  } catch (const ImportRefused& refused) {
    EXPECT_EQ(open_failure_text(folder.file("malo.csv"), refused),
              "Error al importar " + folder.file("malo.csv") + ": " + std::string(refused.what()) +
                  ". No se escribe ningún fichero de datos.");
  }
  try {
    open_series_file(folder.file("Dfalta.TXT"));
    FAIL() << "no failure";
  } catch (const std::exception& missing) {
    EXPECT_EQ(open_failure_text(folder.file("Dfalta.TXT"), missing), "Error: " + std::string(missing.what()) + ".");
  }
  std::filesystem::create_directory(folder.file("Dcarpeta.TXT"));
  EXPECT_THROW(open_series_file(folder.file("Dcarpeta.TXT")), ImportRefused);
  EXPECT_EQ(files_in(folder.folder()), (std::vector<std::string>{"Dcarpeta.TXT", "malo.csv"}));
}

// A data file far beyond any series is refused as the run refuses it, and one
// that holds a series and megabytes of nothing as the importer refuses a CSV
// file that large; memory ran out is said in Spanish.
TEST(OpenSeriesFile, AnOversizedDataFileIsRefusedForWhatItIs) {
  TempDirectory folder;
  {
    std::ofstream rows(folder.file("Dfilas.TXT"), std::ios::binary);
    rows << "T\r\n";
    for (int i = 1; rows.tellp() <= static_cast<std::streamoff>(kMaxWholeFileBytes); ++i)
      rows << i << "  " << i << ".5\r\n";
  }
  try {
    open_series_file(folder.file("Dfilas.TXT"));
    FAIL() << "a file of a million rows was opened";
  } catch (const Failure& failure) {
    EXPECT_EQ(failure.kind(), FailureKind::TooManyRows);
    EXPECT_NE(failure.place().find("fila 1001"), std::string::npos) << failure.place();
  }
  {
    std::ofstream blank(folder.file("Dblanco.TXT"), std::ios::binary);
    blank << "T\r\n1  5\r\n2  6\r\n";
    blank << std::string(kMaxWholeFileBytes, ' ');
  }
  try {
    open_series_file(folder.file("Dblanco.TXT"));
    FAIL() << "a data file beyond the limit was opened";
  } catch (const ImportRefused& refused) {
    EXPECT_EQ(std::string(refused.what()).find("el fichero pasa de 8 MiB"), 0u) << refused.what();
  }
  EXPECT_EQ(open_failure_text("Dx.TXT", std::bad_alloc()), "Error: memoria insuficiente.");
}

DataSeries series(std::vector<SeriesValue> values) { return DataSeries{std::move(values)}; }

TEST(SameSeries, ComparesValuesAndCountNotTheTitle) {
  DataSeries a = series({SeriesValue::of_number(1), SeriesValue::of_text("\"x\"")});
  EXPECT_TRUE(same_series(a, a));
  EXPECT_FALSE(same_series(a, series({SeriesValue::of_number(1)})));
  EXPECT_FALSE(same_series(a, series({SeriesValue::of_number(1), SeriesValue::of_text("\"y\"")})));
  EXPECT_FALSE(same_series(series({SeriesValue::of_number(1)}),
                           series({SeriesValue::of_number(1.0000000000000002)})));
  EXPECT_FALSE(same_series(series({SeriesValue::of_number(0)}), series({SeriesValue::of_text("0")})));
}

TEST(DataFileState, TellsMissingSameAndOtherSeries) {
  TempDirectory folder;
  DataSeries wanted = series({SeriesValue::of_number(5), SeriesValue::of_number(6)});
  EXPECT_EQ(data_file_state(folder.folder(), "v", wanted), DataFileState::Missing);
  write_file(folder.file("Dv.TXT"), "Otro titulo\r\n1  5\r\n2  6\r\n");
  EXPECT_EQ(data_file_state(folder.folder(), "v", wanted), DataFileState::SameSeries);
  write_file(folder.file("Dv.TXT"), "Otro titulo\r\n1  5\r\n2  6\r\n3  7\r\n");
  EXPECT_EQ(data_file_state(folder.folder(), "v", wanted), DataFileState::OtherSeries);
  write_file(folder.file("Dv.TXT"), "");  // unreadable for the run: another series
  EXPECT_EQ(data_file_state(folder.folder(), "v", wanted), DataFileState::OtherSeries);
  write_file(folder.file("dW.txt"), "T\r\n1  5\r\n2  6\r\n");  // found ignoring case, as the run finds it
  EXPECT_EQ(data_file_state(folder.folder(), "W", wanted), DataFileState::SameSeries);
}

}  // namespace
}  // namespace tendencia
