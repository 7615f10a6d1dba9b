// The observed series of a problem, read from "D" + name + ".TXT": a title line,
// then rows of two fields (a sequence number, which is ignored, and the value).
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "core/limits.h"
#include "model/calendar.h"
#include "model/series.h"
#include "text/separators.h"

namespace tendencia {

// No sensible field is this long; the limit keeps memory bounded on any file.
constexpr std::size_t kMaxFieldBytes = 4096;

// Opens the data file of `problem_name` in `folder` (its exact name, or else
// the one file of the folder whose name matches it ignoring ASCII case) and
// reads it. Failures name the file by its name, "fichero de datos D....TXT".
DataSeries read_data_file(const std::string& folder, const std::string& problem_name);

// Y(row) as a number: a text value goes through the as-typed conversion with the
// locale's separators, and one that is not a number stops the run naming its row.
double series_number(const SeriesValue& value, int row, const Separators& separators);

// Reads a data file's contents from a stream.
DataSeries read_series(std::istream& in, const std::string& where);

// The title line of the data file of `problem_name` (found as read_data_file
// finds it), for the chart's titles: its first kMaxFieldBytes bytes at most,
// without the line end, as UTF-8 (a line that is not valid UTF-8 is read as
// Windows-1252, the program's own files). Empty when there is no such file or
// it cannot be read: a title is never worth a failure. The run itself skips
// the line and never calls this.
std::string read_data_title(const std::string& folder, const std::string& problem_name);

// The same from a stream.
std::string read_title_line(std::istream& in);

// The first field of every row of a data file's contents, as written (a
// quoted one without its quotes), which the run itself reads past. Empty for
// contents the run could not read as rows: a row without its value, more
// than kMaxSeriesValues rows, a field too long.
std::vector<std::string> read_period_fields(std::istream& in);

// The calendar of those fields (read_calendar), when they are one: the
// periods of the chart and of its table. A calendar is never worth a failure.
std::optional<Calendar> read_data_calendar(std::istream& in);

// What the chart takes from the data file of `problem_name` in `folder`
// (found as read_data_file finds it), the file opened once: its title line
// (read_data_title) and its calendar (read_data_calendar); empty and nothing
// when there is no such file or it cannot be read.
struct DataFileHeading {
  std::string title;
  std::optional<Calendar> calendar;
};
DataFileHeading read_data_heading(const std::string& folder, const std::string& problem_name);

}  // namespace tendencia
