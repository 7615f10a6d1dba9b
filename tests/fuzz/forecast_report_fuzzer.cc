// The chart's report reader on arbitrary bytes: it reads a report or refuses it,
// never crashes, and whatever it accepts holds only finite numbers and periods of
// the 16-bit range the run writes, with texts that read as those very numbers;
// its table for a spreadsheet has a line per row. Where the chart's numbers are
// built (a build with the exact Student quantile), what the chart shows of it
// is finite and inside its axes, and so are the ticks of a calendar's dates.
// The first byte picks the levels asked for and the data file's calendar.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "chart/band_levels.h"
#include "chart/forecast_report.h"
#include "chart/forecast_table.h"
#include "text/conversions.h"
#ifdef TENDENCIA_FUZZ_CHART_DATA
#include "chart/fan_chart_data.h"
#endif

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

#ifdef TENDENCIA_FUZZ_CHART_DATA
bool inside(double v, double low, double high) { return std::isfinite(v) && v >= low && v <= high; }

// Everything the chart draws is finite and inside its ranges; the table gets
// a pair of columns per band but the report's own.
void check_chart(const tendencia::ForecastReport& report, const std::vector<double>& levels,
                 const std::optional<tendencia::Calendar>& calendar) {
  using namespace tendencia;
  const FanChart chart = fan_chart_of(report, {"Mes  Ventas", "fuzz", levels, calendar});
  if (!(chart.period_low < chart.period_high) || !(chart.value_low < chart.value_high) ||
      !std::isfinite(chart.value_low) || !std::isfinite(chart.value_high))
    std::abort();
  auto check = [&](double period, double value) {
    if (!inside(period, chart.period_low, chart.period_high) ||
        !inside(value, chart.value_low, chart.value_high) ||
        !std::isfinite(fraction_between(value, chart.value_low, chart.value_high)))
      std::abort();
  };
  for (const ChartPoint& p : chart.observed) check(p.period, p.value);
  for (const auto& run : chart.fitted)
    for (const ChartPoint& p : run) check(p.period, p.value);
  for (const ChartBand& band : chart.bands)
    for (std::size_t i = 0; i < band.periods.size(); ++i)
      check(band.periods[i], band.lower[i]), check(band.periods[i], band.upper[i]);
  if (!report.projected.empty() && (chart.bands.empty() || chart.bands.size() > 6)) std::abort();
  std::size_t stated = 0;
  for (const ChartBand& band : chart.bands) {
    stated += band.stated;
    if (band.lower.size() != report.projected.size()) std::abort();
  }
  if (!report.projected.empty() && stated != 1) std::abort();
  for (const AxisTick& tick : axis_ticks(chart.value_low, chart.value_high, 8, false, chart.decimal))
    if (!std::isfinite(tick.at) || tick.text.find("inf") != std::string::npos ||
        tick.text.find("nan") != std::string::npos)
      std::abort();
  if (chart.calendar)
    for (const std::vector<AxisTick>& ticks :
         calendar_ticks(*chart.calendar, chart.period_low, chart.period_high))
      for (const AxisTick& tick : ticks)
        if (!inside(tick.at, chart.period_low, chart.period_high) || tick.text.empty()) std::abort();
  const std::string table = forecast_table_csv(report, table_bands(chart), chart.calendar);
  if (line_ends(table) != 1 + report.observed_rows.size() + report.projected.size()) std::abort();
}

// None, or one of each kind, the years one near the end of the labels.
std::optional<tendencia::Calendar> calendar_of(std::uint8_t choice) {
  using tendencia::CalendarKind;
  switch (choice / 4 % 7) {
    case 1: return tendencia::Calendar{CalendarKind::Yearly, 9990};
    case 2: return tendencia::Calendar{CalendarKind::Quarterly, 1971 * 4};
    case 3: return tendencia::Calendar{CalendarKind::Monthly, 1949 * 12};
    case 4: return tendencia::Calendar{CalendarKind::Weekly, -3};
    case 5: return tendencia::Calendar{CalendarKind::Daily, 0};
    case 6: return tendencia::Calendar{CalendarKind::WorkingDays, 4};
    default: return std::nullopt;
  }
}
#endif

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  if (size == 0) return 0;
  const char* const level_lists[] = {"", "50,80,95", "99.9,1", "10,20,30,40,50"};
  const std::string levels = level_lists[data[0] % 4];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    ForecastReport report = parse_forecast_report(bytes);
    const Separators& separators = report.separators;
    if (separators.decimal != "." && separators.decimal != ",") std::abort();
    for (const ObservedPoint& p : report.observed)
      if (!period_in_range(p.period) || !std::isfinite(p.value)) std::abort();
    for (const ProjectedRow& r : report.projected)
      if (!period_in_range(r.period) || !std::isfinite(r.trend) || !std::isfinite(r.lower) ||
          !std::isfinite(r.upper) || !reads_as(r.trend_text, r.trend, separators) ||
          !reads_as(r.lower_text, r.lower, separators) || !reads_as(r.upper_text, r.upper, separators))
        std::abort();
    if (report.projected.size() > 32767) std::abort();
    if (report.observed_rows.size() < report.observed.size()) std::abort();
    const std::string table = forecast_table_csv(report);
    if (line_ends(table) != 1 + report.observed_rows.size() + report.projected.size()) std::abort();
#ifdef TENDENCIA_FUZZ_CHART_DATA
    check_chart(report, levels.empty() ? std::vector<double>{} : parse_band_levels(levels),
                calendar_of(data[0]));
#endif
  } catch (const ReportRefused&) {
  }
  return 0;
}
