// The observed series of a problem, read from "D" + name + ".TXT": a title line,
// then rows of two fields (a sequence number, which is ignored, and the value).
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "core/limits.h"
#include "model/series.h"
#include "text/separators.h"

namespace tendencia {

// No sensible field is this long; the limit keeps memory bounded on any file.
constexpr std::size_t kMaxFieldBytes = 4096;

// Opens the data file (its exact name, or else the one file whose name matches it
// ignoring ASCII case) and reads it. `where` names the file in failure messages.
DataSeries read_data_file(const std::string& problem_name);

// Y(row) as a number: a text value goes through the as-typed conversion with the
// locale's separators, and one that is not a number stops the run naming its row.
double series_number(const SeriesValue& value, int row, const Separators& separators);

// Reads a data file's contents from a stream.
DataSeries read_series(std::istream& in, const std::string& where);

}  // namespace tendencia
