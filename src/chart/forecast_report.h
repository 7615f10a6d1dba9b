// A results file read back: the observed rows and the projected rows with their
// bounds, and the texts that make the chart's title. Only a complete report is
// accepted, so a chart never shows a run that stopped half-way.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/trend_function.h"
#include "text/separators.h"

namespace tendencia {

struct ObservedPoint {
  int period = 0;
  double value = 0.0;
};

// An observed row as the report writes it (Windows-1252), blanks around its
// items dropped: the value a number's print form, or the text the data file held.
struct ObservedRow {
  int period = 0;
  std::string period_text, value_text;
};

struct ProjectedRow {
  int period = 0;
  double trend = 0.0, lower = 0.0, upper = 0.0;
  // The same items as the report writes them, digit for digit.
  std::string period_text, trend_text, lower_text, upper_text;
};

// The regression line Y = slope * F(X) + intercept and the F it is over, as
// the report states them: enough to draw a * F(X) + b at every observed X.
struct StatedTrend {
  Coefficients coefficients;
  double slope = 0.0, intercept = 0.0;
};

struct ForecastReport {
  // The report's own decimal separator (its numbers tell which), and no
  // thousands separator: print forms never hold one.
  Separators separators;
  int points_announced = 0;     // M of "Se extrapolan M  puntos"
  int points_considered = 0;    // N of "El número de puntos considerado es: N"
  std::string level_line;       // UTF-8, the accepted confidence level
  std::string regression_line;  // UTF-8, "Recta de regresion: Y = ..."
  // What those lines state, when they read as numbers: the level in percent,
  // the t of Student (none for the empty table entry) and the trend.
  std::optional<double> level;
  std::optional<double> student_t;
  std::optional<StatedTrend> trend;
  std::vector<ObservedPoint> observed;  // numeric observed values only
  std::vector<ObservedRow> observed_rows;  // every observed row, text values too
  std::vector<ProjectedRow> projected;
};

// A report that is missing, is not a results file, or was cut short.
class ReportRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the bytes of a results file (Windows-1252, CR LF). Its numbers use
// the decimal separator of the locale that wrote it, whatever the reader's:
// the regression line's numbers tell which (",", or else "."), or failing
// them the first number with a fraction in the t line or the table.
ForecastReport parse_forecast_report(const std::string& bytes);

}  // namespace tendencia
