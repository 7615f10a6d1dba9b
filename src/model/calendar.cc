#include "model/calendar.h"

#include <cstdio>

namespace tendencia {
namespace {

// More periods than the days of years 1..9999: beyond it no index has a date,
// and the arithmetic below stays far from overflow.
constexpr long long kMostPeriods = 4000000;

bool year_in_range(long long year) { return year >= kFirstYear && year <= kLastYear; }

// The day `index` working days after `first` (a Monday to Friday): five
// working days make a week.
long long working_day(long long first, long long index) {
  const long long weeks = floor_div(index, 5), rest = index - weeks * 5;
  return first + 7 * weeks + rest + (weekday(first) + rest >= 5 ? 2 : 0);
}

std::optional<CivilDate> date_in_range(long long day) {
  // The first and last days of years 1..9999 as day numbers.
  constexpr long long kFirstDay = -719162, kLastDay = 2932896;
  if (day < kFirstDay || day > kLastDay) return std::nullopt;
  return date_of_day(day);
}

}  // namespace

std::optional<CivilDate> period_start(const Calendar& calendar, long long index) {
  if (index < -kMostPeriods || index > kMostPeriods || calendar.first < -kMostPeriods ||
      calendar.first > kMostPeriods)
    return std::nullopt;
  const long long period = calendar.first + index;
  switch (calendar.kind) {
    case CalendarKind::Yearly:
      if (!year_in_range(period)) return std::nullopt;
      return CivilDate{static_cast<int>(period), 1, 1};
    case CalendarKind::Quarterly: {
      const long long year = floor_div(period, 4);
      if (!year_in_range(year)) return std::nullopt;
      return CivilDate{static_cast<int>(year), static_cast<int>(3 * (period - 4 * year) + 1), 1};
    }
    case CalendarKind::Monthly: {
      const long long year = floor_div(period, 12);
      if (!year_in_range(year)) return std::nullopt;
      return CivilDate{static_cast<int>(year), static_cast<int>(period - 12 * year + 1), 1};
    }
    case CalendarKind::Weekly:
      return date_in_range(calendar.first + 7 * index);
    case CalendarKind::Daily:
      return date_in_range(period);
    case CalendarKind::WorkingDays:
      return date_in_range(working_day(calendar.first, index));
  }
  return std::nullopt;
}

std::string year_label(int year) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

std::string quarter_label(int year, int quarter) {
  return year_label(year) + "-Q" + std::to_string(quarter);
}

std::string month_label(int year, int month) {
  char text[8];
  std::snprintf(text, sizeof text, "-%02d", month);
  return year_label(year) + text;
}

std::string date_label(const CivilDate& date) {
  char text[8];
  std::snprintf(text, sizeof text, "-%02d", date.day);
  return month_label(date.year, date.month) + text;
}

std::optional<std::string> period_label(const Calendar& calendar, long long index) {
  const std::optional<CivilDate> start = period_start(calendar, index);
  if (!start) return std::nullopt;
  switch (calendar.kind) {
    case CalendarKind::Yearly: return year_label(start->year);
    case CalendarKind::Quarterly: return quarter_label(start->year, (start->month + 2) / 3);
    case CalendarKind::Monthly: return month_label(start->year, start->month);
    default: return date_label(*start);
  }
}

int initial_period_answer(const Calendar& calendar) {
  // A yearly calendar's first period is its year, 1..9999.
  return calendar.kind == CalendarKind::Yearly ? static_cast<int>(calendar.first) : 1;
}

std::string calendar_name(CalendarKind kind) {
  switch (kind) {
    case CalendarKind::Yearly: return "anual";
    case CalendarKind::Quarterly: return "trimestral";
    case CalendarKind::Monthly: return "mensual";
    case CalendarKind::Weekly: return "semanal";
    case CalendarKind::Daily: return "diario";
    case CalendarKind::WorkingDays: return "de días laborables";
  }
  return "";
}

int m4_horizon(const std::optional<Calendar>& calendar) {
  if (!calendar) return 6;
  switch (calendar->kind) {
    case CalendarKind::Yearly: return 6;
    case CalendarKind::Quarterly: return 8;
    case CalendarKind::Monthly: return 18;
    case CalendarKind::Weekly: return 13;
    case CalendarKind::Daily:
    case CalendarKind::WorkingDays: return 14;
  }
  return 6;
}

int seasonal_period(const std::optional<Calendar>& calendar) {
  if (!calendar) return 1;
  switch (calendar->kind) {
    case CalendarKind::Quarterly: return 4;
    case CalendarKind::Monthly: return 12;
    default: return 1;
  }
}

}  // namespace tendencia
