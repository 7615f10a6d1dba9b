// What a fan chart shows, as plain numbers and texts: the observed values, the
// fitted trend a * F(X) + b over them, the projected trend inside nested
// prediction bands, the axes' ranges and every text. Computed from a report
// without cairo, so the terminal chart program and the desktop program draw
// the same chart and the tests check it without drawing.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/axis_tick.h"
#include "chart/calendar_axis.h"
#include "chart/forecast_report.h"
#include "chart/forecast_table.h"

namespace tendencia {

struct Rgb {
  double r, g, b;
};

// The colours double as the marks by which the tests find each element in
// the SVG.
constexpr Rgb kObservedColour{0.10, 0.30, 0.60};
constexpr Rgb kTrendColour{0.80, 0.25, 0.10};
// The colour of the narrowest of `count` bands is kBandColours[0], the next
// wider [1]...: the narrower, the darker.
constexpr Rgb kBandColours[] = {{0.95, 0.55, 0.35}, {0.97, 0.70, 0.55}, {0.98, 0.82, 0.72},
                                {0.99, 0.89, 0.82}, {0.99, 0.93, 0.89}, {1.00, 0.96, 0.94}};

struct ChartPoint {
  double period = 0.0, value = 0.0;
};

// The band at one level: for each projected row, its period and bounds.
struct ChartBand {
  double level = 0.0;
  std::string label;       // "Banda al 95 %"
  bool stated = false;     // the report's own level: exactly the report's numbers
  Rgb colour{};
  std::vector<double> periods, lower, upper;
};

// What the chart needs besides the report.
struct ChartContext {
  std::string title_line;    // the data file's first line (UTF-8), "" when unknown
  std::string problem_name;  // the title when the title line names no series
  std::vector<double> levels;  // the levels asked for (parse_band_levels); empty: the usual
  std::optional<Calendar> calendar;  // of the data file's rows (data_file_calendar), if any
};

struct FanChart {
  std::string title, subtitle, note;
  std::string period_caption;  // the data file's title of the periods, or "Año o periodo"
  std::string observed_label = "Observado", trend_label = "Tendencia",
              projection_label = "Proyección";
  std::string decimal = ".";  // the report's, for the axes' numbers
  // The data file held the logarithms of the series: every value above is
  // already brought back to the series' own units with the exponential.
  bool logarithms = false;
  std::vector<ChartPoint> observed;
  // a * F(X) + b over the observed periods, in runs: F could not be evaluated
  // between one run and the next. The last run goes on to the first projected
  // period, so the curve reaches the projected trend.
  std::vector<std::vector<ChartPoint>> fitted;
  std::vector<ChartPoint> projected;  // the report's trend
  std::vector<ChartBand> bands;       // widest first, the order they are painted in
  std::optional<double> projection_start;  // half a period before the first projected
  // The periods' dates, when the context's calendar labels every row: the
  // period axis then has its ticks at the calendar's boundaries.
  std::optional<CalendarAxis> calendar;
  // Everything drawn lies inside these ranges; neither is empty.
  double period_low = 0.0, period_high = 1.0, value_low = 0.0, value_high = 1.0;
  // Levels asked for but not drawn: the report gives no t or too few points
  // to scale its band, or the band leaves the range of numbers.
  std::vector<double> levels_not_drawn;
};

// The chart of `report` (any report parse_forecast_report accepts). A band at
// a level Q other than the report's P has the report's trend as its centre and
// each bound's distance to it scaled by t_Q / t_P, with t_Q the exact Student
// quantile for N - 2 degrees of freedom and t_P the t the report states.
FanChart fan_chart_of(const ForecastReport& report, const ChartContext& context);

// The bands other than the report's own, widest first (80 before 50), as
// columns of the report's table.
std::vector<TableBand> table_bands(const FanChart& chart);

// Ticks at round steps (1, 2 or 5 times a power of ten; whole ones for periods)
// between `low` and `high`, about `count` of them (at least 1); none when the
// range cannot be divided. Labels with `decimal`.
std::vector<AxisTick> axis_ticks(double low, double high, int count, bool periods,
                                 const std::string& decimal);

// Where `value` lies between `low` and `high` (low < high), 0 at `low` and 1
// at `high`, without overflow however far apart they are.
inline double fraction_between(double value, double low, double high) {
  return (value / 2 - low / 2) / (high / 2 - low / 2);
}

// The value range widened to whole steps of the ticks axis_ticks gives it for
// `count`, so the grid closes the plot at both ends.
std::pair<double, double> rounded_value_range(double low, double high, int count);

}  // namespace tendencia
