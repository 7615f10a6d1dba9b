#include "chart/calendar_axis.h"

#include <cmath>

namespace tendencia {
namespace {

enum class Unit { Day, Week, Month, Quarter, Year };

struct TickUnit {
  Unit unit;
  int step;  // months of a month unit, years of a year unit
};

// The units finer than a year that a calendar's periods make up, finest first.
std::vector<TickUnit> units_below_year(CalendarKind kind) {
  switch (kind) {
    case CalendarKind::Yearly: return {};
    case CalendarKind::Quarterly: return {{Unit::Quarter, 1}};
    case CalendarKind::Monthly: return {{Unit::Month, 1}, {Unit::Month, 3}, {Unit::Month, 6}};
    case CalendarKind::Weekly:
      return {{Unit::Week, 1}, {Unit::Month, 1}, {Unit::Month, 3}, {Unit::Month, 6}};
    case CalendarKind::Daily:
    case CalendarKind::WorkingDays:
      return {{Unit::Day, 1}, {Unit::Week, 1}, {Unit::Month, 1}, {Unit::Month, 3}, {Unit::Month, 6}};
  }
  return {};
}

// Which unit a date falls in: equal numbers, the same unit.
long long unit_number(Unit unit, const CivilDate& date) {
  switch (unit) {
    case Unit::Day: return day_number(date);
    // Weeks from Monday: day 4 since 1970-01-01 was a Monday.
    case Unit::Week: return floor_div(day_number(date) - 4, 7);
    case Unit::Month: return date.year * 12LL + date.month - 1;
    case Unit::Quarter: return date.year * 4LL + (date.month - 1) / 3;
    case Unit::Year: return date.year;
  }
  return 0;
}

bool round_step(const TickUnit& unit, const CivilDate& date) {
  if (unit.unit == Unit::Month) return (date.month - 1) % unit.step == 0;
  if (unit.unit == Unit::Year) return date.year % unit.step == 0;
  return true;
}

std::string unit_label(Unit unit, const CivilDate& date) {
  switch (unit) {
    case Unit::Day:
    case Unit::Week: return date_label(date);
    case Unit::Month: return month_label(date.year, date.month);
    case Unit::Quarter: return quarter_label(date.year, (date.month + 2) / 3);
    case Unit::Year: return year_label(date.year);
  }
  return "";
}

}  // namespace

std::optional<CalendarAxis> calendar_axis(const ForecastReport& report,
                                          const std::optional<Calendar>& calendar) {
  if (!calendar) return std::nullopt;
  const std::size_t rows = report.observed_rows.size() + report.projected.size();
  if (rows == 0) return std::nullopt;
  CalendarAxis axis{*calendar, report.observed_rows.empty() ? report.projected.front().period
                                                            : report.observed_rows.front().period};
  // Labels exist for one unbroken run of periods: the first and last rows tell.
  if (!period_label(axis.calendar, 0) || !period_label(axis.calendar, static_cast<long long>(rows) - 1))
    return std::nullopt;
  return axis;
}

std::optional<std::string> label_of_period(const CalendarAxis& axis, long long period) {
  return period_label(axis.calendar, period - axis.first_period);
}

std::vector<std::string> period_labels(const ForecastReport& report,
                                       const std::optional<CalendarAxis>& axis) {
  std::vector<std::string> labels;
  auto label = [&](int period, const std::string& text) {
    labels.push_back(axis ? label_of_period(*axis, period).value_or(text) : text);
  };
  for (const ObservedRow& row : report.observed_rows) label(row.period, row.period_text);
  for (const ProjectedRow& row : report.projected) label(row.period, row.period_text);
  return labels;
}

std::vector<std::vector<AxisTick>> calendar_ticks(const CalendarAxis& axis, double low, double high) {
  if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) return {};
  // The report's periods are 16-bit: the range holds a few tens of thousands at most.
  const long long first = static_cast<long long>(std::ceil(std::max(low, -65536.0))) - axis.first_period;
  const long long last = static_cast<long long>(std::floor(std::min(high, 65536.0))) - axis.first_period;
  // The period before the range too, to tell whether the first one starts a unit.
  std::vector<std::optional<CivilDate>> starts;
  for (long long index = first - 1; index <= last; ++index)
    starts.push_back(period_start(axis.calendar, index));

  std::vector<TickUnit> units = units_below_year(axis.calendar.kind);
  for (int power = 1; power <= 1000; power *= 10)
    for (int step : {1, 2, 5}) units.push_back({Unit::Year, step * power});

  std::vector<std::vector<AxisTick>> sets;
  for (const TickUnit& unit : units) {
    std::vector<AxisTick> ticks;
    for (std::size_t i = 1; i < starts.size(); ++i) {
      if (!starts[i]) continue;
      const long long number = unit_number(unit.unit, *starts[i]);
      if (starts[i - 1] && unit_number(unit.unit, *starts[i - 1]) == number) continue;
      if (!round_step(unit, *starts[i])) continue;
      ticks.push_back({static_cast<double>(axis.first_period + first + static_cast<long long>(i) - 1),
                       unit_label(unit.unit, *starts[i])});
    }
    if (!ticks.empty()) sets.push_back(std::move(ticks));
  }
  return sets;
}

}  // namespace tendencia
