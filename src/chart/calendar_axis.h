// A report's periods in the calendar of its data file: row i of the report
// (its observed rows, then its projected ones) is period i of the calendar.
// The report numbers the periods as its user answered; the chart, its table
// and the studio show them as dates.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chart/axis_tick.h"
#include "chart/forecast_report.h"
#include "model/calendar.h"

namespace tendencia {

struct CalendarAxis {
  Calendar calendar;
  int first_period = 0;  // the report's number of the calendar's period 0
};

// The axis when `calendar` has a label for every row of `report`; nothing
// without a calendar, or with a row past the years labels reach.
std::optional<CalendarAxis> calendar_axis(const ForecastReport& report,
                                          const std::optional<Calendar>& calendar);

// The calendar's label of the report's period `period`; nothing where it has none.
std::optional<std::string> label_of_period(const CalendarAxis& axis, long long period);

// The label of each row of `report`, observed rows first: the calendar's
// ("1961-01") with an axis, else the period as the report writes it.
std::vector<std::string> period_labels(const ForecastReport& report,
                                       const std::optional<CalendarAxis>& axis);

// The ticks the period axis may have between the report's periods `low` and
// `high`, one set for each unit the calendar's periods make up, finest
// first: days, weeks (on Mondays), months, 3 and 6 months, years, then 2, 5,
// 10, 20, 50... years. A tick stands at the first period of its unit, at a
// round step ("1950", "1949-07"), labelled "1949-01-31" for a day or week,
// "1949-07" for a month, "1949-Q3" for a quarter, "1950" for a year. Sets
// without a tick in the range are left out.
std::vector<std::vector<AxisTick>> calendar_ticks(const CalendarAxis& axis, double low, double high);

}  // namespace tendencia
