// The observed series of a problem, read from "D" + name + ".TXT": a title line,
// then rows of two fields (a sequence number, which is ignored, and the value).
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "ui/separators.h"

namespace tendencia {

// A value as the data file holds it: a number, or a text (quoted, or not of
// number syntax) kept byte for byte and converted only where arithmetic needs it.
struct SeriesValue {
  bool is_text = false;
  double number = 0.0;
  std::string text;  // Windows-1252 bytes, as read

  static SeriesValue of_number(double v) { return {false, v, {}}; }
  static SeriesValue of_text(std::string t) { return {true, 0.0, std::move(t)}; }
};

struct DataSeries {
  std::vector<SeriesValue> values;  // Y(1..N) at values[0..N-1]
};

constexpr std::size_t kMaxRows = 1000;
// No sensible field is this long; the limit keeps memory bounded on any file.
constexpr std::size_t kMaxFieldBytes = 4096;

std::string data_file_name(const std::string& problem_name);

// Opens the data file (its exact name, or else the one file whose name matches it
// ignoring ASCII case) and reads it. `where` names the file in failure messages.
DataSeries read_data_file(const std::string& problem_name);

// Reads a data file's contents from a stream.
DataSeries read_series(std::istream& in, const std::string& where);

// Y(i) as a number: a text value goes through the as-typed conversion, and one
// that is not a number stops the run naming its row.
double series_number(const SeriesValue& value, int row, const Separators& separators);

}  // namespace tendencia
