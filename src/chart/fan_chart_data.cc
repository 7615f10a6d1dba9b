#include "chart/fan_chart_data.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "chart/band_levels.h"
#include "chart/readable_numbers.h"
#include "core/failure.h"
#include "io/report_texts.h"
#include "io/title_line.h"
#include "model/student_quantile.h"

namespace tendencia {
namespace {

// A title line may hold tabs or stray control bytes: a chart shows blanks.
std::string printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  return text;
}

std::string level_text(double level, const std::string& decimal) {
  return readable_number(level, 4, decimal);
}

// "50, 80 y 95"
std::string spoken_list(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += i + 1 == items.size() ? " y " : ", ";
    text += items[i];
  }
  return text;
}

std::vector<std::vector<ChartPoint>> fitted_runs(const ForecastReport& report) {
  std::vector<std::vector<ChartPoint>> runs(1);
  if (!report.trend) return {};
  const StatedTrend& trend = *report.trend;
  for (std::size_t i = 0; i < report.observed_rows.size(); ++i) {
    double value;
    try {
      value = trend.slope * evaluate(trend.coefficients, static_cast<Int16>(i + 1)) +
              trend.intercept;
    } catch (const Failure&) {
      value = NAN;
    }
    if (std::isfinite(value)) {
      runs.back().push_back({static_cast<double>(report.observed_rows[i].period), value});
    } else if (!runs.back().empty()) {
      runs.emplace_back();
    }
  }
  // The curve meets the projected trend only where it reached the last observation.
  if (!runs.back().empty() && !report.projected.empty() &&
      runs.back().back().period == report.observed_rows.back().period)
    runs.back().push_back({static_cast<double>(report.projected.front().period),
                           report.projected.front().trend});
  if (runs.back().empty()) runs.pop_back();
  return runs;
}

ChartBand stated_band(const ForecastReport& report) {
  ChartBand band;
  band.level = report.level.value_or(0.0);
  band.stated = true;
  for (const ProjectedRow& row : report.projected) {
    band.periods.push_back(row.period);
    band.lower.push_back(row.lower);
    band.upper.push_back(row.upper);
  }
  return band;
}

// The band at `level`, scaled from the report's; nothing when the report
// cannot be scaled or a bound leaves the range of numbers.
std::optional<ChartBand> scaled_band(const ForecastReport& report, double level) {
  if (!report.level || !report.student_t || !(*report.student_t > 0) ||
      !std::isfinite(*report.student_t))
    return std::nullopt;
  std::optional<double> t = student_quantile(level, report.points_considered - 2.0);
  if (!t) return std::nullopt;
  const double ratio = *t / *report.student_t;
  ChartBand band;
  band.level = level;
  for (const ProjectedRow& row : report.projected) {
    const double lower = row.trend - (row.trend - row.lower) * ratio;
    const double upper = row.trend + (row.upper - row.trend) * ratio;
    if (!std::isfinite(lower) || !std::isfinite(upper)) return std::nullopt;
    band.periods.push_back(row.period);
    band.lower.push_back(lower);
    band.upper.push_back(upper);
  }
  return band;
}

void set_bands(const ForecastReport& report, const ChartContext& context, FanChart& chart) {
  if (report.projected.empty()) return;
  chart.bands.push_back(stated_band(report));
  if (report.level) {
    for (double level : band_levels(*report.level, context.levels)) {
      if (level == *report.level) continue;
      if (std::optional<ChartBand> band = scaled_band(report, level))
        chart.bands.push_back(*band);
      else
        chart.levels_not_drawn.push_back(level);
    }
  } else {
    chart.levels_not_drawn = context.levels;
  }
  std::sort(chart.bands.begin(), chart.bands.end(),
            [](const ChartBand& a, const ChartBand& b) { return a.level > b.level; });
  for (std::size_t i = 0; i < chart.bands.size(); ++i) {
    ChartBand& band = chart.bands[i];
    // More bands than colours (a caller past parse_band_levels' limit) share the lightest.
    const std::size_t palette = sizeof kBandColours / sizeof kBandColours[0];
    band.colour = kBandColours[std::min(chart.bands.size() - 1 - i, palette - 1)];
    band.label = report.level ? "Banda al " + level_text(band.level, chart.decimal) + " %"
                              : "Intervalo del informe";
  }
}

// The chart of a run on logarithms shows the series: every value goes back
// through the exponential, which keeps each band's level. A point or band
// whose value leaves the range of numbers there is not drawn.
void to_series_units(FanChart& chart) {
  auto back = [](std::vector<ChartPoint>& points) {
    std::vector<ChartPoint> kept;
    for (ChartPoint p : points) {
      p.value = std::exp(p.value);
      if (std::isfinite(p.value)) kept.push_back(p);
    }
    points = kept;
  };
  back(chart.observed);
  for (std::vector<ChartPoint>& run : chart.fitted) back(run);
  back(chart.projected);
  std::vector<ChartBand> kept;
  for (ChartBand band : chart.bands) {
    bool finite = true;
    for (std::vector<double>* bounds : {&band.lower, &band.upper})
      for (double& v : *bounds) finite = std::isfinite(v = std::exp(v)) && finite;
    if (finite) kept.push_back(band);
    else chart.levels_not_drawn.push_back(band.level);
  }
  chart.bands = kept;
}

void set_texts(const ForecastReport& report, const ChartContext& context, FanChart& chart) {
  const TitleLine title_line = split_title_line(context.title_line);
  const std::optional<std::string> series = header_without_logarithm(title_line.values_header);
  chart.title = printable(title_line.values_header.empty() ? context.problem_name
                                                           : series.value_or(title_line.values_header));
  chart.period_caption = printable(title_line.period_header.empty() ? report_text::kPeriodTitle
                                                                    : title_line.period_header);
  if (chart.bands.empty()) {
    chart.subtitle = "Tendencia ajustada a los valores observados (sin puntos extrapolados)";
  } else if (!report.level) {
    chart.subtitle = "Tendencia e intervalo de predicción del informe";
  } else {
    std::vector<std::string> levels;
    for (auto band = chart.bands.rbegin(); band != chart.bands.rend(); ++band)
      levels.push_back(level_text(band->level, chart.decimal));
    chart.subtitle = std::string("Tendencia y ") +
                     (levels.size() == 1 ? "banda" : "bandas") + " de predicción al " +
                     spoken_list(levels) + " %";
  }
  if (report.trend) {
    const double intercept = report.trend->intercept;
    chart.note = "Recta de regresión: Y = " +
                 readable_number(report.trend->slope, 5, chart.decimal) + " · F(X) " +
                 (intercept < 0 ? "\xE2\x88\x92 " : "+ ") +
                 readable_number(std::fabs(intercept), 5, chart.decimal);
  } else {
    chart.note = report.regression_line;
  }
  if (chart.logarithms) chart.note += " sobre el logaritmo de la serie";
  chart.note += "   (N = " + std::to_string(report.points_considered);
  if (report.student_t && std::isfinite(*report.student_t))
    chart.note += ", t de Student = " + readable_number(*report.student_t, 5, chart.decimal);
  chart.note += ")";
}

void set_ranges(const ForecastReport& report, FanChart& chart) {
  double period_low = INFINITY, period_high = -INFINITY;
  double value_low = INFINITY, value_high = -INFINITY;
  auto period = [&](double p) {
    period_low = std::min(period_low, p), period_high = std::max(period_high, p);
  };
  auto value = [&](double v) {
    value_low = std::min(value_low, v), value_high = std::max(value_high, v);
  };
  for (const ObservedRow& row : report.observed_rows) period(row.period);
  for (const ChartPoint& p : chart.observed) value(p.value);
  for (const std::vector<ChartPoint>& run : chart.fitted)
    for (const ChartPoint& p : run) value(p.value);
  for (const ChartPoint& p : chart.projected) period(p.period), value(p.value);
  for (const ChartBand& band : chart.bands)
    for (std::size_t i = 0; i < band.periods.size(); ++i) value(band.lower[i]), value(band.upper[i]);
  if (period_low > period_high) period_low = 0, period_high = 0;
  if (value_low > value_high) value_low = 0, value_high = 0;
  // Half a period of room at each end keeps the first and last marks off the frame.
  chart.period_low = period_low - 0.5, chart.period_high = period_high + 0.5;
  // A flat series still gets a visible span.
  if (!(value_high / 2 - value_low / 2 > std::fabs(value_high) * 1e-12)) {
    const double pad = std::max(1.0, std::max(std::fabs(value_low), std::fabs(value_high)) * 0.1);
    // Near the end of the numbers the span opens on the side that has room.
    value_low = std::max(value_low - pad, -DBL_MAX), value_high = std::min(value_high + pad, DBL_MAX);
  }
  chart.value_low = value_low, chart.value_high = value_high;
}

// A round step (1, 2 or 5 times a power of ten) giving about `count` ticks;
// 0 when there is none.
double round_step(double low, double high, int count, bool whole) {
  const double raw = high / std::max(count, 2) - low / std::max(count, 2);
  if (!(raw > 0) || !std::isfinite(raw)) return 0.0;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power * 10;
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  if (whole) step = std::max(1.0, std::round(step));
  return std::isfinite(step) ? step : 0.0;
}

}  // namespace

FanChart fan_chart_of(const ForecastReport& report, const ChartContext& context) {
  FanChart chart;
  chart.decimal = report.separators.decimal;
  for (const ObservedPoint& p : report.observed) chart.observed.push_back({double(p.period), p.value});
  chart.fitted = fitted_runs(report);
  for (const ProjectedRow& row : report.projected) chart.projected.push_back({double(row.period), row.trend});
  if (!report.projected.empty()) chart.projection_start = report.projected.front().period - 0.5;
  set_bands(report, context, chart);
  chart.logarithms =
      header_without_logarithm(split_title_line(context.title_line).values_header).has_value();
  if (chart.logarithms) to_series_units(chart);
  set_texts(report, context, chart);
  set_ranges(report, chart);
  chart.calendar = calendar_axis(report, context.calendar);
  return chart;
}

std::vector<TableBand> table_bands(const FanChart& chart) {
  std::vector<TableBand> columns;
  for (const ChartBand& band : chart.bands)
    if (!band.stated) columns.push_back({level_text(band.level, chart.decimal), band.lower, band.upper});
  return columns;
}

std::vector<AxisTick> axis_ticks(double low, double high, int count, bool periods,
                                 const std::string& decimal) {
  std::vector<AxisTick> ticks;
  const double step = round_step(low, high, count, periods);
  if (step == 0.0) return ticks;
  const double first = std::ceil(low / step);
  // Counted by index, never by adding steps: far from zero a step can be
  // below the spacing of the numbers themselves.
  for (int i = 0; i <= 4 * std::max(count, 2); ++i) {
    const double at = (first + i) * step;
    if (!(at <= high + step * 1e-9)) break;
    if (!ticks.empty() && at == ticks.back().at) break;
    ticks.push_back({at, tick_text(at, step, decimal)});
  }
  return ticks;
}

std::pair<double, double> rounded_value_range(double low, double high, int count) {
  const double step = round_step(low, high, count, false);
  if (step == 0.0) return {low, high};
  const double rounded_low = std::floor(low / step) * step, rounded_high = std::ceil(high / step) * step;
  if (!std::isfinite(rounded_low) || !std::isfinite(rounded_high)) return {low, high};
  return {rounded_low, rounded_high};
}

}  // namespace tendencia
