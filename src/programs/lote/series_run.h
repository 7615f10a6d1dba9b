// One series of the sheet the whole way, in this process: its data file, the
// fit tendencia-ajuste --automatico --guion M INICIO --t-calibrada makes of it,
// tendencia's own run sequence on those answers, and its rows of the tables;
// or, when an earlier run left them complete, the same taken from its files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "chart/forecast_report.h"
#include "io/csv_sheet.h"
#include "text/separators.h"

namespace tendencia::lote {

struct BatchSettings {
  std::string folder;            // where the files go (io/problem_files.h): "" for here
  std::optional<int> points;     // M; else the series' calendar's M4 horizon
  int level = 95;
  bool data_choices = false;
  bool redo = false;             // take nothing from an earlier run
  Separators separators;         // the locale's, as tendencia and tendencia-ajuste take them
  std::filesystem::file_time_type sheet_time;  // a series' files must not be older
};

// What tendencia-ajuste is asked for a series, as a user would type it.
struct SeriesPlan {
  int points_to_project = 0;  // M
  int first_period = 1;       // INICIO: the first year of a yearly series, else 1
  int season = 1;             // --periodo: 12 for months, 4 for quarters, else 1
};

struct SeriesResult {
  std::string name;           // "S0007"
  std::string forecast_rows;  // its rows of lote-pronosticos.csv
  std::string summary_row;    // its row of lote-resumen.csv
  std::string refusal;        // why it has no projection; empty when it has one
  bool taken = false;         // taken from an earlier run's files
  std::size_t sheet_index = 0;  // its place among the sheet's series
};

// The series' rows of lote-pronosticos.csv, each "name" + the row of the
// chart's table of its report (chart/forecast_table.h), with the labels of
// the series' calendar (its period 0 is the report's `first_period`, as
// tendencia was answered). A run on the latest values only starts later in
// the calendar: the values before them come first, as observed rows. With
// `logarithms` the report's numbers are brought back to the series' units.
std::string forecast_rows(const std::string& name, const ForecastReport& report,
                          const ImportedSeries& series, int first_period, bool logarithms);

// The header lines of the two tables, in the dialect of tendencia-grafico
// --csv for `separators`.
std::string forecasts_header(const Separators& separators);
std::string summary_header(const Separators& separators);

// The series at `index` of the sheet. Writes its data file, the run's data
// file with the data weighed, then its summary row and last its report, each
// whole (io/whole_file_writer.h), so a report on disk means a series done;
// unless settings.redo is false and those files are there, no older than the
// sheet, complete and for the same M and level: then nothing is written and
// the rows come from them. Every failure of the series is its refusal; none
// leaves the function.
SeriesResult run_series(std::size_t index, const SheetSeries& series,
                        const BatchSettings& settings);

}  // namespace tendencia::lote
