// The chart's report reader on arbitrary bytes: it reads a report or refuses it,
// never crashes, and whatever it accepts holds only finite numbers and periods of
// the 16-bit range the run writes, with texts that read as those very numbers;
// its table for a spreadsheet has a line per row. The first byte picks the
// decimal separator.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart/forecast_report.h"
#include "chart/forecast_table.h"
#include "text/conversions.h"

namespace {

bool period_in_range(int period) { return period >= -32768 && period <= 32767; }

// The reader takes print forms, which never hold a thousands separator.
bool reads_as(const std::string& text, double value, const tendencia::Separators& separators) {
  return tendencia::as_typed_number(text, tendencia::Separators{separators.decimal, ""}) == value;
}

std::size_t line_ends(const std::string& text) {
  std::size_t n = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  if (size == 0) return 0;
  const Separators separators = (data[0] & 1) ? Separators{",", "."} : Separators{};
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    ForecastReport report = parse_forecast_report(bytes, separators);
    for (const ObservedPoint& p : report.observed)
      if (!period_in_range(p.period) || !std::isfinite(p.value)) std::abort();
    for (const ProjectedRow& r : report.projected)
      if (!period_in_range(r.period) || !std::isfinite(r.trend) || !std::isfinite(r.lower) ||
          !std::isfinite(r.upper) || !reads_as(r.trend_text, r.trend, separators) ||
          !reads_as(r.lower_text, r.lower, separators) || !reads_as(r.upper_text, r.upper, separators))
        std::abort();
    if (report.projected.size() > 32767) std::abort();
    if (report.observed_rows.size() < report.observed.size()) std::abort();
    const std::string table = forecast_table_csv(report, separators);
    if (line_ends(table) != 1 + report.observed_rows.size() + report.projected.size()) std::abort();
  } catch (const ReportRefused&) {
  }
  return 0;
}
