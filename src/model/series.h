// The observed series Y(1..N) as the computation sees it: each value a number,
// or a text kept byte for byte and converted only where arithmetic needs it.
#pragma once

#include <string>
#include <vector>

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

}  // namespace tendencia
