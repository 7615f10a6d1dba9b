// The calendar reader on arbitrary labels, one a line: it finds a calendar or
// says where the labels stop being one, never crashes, and never gives a
// wrong date. A calendar it finds labels every label's period, its labels
// read back as the very same calendar, and each label written as a date
// stands for the date the calendar gives its period.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/calendar_reading.h"

namespace {

using namespace tendencia;

bool same_date(const CivilDate& a, const CivilDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The period the label names, as the calendar's period of that index names it.
bool names_its_period(const PeriodLabel& read, const Calendar& calendar, const CivilDate& start) {
  switch (calendar.kind) {
    case CalendarKind::Yearly: return read.date.year == start.year;
    case CalendarKind::Quarterly:
      return read.date.year == start.year && (read.date.month - 1) / 3 == (start.month - 1) / 3;
    case CalendarKind::Monthly: return read.date.year == start.year && read.date.month == start.month;
    default: return same_date(read.date, start);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> labels(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n')
      labels.emplace_back();
    else
      labels.back() += static_cast<char>(data[i]);
  }
  const CalendarReading reading = read_calendar(labels);
  if (!reading.calendar) {
    if (reading.why_not.empty() || reading.stops_at >= labels.size()) std::abort();
    return 0;
  }
  const Calendar& calendar = *reading.calendar;
  std::vector<std::string> canonical;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    const auto index = static_cast<long long>(i);
    const std::optional<std::string> label = period_label(calendar, index);
    const std::optional<CivilDate> start = period_start(calendar, index);
    if (!label || !start || label->empty() || label->find(' ') != std::string::npos) std::abort();
    const PeriodLabel read = read_period_label(labels[i]);
    if (read.shape == PeriodLabel::None || read.shape == PeriodLabel::Invalid ||
        !is_valid_date(read.date) || !names_its_period(read, calendar, *start))
      std::abort();
    canonical.push_back(*label);
  }
  const CalendarReading again = read_calendar(canonical);
  if (!again.calendar || again.calendar->kind != calendar.kind || again.calendar->first != calendar.first)
    std::abort();
  // The calendar goes on as far as years have four digits, and no further.
  for (long long index : {static_cast<long long>(labels.size()), 1000000LL, -1000000LL, 5000000LL})
    if (period_label(calendar, index) && period_label(calendar, index)->size() > 10) std::abort();
  return 0;
}
