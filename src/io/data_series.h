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

}  // namespace tendencia
