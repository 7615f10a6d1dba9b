// The observed series of a problem, read from "D" + name + ".TXT": a title line,
// then rows of two fields (a sequence number, which is ignored, and the value).
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "model/series.h"

namespace tendencia {

constexpr std::size_t kMaxRows = 1000;
// No sensible field is this long; the limit keeps memory bounded on any file.
constexpr std::size_t kMaxFieldBytes = 4096;

// Opens the data file (its exact name, or else the one file whose name matches it
// ignoring ASCII case) and reads it. `where` names the file in failure messages.
DataSeries read_data_file(const std::string& problem_name);

// Reads a data file's contents from a stream.
DataSeries read_series(std::istream& in, const std::string& where);

// The title line of the data file of `problem_name` (found as read_data_file
// finds it), for the chart's titles: its first kMaxFieldBytes bytes at most,
// without the line end, as UTF-8 (a line that is not valid UTF-8 is read as
// Windows-1252, the program's own files). Empty when there is no such file or
// it cannot be read: a title is never worth a failure. The run itself skips
// the line and never calls this.
std::string read_data_title(const std::string& problem_name);

// The same from a stream.
std::string read_title_line(std::istream& in);

}  // namespace tendencia
