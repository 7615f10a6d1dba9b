// A results file read back: the observed rows and the projected rows with their
// bounds, and the texts that make the chart's title. Only a complete report is
// accepted, so a chart never shows a run that stopped half-way.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "text/separators.h"

namespace tendencia {

struct ObservedPoint {
  int period = 0;
  double value = 0.0;
};

// An observed row as the report writes it (Windows-1252), blanks around its
// items dropped: the value a number's print form, or the text the data file held.
struct ObservedRow {
  std::string period_text, value_text;
};

struct ProjectedRow {
  int period = 0;
  double trend = 0.0, lower = 0.0, upper = 0.0;
  // The same items as the report writes them, digit for digit.
  std::string period_text, trend_text, lower_text, upper_text;
};

struct ForecastReport {
  int points_announced = 0;     // M of "Se extrapolan M  puntos"
  std::string level_line;       // UTF-8, the accepted confidence level
  std::string regression_line;  // UTF-8, "Recta de regresion: Y = ..."
  std::vector<ObservedPoint> observed;  // numeric observed values only
  std::vector<ObservedRow> observed_rows;  // every observed row, text values too
  std::vector<ProjectedRow> projected;
};

// A report that is missing, is not a results file, or was cut short.
class ReportRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the bytes of a results file (Windows-1252, CR LF); numbers use the
// locale's decimal separator, as the run wrote them.
ForecastReport parse_forecast_report(const std::string& bytes, const Separators& separators);

}  // namespace tendencia
