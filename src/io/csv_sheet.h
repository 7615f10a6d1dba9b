// A spreadsheet of many series, read as the importer reads one: its text, its
// delimiter, and each series' periods, calendar, decimal separator and values
// (io/csv_series.h), a series refused alone, naming its row and column, while
// the others are read. Two shapes:
//   wide  a header row naming the series, a column of periods first (when its
//         cells are periods, io/csv_series.h holds_periods), then one column
//         of values per series; a series spans its filled cells, so one that
//         starts later or ends earlier keeps its own periods;
//   long  a column naming each row's series, one of periods and one of
//         values, in any order among others; a series is its rows, in the
//         file's order.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/csv_import.h"
#include "io/csv_series.h"

namespace tendencia {

// The most series a sheet holds (their names are S0001..S9999), and the most
// bytes its file may have.
constexpr std::size_t kMaxSheetSeries = 9999;
constexpr std::size_t kMaxSheetBytes = std::size_t{32} << 20;

// The long shape's columns as the command line names them (--serie,
// --periodo, --valor): by header or by number counted from 1; empty, found by
// their headers (kSeriesHeaders, ...). Any of them named makes the sheet long.
struct SheetColumns {
  std::string series, period, values;
};

// The headers, in any case, that name the long shape's columns by themselves.
constexpr const char* kSeriesHeaders[] = {"serie", "series", "unique_id"};
constexpr const char* kPeriodHeaders[] = {"periodo", "período", "fecha", "date", "period", "ds"};
constexpr const char* kValuesHeaders[] = {"valor", "value", "y"};

struct SheetSeries {
  std::string name;                     // its header (wide) or key (long), UTF-8
  std::optional<ImportedSeries> series; // values_header is `name`
  std::string refusal;                  // without a series: why, naming the row and column
};

struct Sheet {
  CsvText text;                    // how its bytes were written (utf8 left empty)
  char delimiter = ',';
  bool long_shape = false;
  std::size_t period_column = 0;   // counted from 1; 0 for a wide sheet without periods
  std::size_t series_column = 0, values_column = 0;  // the long shape's, from 1
  std::vector<SheetSeries> series; // in the sheet's order: by column, or by first row
};

// Reads the series of a sheet's bytes. ImportRefused, for the whole sheet,
// for what csv_text and read_csv_any_delimiter refuse (more than
// kMaxSheetSeries + 1 columns), a sheet without rows of data, a wide sheet
// whose first row is no header (its first cell a number or a period), a long
// one whose columns cannot be found or are named twice, no series, or more
// than kMaxSheetSeries.
Sheet read_sheet(std::string_view bytes, const SheetColumns& columns);

// read_sheet on the file at `path` (at most kMaxSheetBytes): Failure
// FileNotFound or FileNotReadable naming it, ImportRefused for what is no
// regular file or is larger.
Sheet read_sheet_file(const std::string& path, const SheetColumns& columns);

}  // namespace tendencia
