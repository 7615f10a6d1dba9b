// The Student t value that sets the width of every interval, and the number of
// leading points of the series the fit will use.
#pragma once

#include <optional>
#include <string>

#include "core/int16_arithmetic.h"

namespace tendencia {

struct StudentT {
  enum class Kind { Table, Empty, Typed };
  Kind kind = Kind::Empty;
  double table_value = 0.0;  // Kind::Table
  std::string typed;         // Kind::Typed: the answer exactly as typed (UTF-8)
};

struct TSelection {
  StudentT t;
  Int16 points = 0;  // N: the leading values of the series the fit uses
};

// The table's column of a level: 1 for 90 %, 2 for 95 %, 3 for 99 %, and 0,
// no column, for any other level.
int confidence_index(double level_percent);

// The two-sided critical value for `degrees` (1..30) degrees of freedom at
// confidence index 1 (90 %), 2 (95 %) or 3 (99 %); empty for any other index
// or degrees (0 among them: N = 2 points leave no degree of freedom).
std::optional<double> table_entry(int confidence_index, int degrees);

// The t of the table for `points` points considered (N - 2 degrees of freedom);
// an empty entry for N = 2. Fewer than 2 or more than 32 points are out of the
// table: SubscriptOutOfRange, or Overflow when N - 2 leaves the 16-bit range.
StudentT table_t(int confidence_index, Int16 points);

// Is a typed answer u a t value (its fraction not below one millionth) rather
// than a count of points?
bool is_t_value(double u);

}  // namespace tendencia
