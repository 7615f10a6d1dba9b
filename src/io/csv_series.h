// The series inside a CSV table: whether the first row is a header, which
// column holds the values and which (if any) the periods, and the values as
// numbers. Pure analysis of the cells: nothing is asked and nothing written.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "io/csv_table.h"
#include "model/calendar.h"

namespace tendencia {

struct ImportedSeries {
  std::vector<double> values;
  bool has_header = false;          // the first row named the columns
  std::size_t values_column = 0;    // counted from 1
  std::size_t period_column = 0;    // 1, or 0 when the file has none
  bool whole_periods = false;       // the periods are 1, 2, 3, ... or 2001, 2002, ...
  std::string first_period, last_period;   // as the file writes them
  // The calendar of the period column's labels (the first value's is period
  // 0), when they are one; else, for a column of labels, why not:
  // "fila 14: \"1950-03\" no sigue a ...". Sequence numbers (1, 2, 3...) are
  // no calendar and need no reason.
  std::optional<Calendar> calendar;
  std::string why_no_calendar;
  std::string period_header, values_header;  // as the header row has them, or empty
  char decimal_separator = '.';
  std::size_t first_row = 0, last_row = 0;  // the rows of the first and last value
};

// Reads the series of `table` (cells in UTF-8).
// - The first row is a header when none of its cells looks like a number.
// - The first column is the period column, when the table has more than one,
//   if its cells are labels that are not numbers ("2001-01") or consecutive
//   whole numbers (1, 2, 3, ... or 2001, 2002, ...); unless they are no
//   calendar (read_calendar) and a later column of labels is one, which then
//   is. It gives titles, periods and their calendar, never values.
// - `column` names the values column by its header or by its number counted
//   from 1 over every column; empty, the values column is the only column of
//   numbers besides the period column.
// ImportRefused, naming the row and column: an empty or non-numeric value, a
// number with a thousands separator, more than kMaxSeriesValues values, no column of
// numbers, several and no `column`, a `column` the table does not have.
ImportedSeries series_from_table(const CsvTable& table, const std::string& column);

// The rows of a table that hold one series: its header row, or none, and the
// rows of its values, in order.
struct CsvRows {
  const CsvRow* header = nullptr;
  std::vector<const CsvRow*> data;
};

// The importer's rule for a column of periods: every cell a label that is not
// a number ("2001-01"), or consecutive whole numbers (1, 2, 3 or 2001, 2002).
bool holds_periods(const CsvRows& rows, std::size_t column);

// The series of `rows` once its columns are known (counted from 0: the
// periods', or none, and the values'), read as series_from_table reads the
// columns it finds: titles, periods and their calendar, the decimal separator
// of the values' cells (in a table of `delimiter`), the values. `rows.data`
// holds at least one row. ImportRefused, naming the row and column, for what
// series_from_table refuses in a value.
ImportedSeries series_in_columns(const CsvRows& rows, std::optional<std::size_t> period_column,
                                 std::size_t values_column, char delimiter);

}  // namespace tendencia
