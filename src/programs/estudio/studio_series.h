// The series the window works on, opened from a data file D*.TXT or from a CSV
// file, and the data file the run will read for it. Opening writes nothing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/calendar.h"
#include "model/series.h"

namespace tendencia {

struct OpenedSeries {
  std::string path;             // as the user named it
  std::string folder;           // absolute: where the data, results and chart files go
  bool from_csv = false;
  std::string summary;          // what was read, in the importer's words for a CSV file
  std::string data_file_bytes;  // the data file the run must find for this series
  std::string title_line;       // its first line, UTF-8, as the chart reads it
  DataSeries series;            // as the run reads it from those bytes
  std::string proposed_name;    // a problem name taken from the file's name
  // The calendar of the periods (the CSV's period column, or the data file's
  // first fields), when they are one.
  std::optional<Calendar> calendar;
  // The initial period to propose, as tendencia-importar advises it: the
  // first year of years or of whole-number periods, 1 for another calendar.
  std::optional<int> first_period;
};

// Opens `path`: a name ending in ".csv" (any case) through the importer's own
// reading, anything else as a data file. Throws what they throw (Failure,
// ImportRefused), naming the file; nothing is written.
OpenedSeries open_series_file(const std::string& path);

// The period of each value of the opened series as its table shows it: the
// calendar's label ("1949-01"), or without a calendar the run's numbers from
// `first_period` on.
std::vector<std::string> period_column(const OpenedSeries& opened, int first_period);

// The text that says why opening `path` failed, as the importer (for a CSV
// file) or the run (for a data file) words it.
std::string open_failure_text(const std::string& path, const std::exception& error);

// "ventas" from ".../Dventas.TXT" or ".../ventas.csv": the file's name without
// its extension, without the "D" of a data file's name, cut to the characters a
// problem name may have.
std::string proposed_problem_name(const std::string& path);

// The same values in the same order (a number the same double, a text the
// same bytes); the title line does not count.
bool same_series(const DataSeries& a, const DataSeries& b);

enum class DataFileState { Missing, SameSeries, OtherSeries };

// Is there, in `folder`, a data file of `problem_name` (found as the run finds
// it), and does it hold `series`? A file the run cannot read counts as another
// series.
DataFileState data_file_state(const std::string& folder, const std::string& problem_name,
                              const DataSeries& series);

}  // namespace tendencia
