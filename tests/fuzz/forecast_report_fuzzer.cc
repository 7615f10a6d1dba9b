// The chart's report reader on arbitrary bytes: it reads a report or refuses it,
// never crashes, and whatever it accepts holds only finite numbers and periods of
// the 16-bit range the run writes. The first byte picks the decimal separator.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart/forecast_report.h"

namespace {

bool period_in_range(int period) { return period >= -32768 && period <= 32767; }

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
          !std::isfinite(r.upper))
        std::abort();
    if (report.projected.size() > 32767) std::abort();
  } catch (const ReportRefused&) {
  }
  return 0;
}
