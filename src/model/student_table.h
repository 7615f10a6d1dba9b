// The Student t value that sets the width of every interval, and the number of
// leading points of the series the fit will use.
#pragma once

#include <optional>
#include <string>

#include "io/results_report.h"
#include "model/int16_arithmetic.h"
#include "ui/dialogue.h"
#include "ui/separators.h"

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

// The two-sided critical value for `degrees` (1..30) degrees of freedom at
// confidence index 1 (90 %), 2 (95 %) or 3 (99 %); the table's row 0 and
// column 0 exist and are empty.
std::optional<double> table_entry(int confidence_index, int degrees);

// Asks for t or a shorter count when the series has 33 or more values, looks t up
// otherwise, and writes the t and N report lines.
TSelection select_t(int confidence_index, Int16 values_read, Dialogue& dialogue,
                    ResultsReport& report);

// t as arithmetic sees it: the table value, 0 for an empty entry, or the typed
// text through the as-typed conversion.
double t_number(const StudentT& t, const Separators& separators);

}  // namespace tendencia
