#include "io/csv_series.h"

#include <algorithm>
#include <optional>

#include "core/failure.h"
#include "io/csv_dialect.h"
#include "io/data_series.h"
#include "io/import_refused.h"
#include "model/calendar_reading.h"
#include "text/characters.h"
#include "text/number_scanner.h"
#include "text/quoted.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

std::string trimmed(std::string_view text) { return std::string(without_blanks_around(text)); }


// A short row of a ragged file has empty cells at its end.
std::string cell(const CsvRow& row, std::size_t column) {
  return column < row.cells.size() ? trimmed(row.cells[column]) : std::string();
}

using Rows = CsvRows;

Rows split_header(const CsvTable& table) {
  Rows rows;
  const CsvRow& first = table.rows.front();
  if (std::none_of(first.cells.begin(), first.cells.end(), looks_like_number)) rows.header = &first;
  for (std::size_t i = rows.header ? 1 : 0; i < table.rows.size(); ++i)
    rows.data.push_back(&table.rows[i]);
  return rows;
}

// A header of the column counted from 0, or "" without a header row.
std::string header_of(const Rows& rows, std::size_t column) {
  return rows.header ? cell(*rows.header, column) : std::string();
}

// "2 (\"Ventas\")", or "2" when the column has no header.
std::string column_name(const Rows& rows, std::size_t column) {
  std::string header = header_of(rows, column);
  return std::to_string(column + 1) + (header.empty() ? "" : " (" + quoted(header) + ")");
}

// Most of its filled cells look like numbers: one stray text ("n/d") leaves a
// column of numbers a column of numbers, and is refused by name later.
bool holds_numbers(const Rows& rows, std::size_t column) {
  std::size_t filled = 0, numbers = 0;
  for (const CsvRow* row : rows.data) {
    std::string text = cell(*row, column);
    filled += !text.empty();
    numbers += looks_like_number(text);
  }
  return numbers > 0 && 2 * numbers > filled;
}

bool labels_only(const Rows& rows, std::size_t column) {
  return std::all_of(rows.data.begin(), rows.data.end(), [&](const CsvRow* row) {
    std::string text = cell(*row, column);
    return !text.empty() && !looks_like_number(text);
  });
}

bool consecutive_whole_numbers(const Rows& rows, std::size_t column) {
  std::optional<long long> previous;
  for (const CsvRow* row : rows.data) {
    std::optional<long long> period = whole_number_in(cell(*row, column));
    if (!period || (previous && *period != *previous + 1)) return false;
    previous = period;
  }
  return true;
}

std::size_t named_column(const Rows& rows, std::size_t columns, const std::string& name) {
  std::string wanted = trimmed(name);
  std::vector<std::size_t> matches;
  for (std::size_t c = 0; c < columns; ++c)
    if (rows.header && header_of(rows, c) == wanted) matches.push_back(c);
  if (matches.size() == 1) return matches.front();
  if (matches.size() > 1)
    throw ImportRefused("hay " + std::to_string(matches.size()) + " columnas con la cabecera " +
                        quoted(wanted) + ": elija una por su número con --columna");
  std::optional<long long> number = whole_number_in(wanted);
  if (number && wanted[0] != '-' && wanted[0] != '+') {
    if (*number >= 1 && static_cast<unsigned long long>(*number) <= columns)
      return static_cast<std::size_t>(*number - 1);
    throw ImportRefused("la columna " + wanted + " no existe: el fichero tiene " +
                        std::to_string(columns) + " columnas");
  }
  std::string listed;
  for (std::size_t c = 0; c < columns; ++c) listed += (c ? ", " : "") + column_name(rows, c);
  throw ImportRefused("ninguna columna tiene la cabecera " + quoted(wanted) +
                      "; las columnas son: " + listed);
}

// The values column when the file must tell it: the only column of numbers
// from `first` on (the period column, if any, stands before `first`).
std::size_t only_column_of_numbers(const Rows& rows, std::size_t columns, std::size_t first,
                                   bool whole_periods) {
  std::vector<std::size_t> numeric;
  for (std::size_t c = first; c < columns; ++c)
    if (holds_numbers(rows, c)) numeric.push_back(c);
  if (numeric.size() == 1) return numeric.front();
  if (numeric.empty())
    throw ImportRefused(std::string("ninguna columna") + (first ? " aparte de la de periodos" : "") +
                        " tiene números" +
                        (whole_periods ? " (si la columna 1 es la serie, elíjala con --columna 1)" : ""));
  std::string listed;
  for (std::size_t c : numeric) listed += (listed.empty() ? "" : ", ") + column_name(rows, c);
  throw ImportRefused("hay varias columnas de números (" + listed +
                      "): elija la de los valores con --columna");
}

double value_of(const CsvRow& row, std::size_t column, char decimal) {
  std::string text = cell(row, column);
  const std::string place = cell_place(row.record, column + 1);
  if (text.empty())
    throw ImportRefused(place + ": la celda del valor está vacía", row.record);
  const std::string not_a_number = place + ": " + quoted(text) + " no es un número";
  if (!looks_like_number(text)) throw ImportRefused(not_a_number, row.record);
  try {
    return as_typed_number(text, Separators{std::string(1, decimal), ""});
  } catch (const Failure& failure) {
    if (failure.kind() == FailureKind::Overflow)
      throw ImportRefused(place + ": " + quoted(text) + " está fuera del rango de los números",
                          row.record);
    throw ImportRefused(not_a_number, row.record);
  }
}

CalendarReading calendar_in(const Rows& rows, std::size_t column) {
  std::vector<std::string> labels;
  for (const CsvRow* row : rows.data) labels.push_back(cell(*row, column));
  return read_calendar(labels);
}

// A later column of dates, when the first is none: R's write.csv2 puts its
// row numbers first, and a spreadsheet may put the dates after a name. Such
// a column holds labels, never numbers, so it cannot be taken for the values.
std::optional<std::size_t> later_calendar_column(const Rows& rows, std::size_t columns,
                                                 std::size_t values) {
  for (std::size_t c = 1; c < columns; ++c)
    if (c != values && labels_only(rows, c) && calendar_in(rows, c).calendar) return c;
  return std::nullopt;
}

void set_periods(const Rows& rows, std::size_t column, ImportedSeries& series) {
  series.period_column = column + 1;
  series.whole_periods = consecutive_whole_numbers(rows, column);
  series.first_period = cell(*rows.data.front(), column);
  series.last_period = cell(*rows.data.back(), column);
  series.period_header = header_of(rows, column);
  CalendarReading reading = calendar_in(rows, column);
  series.calendar = reading.calendar;
  // Years are a calendar; other sequence numbers are just that, and say nothing.
  if (!reading.calendar && !series.whole_periods)
    series.why_no_calendar =
        row_place(rows.data.at(reading.stops_at)->record) + ": " + reading.why_not;
}

}  // namespace

bool holds_periods(const CsvRows& rows, std::size_t column) {
  return labels_only(rows, column) || consecutive_whole_numbers(rows, column);
}

ImportedSeries series_in_columns(const CsvRows& rows, std::optional<std::size_t> period_column,
                                 std::size_t values, char delimiter) {
  ImportedSeries series;
  series.has_header = rows.header != nullptr;
  series.values_column = values + 1;
  if (period_column) {
    set_periods(rows, *period_column, series);
  } else {
    series.first_period = "1";
    series.last_period = std::to_string(rows.data.size());
  }
  series.values_header = header_of(rows, values);

  std::vector<PlacedCell> cells;
  for (const CsvRow* row : rows.data)
    if (values < row->cells.size()) cells.push_back({row->cells[values], row->record, values + 1});
  series.decimal_separator = decimal_separator_of(cells, delimiter);

  for (const CsvRow* row : rows.data) {
    if (series.values.size() == kMaxSeriesValues)
      throw ImportRefused(row_place(row->record) + ": la serie pasa de los " +
                          std::to_string(kMaxSeriesValues) + " valores que admite tendencia",
                          row->record);
    series.values.push_back(value_of(*row, values, series.decimal_separator));
  }
  series.first_row = rows.data.front()->record;
  series.last_row = rows.data.back()->record;
  return series;
}

ImportedSeries series_from_table(const CsvTable& table, const std::string& column) {
  if (table.rows.empty()) throw ImportRefused("el fichero no tiene ninguna fila con datos");
  Rows rows = split_header(table);
  if (rows.data.empty()) throw ImportRefused("el fichero solo tiene la fila de cabecera");

  const bool labels = table.columns > 1 && labels_only(rows, 0);
  const bool whole = table.columns > 1 && !labels && consecutive_whole_numbers(rows, 0);
  const std::size_t values =
      column.empty() ? only_column_of_numbers(rows, table.columns, labels || whole ? 1 : 0, whole)
                     : named_column(rows, table.columns, column);
  const bool first_is_periods = (labels || whole) && values != 0;
  std::optional<std::size_t> periods;
  if (!first_is_periods || !calendar_in(rows, 0).calendar)
    periods = later_calendar_column(rows, table.columns, values);
  if (!periods && first_is_periods) periods = 0;
  return series_in_columns(rows, periods, values, table.delimiter);
}

}  // namespace tendencia
