// The calendar of a series: what its periods are (years, quarters, months,
// weeks, days, working days) and where they start, so that every period, the
// observed ones and those still to come, has its date and its label. The run
// numbers its periods 1, 2, 3...; the calendar is what people read.
#pragma once

#include <optional>
#include <string>

#include "model/civil_date.h"

namespace tendencia {

enum class CalendarKind { Yearly, Quarterly, Monthly, Weekly, Daily, WorkingDays };

// Period 0 is the first observed one; period i the i-th after it (negative
// before it). Only regular calendars exist: each period follows the one
// before by the kind's step (a working day follows a Friday on Monday).
struct Calendar {
  CalendarKind kind = CalendarKind::Yearly;
  // The first period as a count: the year; year * 4 + quarter - 1;
  // year * 12 + month - 1; the day_number of the date for the three kinds of
  // days (a Monday to Friday for working days).
  long long first = 0;
};

// The date period `index` starts on (a quarter on its first month's first
// day); nothing when it lies outside years kFirstYear..kLastYear.
std::optional<CivilDate> period_start(const Calendar& calendar, long long index);

// The label of period `index` in its one form, without blanks: "1949",
// "1949-Q1", "1949-01", "1949-01-31"; nothing when it lies outside years
// kFirstYear..kLastYear.
std::optional<std::string> period_label(const Calendar& calendar, long long index);

// "1949", "1949-Q1", "1949-01", "1949-01-31": the labels of the units the
// chart's ticks fall on.
std::string year_label(int year);
std::string quarter_label(int year, int quarter);
std::string month_label(int year, int month);
std::string date_label(const CivilDate& date);

// What to answer to the run's question of the initial period: the first year
// of a yearly calendar, so that the report's periods are its years; 1 for
// every other, whose periods the report numbers 1, 2, 3... while the chart
// and its table carry the dates.
int initial_period_answer(const Calendar& calendar);

// "anual", "trimestral", "mensual", "semanal", "diario", "de días laborables"
std::string calendar_name(CalendarKind kind);

// The horizon the M4 competition projects each kind of series to: 6 years, 8
// quarters, 18 months, 13 weeks, 14 days (working days too); 6 for a series
// without a calendar.
int m4_horizon(const std::optional<Calendar>& calendar);

// The number of periods of a season: 12 for months, 4 for quarters, 1
// otherwise (as the M4 competition takes weeks and days too), and for a
// series without a calendar.
int seasonal_period(const std::optional<Calendar>& calendar);

}  // namespace tendencia
