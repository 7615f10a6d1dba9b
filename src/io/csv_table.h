// A CSV file's records as RFC 4180 writes them: cells between delimiters, quoted
// cells holding delimiters, doubled quotes and line ends, records ended by CR LF,
// LF or CR. The only reader of CSV bytes; the parsing itself is libcsv's.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "io/data_series.h"

namespace tendencia {

struct CsvRow {
  std::size_t record = 0;          // the row as a spreadsheet numbers it, from 1
  std::vector<std::string> cells;  // blanks around unquoted cells removed
};

struct CsvTable {
  char delimiter = ',';
  std::size_t columns = 0;    // the most cells of any row
  std::vector<CsvRow> rows;   // only rows with a cell that is not empty
};

// A header row and the longest series the program reads.
constexpr std::size_t kMaxCsvRows = kMaxSeriesValues + 1;
// Far more than a series needs; the limit keeps memory bounded on any file.
constexpr std::size_t kMaxCsvColumns = 256;

// How large a table may be: a series' file by default; a sheet of many series
// (io/csv_sheet.h) has limits of its own.
struct CsvLimits {
  std::size_t rows = kMaxCsvRows;        // rows that hold a cell
  std::size_t columns = kMaxCsvColumns;  // cells in a row
};

// Reads `text` (cells come out in its encoding) with `delimiter`. ImportRefused,
// naming the row, for quotes that break RFC 4180 (a quote inside an unquoted
// cell, text after a closing quote, a quoted cell never closed), a cell longer
// than kMaxFieldBytes, more cells in a row or more rows that hold a cell than
// `limits` allow.
CsvTable read_csv_table(std::string_view text, char delimiter, const CsvLimits& limits = {});

}  // namespace tendencia
