// The calendar in a column of period labels, as spreadsheets and people write
// them, or why there is none. Only a regular column is a calendar: a gap, a
// repeat, a step back or a step that changes leaves the labels as text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/calendar.h"

namespace tendencia {

// What one label is, read alone.
struct PeriodLabel {
  enum Shape { None, Invalid, Year, Quarter, Month, Date };
  Shape shape = None;  // Invalid: written as a date or period that does not exist (31/02/1949)
  CivilDate date;      // a quarter on its first month, a year and a month on their first day
};

// Reads one label, blanks around it dropped (any case):
//   years      1949
//   quarters   1949-Q1  1949Q1  1949 Q1  1949-T1  1949T1  T1 1949  T1-1949  Q1 1949
//   months     1949-01  1949/01  1949M01  01/1949  01-1949  ene-1949  ene 1949
//              ene.-1949  enero 1949  jan-1949 (Spanish and English names)
//   dates      1949-01-31  1949/01/31  31/01/1949  31-01-1949  31.01.1949
// Years have four digits (1..9999); months and days one or two. Anything else,
// a label longer than 32 bytes included, is None.
PeriodLabel read_period_label(const std::string& label);

struct CalendarReading {
  std::optional<Calendar> calendar;
  // Without a calendar: the label (counted from 0) where the column stops
  // being one, and why, in words for a summary: "\"1950-03\" no sigue a
  // \"1950-01\": falta algún periodo entre ellos".
  std::size_t stops_at = 0;
  std::string why_not;
};

// The calendar of `labels` (the first is period 0). Labels of one shape:
// consecutive years, quarters or months; dates one day apart (Daily), seven
// (Weekly), or every Monday to Friday and no other day (WorkingDays); dates
// one month, one quarter or one year apart on the same day of the month, or
// each on its month's last day, are months, quarters or years. A single label
// is a calendar of its shape (a date a day). No labels: no calendar.
CalendarReading read_calendar(const std::vector<std::string>& labels);

}  // namespace tendencia
